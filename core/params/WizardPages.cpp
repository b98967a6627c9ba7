#include "core/params/WizardPages.h"

#include "data/ModuleData.h"
#include "data/Money.h"
#include "data/OpenedTable.h"
#include "data/OperationNumbers.h"
#include "data/Session.h"
#include "data/StoreError.h"

#include <QDate>

namespace corvane::core {

using data::OpenedTable;
using data::Table;

namespace {

std::vector<WizardField> textFields(const QStringList &names)
{
    std::vector<WizardField> out;
    for (const QString &n : names)
        out.push_back({n, WizardKind::Text});
    return out;
}

std::vector<WizardField> contactFields(const QString &who)
{
    QStringList names{who};
    for (const char *suffix : {"Adresse1", "Adresse2", "CodePostal", "Ville", "Tel", "Fax", "Mail",
                               "Responsable1", "Responsable2"})
        names << who + QString::fromLatin1(suffix);
    return textFields(names);
}

QString amountText(data::Money m)
{
    return m.formatPlain().remove(QChar(0x00A0));
}

// An edit left empty is a zero amount.
std::optional<data::Money> parseAmount(const QString &text)
{
    return data::Money::parse(text.trimmed());
}

std::optional<int> parsePercent(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < 0 || v > 100)
        return std::nullopt;
    return v;
}

QString badAmountMessage(const QString &text)
{
    return QStringLiteral("Le montant « %1 » n'est pas valide.\rSaisissez un nombre, par exemple 12,50.")
        .arg(text.trimmed());
}

QString badPercentMessage(const QString &text)
{
    return QStringLiteral("Le pourcentage « %1 » n'est pas valide.\rSaisissez un nombre entier de 0 à 100.")
        .arg(text.trimmed());
}

// A failure between edit() and post() leaves no cursor editing.
class CancelOnFailure {
public:
    explicit CancelOnFailure(Table &t)
        : t_(t)
    {}
    ~CancelOnFailure()
    {
        if (t_.isEditing())
            t_.cancel();
    }
    CancelOnFailure(const CancelOnFailure &) = delete;
    CancelOnFailure &operator=(const CancelOnFailure &) = delete;

private:
    Table &t_;
};

AccountRenamer &renamer()
{
    static AccountRenamer r;
    return r;
}

bool findEntry(Table &t, const QString &compte)
{
    for (t.first(); !t.eof(); t.next()) {
        if (t.asString(QStringLiteral("Poste")) == OpeningCategory &&
            t.asString(QStringLiteral("Compte")) == compte)
            return true;
    }
    return false;
}

// The opening balance of one account: an entry of the ledger its sign
// belongs to, the mirror entry in the other ledger removed.
void writeOpeningBalance(data::ModuleData &md, const QString &compte, data::Money balance)
{
    const bool receipt = !balance.isNegative();
    OpenedTable kept(md.table(receipt ? QStringLiteral("Recettes") : QStringLiteral("Depenses")));
    OpenedTable other(md.table(receipt ? QStringLiteral("Depenses") : QStringLiteral("Recettes")));
    CancelOnFailure c1(*kept), c2(*other);
    data::ControlsDisabled q1(*kept), q2(*other);
    const QString amountField =
        receipt ? QStringLiteral("Montant recette") : QStringLiteral("Montant depense");
    const QString zeroField = receipt ? QStringLiteral("Montant depense") : QStringLiteral("Montant recette");
    if (findEntry(*kept, compte)) {
        kept->edit();
        kept->setValue(amountField, balance.abs().toDouble());
        kept->setValue(QStringLiteral("Compte"), compte);
    } else {
        const int num = data::drawOperationNumber(md);
        kept->append();
        kept->setValue(QStringLiteral("Date"), QDate::currentDate());
        kept->setValue(QStringLiteral("Poste"), OpeningCategory);
        kept->setValue(QStringLiteral("Genre"),
                       receipt ? QStringLiteral("Recette") : QStringLiteral("Depense"));
        kept->setValue(QStringLiteral("Compte"), compte);
        kept->setValue(QStringLiteral("Libelle"), QStringLiteral("Reste en fin de saison précédente"));
        kept->setValue(amountField, balance.abs().toDouble());
        kept->setValue(zeroField, 0.0);
        kept->setValue(QStringLiteral("Num"), num);
        kept->setValue(QStringLiteral("Justificatif"), true);
        kept->setValue(QStringLiteral("Rapprochement"), QStringLiteral("R"));
        kept->setValue(QStringLiteral("Nom du payeur"), QStringLiteral("Aucun"));
        kept->setValue(QStringLiteral("Sur bordereau banque"), true);
    }
    kept->post();
    if (findEntry(*other, compte))
        other->remove();
    kept->first();
    other->first();
}

void writeTeams(data::ModuleData &md, const std::array<WizardTeam, 5> &teams)
{
    {
        OpenedTable equipes(md.table(QStringLiteral("Equipes")));
        CancelOnFailure c(*equipes);
        for (const WizardTeam &team : teams) {
            const QString nom = team.nom.trimmed();
            if (nom.isEmpty())
                continue;
            if (equipes->locate(QStringLiteral("Nom"), {nom}))
                equipes->edit();
            else
                equipes->append();
            equipes->setValue(QStringLiteral("Nom"), nom);
            equipes->setValue(QStringLiteral("Entraineur"), team.entraineur.trimmed());
            equipes->setValue(QStringLiteral("Division"), team.division.trimmed());
            equipes->post();
        }
    }
    OpenedTable divisions(md.table(QStringLiteral("Divisions")));
    CancelOnFailure c(*divisions);
    for (const WizardTeam &team : teams) {
        const QString division = team.division.trimmed();
        if (team.nom.trimmed().isEmpty() || division.isEmpty())
            continue;
        if (divisions->locate(QStringLiteral("Nom"), {division}))
            continue; // already there: writing the same name changes nothing
        divisions->append();
        divisions->setValue(QStringLiteral("Nom"), division);
        divisions->post();
    }
}

} // namespace

const std::vector<WizardField> &wizardFields(int page)
{
    static const std::vector<WizardField> club =
        textFields({QStringLiteral("Proprietaire"), QStringLiteral("Adresse1"), QStringLiteral("Adresse2"),
                    QStringLiteral("Code postal"), QStringLiteral("Ville"), QStringLiteral("Tel"),
                    QStringLiteral("Port"), QStringLiteral("Fax"), QStringLiteral("Mail"),
                    QStringLiteral("Stade"), QStringLiteral("Departement"), QStringLiteral("Sigle club"),
                    QStringLiteral("Num agrement DDJS"), QStringLiteral("Num affiliation DDJS")});
    static const std::vector<WizardField> league = [] {
        auto v = contactFields(QStringLiteral("Ligue"));
        const auto d = contactFields(QStringLiteral("District"));
        v.insert(v.end(), d.begin(), d.end());
        return v;
    }();
    static const std::vector<WizardField> accounts = [] {
        QStringList names;
        for (int k = 1; k <= 5; ++k)
            names << QStringLiteral("N° de compte%1").arg(k) << QStringLiteral("Compte %1").arg(k)
                  << QStringLiteral("Banque compte %1").arg(k);
        return textFields(names);
    }();
    static const std::vector<WizardField> fees = [] {
        std::vector<WizardField> v;
        for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 21, 22, 23, 24, 25, 26, 27, 28})
            v.push_back({QStringLiteral("Prix %1").arg(slot), WizardKind::Amount});
        v.push_back({QStringLiteral("Prix éducateurs"), WizardKind::Amount});
        v.push_back({QStringLiteral("Prix Foot Loisirs"), WizardKind::Amount});
        v.push_back({QStringLiteral("Pourcentage bureau"), WizardKind::Percent});
        v.push_back({QStringLiteral("Pourcentage etudiant"), WizardKind::Percent});
        v.push_back({QStringLiteral("Reduction"), WizardKind::Amount});
        return v;
    }();
    static const std::vector<WizardField> none;
    switch (page) {
    case 1:
        return club;
    case 2:
        return league;
    case 3:
        return accounts;
    case 4:
        return fees;
    default:
        return none;
    }
}

AccountRows WizardValues::accounts() const
{
    AccountRows rows;
    for (int k = 0; k < 5; ++k)
        rows[k] = {text(QStringLiteral("Compte %1").arg(k + 1)), cash[k]};
    return rows;
}

WizardValues loadWizard(data::ModuleData &md)
{
    WizardValues v;
    {
        OpenedTable param(md.table(QStringLiteral("Param")));
        param->first();
        const bool none = param->eof();
        for (int page = 1; page <= 4; ++page) {
            for (const WizardField &f : wizardFields(page)) {
                QString text;
                if (!none) {
                    switch (f.kind) {
                    case WizardKind::Text:
                        text = param->asString(f.field);
                        break;
                    case WizardKind::Amount:
                        text = amountText(param->asMoney(f.field));
                        break;
                    case WizardKind::Percent:
                        text = QString::number(param->asInt(f.field));
                        break;
                    }
                }
                v.texts.insert(f.field, text);
            }
        }
        for (int k = 0; k < 5; ++k) {
            v.cash[k] = !none && param->asBool(QStringLiteral("Typecompte%1").arg(k + 1));
            v.loadedAccounts[k] = v.text(QStringLiteral("Compte %1").arg(k + 1));
        }
        if (!none)
            v.logo = param->asBytes(QStringLiteral("Logo"));
    }

    v.balances.fill(QStringLiteral("0"));
    for (const bool receipts : {true, false}) {
        OpenedTable t(md.table(receipts ? QStringLiteral("Recettes") : QStringLiteral("Depenses")));
        data::ControlsDisabled quiet(*t);
        const auto mark = t->bookmark();
        for (t->first(); !t->eof(); t->next()) {
            if (t->asString(QStringLiteral("Poste")) != OpeningCategory)
                continue;
            const QString compte = t->asString(QStringLiteral("Compte"));
            for (int k = 0; k < 5; ++k) {
                if (compte.isEmpty() || compte != v.loadedAccounts[k])
                    continue;
                v.balances[k] = receipts ? amountText(t->asMoney(QStringLiteral("Montant recette")))
                                         : amountText(-t->asMoney(QStringLiteral("Montant depense")));
            }
        }
        t->gotoBookmark(mark);
    }

    OpenedTable equipes(md.table(QStringLiteral("Equipes")));
    data::ControlsDisabled quiet(*equipes);
    equipes->first();
    for (int k = 0; k < 5 && !equipes->eof(); ++k, equipes->next())
        v.teams[k] = {equipes->asString(QStringLiteral("Nom")), equipes->asString(QStringLiteral("Division")),
                      equipes->asString(QStringLiteral("Entraineur"))};
    equipes->first();
    return v;
}

WizardProblem checkWizardPage(int page, const WizardValues &v)
{
    if (page == 3) {
        const AccountProblem p = checkWizardAccounts(v.accounts(), v.balances);
        if (!p.ok()) {
            QString focus;
            switch (p.kind) {
            case AccountProblem::Kind::CashWithoutName:
            case AccountProblem::Kind::SameName:
                focus = QStringLiteral("Compte %1").arg(p.account);
                break;
            case AccountProblem::Kind::TooManyCash:
                focus = QStringLiteral("cash:%1").arg(p.account);
                break;
            default:
                focus = QStringLiteral("balance:%1").arg(p.account);
                break;
            }
            return {p.message, focus};
        }
        for (int k = 0; k < 5; ++k) {
            if (!parseAmount(v.balances[k]))
                return {badAmountMessage(v.balances[k]), QStringLiteral("balance:%1").arg(k + 1)};
        }
    }
    for (const WizardField &f : wizardFields(page)) {
        const QString text = v.text(f.field);
        if (f.kind == WizardKind::Amount && !parseAmount(text))
            return {badAmountMessage(text), f.field};
        if (f.kind == WizardKind::Percent && !parsePercent(text))
            return {badPercentMessage(text), f.field};
    }
    return {};
}

void setAccountRenamer(AccountRenamer r)
{
    renamer() = std::move(r);
}

void writeWizard(data::ModuleData &md, const WizardValues &v, bool endFirstRun)
{
    // Every page is checked again, so that a value that cannot be read stops
    // the writing before anything is written.
    for (int page = 1; page <= 5; ++page) {
        const WizardProblem p = checkWizardPage(page, v);
        if (!p.ok())
            throw data::StoreError(data::StoreError::Kind::General, p.message);
    }
    const AccountRows written = accountsAsWritten(v.accounts());

    data::Session::Transaction transaction(md.session());
    {
        OpenedTable param(md.table(QStringLiteral("Param")));
        CancelOnFailure cancel(*param);
        param->first();
        if (param->eof())
            param->append();
        else
            param->edit();
        if (endFirstRun)
            param->setValue(QStringLiteral("Premiere fois"), false);
        for (int page = 1; page <= 4; ++page) {
            for (const WizardField &f : wizardFields(page)) {
                const QString text = v.text(f.field).trimmed();
                switch (f.kind) {
                case WizardKind::Text:
                    param->setValue(f.field, text.isEmpty() ? QVariant() : QVariant(text));
                    break;
                case WizardKind::Amount:
                    param->setValue(f.field, parseAmount(text)->toDouble());
                    break;
                case WizardKind::Percent:
                    param->setValue(f.field, *parsePercent(text));
                    break;
                }
            }
        }
        for (int k = 0; k < 5; ++k) {
            param->setValue(QStringLiteral("Compte %1").arg(k + 1),
                            written[k].name.trimmed().isEmpty() ? QVariant()
                                                                : QVariant(written[k].name.trimmed()));
            param->setValue(QStringLiteral("Typecompte%1").arg(k + 1), written[k].cash);
        }
        param->setValue(QStringLiteral("Logo"), v.logo.isEmpty() ? QVariant() : QVariant(v.logo));
        param->post();
    }

    // Entries of a renamed account follow it, the opening balance included.
    std::array<QString, 6> before, after;
    bool renamed = false;
    for (int k = 0; k < 5; ++k) {
        before[k + 1] = v.loadedAccounts[k].trimmed();
        after[k + 1] = before[k + 1].isEmpty() ? before[k + 1] : written[k].name.trimmed();
        renamed = renamed || before[k + 1] != after[k + 1];
    }
    if (renamed && renamer())
        renamer()(md, before, after);

    for (int k = 0; k < 5; ++k) {
        const QString compte = written[k].name.trimmed();
        if (!compte.isEmpty())
            writeOpeningBalance(md, compte, *parseAmount(v.balances[k]));
    }
    writeTeams(md, v.teams);
    transaction.commit();
}

} // namespace corvane::core
