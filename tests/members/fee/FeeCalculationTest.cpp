#include "members/fee/FeeCalculation.h"

#include "tests/members/fee/FeeFixture.h"

using namespace corvane;
using members::fee::Discounts;

namespace {

data::Money eur(double v)
{
    return data::Money::fromDouble(v);
}

class FeeCalculationTest : public test::FeeFixture {
protected:
    data::Money fee() { return joueurs().asMoney(QStringLiteral("Cotisation")); }
    data::Money rest() { return joueurs().asMoney(QStringLiteral("Restant du")); }
    void setFee(double v)
    {
        joueurs().edit();
        joueurs().setValue(QStringLiteral("Cotisation"), v);
    }
    // The tick's field takes its value, then the tick's step runs.
    void tick(const char *field, bool on) { joueurs().setValue(QString::fromUtf8(field), on); }
};

struct DiscountCase {
    const char *name;
    Discounts d;
    double expected;
};

TEST_F(FeeCalculationTest, FeeWithEachDiscountAndTheirCombination)
{
    const DiscountCase cases[] = {
        {"aucune", {}, 120},
        {"famille", {.reduction = true}, 100},
        {"bureau 25 %", {.bureau = true}, 90},
        {"demi saison", {.demiTarif = true}, 60},
        {"étudiant à 0 %", {.etudiant = true}, 120},
        {"famille puis bureau puis demi", {.reduction = true, .bureau = true, .demiTarif = true}, 37.5},
        {"éducateur remplace tout", {.reduction = true, .bureau = true, .educateur = true}, 50},
    };
    for (const auto &c : cases)
        EXPECT_EQ(members::fee::feeWithDiscounts(eur(120), c.d, p), eur(c.expected)) << c.name;

    p.pourcentageEtudiant = 10;
    EXPECT_EQ(members::fee::feeWithDiscounts(eur(120), {.bureau = true, .etudiant = true}, p), eur(81));
}

TEST_F(FeeCalculationTest, FullFeeStartsFromTheCategoryFeeAndSetsTheRemainingDue)
{
    joueurs().edit();
    tick("Reduction", true);
    tick("Demi tarif", true);
    joueurs().setValue(QStringLiteral("Cotisation"), 120.0);
    setInstalment(1, 15);
    joueurs().setValue(QStringLiteral("Paye acc1"), true);
    members::fee::applyFullFee(joueurs(), p);
    EXPECT_EQ(fee(), eur(50));
    EXPECT_EQ(rest(), eur(35));
}

TEST_F(FeeCalculationTest, CommitteeTickAndUntickGiveBackTheFee)
{
    setFee(120);
    tick("Membre bureau", true);
    members::fee::bureauToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(90));
    EXPECT_EQ(rest(), eur(90));
    EXPECT_EQ(joueurs().asString(QStringLiteral("Titre")), QStringLiteral("Président"));
    tick("Membre bureau", false);
    members::fee::bureauToggled(joueurs(), p, false);
    EXPECT_EQ(fee(), eur(120));
    EXPECT_TRUE(joueurs().asString(QStringLiteral("Titre")).isEmpty());

    // At 100 % the fee falls to 0 and comes back from the category, since
    // no arithmetic can undo it.
    p.pourcentageBureau = 100;
    joueurs().setValue(QStringLiteral("Titre"), QStringLiteral("Trésorier"));
    members::fee::bureauToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(0));
    EXPECT_EQ(joueurs().asString(QStringLiteral("Titre")), QStringLiteral("Trésorier"));
    members::fee::bureauToggled(joueurs(), p, false);
    EXPECT_EQ(fee(), eur(120));
}

TEST_F(FeeCalculationTest, StudentAtZeroPercentChangesNothing)
{
    setFee(120);
    joueurs().setValue(QStringLiteral("Restant du"), 7.0);
    members::fee::etudiantToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(120));
    EXPECT_EQ(rest(), eur(7)); // not even the remaining due

    p.pourcentageEtudiant = 30;
    members::fee::etudiantToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(84));
    members::fee::etudiantToggled(joueurs(), p, false);
    EXPECT_EQ(fee(), eur(120));
}

TEST_F(FeeCalculationTest, FamilyHalfSeasonAndRoleTicks)
{
    setFee(120);
    members::fee::reductionToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(100));
    members::fee::reductionToggled(joueurs(), p, false);
    EXPECT_EQ(fee(), eur(120));

    members::fee::demiTarifToggled(joueurs(), true);
    EXPECT_EQ(fee(), eur(60));
    members::fee::demiTarifToggled(joueurs(), false);
    EXPECT_EQ(fee(), eur(120));
    joueurs().setValue(QStringLiteral("Cotisation"), -4.0);
    members::fee::demiTarifToggled(joueurs(), true);
    EXPECT_EQ(fee(), eur(0));

    members::fee::educateurToggled(joueurs(), p, true);
    EXPECT_EQ(fee(), eur(50));
    members::fee::educateurToggled(joueurs(), p, false);
    EXPECT_EQ(fee(), eur(120)); // the category fee of "Seniors"
    EXPECT_EQ(rest(), eur(120));

    members::fee::loisirsToggled(md(), joueurs(), p, true);
    EXPECT_EQ(fee(), eur(40));
    EXPECT_EQ(joueurs().asString(QStringLiteral("Categorie")), QStringLiteral("Loisirs"));
}

TEST_F(FeeCalculationTest, CategoryFeeAloneLooksUpTheActivitysPrices)
{
    using members::fee::categoryFee;
    EXPECT_EQ(categoryFee(p, QStringLiteral("Seniors"), QStringLiteral("COMPETITION")), eur(120));
    EXPECT_EQ(categoryFee(p, QStringLiteral("Seniors"), QStringLiteral("LOISIRS")), eur(70));
    EXPECT_EQ(categoryFee(p, QStringLiteral("Minimes"), QStringLiteral("COMPETITION")), eur(90));
    EXPECT_FALSE(categoryFee(p, QStringLiteral("Seniors"), QStringLiteral("DECOUVERTE")));
    EXPECT_FALSE(categoryFee(p, QStringLiteral("Inconnue"), QStringLiteral("COMPETITION")));
    // The ninth and tenth slots count as with the category rule.
    p.categories[30] = QStringLiteral("Vétérans 3");
    p.prix[30] = eur(33);
    EXPECT_EQ(categoryFee(p, QStringLiteral("Vétérans 3"), QStringLiteral("COMPETITION")), eur(33));
}

TEST_F(FeeCalculationTest, RemainingDueCountsOnlyTheInstalmentsTickedPaid)
{
    setFee(120);
    setInstalment(1, 30);
    setInstalment(2, 25.5);
    setInstalment(3, 40);
    joueurs().setValue(QStringLiteral("Paye acc1"), true);
    joueurs().setValue(QStringLiteral("Paye acc3"), true);
    EXPECT_EQ(members::fee::paidInstalments(joueurs()), eur(70));
    members::fee::recomputeRemaining(joueurs());
    EXPECT_EQ(rest(), eur(50));
    // Amounts that do not add up exactly in binary still do in currency.
    joueurs().setValue(QStringLiteral("Cotisation"), 0.3);
    joueurs().setValue(QStringLiteral("Accompte 1"), 0.1);
    joueurs().setValue(QStringLiteral("Accompte 3"), 0.2);
    EXPECT_TRUE(members::fee::remainingDue(joueurs()).isZero());
}

TEST_F(FeeCalculationTest, PayerDefaultCutsFirstNamesOverEightCharacters)
{
    using members::fee::defaultPayer;
    EXPECT_EQ(defaultPayer(QStringLiteral("DURAND"), QStringLiteral("Clémence")),
              QStringLiteral("DURAND Clémence"));
    EXPECT_EQ(defaultPayer(QStringLiteral("DURAND"), QStringLiteral("Christine")),
              QStringLiteral("DURAND Christi."));

    EXPECT_TRUE(members::fee::applyDefaultPayer(joueurs(), QStringLiteral("Christine")));
    EXPECT_TRUE(joueurs().isEditing());
    EXPECT_EQ(joueurs().asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Christi."));
    // A payer already given stays.
    EXPECT_FALSE(members::fee::applyDefaultPayer(joueurs(), QStringLiteral("Paul")));
    EXPECT_EQ(joueurs().asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Christi."));
}

} // namespace
