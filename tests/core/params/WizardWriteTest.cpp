#include "core/params/WizardPages.h"
#include "data/OperationNumbers.h"
#include "data/StoreError.h"
#include "tests/core/params/ParamFixture.h"

using namespace corvane;
using core::WizardValues;
using test::ParamTest;

namespace {

class WizardWrite : public ParamTest {
protected:
    WizardValues typical()
    {
        WizardValues v = core::loadWizard(fresh.md());
        v.texts[QStringLiteral("Proprietaire")] = QStringLiteral("Volants de Rennes");
        v.texts[QStringLiteral("Prix 7")] = QStringLiteral("95,50");
        v.texts[QStringLiteral("Pourcentage bureau")] = QStringLiteral("20");
        v.balances = {QStringLiteral("1250,40"), QStringLiteral("-150"), QString(), QString(), QString()};
        v.teams[0] = {QStringLiteral("Rennes 1"), QStringLiteral("Interclubs loisirs"),
                      QStringLiteral("Julie Marchand")};
        return v;
    }
};

TEST_F(WizardWrite, writesSettingsBalancesAndTeamsAndEndsTheFirstRun)
{
    ASSERT_TRUE(setting(QStringLiteral("Premiere fois")).toBool());
    const int teamsBefore = count(QStringLiteral("Divisions"));
    core::writeWizard(fresh.md(), typical(), true);
    fresh.reopen();

    EXPECT_FALSE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_EQ(setting(QStringLiteral("Proprietaire")).toString(), QStringLiteral("Volants de Rennes"));
    EXPECT_DOUBLE_EQ(setting(QStringLiteral("Prix 7")).toDouble(), 95.5);
    EXPECT_EQ(setting(QStringLiteral("Pourcentage bureau")).toInt(), 20);

    // A negative balance is an expense of the opposite amount.
    const auto receipts = openings(QStringLiteral("Recettes"));
    const auto expenses = openings(QStringLiteral("Depenses"));
    ASSERT_EQ(receipts.size(), 1u);
    ASSERT_EQ(expenses.size(), 1u);
    EXPECT_EQ(receipts[0].compte, QStringLiteral("Compte courant"));
    EXPECT_DOUBLE_EQ(receipts[0].montant, 1250.40);
    EXPECT_EQ(expenses[0].compte, QStringLiteral("CAISSE"));
    EXPECT_DOUBLE_EQ(expenses[0].montant, 150.0);
    // Each entry drew its own number from the one counter.
    EXPECT_EQ(receipts[0].num, 1);
    EXPECT_EQ(expenses[0].num, 2);
    EXPECT_EQ(data::nextOperationNumber(fresh.md()), 3);
    {
        data::OpenedTable d(fresh.md().table(QStringLiteral("Depenses")));
        d->first();
        EXPECT_EQ(d->asString(QStringLiteral("Genre")), QStringLiteral("Depense"));
        EXPECT_EQ(d->asString(QStringLiteral("Libelle")),
                  QStringLiteral("Reste en fin de saison précédente"));
        EXPECT_EQ(d->asString(QStringLiteral("Rapprochement")), QStringLiteral("R"));
        EXPECT_EQ(d->asString(QStringLiteral("Nom du payeur")), QStringLiteral("Aucun"));
        EXPECT_TRUE(d->asBool(QStringLiteral("Justificatif")));
        EXPECT_DOUBLE_EQ(d->asDouble(QStringLiteral("Montant recette")), 0.0);
        EXPECT_EQ(d->asDate(QStringLiteral("Date")), QDate::currentDate());
    }

    data::OpenedTable e(fresh.md().table(QStringLiteral("Equipes")));
    ASSERT_TRUE(e->locate(QStringLiteral("Nom"), {QStringLiteral("Rennes 1")}));
    EXPECT_EQ(e->asString(QStringLiteral("Entraineur")), QStringLiteral("Julie Marchand"));
    EXPECT_EQ(e->asString(QStringLiteral("Division")), QStringLiteral("Interclubs loisirs"));
    // A division the list did not have joins it.
    EXPECT_EQ(count(QStringLiteral("Divisions")), teamsBefore + 1);
}

TEST_F(WizardWrite, runTwiceUpdatesTheOpeningEntriesAndMovesThemBetweenLedgers)
{
    core::writeWizard(fresh.md(), typical(), false);
    EXPECT_TRUE(setting(QStringLiteral("Premiere fois")).toBool()) << "box unticked: the wizard comes back";

    WizardValues again = core::loadWizard(fresh.md());
    EXPECT_EQ(again.balances[0], QStringLiteral("1250,40"));
    EXPECT_EQ(again.balances[1], QStringLiteral("-150,00"));
    EXPECT_EQ(again.teams[0].nom, QStringLiteral("Rennes 1"));
    again.balances[0] = QStringLiteral("-80");
    again.balances[1] = QStringLiteral("30");
    core::writeWizard(fresh.md(), again, false);

    const auto receipts = openings(QStringLiteral("Recettes"));
    const auto expenses = openings(QStringLiteral("Depenses"));
    ASSERT_EQ(receipts.size(), 1u);
    ASSERT_EQ(expenses.size(), 1u);
    EXPECT_EQ(receipts[0].compte, QStringLiteral("CAISSE"));
    EXPECT_DOUBLE_EQ(receipts[0].montant, 30.0);
    EXPECT_EQ(expenses[0].compte, QStringLiteral("Compte courant"));
    EXPECT_DOUBLE_EQ(expenses[0].montant, 80.0);

    // The same balances a third time: updated in place, nothing added.
    core::writeWizard(fresh.md(), core::loadWizard(fresh.md()), false);
    EXPECT_EQ(openings(QStringLiteral("Recettes")).size(), 1u);
    EXPECT_EQ(openings(QStringLiteral("Depenses")).size(), 1u);
    EXPECT_EQ(count(QStringLiteral("Equipes")), 1);
}

TEST_F(WizardWrite, emptySecondAccountBecomesTheCashBox)
{
    WizardValues v = typical();
    v.texts[QStringLiteral("Compte 2")] = QString();
    v.cash[1] = false;
    v.texts[QStringLiteral("Compte 3")] = QStringLiteral("Livret A");
    v.balances[2] = QStringLiteral("500");
    core::writeWizard(fresh.md(), v, true);
    EXPECT_EQ(setting(QStringLiteral("Compte 2")).toString(), QStringLiteral("CAISSE"));
    EXPECT_TRUE(setting(QStringLiteral("Typecompte2")).toBool());
    EXPECT_EQ(openings(QStringLiteral("Recettes")).size(), 2u); // Compte courant and Livret A
}

// A failure in the middle of the writing, after the settings and the
// balances were written, takes everything back.
TEST_F(WizardWrite, interruptedWritingLeavesTheFirstRunAndNothingHalfWritten)
{
    data::Table *equipes = fresh.md().table(QStringLiteral("Equipes"));
    const int hook = equipes->addHook(data::Table::Event::BeforePost, [](data::Table &) {
        throw data::StoreError(data::StoreError::Kind::DiskFull, QStringLiteral("Le disque est plein."));
    });
    EXPECT_THROW(core::writeWizard(fresh.md(), typical(), true), data::StoreError);
    equipes->removeHook(hook);

    EXPECT_FALSE(equipes->isEditing());
    EXPECT_FALSE(fresh.md().table(QStringLiteral("Param"))->isEditing());
    fresh.reopen();
    EXPECT_TRUE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_TRUE(setting(QStringLiteral("Proprietaire")).isNull());
    EXPECT_TRUE(openings(QStringLiteral("Recettes")).empty());
    EXPECT_TRUE(openings(QStringLiteral("Depenses")).empty());
    EXPECT_EQ(data::nextOperationNumber(fresh.md()), 1);
    EXPECT_EQ(count(QStringLiteral("Equipes")), 0);
}

TEST_F(WizardWrite, unreadableAmountStopsBeforeAnythingIsWritten)
{
    WizardValues v = typical();
    v.texts[QStringLiteral("Prix 22")] = QStringLiteral("12,5,0");
    EXPECT_THROW(core::writeWizard(fresh.md(), v, true), data::StoreError);
    EXPECT_TRUE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_TRUE(openings(QStringLiteral("Recettes")).empty());
}

TEST_F(WizardWrite, renamedAccountsAreHandedToTheRenamerWithinTheWriting)
{
    std::array<QString, 6> before, after;
    int calls = 0;
    core::setAccountRenamer(
        [&](data::ModuleData &, const std::array<QString, 6> &b, const std::array<QString, 6> &a) {
            before = b;
            after = a;
            ++calls;
        });
    WizardValues v = typical();
    v.texts[QStringLiteral("Compte 1")] = QStringLiteral("Crédit Mutuel");
    v.texts[QStringLiteral("Compte 3")] = QStringLiteral("Livret"); // new, not a rename
    v.balances[2] = QStringLiteral("0");
    core::writeWizard(fresh.md(), v, true);
    core::writeWizard(fresh.md(), core::loadWizard(fresh.md()), true); // nothing renamed
    core::setAccountRenamer({});
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(before[1], QStringLiteral("Compte courant"));
    EXPECT_EQ(after[1], QStringLiteral("Crédit Mutuel"));
    EXPECT_EQ(after[2], QStringLiteral("CAISSE"));
    EXPECT_TRUE(after[3].isEmpty());
}

struct PageCase {
    int page;
    const char *field;
    const char *value;
    const char *message; // nullptr: the page is right
};

class WizardPageCheck : public ParamTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(WizardPageCheck, refusesWhatCannotBeWritten)
{
    const PageCase &c = GetParam();
    WizardValues v = core::loadWizard(fresh.md());
    const QString field = QString::fromUtf8(c.field);
    if (field.startsWith(QLatin1String("balance:")))
        v.balances[field.mid(8).toInt() - 1] = QString::fromUtf8(c.value);
    else
        v.texts[field] = QString::fromUtf8(c.value);
    const core::WizardProblem p = core::checkWizardPage(c.page, v);
    if (!c.message) {
        EXPECT_TRUE(p.ok()) << p.message.toStdString();
        return;
    }
    EXPECT_EQ(p.message, QString::fromUtf8(c.message));
    EXPECT_EQ(p.focus, field);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WizardPageCheck,
    ::testing::Values(
        PageCase{1, "Proprietaire", "", nullptr},
        PageCase{3, "balance:2", "",
                 "Vous devez mettre le solde de fin de saison dernière\rpour le compte CAISSE"},
        PageCase{3, "balance:1", "12,,5",
                 "Le montant « 12,,5 » n'est pas valide.\rSaisissez un nombre, par exemple 12,50."},
        PageCase{3, "balance:1", "-1 250,75", nullptr},
        PageCase{4, "Prix 21", "abc",
                 "Le montant « abc » n'est pas valide.\rSaisissez un nombre, par exemple 12,50."},
        PageCase{4, "Prix 21", "", nullptr},
        PageCase{4, "Pourcentage etudiant", "120",
                 "Le pourcentage « 120 » n'est pas valide.\rSaisissez un nombre entier de 0 à 100."},
        PageCase{4, "Reduction", "15.5", nullptr}));

} // namespace
