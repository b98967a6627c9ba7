#include "app/MainWork.h"

#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"

#include <QDir>
#include <QLocale>

namespace corvane::app {

using data::ControlsDisabled;
using data::OpenedTable;

namespace {

QDateTime latestChange(data::Session &s, std::initializer_list<const char *> tables)
{
    QDateTime latest;
    for (const char *t : tables) {
        const QDateTime m = s.modifiedAt(QString::fromLatin1(t));
        if (m.isValid() && (!latest.isValid() || m > latest))
            latest = m;
    }
    return latest;
}

} // namespace

bool backupReminderDue(data::ModuleData &md, int delayDays)
{
    data::Session &s = md.session();
    const QDateTime backup = s.modifiedAt(QStringLiteral("Datexpor"));
    const QDateTime change = latestChange(s, {"Joueurs", "Recettes", "Depenses", "Courriers"});
    return backup.isValid() && change.isValid() && backup.addDays(delayDays) < change;
}

QString backupReminderText(int delayDays)
{
    return QStringLiteral("Vous n'avez pas effectué de sauvegarde depuis plus de %1 jours,\rVoulez-vous procéder à la "
                          "sauvegarde de vos données actuelles ?")
        .arg(delayDays);
}

bool closingNeedsBackup(data::ModuleData &md)
{
    data::Session &s = md.session();
    const QDateTime backup = s.modifiedAt(QStringLiteral("Datexpor"));
    const QDateTime change = latestChange(s, {"Recettes", "Joueurs", "Depenses", "Dettes"});
    return change.isValid() && (!backup.isValid() || change > backup);
}

void propagateAccountNames(data::ModuleData &md, const AccountNames &before, const AccountNames &after)
{
    bool changed = false;
    for (int k = 1; k <= 5; ++k)
        changed = changed || before[k] != after[k];
    if (!changed)
        return;
    data::Session::Transaction tx(md.session());
    const QString compte = QStringLiteral("Compte");
    for (const char *name : {"Recettes", "Depenses", "Compta", "BBanque", "BBanqueNum", "BEspeces", "BEspecesNum"}) {
        OpenedTable t(md.table(QString::fromLatin1(name)));
        ControlsDisabled quiet(*t);
        // The account is part of some keys: a renamed record may move in the
        // table's order, so the records are visited from a list made first.
        std::vector<data::Table::Bookmark> marks;
        for (t->first(); !t->eof(); t->next())
            marks.push_back(t->bookmark());
        for (const auto &mark : marks) {
            t->gotoBookmark(mark);
            // Each test reads the current value: a record renamed for
            // account k is tested again against account k + 1.
            for (int k = 1; k <= 5; ++k) {
                if (before[k] != after[k] && t->asString(compte) == before[k]) {
                    t->edit();
                    t->setValue(compte, after[k]);
                    t->post();
                }
            }
        }
        t->first();
    }
    tx.commit();
}

void rebuildDistinctions(data::ModuleData &md)
{
    QStringList signs;
    {
        OpenedTable joueurs(md.table(QStringLiteral("Joueurs")));
        ControlsDisabled quiet(*joueurs);
        for (joueurs->first(); !joueurs->eof(); joueurs->next()) {
            const QString d = joueurs->asString(QStringLiteral("Distinction"));
            if (!d.isEmpty() && !signs.contains(d))
                signs << d;
        }
    }
    data::Session::Transaction tx(md.session());
    data::Table *distinctions = md.table(QStringLiteral("Distinctions"));
    distinctions->emptyTable();
    {
        OpenedTable t(distinctions);
        ControlsDisabled quiet(*t);
        for (const QString &s : std::as_const(signs)) {
            t->append();
            t->setValue(QStringLiteral("Signe"), s);
            t->post();
        }
    }
    tx.commit();
}

void fillTableListe(data::ModuleData &md, const std::function<bool(const data::RecordView &)> &condition)
{
    data::Session::Transaction tx(md.session());
    data::Table *liste = md.table(QStringLiteral("TableListe"));
    liste->emptyTable();
    OpenedTable out(liste);
    OpenedTable joueurs(md.table(QStringLiteral("Joueurs")));
    ControlsDisabled quietOut(*out);
    ControlsDisabled quietIn(*joueurs);
    const data::TableDef &from = joueurs->definition();
    const data::TableDef &to = out->definition();
    // Fields copied by name, in the members' order.
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < to.fields.size(); ++i) {
        const int j = from.fieldIndex(to.fields[i].name);
        if (j >= 0)
            pairs.emplace_back(j, i);
    }
    const int situation = joueurs->fieldIndex(QStringLiteral("Situation"));
    for (int row = 0; row < joueurs->recordCount(); ++row) {
        if (joueurs->valueAt(row, situation).toString() != QLatin1String("ACTIF"))
            continue;
        joueurs->setRecNo(row + 1);
        if (condition) {
            std::vector<QVariant> values;
            values.reserve(from.fields.size());
            for (int f = 0; f < from.fields.size(); ++f)
                values.push_back(joueurs->value(f));
            if (!condition(data::RecordView(*joueurs, values)))
                continue;
        }
        out->append();
        for (const auto &[j, i] : pairs)
            out->setValue(i, joueurs->value(j));
        out->post();
    }
    joueurs->first();
    tx.commit();
}

void ajouteJoueursInEtiquette(data::ModuleData &md)
{
    data::Session::Transaction tx(md.session());
    data::Table *etiquettes = md.table(QStringLiteral("Etiquettes"));
    etiquettes->emptyTable();
    OpenedTable out(etiquettes);
    OpenedTable joueurs(md.table(QStringLiteral("Joueurs")));
    ControlsDisabled quietOut(*out);
    ControlsDisabled quietIn(*joueurs);
    for (joueurs->first(); !joueurs->eof(); joueurs->next()) {
        if (joueurs->asBool(QStringLiteral("Nepasenvoyer")))
            continue;
        out->append();
        out->setValue(QStringLiteral("Nom"), joueurs->asString(QStringLiteral("Nom")) + QStringLiteral("  ") +
                                                 joueurs->asString(QStringLiteral("Prenom")));
        out->setValue(QStringLiteral("Ligne1"), joueurs->value(QStringLiteral("Adresse")));
        out->setValue(QStringLiteral("Ligne2"), joueurs->value(QStringLiteral("Adresse1")));
        out->setValue(QStringLiteral("Code"), joueurs->value(QStringLiteral("Code postal")));
        out->setValue(QStringLiteral("Ville"), joueurs->value(QStringLiteral("Ville")));
        out->post();
    }
    joueurs->first();
    out->first();
    tx.commit();
}

QString workingFoldersMessage(const data::AppFolders &f)
{
    auto up = [](const QString &p) { return QDir::toNativeSeparators(p).toUpper(); };
    return QStringLiteral("Les répertoires de Corvane 3 sont:\r\rApplication: ") + up(f.root()) +
           QStringLiteral("\rProfils: ") + up(f.profils()) + QStringLiteral("\rPhotos: ") + up(f.photos()) +
           QStringLiteral("\rSauvegarde: ") + up(f.sauvegarde()) + QStringLiteral("\rImport: ") + up(f.imports()) +
           QStringLiteral("\rExport: ") + up(f.exports()) + QStringLiteral("\rExport vers Excel: ") +
           up(f.fichiersExcel()) + QStringLiteral("\rCourriers: ") + up(f.courriers()) +
           QStringLiteral("\rModèles: ") + up(f.modeles());
}

QString dateTimeMessage(const QDateTime &now)
{
    const QLocale fr(QLocale::French, QLocale::France);
    return QStringLiteral("Nous sommes le ") + fr.toString(now.date(), QStringLiteral("dddd d MMMM yyyy")) +
           QStringLiteral(" \ret il est ") + QString::number(now.time().hour()) + QStringLiteral(" heures et ") +
           fr.toString(now.time(), QStringLiteral("mm")) + QStringLiteral(" minutes");
}

} // namespace corvane::app
