#include "core/params/ParamLogic.h"

#include <gtest/gtest.h>

using namespace corvane::core;
using Kind = AccountProblem::Kind;

namespace {

AccountRows rows(std::initializer_list<std::pair<const char *, bool>> list)
{
    AccountRows r;
    int k = 0;
    for (const auto &[name, cash] : list)
        r[k++] = {QString::fromUtf8(name), cash};
    return r;
}

struct ParamCase {
    const char *what;
    AccountRows accounts;
    Kind kind;
    int account;
};

class LeavingParameters : public ::testing::TestWithParam<ParamCase> {};

TEST_P(LeavingParameters, checksAccountsInOrder)
{
    const ParamCase &c = GetParam();
    const AccountProblem p = checkParamAccounts(c.accounts);
    EXPECT_EQ(p.kind, c.kind) << c.what;
    if (c.kind != Kind::None) {
        EXPECT_EQ(p.account, c.account) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeavingParameters,
    ::testing::Values(
        ParamCase{"first-run defaults", rows({{"Compte courant", false}, {"CAISSE", true}}), Kind::None, 0},
        ParamCase{"cash without name beats every other rule",
                  rows({{"A", true}, {"A", true}, {"B", true}, {"", true}}), Kind::CashWithoutName, 4},
        ParamCase{"accounts 2 and 3 both empty", rows({{"Banque", false}, {"", false}, {"", false}}),
                  Kind::SameName, 3},
        ParamCase{"3, 4 and 5 empty are unused", rows({{"Banque", false}, {"CAISSE", true}}), Kind::None, 0},
        ParamCase{"4 and 5 equal",
                  rows({{"A", false}, {"B", false}, {"C", false}, {"D", false}, {"D", false}}),
                  Kind::SameName, 5},
        ParamCase{"blanks around a name do not make it another",
                  rows({{"A", false}, {"B", false}, {"B ", false}}), Kind::SameName, 3},
        ParamCase{"three cash accounts", rows({{"A", true}, {"B", true}, {"C", true}}), Kind::TooManyCash, 1},
        ParamCase{"two cash accounts", rows({{"A", false}, {"B", true}, {"C", true}}), Kind::None, 0}));

TEST(AccountMessages, carryTheAccountNumberAndTheProgramsWording)
{
    const AccountProblem p = checkParamAccounts(rows({{"A", false}, {"B", false}, {"", true}}));
    EXPECT_EQ(p.message,
              QStringLiteral("Vous devez mettre un intitulé pour le compte 3\rsi vous le désigné comme "
                             "compte en espèces. "));
    EXPECT_EQ(
        checkParamAccounts(rows({{"A", true}, {"B", true}, {"C", true}})).message,
        QStringLiteral("Vous ne pouvez pas désigner plus de 2 comptes en espèces\rCorrigez le paramétrage de "
                       "vos comptes en conséquences"));
}

struct WizardCase {
    const char *what;
    AccountRows accounts;
    std::array<QString, 5> balances;
    Kind kind;
    int account;
    const char *message; // when checked
};

class WizardAccounts : public ::testing::TestWithParam<WizardCase> {};

TEST_P(WizardAccounts, followTheAccountsPageRules)
{
    const WizardCase &c = GetParam();
    const AccountProblem p = checkWizardAccounts(c.accounts, c.balances);
    EXPECT_EQ(p.kind, c.kind) << c.what;
    if (c.kind != Kind::None) {
        EXPECT_EQ(p.account, c.account) << c.what;
    }
    if (c.message) {
        EXPECT_EQ(p.message, QString::fromUtf8(c.message)) << c.what;
    }
}

const std::array<QString, 5> zeros{"0", "0", "0", "0", "0"};

INSTANTIATE_TEST_SUITE_P(
    Cases, WizardAccounts,
    ::testing::Values(
        WizardCase{"defaults", rows({{"Compte courant", false}, {"CAISSE", true}}), zeros, Kind::None, 0,
                   nullptr},
        WizardCase{"empty first and second accounts get their names", rows({}), zeros, Kind::None, 0,
                   nullptr},
        WizardCase{"cash without name", rows({{"A", false}, {"B", false}, {"", true}}), zeros,
                   Kind::CashWithoutName, 3, nullptr},
        WizardCase{"three cash accounts", rows({{"A", true}, {"B", true}, {"C", true}}), zeros,
                   Kind::TooManyCash, 1,
                   "Vous ne pouvez pas désigner plus de 2 comptes de type \"Caisse\" (espèces).\rCorrigez le "
                   "paramétrage des comptes en conséquence. "},
        WizardCase{"an empty second account becomes a third cash account",
                   rows({{"A", true}, {"", false}, {"C", true}}), zeros, Kind::TooManyCash, 1, nullptr},
        WizardCase{"first balance empty, even unnamed",
                   rows({}),
                   {"", "0", "0", "0", "0"},
                   Kind::BalanceMissing,
                   1,
                   "Vous devez mettre le solde de fin de saison dernière\rpour le compte Compte courant"},
        WizardCase{"named third account without balance",
                   rows({{"A", false}, {"B", true}, {"Livret", false}}),
                   {"10", "0", " ", "", ""},
                   Kind::BalanceMissing,
                   3,
                   "Vous devez mettre le solde de fin de saison dernière\rpour le compte Livret"},
        WizardCase{"unnamed accounts need no balance",
                   rows({{"A", false}, {"B", true}}),
                   {"1", "2", "", "", ""},
                   Kind::None,
                   0,
                   nullptr},
        WizardCase{"two accounts of one name", rows({{"CAISSE", false}, {"", false}}), zeros, Kind::SameName,
                   2, nullptr}));

TEST(AccountsAsWritten, nameTheFirstTwoAndMakeTheSecondTheCashBox)
{
    const AccountRows w = accountsAsWritten(rows({{" ", false}, {"", false}, {"Livret", false}}));
    EXPECT_EQ(w[0].name, QStringLiteral("Compte courant"));
    EXPECT_FALSE(w[0].cash);
    EXPECT_EQ(w[1].name, QStringLiteral("CAISSE"));
    EXPECT_TRUE(w[1].cash);
    EXPECT_EQ(w[2].name, QStringLiteral("Livret"));
}

TEST(Departements, runFromAinToTheOverseasDepartements)
{
    const QStringList &d = departements();
    ASSERT_EQ(d.size(), 19 + 2 + 76 + 4);
    EXPECT_EQ(d.first(), QStringLiteral("01"));
    EXPECT_EQ(d.mid(18, 4), (QStringList{"19", "2A", "2B", "20"}));
    EXPECT_EQ(d.last(), QStringLiteral("974"));
}

TEST(MailtoUrl, isEmptyWithoutAddress)
{
    EXPECT_FALSE(mailtoUrl(QStringLiteral("  ")).isValid());
    EXPECT_EQ(mailtoUrl(QStringLiteral(" ligue@badminton.fr ")).toString(),
              QStringLiteral("mailto:ligue@badminton.fr?subject=&body="));
}

} // namespace
