#include "members/fee/CotisationTab.h"

#include "members/fee/FeeLedger.h"
#include "tests/members/fee/FeeFixture.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace corvane;
using members::fee::CotisationTab;

namespace {

// The tab in a window of its own, on the member of the fixture, with the
// program-wide settings set to the fixture's for the length of a test.
class CotisationTabTest : public test::FeeFixture {
protected:
    CotisationTabTest()
        : saved(data::parametres())
    {
        data::parametres() = p;
        host.resize(760, 560);
        auto *layout = new QVBoxLayout(&host);
        tab = new CotisationTab(md(), &host);
        layout->addWidget(tab);
        tab->opened(false);
        host.show();
    }
    ~CotisationTabTest() override
    {
        tab->closed();
        data::parametres() = saved;
    }

    // What the user does: a click on a box, the record put in editing by it.
    void click(int group) { tab->paidBox(group)->click(); }
    void setField(const QString &field, const QVariant &v)
    {
        if (!joueurs().isEditing())
            joueurs().edit();
        joueurs().setValue(field, v);
    }

    data::Parametres saved;
    QWidget host;
    CotisationTab *tab = nullptr;
    ui::ScriptedMessages messages;
};

TEST_F(CotisationTabTest, ShowsTheAccountsTheNoticeAndThePayments)
{
    const QStringList accounts{QString(), QStringLiteral("Banque"), QStringLiteral("Caisse")};
    for (int g = 0; g < 6; ++g) {
        QStringList items;
        for (int i = 0; i < tab->accountList(g)->count(); ++i)
            items << tab->accountList(g)->itemText(i);
        EXPECT_EQ(items, accounts) << g;
    }
    EXPECT_EQ(tab->paidBox(0)->text(), QStringLiteral("Cotisation payée"));
    EXPECT_EQ(tab->paidBox(3)->text(), QStringLiteral("payé"));
    EXPECT_EQ(tab->amountEdit(0)->text(), QStringLiteral("120,00"));
    bool notice = false;
    for (QLabel *l : tab->findChildren<QLabel *>())
        notice = notice ||
                 l->text() == QStringLiteral("Attention à la qualité de votre saisie, ces éléments sont mis "
                                             "automatiquement en comptabilité.");
    EXPECT_TRUE(notice);
}

TEST_F(CotisationTabTest, CancelAfterTickingOrUntickingLeavesTheLedgerAsItWas)
{
    const int first = nextNumber();
    setInstalment(1, 50);
    click(1);
    EXPECT_TRUE(joueurs().asBool(QStringLiteral("Paye acc1")));
    EXPECT_EQ(receiptCount(), 1);
    EXPECT_TRUE(tab->amountEdit(1)->isReadOnly()); // the paid row is locked
    joueurs().cancel();
    EXPECT_EQ(receiptCount(), 0);
    EXPECT_EQ(nextNumber(), first);
    EXPECT_FALSE(tab->paidBox(1)->isChecked());
    EXPECT_FALSE(tab->amountEdit(1)->isReadOnly());

    setInstalment(1, 50);
    click(1);
    joueurs().post();
    EXPECT_EQ(receiptCount(), 1);
    click(1); // un-ticked
    EXPECT_FALSE(joueurs().asBool(QStringLiteral("Paye acc1")));
    EXPECT_EQ(receiptCount(), 0);
    joueurs().cancel();
    EXPECT_TRUE(tab->paidBox(1)->isChecked());
    auto r = recettes();
    ASSERT_EQ(r->recordCount(), 1);
    EXPECT_EQ(r->asInt(QStringLiteral("Num")), first);
    EXPECT_EQ(joueurs().asInt(QStringLiteral("Num Accompte 1")), first);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CotisationTabTest, RefusalIsShownAndUnticksTheBox)
{
    setInstalment(2, 500);
    click(2);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Le montant ne doit pas être supérieur au restant dû")});
    EXPECT_FALSE(tab->paidBox(2)->isChecked());
    EXPECT_EQ(receiptCount(), 0);
}

TEST_F(CotisationTabTest, WholeFeePaidLocksThePaymentsAndTheFee)
{
    click(0);
    ASSERT_TRUE(joueurs().asBool(QStringLiteral("Paye")));
    joueurs().post();
    EXPECT_EQ(receiptCount(), 1);
    EXPECT_TRUE(tab->amountEdit(0)->isReadOnly());
    EXPECT_FALSE(tab->accountList(0)->isEnabled());
    EXPECT_FALSE(tab->discountBox(CotisationTab::Discount::Reduction)->isEnabled());
    for (int k = 1; k <= 5; ++k)
        EXPECT_FALSE(tab->paidBox(k)->isEnabled()) << k;
    EXPECT_TRUE(tab->paidBox(0)->isEnabled());

    // Paid: the category and role rules leave the fee alone.
    EXPECT_TRUE(tab->feePaid());
    setField(QStringLiteral("Cotisation"), 130.0);
    tab->categoryChanged();
    tab->educateurToggled(true);
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(130));
    EXPECT_TRUE(joueurs().asMoney(QStringLiteral("Restant du")).isZero());
    joueurs().cancel();

    click(0); // un-ticked: unlocked, receipt gone
    joueurs().post();
    EXPECT_EQ(receiptCount(), 0);
    EXPECT_FALSE(tab->amountEdit(0)->isReadOnly());
    EXPECT_TRUE(tab->paidBox(1)->isEnabled());
}

TEST_F(CotisationTabTest, ReconciledReceiptKeepsItsBoxDisabled)
{
    addEntry(7, QStringLiteral("Cotisations"), QStringLiteral("R"));
    addEntry(8, QStringLiteral("Cotisations"));
    setField(QStringLiteral("Paye acc1"), true);
    setField(QStringLiteral("Num Accompte 1"), 7);
    setField(QStringLiteral("Paye acc2"), true);
    setField(QStringLiteral("Num Accompte 2"), 8);
    joueurs().post();
    tab->opened(false);
    EXPECT_FALSE(tab->paidBox(1)->isEnabled());
    EXPECT_TRUE(tab->paidBox(2)->isEnabled());
    EXPECT_TRUE(tab->paidBox(3)->isEnabled());
    // A new record has nothing reconciled.
    tab->opened(true);
    EXPECT_TRUE(tab->paidBox(1)->isEnabled());
}

TEST_F(CotisationTabTest, DiscountTicksAndTypingFollowTheRules)
{
    tab->discountBox(CotisationTab::Discount::Bureau)->click();
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(90));
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Restant du")), data::Money::fromDouble(90));
    tab->discountBox(CotisationTab::Discount::Bureau)->click();
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(120));

    // Typing an instalment amount dates it today; letters never get in.
    joueurs().post();
    QTest::keyClicks(tab->amountEdit(4), QStringLiteral("1a2"));
    EXPECT_TRUE(joueurs().isEditing());
    EXPECT_EQ(joueurs().asDate(QStringLiteral("Date accompte 4")), QDate::currentDate());
    EXPECT_EQ(joueurs().asMoney(QStringLiteral("Accompte 4")), data::Money::fromDouble(12));
    joueurs().cancel();
}

TEST_F(CotisationTabTest, LeavingMarksACoveredFeePaidWithoutReceipt)
{
    setInstalment(1, 120);
    click(1);
    joueurs().post();
    tab->quitting();
    EXPECT_TRUE(joueurs().asBool(QStringLiteral("Paye")));
    EXPECT_EQ(receiptCount(), 1);
    EXPECT_FALSE(joueurs().isEditing());
}

TEST_F(CotisationTabTest, PayerDefaultUsesTheFirstNameShown)
{
    tab->applyPayerDefault(QStringLiteral("Christine"));
    EXPECT_EQ(joueurs().asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Christi."));
    joueurs().cancel();
}

} // namespace
