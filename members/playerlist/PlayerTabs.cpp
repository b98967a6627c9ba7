#include "members/playerlist/PlayerTabs.h"

#include "data/Parametres.h"

namespace corvane::members::playerlist {

std::vector<PlayerTab> playerTabs(const data::Parametres &p)
{
    const QColor all(0xC0, 0xDC, 0xC0);
    const QColor roles(0xF0, 0xED, 0x64);
    const QColor men(0xA6, 0xCA, 0xF0);
    const QColor women(0xFF, 0xAA, 0xD5);
    const QColor leisure(0x00, 0x00, 0xFF);

    std::vector<PlayerTab> tabs;
    tabs.reserve(TabCount);
    tabs.push_back({QStringLiteral("Tous"), all, TabKind::Tous, {}});
    tabs.push_back({QStringLiteral("Bureau"), roles, TabKind::Bureau, {}});
    for (int k = 1; k <= 8; ++k)
        tabs.push_back({p.categories[k], men, TabKind::Categorie, p.categories[k]});
    tabs.push_back({QStringLiteral("Educateurs-Dirigeants"), roles, TabKind::Educateurs, {}});
    tabs.push_back({QStringLiteral("Arbitres"), roles, TabKind::Arbitres, {}});
    for (int k = 21; k <= 28; ++k)
        tabs.push_back({p.categories[k], women, TabKind::Categorie, p.categories[k]});
    tabs.push_back({LoisirsCategory, leisure, TabKind::Categorie, LoisirsCategory});
    return tabs;
}

MemberFields::MemberFields(const data::Table &t)
    : categorie(t.fieldIndex(QStringLiteral("Categorie")))
    , equipe(t.fieldIndex(QStringLiteral("Equipe")))
    , membreBureau(t.fieldIndex(QStringLiteral("Membre bureau")))
    , educateur(t.fieldIndex(QStringLiteral("Educateur")))
    , arbitre(t.fieldIndex(QStringLiteral("Arbitre")))
    , arbitreDelegue(t.fieldIndex(QStringLiteral("ArbitreDelegue")))
    , arbitreTable(t.fieldIndex(QStringLiteral("Arbitre Table")))
    , paye(t.fieldIndex(QStringLiteral("Paye")))
{}

bool onTab(const PlayerTab &tab, const MemberFields &f, const data::RecordView &m)
{
    switch (tab.kind) {
    case TabKind::Tous:
        return true;
    case TabKind::Bureau:
        return m.value(f.membreBureau).toBool();
    case TabKind::Educateurs:
        return m.value(f.educateur).toBool();
    case TabKind::Arbitres:
        return m.value(f.arbitre).toBool() || m.value(f.arbitreDelegue).toBool() ||
               m.value(f.arbitreTable).toBool();
    case TabKind::Categorie:
        if (m.value(f.categorie).toString() != tab.category)
            return false;
        return !(m.value(f.equipe).toString() == NoTeam &&
                 (m.value(f.educateur).toBool() || m.value(f.membreBureau).toBool()));
    }
    return false;
}

data::Table::Predicate tabFilter(const PlayerTab &tab, const data::Table &joueurs)
{
    if (tab.kind == TabKind::Tous)
        return {};
    return [tab, f = MemberFields(joueurs)](const data::RecordView &m) { return onTab(tab, f, m); };
}

QString indexName(PlayerSort sort)
{
    switch (sort) {
    case PlayerSort::Categorie:
        return QStringLiteral("ParCategorie");
    case PlayerSort::Equipe:
        return QStringLiteral("ParEquipe");
    case PlayerSort::Nom:
        break;
    }
    return {};
}

QString sortField(PlayerSort sort)
{
    switch (sort) {
    case PlayerSort::Categorie:
        return QStringLiteral("Categorie");
    case PlayerSort::Equipe:
        return QStringLiteral("Equipe");
    case PlayerSort::Nom:
        break;
    }
    return QStringLiteral("Nom");
}

int nearestRow(const data::Table &table, const QString &field, const QString &text, bool descending)
{
    const int count = table.isActive() ? table.recordCount() : 0;
    if (count == 0)
        return -1;
    const int i = table.fieldIndex(field);
    const QString wanted = data::foldForSort(text);
    // Rows before the answer are those that sort before the text; a value
    // is compared on as many letters as were typed, so that "mar" stops on
    // "MARTIN" whichever way the list runs.
    auto before = [&](int row) {
        const QVariant v = table.valueAt(row, i);
        if (v.isNull() || !v.isValid())
            return !descending && !wanted.isEmpty();
        const int c = data::foldForSort(v.toString()).left(wanted.size()).compare(wanted);
        return descending ? c > 0 : c < 0;
    };
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return std::min(lo, count - 1);
}

} // namespace corvane::members::playerlist
