#include "members/Categorie.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Table.h"
#include "tests/support/FreshData.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

// The seed categories (eight a sex, seniors and veterans seventh and eighth),
// a season ending in 2026 and a distinct fee in every slot: slot k costs k €,
// leisure 55 €.
class CategorieTest : public ::testing::Test {
protected:
    void SetUp() override { recharge(); }

    void recharge()
    {
        p = data::Parametres();
        p.anneeSaison = 2026;
        data::chargeCategories(fx.md(), p);
        for (int slot = 1; slot <= 30; ++slot)
            p.prix[slot] = data::Money::fromDouble(slot);
        p.prixFootLoisirs = data::Money::fromDouble(55);
    }

    members::Classement classe(const QString &sexe, int annee,
                               const QString &activite = QStringLiteral("COMPETITION"))
    {
        return members::classe(members::litCategories(fx.md(), sexe), p, annee, activite);
    }

    void ajouteCategorie(const QString &table, int ageFin, const QString &nom)
    {
        data::OpenedTable t(fx.md().table(table));
        t->append();
        t->setValue(QStringLiteral("Age Fin"), ageFin);
        t->setValue(QStringLiteral("Nom"), nom);
        t->post();
    }

    test::FreshData fx;
    data::Parametres p;
};

struct Cas {
    const char *sexe;
    int annee;
    const char *activite;
    const char *categorie;
    const char *categorieAge;
    double cotisation;
    bool jeune;
};

TEST_F(CategorieTest, AgeSexAndActivityGiveCategoryFeeAndYouth)
{
    const Cas cas[] = {
        // The limit is inclusive; one year more is the next category.
        {"Homme", 2008, "COMPETITION", "Juniors", "Juniors", 6, true},
        {"Homme", 2007, "COMPETITION", "Seniors", "Seniors", 7, false},
        {"Femme", 2018, "COMPETITION", "Minibad F", "Minibad F", 21, true},
        {"Femme", 2017, "COMPETITION", "Poussines", "Poussines", 22, true},
        // Older than every limit, born in the season year, born after it: the first category.
        {"Homme", 1920, "COMPETITION", "Minibad", "Minibad", 1, true},
        {"Femme", 1926, "COMPETITION", "Minibad F", "Minibad F", 21, true},
        {"Homme", 2026, "COMPETITION", "Minibad", "Minibad", 1, true},
        {"Homme", 2030, "COMPETITION", "Minibad", "Minibad", 1, true},
        // Seventh and eighth categories of each sex are adults.
        {"Femme", 1991, "COMPETITION", "Seniors F", "Seniors F", 27, false},
        {"Femme", 1927, "COMPETITION", "Vétérans F", "Vétérans F", 28, false},
        {"Homme", 1990, "COMPETITION", "Vétérans", "Vétérans", 8, false},
        // Any sex text but exactly "Homme" reads the women's table.
        {"", 2012, "COMPETITION", "Minimes F", "Minimes F", 24, true},
        {"homme", 2012, "COMPETITION", "Minimes F", "Minimes F", 24, true},
        // Leisure: "Loisirs" and its fee, youth still from the age category.
        {"Femme", 1996, "LOISIRS", "Loisirs", "Seniors F", 55, false},
        {"Homme", 2016, "LOISIRS", "Loisirs", "Poussins", 55, true},
        {"Homme", 1980, "", "Loisirs", "Vétérans", 55, false},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.sexe).arg(c.annee).arg(c.activite).toStdString());
        const members::Classement r =
            classe(QString::fromUtf8(c.sexe), c.annee, QString::fromUtf8(c.activite));
        EXPECT_EQ(r.categorie, QString::fromUtf8(c.categorie));
        EXPECT_EQ(r.categorieAge, QString::fromUtf8(c.categorieAge));
        ASSERT_TRUE(r.cotisation.has_value());
        EXPECT_EQ(*r.cotisation, data::Money::fromDouble(c.cotisation));
        EXPECT_EQ(r.jeune, c.jeune);
    }
}

TEST_F(CategorieTest, NameSharedByBothTablesTakesTheWomensFee)
{
    {
        data::OpenedTable f(fx.md().table(QStringLiteral("CategorieF")));
        ASSERT_TRUE(f->locate(QStringLiteral("Nom"), {QStringLiteral("Seniors F")}));
        f->edit();
        f->setValue(QStringLiteral("Nom"), QStringLiteral("Seniors"));
        f->post();
    }
    recharge();
    for (const char *sexe : {"Homme", "Femme"}) {
        SCOPED_TRACE(sexe);
        const members::Classement r = classe(QString::fromUtf8(sexe), 1996);
        EXPECT_EQ(r.categorie, QStringLiteral("Seniors"));
        EXPECT_EQ(*r.cotisation, data::Money::fromDouble(27));
        EXPECT_FALSE(r.jeune);
    }
}

TEST_F(CategorieTest, NinthCategoryGetsItsSlotFeeAndAnUnknownNameKeepsTheFee)
{
    EXPECT_EQ(p.categories[9], QStringLiteral("Aucun"));
    ajouteCategorie(QStringLiteral("CategorieH"), 120, QStringLiteral("Centenaires"));

    // A snapshot loaded before the new category knows no fee for it.
    members::Classement r = classe(QStringLiteral("Homme"), 1910);
    EXPECT_EQ(r.categorie, QStringLiteral("Centenaires"));
    EXPECT_FALSE(r.cotisation.has_value());
    EXPECT_TRUE(r.jeune);

    recharge();
    r = classe(QStringLiteral("Homme"), 1910);
    ASSERT_TRUE(r.cotisation.has_value());
    EXPECT_EQ(*r.cotisation, data::Money::fromDouble(9));
    EXPECT_EQ(p.categories[10], QStringLiteral("Aucun"));
}

// The routine writes into the member being edited and leaves the category
// table closed; for a competition member `Categorie` is the caller's.
TEST_F(CategorieTest, WritesTheMemberRecordBeingEdited)
{
    fx.addPlayer(QStringLiteral("MARTIN"), QStringLiteral("Léa"),
                 {{"Sexe", QStringLiteral("Femme")}, {"Loisirs2", true}, {"Jeune", true}});
    data::OpenedTable j(fx.md().table(QStringLiteral("Joueurs")));
    j->first();

    j->edit();
    EXPECT_EQ(members::TrouveLaCategorie(fx.md(), *j, p, QStringLiteral("Femme"), 2011,
                                         QStringLiteral("COMPETITION")),
              QStringLiteral("Cadettes"));
    EXPECT_EQ(j->asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(25));
    EXPECT_TRUE(j->asBool(QStringLiteral("Jeune")));
    EXPECT_FALSE(j->asBool(QStringLiteral("Autorisation parentale")));
    EXPECT_EQ(j->asString(QStringLiteral("Categorie")), QStringLiteral("Seniors"));
    EXPECT_TRUE(j->asBool(QStringLiteral("Loisirs2")));
    EXPECT_FALSE(fx.md().table(QStringLiteral("CategorieF"))->isActive());

    EXPECT_EQ(
        members::TrouveLaCategorie(fx.md(), *j, p, QStringLiteral("Femme"), 1990, QStringLiteral("LOISIRS")),
        QStringLiteral("Loisirs"));
    EXPECT_EQ(j->asString(QStringLiteral("Categorie")), QStringLiteral("Loisirs"));
    EXPECT_FALSE(j->asBool(QStringLiteral("Loisirs2")));
    EXPECT_EQ(j->asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(55));
    EXPECT_FALSE(j->asBool(QStringLiteral("Jeune")));
    EXPECT_TRUE(j->asBool(QStringLiteral("Autorisation parentale")));
    j->post();

    // An age category with no fee leaves the fee as it was.
    j->edit();
    j->setValue(QStringLiteral("Cotisation"), 123.0);
    p.categories[26] = QStringLiteral("Juniors F renommées");
    members::TrouveLaCategorie(fx.md(), *j, p, QStringLiteral("Femme"), 2008, QStringLiteral("COMPETITION"));
    EXPECT_EQ(j->asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(123));
    j->cancel();
}

} // namespace
