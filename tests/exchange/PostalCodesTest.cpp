#include "tests/exchange/PostalFixture.h"

#include "exchange/PostalCodes.h"

using namespace corvane;
using namespace corvane::exchange;
using corvane::test::PostalTest;

TEST(Departements, HundredNamesInTheirOrder)
{
    const QStringList &d = departements();
    ASSERT_EQ(d.size(), 100);
    EXPECT_EQ(d.first(), QStringLiteral("Ain"));
    EXPECT_EQ(d.at(19), QStringLiteral("Corse"));
    EXPECT_EQ(d.at(74), QStringLiteral("Paris"));
    EXPECT_EQ(d.last(), QStringLiteral("Réunion"));
    QStringList copy = d;
    EXPECT_EQ(copy.removeDuplicates(), 0);
}

TEST(Departements, NationalListUsesTheSameNames)
{
    // The copying window finds nothing for a name the national list spells otherwise.
    test::FreshData fresh;
    data::Table *national = fresh.md().table(QStringLiteral("CodePostot"));
    national->open();
    QSet<QString> names;
    const int dep = national->fieldIndex(QStringLiteral("Departement"));
    for (int row = 0; row < national->recordCount(); ++row)
        names.insert(national->valueAt(row, dep).toString());
    national->close();
    EXPECT_EQ(names, QSet<QString>(departements().begin(), departements().end()));
}

TEST(PostalCodeText, ShownWithTheBlankStoredWithout)
{
    struct Case {
        const char *stored;
        const char *shown;
    };
    const Case cases[] = {{"75001", "75 001"}, {"2A004", "2A004"}, {"1000", "1000"}, {"", ""}};
    for (const Case &c : cases)
        EXPECT_EQ(afficheCodePostal(QString::fromUtf8(c.stored)), QString::fromUtf8(c.shown)) << c.stored;
    EXPECT_EQ(stockeCodePostal(QStringLiteral("75 001")), QStringLiteral("75001"));
    EXPECT_EQ(stockeCodePostal(QStringLiteral(" 35 000 ")), QStringLiteral("35000"));
}

TEST_F(PostalTest, FilterComparesTheDepartementExactly)
{
    addTown(QStringLiteral("20000"), QStringLiteral("Ajaccio"), QStringLiteral("Corse"));
    addTown(QStringLiteral("20200"), QStringLiteral("Bastia"), QStringLiteral("Haute Corse"));
    addTown(QStringLiteral("20220"), QStringLiteral("Corte"), QStringLiteral("corse"));
    addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
    codes->open();
    filterOnDepartement(*codes, QStringLiteral("Corse"));
    EXPECT_EQ(villes(), QStringList{QStringLiteral("Ajaccio")});
    filterOnDepartement(*codes, QStringLiteral("Ile et Vilaine"));
    EXPECT_EQ(villes(), QStringList{QStringLiteral("Rennes")});
    filterOnDepartement(*codes, AucunDepartement);
    EXPECT_EQ(codes->recordCount(), 4);
    EXPECT_EQ(finderCaption(QStringLiteral("Corse")),
              QStringLiteral("Listes des codes postaux pour le département Corse"));
    EXPECT_EQ(finderCaption(AucunDepartement), QStringLiteral("Listes des codes postaux"));
}

TEST_F(PostalTest, PositioningOnAMissingTownStaysPut)
{
    addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
    addTown(QStringLiteral("29200"), QStringLiteral("Brest"), QStringLiteral("Finistère"));
    addTown(QStringLiteral("56100"), QStringLiteral("Lorient"), QStringLiteral("Morbihan"));
    codes->open();
    ASSERT_TRUE(positionOnTown(*codes, QStringLiteral("Lorient")));
    EXPECT_EQ(codes->asString(QStringLiteral("Ville")), QStringLiteral("Lorient"));
    EXPECT_FALSE(positionOnTown(*codes, QStringLiteral("lorient"))); // exact only
    EXPECT_FALSE(positionOnTown(*codes, QStringLiteral("Quimper")));
    EXPECT_FALSE(positionOnTown(*codes, QString()));
    EXPECT_EQ(codes->asString(QStringLiteral("Ville")), QStringLiteral("Lorient"));
}
