#include "members/fee/FeePayments.h"

#include "data/DataFolder.h"
#include "members/fee/FeeLedger.h"
#include "tests/members/fee/FeeFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvane;
using members::fee::FeePayments;
using members::fee::Refusal;

namespace {

const QString kPaye = QStringLiteral("Paye");

class FeePaymentsTest : public test::FeeFixture {
protected:
    FeePaymentsTest()
        : pay(md(), joueurs(), p)
    {}

    // The member's box `paid` ticked (the field takes the value first).
    std::optional<Refusal> tickWhole()
    {
        if (!joueurs().isEditing())
            joueurs().edit();
        joueurs().setValue(kPaye, true);
        return pay.tickWholeFee();
    }
    std::optional<Refusal> tickInstalment(int k, bool answerToday = true)
    {
        if (!joueurs().isEditing())
            joueurs().edit();
        joueurs().setValue(QStringLiteral("Paye acc%1").arg(k), true);
        asked.clear();
        return pay.tickInstalment(k, [&](const QString &q) {
            asked << q;
            return answerToday;
        });
    }
    void post()
    {
        joueurs().post();
        pay.finish();
    }
    void cancel()
    {
        joueurs().cancel();
        pay.abandon();
    }
    bool flag(const QString &field) { return joueurs().asBool(field); }
    int number(const QString &field) { return int(joueurs().asInt(field)); }

    FeePayments pay;
    QStringList asked;
};

TEST_F(FeePaymentsTest, TwoInstalmentsWriteTwoReceiptsWithConsecutiveNumbers)
{
    const int first = nextNumber();
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Categorie"), QStringLiteral("Seniors"));
    setInstalment(1, 70);
    setInstalment(2, 50);
    EXPECT_FALSE(tickInstalment(1));
    EXPECT_FALSE(tickInstalment(2));
    EXPECT_TRUE(asked.isEmpty());
    post();

    EXPECT_EQ(number(QStringLiteral("Num Accompte 1")), first);
    EXPECT_EQ(number(QStringLiteral("Num Accompte 2")), first + 1);
    EXPECT_EQ(nextNumber(), first + 2);
    EXPECT_TRUE(joueurs().asMoney(QStringLiteral("Restant du")).isZero());

    auto r = recettes();
    ASSERT_EQ(r->recordCount(), 2);
    ASSERT_TRUE(members::fee::locateFeeReceipt(*r, first + 1));
    EXPECT_EQ(r->asString(QStringLiteral("Libelle")), QStringLiteral("Acompte 2 cotisation de DURAND Paul"));
    EXPECT_EQ(r->asString(QStringLiteral("Activite")), QStringLiteral("Licence Seniors"));
    EXPECT_EQ(r->asString(QStringLiteral("Poste")), QStringLiteral("Cotisations"));
    EXPECT_EQ(r->asString(QStringLiteral("Genre")), QStringLiteral("Recette"));
    EXPECT_EQ(r->asString(QStringLiteral("Compte")), QStringLiteral("Banque"));
    EXPECT_EQ(r->asDate(QStringLiteral("Date")), QDate(2026, 10, 2));
    EXPECT_EQ(r->asMoney(QStringLiteral("Montant recette")), data::Money::fromDouble(50));
    EXPECT_TRUE(r->asMoney(QStringLiteral("Montant depense")).isZero());
    EXPECT_TRUE(r->asBool(QStringLiteral("Justificatif")));
    EXPECT_FALSE(r->asBool(QStringLiteral("Sur bordereau banque")));
    EXPECT_EQ(r->asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Paul"));

    // Covered by the instalments: the whole fee is settled without receipt.
    EXPECT_FALSE(tickWhole());
    post();
    EXPECT_TRUE(flag(kPaye));
    EXPECT_EQ(receiptCount(), 2);
    EXPECT_EQ(nextNumber(), first + 2);

    // Un-paying an instalment removes its receipt only, and the whole fee.
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Paye acc1"), false);
    pay.untickInstalment(1);
    post();
    EXPECT_FALSE(flag(kPaye));
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Restant du")), data::Money::fromDouble(70));
    r = recettes();
    EXPECT_EQ(r->recordCount(), 1);
    EXPECT_FALSE(members::fee::locateFeeReceipt(*r, first));
    EXPECT_TRUE(members::fee::locateFeeReceipt(*r, first + 1));
    EXPECT_TRUE(joueurs().isNull(QStringLiteral("Num Accompte 1")));
}

TEST_F(FeePaymentsTest, EachInstalmentHasItsOwnReceipt)
{
    const int first = nextNumber();
    joueurs().edit();
    for (int k = 1; k <= 5; ++k) {
        setInstalment(k, 24);
        ASSERT_FALSE(tickInstalment(k)) << k;
    }
    post();
    EXPECT_TRUE(joueurs().asMoney(QStringLiteral("Restant du")).isZero());
    auto r = recettes();
    for (int k = 1; k <= 5; ++k) {
        const auto &g = members::fee::paymentGroups()[k];
        EXPECT_EQ(number(g.number), first + k - 1) << k;
        ASSERT_TRUE(members::fee::locateFeeReceipt(*r, first + k - 1)) << k;
        EXPECT_EQ(r->asDate(QStringLiteral("Date")), QDate(2026, 10, k));
        EXPECT_TRUE(
            r->asString(QStringLiteral("Libelle")).startsWith(g.caption + QStringLiteral(" cotisation")));
    }
    // Un-ticked one after the other, from the last: each takes its receipt only.
    for (int k = 5; k >= 1; --k) {
        joueurs().edit();
        joueurs().setValue(members::fee::paymentGroups()[k].paid, false);
        pay.untickInstalment(k);
        post();
        EXPECT_EQ(receiptCount(), k - 1) << k;
        EXPECT_EQ(joueurs().asMoney(QStringLiteral("Restant du")), data::Money::fromDouble(24 * (6 - k)));
    }
}

TEST_F(FeePaymentsTest, ReceiptRefusedByTheLedgerGivesItsNumberBack)
{
    // An entry already holds the receipt's date, category, label and account.
    auto r = recettes();
    r->append();
    r->setValue(QStringLiteral("Date"), QDate(2026, 10, 1));
    r->setValue(QStringLiteral("Poste"), QStringLiteral("Cotisations"));
    r->setValue(QStringLiteral("Libelle"), QStringLiteral("Acompte 1 cotisation de DURAND Paul"));
    r->setValue(QStringLiteral("Compte"), QStringLiteral("Banque"));
    r->setValue(QStringLiteral("Genre"), QStringLiteral("Recette"));
    r->setValue(QStringLiteral("Montant recette"), 10.0);
    r->setValue(QStringLiteral("Montant depense"), 0.0);
    r->setValue(QStringLiteral("Num"), 3);
    r->setValue(QStringLiteral("Nom du payeur"), QStringLiteral("X"));
    r->post();
    const int next = nextNumber();
    joueurs().edit();
    setInstalment(1, 30);
    const auto refusal = tickInstalment(1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, data::ModuleData::postErrorMessage(QStringLiteral("Recettes")));
    EXPECT_FALSE(flag(QStringLiteral("Paye acc1")));
    EXPECT_EQ(nextNumber(), next);
    EXPECT_EQ(receiptCount(), 1);
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Restant du")), data::Money::fromDouble(120));
}

TEST_F(FeePaymentsTest, WholeFeeWritesItsReceiptAndUntickRemovesIt)
{
    const int first = nextNumber();
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Nom du payeur"), QStringLiteral("DURAND Anne"));
    EXPECT_FALSE(tickWhole());
    EXPECT_EQ(joueurs().asDate(QStringLiteral("Date de paiement")), QDate::currentDate());
    EXPECT_TRUE(joueurs().asMoney(QStringLiteral("Restant du")).isZero());
    post();
    EXPECT_EQ(number(QStringLiteral("Num cotisation")), first);
    auto r = recettes();
    ASSERT_TRUE(members::fee::locateFeeReceipt(*r, first));
    EXPECT_EQ(r->asString(QStringLiteral("Libelle")), QStringLiteral("Cotisation de DURAND Paul"));
    EXPECT_EQ(r->asMoney(QStringLiteral("Montant recette")), data::Money::fromDouble(120));
    EXPECT_EQ(r->asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Anne"));

    joueurs().edit();
    joueurs().setValue(kPaye, false);
    pay.untickWholeFee();
    post();
    EXPECT_EQ(receiptCount(), 0);
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Restant du")), data::Money::fromDouble(120));

    // Paid again: a new number, never the old one.
    EXPECT_FALSE(tickWhole());
    post();
    EXPECT_EQ(number(QStringLiteral("Num cotisation")), first + 1);
    EXPECT_EQ(receiptCount(), 1);
}

TEST_F(FeePaymentsTest, FeeOfZeroIsSettledWithoutReceipt)
{
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Cotisation"), 0.0);
    const int next = nextNumber();
    EXPECT_FALSE(tickWhole());
    post();
    EXPECT_TRUE(flag(kPaye));
    EXPECT_EQ(receiptCount(), 0);
    EXPECT_EQ(nextNumber(), next);
}

struct RefusalCase {
    const char *name;
    std::function<void()> setup;
    int group; // 0 the whole fee
    const char *message;
};

TEST_F(FeePaymentsTest, RefusedPaymentsUntickAndLeaveTheLedgerAlone)
{
    data::Table &j = joueurs();
    auto field = [&j](const char *f, const QVariant &v) { j.setValue(QString::fromUtf8(f), v); };
    const RefusalCase cases[] = {
        {"compte vide", [&] { field("Compte", QString()); }, 0,
         "Vous devez mettre un compte avant de le valider le réglement"},
        {"acomptes insuffisants",
         [&] {
             field("Accompte 1", 30.0);
             field("Paye acc1", true);
         },
         0, "Impossible de valider le réglement, le total des accomptes ne suffit pas."},
        {"cotisation négative", [&] { field("Cotisation", -1.0); }, 0,
         "Vous devez mettre un montant avant de le valider le réglement"},
        {"sans date de naissance", [&] { field("Date de naissance", QVariant()); }, 0,
         "Vous devez d'abord mettre la date de naissance avant\rde vouloir traiter les aspects cotisations"},
        {"acompte nul", [&] { setInstalment(2, 0); }, 2,
         "Vous devez mettre un montant avant de le valider l'Acompte 2"},
        {"acompte supérieur au restant dû",
         [&] {
             setInstalment(1, 100);
             field("Paye acc1", true);
             setInstalment(2, 20.01);
         },
         2, "Le montant ne doit pas être supérieur au restant dû"},
        {"acompte sans compte",
         [&] {
             setInstalment(3, 10);
             field("Compte 3", QString());
         },
         3, "Vous devez sélectionner le compte avant de valider l'acompte"},
        {"acompte sans prénom",
         [&] {
             setInstalment(3, 10);
             field("Prenom", QString());
         },
         3, "Vous devez d'abord saisir le nom et le prénom du joueur avant de valider un règlement"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        joueurs().edit();
        c.setup();
        const int next = nextNumber();
        const auto refusal = c.group == 0 ? tickWhole() : tickInstalment(c.group);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->text, QString::fromUtf8(c.message));
        EXPECT_FALSE(flag(members::fee::paymentGroups()[c.group].paid));
        EXPECT_EQ(receiptCount(), 0);
        EXPECT_EQ(nextNumber(), next);
        cancel();
    }
}

TEST_F(FeePaymentsTest, InstalmentEqualToTheRemainingDueIsAccepted)
{
    joueurs().edit();
    setInstalment(1, 100);
    ASSERT_FALSE(tickInstalment(1));
    setInstalment(2, 20);
    EXPECT_FALSE(tickInstalment(2));
    EXPECT_TRUE(flag(QStringLiteral("Paye acc2")));
    EXPECT_EQ(receiptCount(), 2);
}

TEST_F(FeePaymentsTest, UndatedInstalmentAsksForToday)
{
    joueurs().edit();
    setInstalment(1, 30);
    joueurs().clear(QStringLiteral("Date accompte 1"));
    // "Non": un-ticked, no message, nothing written.
    EXPECT_FALSE(tickInstalment(1, false));
    EXPECT_EQ(asked,
              QStringList{QStringLiteral("Vous devez mettre la date de l'Acompte 1 avant de le valider\r"
                                         "Voulez-vous mettre la date d'aujourd'hui ?")});
    EXPECT_FALSE(flag(QStringLiteral("Paye acc1")));
    EXPECT_EQ(receiptCount(), 0);
    // "Oui": dated today and paid.
    EXPECT_FALSE(tickInstalment(1, true));
    EXPECT_EQ(joueurs().asDate(QStringLiteral("Date accompte 1")), QDate::currentDate());
    EXPECT_EQ(receiptCount(), 1);
}

TEST_F(FeePaymentsTest, CancelAfterTickOrUntickLeavesTheLedgerAsItWas)
{
    const int first = nextNumber();
    joueurs().edit();
    setInstalment(1, 30);
    ASSERT_FALSE(tickInstalment(1));
    EXPECT_EQ(receiptCount(), 1);
    cancel();
    EXPECT_EQ(receiptCount(), 0);
    EXPECT_EQ(nextNumber(), first);
    EXPECT_FALSE(flag(QStringLiteral("Paye acc1")));

    setInstalment(1, 30);
    ASSERT_FALSE(tickInstalment(1));
    post();
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Paye acc1"), false);
    pay.untickInstalment(1);
    EXPECT_EQ(receiptCount(), 0);
    cancel();
    EXPECT_TRUE(flag(QStringLiteral("Paye acc1")));
    auto r = recettes();
    EXPECT_TRUE(members::fee::locateFeeReceipt(*r, number(QStringLiteral("Num Accompte 1"))));
    EXPECT_EQ(nextNumber(), first + 1);
}

TEST_F(FeePaymentsTest, NumberReusedByAnotherEntryIsNeverDeleted)
{
    joueurs().edit();
    joueurs().setValue(kPaye, true);
    joueurs().setValue(QStringLiteral("Num cotisation"), 42);
    joueurs().post();
    addEntry(42, QStringLiteral("Dons"));

    EXPECT_FALSE(members::fee::removeFeeReceipt(md(), 42));
    joueurs().edit();
    joueurs().setValue(kPaye, false);
    pay.untickWholeFee();
    post();
    auto r = recettes();
    EXPECT_EQ(r->recordCount(), 1);
    EXPECT_TRUE(r->locate(QStringLiteral("Num"), {42}));
    EXPECT_FALSE(members::fee::locateFeeReceipt(*r, 42));
}

TEST_F(FeePaymentsTest, ReconciledMarksComeFromTheLedger)
{
    addEntry(7, QStringLiteral("Cotisations"), QStringLiteral("R"));
    addEntry(8, QStringLiteral("Cotisations"));
    addEntry(9, QStringLiteral("Dons"), QStringLiteral("R"));
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Num cotisation"), 7);
    joueurs().setValue(QStringLiteral("Num Accompte 1"), 8);
    joueurs().setValue(QStringLiteral("Num Accompte 2"), 9);
    joueurs().post();
    const std::array<bool, 6> expected{true, false, false, false, false, false};
    EXPECT_EQ(pay.reconciled(), expected);
    EXPECT_TRUE(members::fee::feeReceiptReconciled(md(), 7));
    EXPECT_FALSE(members::fee::feeReceiptReconciled(md(), 9));
}

TEST_F(FeePaymentsTest, SettlingOnLeaveNeedsNothingDue)
{
    EXPECT_FALSE(pay.settleIfCovered()); // 120 € due
    joueurs().edit();
    setInstalment(1, 120);
    ASSERT_FALSE(tickInstalment(1));
    joueurs().setValue(QStringLiteral("Restant du"), 5.0); // stale: the payments decide
    post();
    const int receipts = receiptCount();
    EXPECT_TRUE(pay.settleIfCovered());
    EXPECT_TRUE(flag(kPaye));
    EXPECT_FALSE(joueurs().isEditing());
    EXPECT_EQ(receiptCount(), receipts);
}

// A crash between two payments: the child pays instalment 1 and posts, then
// ticks instalment 2 (its receipt written, the member not yet posted) and is
// killed. Every paid flag keeps its receipt and every receipt its flag.
TEST_F(FeePaymentsTest, CrashBetweenTwoPaymentsKeepsFlagsAndReceiptsTogether)
{
    fx.reopen(); // everything in the data file itself before it is copied
    QTemporaryDir copy;
    ASSERT_TRUE(QFile::copy(QDir(fx.dir()).filePath(data::DataFileName),
                            QDir(copy.path()).filePath(data::DataFileName)));
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        data::OpenedData d = data::openDataFolder(copy.path());
        data::ModuleData cmd(*d.session);
        data::Table &j = *cmd.table(QStringLiteral("Joueurs"));
        j.open();
        FeePayments cpay(cmd, j, p);
        for (int k = 1; k <= 2; ++k) {
            j.edit();
            j.setValue(QStringLiteral("Accompte %1").arg(k), 40.0);
            j.setValue(QStringLiteral("Date accompte %1").arg(k), QDate(2026, 10, k));
            j.setValue(QStringLiteral("Compte %1").arg(k), QStringLiteral("Banque"));
            j.setValue(QStringLiteral("Paye acc%1").arg(k), true);
            if (auto refusal = cpay.tickInstalment(k, {})) {
                std::fprintf(stderr, "%s\n", qPrintable(refusal->text));
                _exit(3);
            }
            if (k == 1) {
                j.post();
                cpay.finish();
            }
        }
        ::kill(::getpid(), SIGKILL);
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit " << WEXITSTATUS(status);
    ASSERT_EQ(WTERMSIG(status), SIGKILL);

    data::OpenedData d = data::openDataFolder(copy.path());
    data::ModuleData after(*d.session);
    data::Table &j = *after.table(QStringLiteral("Joueurs"));
    j.open();
    data::Table r(d.session.get(), QStringLiteral("Recettes"));
    r.open();
    int flagged = 0;
    for (int k = 1; k <= 5; ++k) {
        const auto &g = members::fee::paymentGroups()[k];
        const bool hasReceipt = members::fee::locateFeeReceipt(r, int(j.asInt(g.number)));
        EXPECT_EQ(j.asBool(g.paid), hasReceipt) << g.caption.toStdString();
        flagged += j.asBool(g.paid);
    }
    EXPECT_EQ(flagged, 1);
    EXPECT_EQ(r.recordCount(), 1);
    // The number of the lost payment goes to the next one.
    EXPECT_EQ(data::nextOperationNumber(after), int(j.asInt(QStringLiteral("Num Accompte 1"))) + 1);
}

} // namespace
