#include "tests/exchange/PostalFixture.h"

#include "data/Session.h"
#include "data/Statement.h"
#include "exchange/RecupCodes.h"

using namespace corvane;
using namespace corvane::exchange;
using corvane::test::PostalTest;

using RecupCodesTest = PostalTest;

TEST_F(RecupCodesTest, LoadsOneDepartementInEitherOrder)
{
    RecupCodes recup(fresh.md());
    recup.charger(QStringLiteral("Corse"));
    const QList<Town> parCode = recup.lignes();
    ASSERT_EQ(parCode.size(), 391);
    for (const Town &t : parCode)
        ASSERT_EQ(t.departement, QStringLiteral("Corse"));
    for (int i = 1; i < parCode.size(); ++i)
        ASSERT_LE(parCode[i - 1].codePostal, parCode[i].codePostal);

    recup.trier(true);
    const QList<Town> parVille = recup.lignes();
    ASSERT_EQ(parVille.size(), parCode.size());
    for (int i = 1; i < parVille.size(); ++i)
        ASSERT_LE(data::foldForSort(parVille[i - 1].ville), data::foldForSort(parVille[i].ville)) << i;

    // Another département replaces the lines, in the order chosen.
    recup.charger(QStringLiteral("Paris"));
    const QList<Town> paris = recup.lignes();
    ASSERT_FALSE(paris.isEmpty());
    EXPECT_LT(paris.size(), 100);
    for (const Town &t : paris)
        EXPECT_EQ(t.departement, QStringLiteral("Paris"));
    recup.charger(QString());
    EXPECT_TRUE(recup.lignes().isEmpty());
}

TEST_F(RecupCodesTest, ScratchTableGoesWithTheCopying)
{
    {
        RecupCodes recup(fresh.md());
        recup.charger(QStringLiteral("Ain"));
        EXPECT_TRUE(fresh.session().tableExists(RecupCodes::TempoName));
        // Codepostal's order by town is there once, with Tempo's own layout.
        EXPECT_EQ(recup.tempo().definition().indexes.size(), codes->definition().indexes.size());
    }
    EXPECT_FALSE(fresh.session().tableExists(RecupCodes::TempoName));
}

TEST_F(RecupCodesTest, AddingTrimsAndRewritesDuplicatesInCapitals)
{
    addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
    const QList<Town> towns{
        {QStringLiteral(" 35000 "), QStringLiteral("Rennes "), QStringLiteral("Ile et Vilaine"),
         QStringLiteral("France")},
        {QStringLiteral("35400"), QStringLiteral(" Saint-Malo"), QStringLiteral("Ile et Vilaine "),
         QStringLiteral("France")},
    };
    EXPECT_EQ(RecupCodes::ajouter(fresh.md(), towns), 2);

    codes->open();
    EXPECT_EQ(codes->recordCount(), 2);
    ASSERT_TRUE(codes->locate(QStringLiteral("Code postal;Ville"),
                              {QStringLiteral("35000"), QStringLiteral("RENNES")}));
    EXPECT_EQ(codes->asString(QStringLiteral("Pays")), QStringLiteral("France"));
    ASSERT_TRUE(codes->locate(QStringLiteral("Code postal;Ville"),
                              {QStringLiteral("35400"), QStringLiteral("Saint-Malo")}));
    EXPECT_EQ(codes->asString(QStringLiteral("Departement")), QStringLiteral("Ile et Vilaine"));
    codes->close();

    // Copied again: the town in capitals is already there and stays once.
    EXPECT_EQ(RecupCodes::ajouter(fresh.md(), {{QStringLiteral("35000"), QStringLiteral("RENNES"),
                                                QStringLiteral("Ile et Vilaine"), QStringLiteral("France")}}),
              1);
    codes->open();
    EXPECT_EQ(codes->recordCount(), 2);
}

TEST(RecupCodesText, CountedStatusTexts)
{
    EXPECT_EQ(RecupCodes::ajoutText(1), QStringLiteral("1 code postal a été ajouté dans le logiciel"));
    EXPECT_EQ(RecupCodes::ajoutText(2), QStringLiteral("2 codes postaux ont été ajouté dans le logiciel"));
    EXPECT_EQ(RecupCodes::ajoutText(0), QStringLiteral("0 codes postaux ont été ajouté dans le logiciel"));
    EXPECT_EQ(RecupCodes::rechercheText(QStringLiteral("Ain")),
              QStringLiteral("Recherche des code postaux pour Ain en cours..."));
}

TEST_F(RecupCodesTest, SettingsAreKeptForTheUser)
{
    EXPECT_EQ(RecupCodes::departementMemorise(), QString());
    EXPECT_FALSE(RecupCodes::triMemorise());
    RecupCodes::memoriseDepartement(QStringLiteral("Gironde"));
    RecupCodes::memoriseTri(true);
    EXPECT_EQ(QSettings().value(QStringLiteral("RecupCode")).toString(), QStringLiteral("Gironde"));
    EXPECT_EQ(QSettings().value(QStringLiteral("RecupCodeTri")).toString(), QStringLiteral("OUI"));
    RecupCodes::memoriseTri(false);
    EXPECT_EQ(QSettings().value(QStringLiteral("RecupCodeTri")).toString(), QString());
    EXPECT_FALSE(RecupCodes::triMemorise());
}
