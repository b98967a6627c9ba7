#include "core/params/ParamLogic.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"

#include <QImageReader>

namespace corvane::core {

namespace {

AccountProblem problem(AccountProblem::Kind kind, int account, const QString &message)
{
    return {kind, account, message};
}

AccountProblem firstCashWithoutName(const AccountRows &accounts)
{
    for (int k = 0; k < 5; ++k) {
        if (accounts[k].cash && accounts[k].name.trimmed().isEmpty())
            return problem(AccountProblem::Kind::CashWithoutName, k + 1, cashWithoutNameMessage(k + 1));
    }
    return {};
}

int cashCount(const AccountRows &accounts)
{
    int n = 0;
    for (const AccountRow &a : accounts)
        n += a.cash ? 1 : 0;
    return n;
}

bool same(const QString &a, const QString &b)
{
    return a.trimmed() == b.trimmed();
}

} // namespace

QString cashWithoutNameMessage(int account)
{
    return QStringLiteral(
               "Vous devez mettre un intitulé pour le compte %1\rsi vous le désigné comme compte en "
               "espèces. ")
        .arg(account);
}

QString sameNameMessage()
{
    return QStringLiteral("Vous ne pouvez pas donner le même intitulé pour 2 comptes différents\rCorrigez le "
                          "paramétrage de vos comptes en conséquences");
}

QString tooManyCashMessage()
{
    return QStringLiteral(
        "Vous ne pouvez pas désigner plus de 2 comptes en espèces\rCorrigez le paramétrage de "
        "vos comptes en conséquences");
}

AccountProblem checkParamAccounts(const AccountRows &a)
{
    if (AccountProblem p = firstCashWithoutName(a); !p.ok())
        return p;
    // Accounts 1 and 2 are always in use, so an empty one of them equals
    // any other empty one; accounts 3 and 4 are compared only when named.
    for (int i = 0; i < 4; ++i) {
        if (i >= 2 && a[i].name.trimmed().isEmpty())
            continue;
        for (int j = i + 1; j < 5; ++j) {
            if (same(a[i].name, a[j].name))
                return problem(AccountProblem::Kind::SameName, j + 1, sameNameMessage());
        }
    }
    if (cashCount(a) > 2)
        return problem(AccountProblem::Kind::TooManyCash, 1, tooManyCashMessage());
    return {};
}

AccountRows accountsAsWritten(AccountRows accounts)
{
    if (accounts[0].name.trimmed().isEmpty())
        accounts[0].name = QStringLiteral("Compte courant");
    if (accounts[1].name.trimmed().isEmpty()) {
        accounts[1].name = QStringLiteral("CAISSE");
        accounts[1].cash = true;
    }
    return accounts;
}

AccountProblem checkWizardAccounts(const AccountRows &typed, const std::array<QString, 5> &balances)
{
    if (AccountProblem p = firstCashWithoutName(typed); !p.ok())
        return p;
    const AccountRows written = accountsAsWritten(typed);
    if (cashCount(written) > 2) {
        int first = 1;
        while (first < 5 && !written[first - 1].cash)
            ++first;
        return problem(AccountProblem::Kind::TooManyCash, first,
                       QStringLiteral("Vous ne pouvez pas désigner plus de 2 comptes de type \"Caisse\" "
                                      "(espèces).\rCorrigez le paramétrage des comptes en conséquence. "));
    }
    for (int k = 0; k < 5; ++k) {
        const bool named = k == 0 || !typed[k].name.trimmed().isEmpty();
        if (named && balances[k].trimmed().isEmpty())
            return problem(
                AccountProblem::Kind::BalanceMissing, k + 1,
                QStringLiteral("Vous devez mettre le solde de fin de saison dernière\rpour le compte ") +
                    written[k].name);
    }
    // Two accounts of one name would share their entries and their opening
    // balance: the wizard refuses it as the parameters window does.
    for (int i = 0; i < 5; ++i) {
        if (written[i].name.trimmed().isEmpty())
            continue;
        for (int j = i + 1; j < 5; ++j) {
            if (same(written[i].name, written[j].name))
                return problem(AccountProblem::Kind::SameName, j + 1, sameNameMessage());
        }
    }
    return {};
}

const QStringList &departements()
{
    static const QStringList list = [] {
        QStringList l;
        for (int d = 1; d <= 19; ++d)
            l << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
        l << QStringLiteral("2A") << QStringLiteral("2B");
        for (int d = 20; d <= 95; ++d)
            l << QString::number(d);
        for (int d = 971; d <= 974; ++d)
            l << QString::number(d);
        return l;
    }();
    return list;
}

std::vector<AmountField> categoryAmounts(data::ModuleData &md, const QString &prefix)
{
    static const char *const usual[2][8] = {
        {"Débutants", "Poussins", "Benjamins", "Minimes", "Cadets", "Juniors", "Seniors", "Vétérans"},
        {"Débutantes", "Poussines", "Benjamines", "Minimettes", "Cadettes", "Juniors F", "Seniors F",
         "Vétérans F"},
    };
    std::vector<AmountField> out;
    const QString tables[2] = {QStringLiteral("CategorieH"), QStringLiteral("CategorieF")};
    for (int sex = 0; sex < 2; ++sex) {
        QStringList names;
        if (data::Table *t = md.find(tables[sex])) {
            data::OpenedTable cat(t);
            data::ControlsDisabled quiet(*cat);
            const auto mark = cat->bookmark();
            for (cat->first(); !cat->eof() && names.size() < 8; cat->next())
                names << cat->asString(QStringLiteral("Nom"));
            cat->gotoBookmark(mark);
        }
        for (int k = 1; k <= 8; ++k) {
            const QString label = k <= names.size() && !names[k - 1].trimmed().isEmpty()
                                      ? names[k - 1]
                                      : QString::fromUtf8(usual[sex][k - 1]);
            out.push_back({prefix + QString::number(sex * 20 + k), label});
        }
    }
    return out;
}

QUrl mailtoUrl(const QString &address)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return {};
    return QUrl(QStringLiteral("mailto:") + a + QStringLiteral("?subject=&body="));
}

QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    patterns.removeDuplicates();
    return QStringLiteral("Images (%1);;Tous les fichiers (*)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace corvane::core
