#include "members/playerlist/PlayerWorkbook.h"
#include "tests/members/playerlist/PlayerListFixture.h"
#include "tests/support/XlsxReader.h"

#include <QDir>

using namespace corvane;
using namespace corvane::members::playerlist;
using corvane::test::headerSections;
using corvane::test::PlayerListTest;
using corvane::test::readXlsx;
using corvane::test::XlsxBook;
using corvane::test::XlsxSheet;

namespace {

class PlayerWorkbookTest : public PlayerListTest {
protected:
    XlsxBook exportBook()
    {
        data::OpenedTable j(joueurs());
        QString done;
        EXPECT_TRUE(exportPlayerWorkbook(*j, data::parametres(), nullptr, &done));
        EXPECT_EQ(done, QStringLiteral("Ecriture du fichier Joueurs.xlsx terminé."));
        return readXlsx(QDir(data::appFolders().fichiersExcel()).filePath(PlayerWorkbookName));
    }
    static bool grey(const XlsxBook &book, const XlsxSheet &s, const QString &ref)
    {
        const auto &st = book.style(s, ref);
        return st.pattern == QLatin1String("solid") && st.fgColour == QLatin1String("FFC0C0C0");
    }
};

TEST_F(PlayerWorkbookTest, MembersGetALineOnEachOfTheirSheetsAtTheNextFreeRow)
{
    const QVariant noTeam = NoTeam;
    fx.addPlayer("AAA", "Paul", {{"Paye", true}, {"Equipe", "E1"}, {"Date de naissance", QDate(1991, 2, 3)}});
    fx.addPlayer("ARB", "Zoé", {{"Categorie", "Minibad"}, {"ArbitreDelegue", true}});
    fx.addPlayer("BUREAU", "Marc", {{"Membre bureau", true}, {"Arbitre", true}, {"Equipe", "E1"}});
    fx.addPlayer("COACH", "Luc", {{"Educateur", true}, {"Equipe", noTeam}, {"Paye", true}});
    fx.addPlayer("LOISIR", "Eve", {{"Categorie", "Loisirs"}, {"Paye", true}});
    const XlsxBook book = exportBook();

    EXPECT_EQ(book.sheetNames(),
              QStringList(
                  {"Minibad",  "Poussins",  "Benjamins", "Minimes",    "Cadets",     "Juniors",
                   "Seniors",  "Vétérans",  "Minibad F", "Poussines",  "Benjamines", "Minimes F",
                   "Cadettes", "Juniors F", "Seniors F", "Vétérans F", "Bureau",     "Educateurs-Dirigeants",
                   "Arbitres", "Loisirs"}));
    auto names = [&](const QString &sheet) {
        QStringList out;
        const XlsxSheet &s = book.sheet(sheet);
        for (int row = 2; s.has(QStringLiteral("A%1").arg(row)); ++row)
            out.append(s.text(QStringLiteral("A%1").arg(row)));
        return out;
    };
    // The coach without a team is left off his category's sheet, as on screen.
    EXPECT_EQ(names("Seniors"), QStringList({"AAA", "BUREAU"}));
    EXPECT_EQ(names("Minibad"), QStringList({"ARB"}));
    EXPECT_EQ(names("Bureau"), QStringList({"BUREAU"}));
    EXPECT_EQ(names("Arbitres"), QStringList({"ARB", "BUREAU"}));
    EXPECT_EQ(names("Educateurs-Dirigeants"), QStringList({"COACH"}));
    EXPECT_EQ(names("Loisirs"), QStringList({"LOISIR"}));

    // Unpaid members are grey on every sheet, across the 50 columns.
    const struct {
        const char *sheet;
        int row;
        bool unpaid;
    } rows[] = {{"Seniors", 2, false}, {"Seniors", 3, true},  {"Minibad", 2, true}, {"Bureau", 2, true},
                {"Arbitres", 2, true}, {"Arbitres", 3, true}, {"Loisirs", 2, false}};
    for (const auto &r : rows) {
        const XlsxSheet &s = book.sheet(QString::fromUtf8(r.sheet));
        for (const char *column : {"A", "J", "AX"})
            EXPECT_EQ(grey(book, s, QStringLiteral("%1%2").arg(QLatin1String(column)).arg(r.row)), r.unpaid)
                << r.sheet << " " << column << r.row;
    }

    // Values: flags as text, dates as dates, the 50 titles.
    const XlsxSheet &seniors = book.sheet(QStringLiteral("Seniors"));
    EXPECT_EQ(seniors.text("AX1"), QStringLiteral("Mixte"));
    EXPECT_EQ(seniors.text("AG1"), QStringLiteral("Pers. à prévenir2"));
    EXPECT_EQ(seniors.text("J2"), QStringLiteral("Oui"));
    EXPECT_EQ(seniors.text("J3"), QStringLiteral("Non"));
    EXPECT_EQ(seniors.text("AL3"), QStringLiteral("Oui"));
    EXPECT_EQ(seniors.text("AV2"), QStringLiteral("NC"));
    ASSERT_TRUE(seniors.cell("C2").isNumber());
    EXPECT_EQ(XlsxBook::date(seniors.cell("C2")), QDate(1991, 2, 3));
    EXPECT_EQ(book.style(seniors, "C2").hAlign, QStringLiteral("center"));
    EXPECT_DOUBLE_EQ(book.style(seniors, "A2").fontSize, 8);
    EXPECT_NEAR(seniors.columnWidths.value(1), 8.71, 0.01); // the file stores the padded width
}

TEST_F(PlayerWorkbookTest, ASheetWithLinesGetsItsLegendAndPageSetUpAnEmptyOneOnlyItsTitles)
{
    fx.addPlayer("AAA", "Paul", {{"Paye", true}});
    fx.addPlayer("BBB", "Jean");
    const XlsxBook book = exportBook();

    const XlsxSheet &seniors = book.sheet(QStringLiteral("Seniors"));
    // Table over rows 1-3, legend on row 5.
    EXPECT_TRUE(grey(book, seniors, "A5"));
    EXPECT_TRUE(grey(book, seniors, "B5"));
    EXPECT_EQ(book.style(seniors, "A5").left.style, QStringLiteral("thin"));
    EXPECT_EQ(seniors.text("C5"), QStringLiteral("Cotisation non réglée"));
    EXPECT_TRUE(seniors.merges.contains(QStringLiteral("C5:D5")));
    EXPECT_TRUE(book.style(seniors, "C5").bold);
    EXPECT_FALSE(seniors.has("A4"));
    EXPECT_EQ(headerSections(seniors.header).value(1), QStringLiteral("Catégorie Seniors"));
    EXPECT_EQ(seniors.orientation, QStringLiteral("landscape"));
    EXPECT_EQ(seniors.scale, 70);

    const XlsxSheet &poussins = book.sheet(QStringLiteral("Poussins"));
    EXPECT_EQ(poussins.cells.size(), 50);
    for (auto it = poussins.cells.cbegin(); it != poussins.cells.cend(); ++it)
        EXPECT_TRUE(it.key().endsWith(QLatin1Char('1')) && !it.key().endsWith(QStringLiteral("11")))
            << it.key().toStdString();
    EXPECT_TRUE(poussins.header.isEmpty());
    EXPECT_TRUE(poussins.merges.isEmpty());
    EXPECT_EQ(book.activeTab, 0);
}

} // namespace
