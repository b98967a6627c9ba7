#include "core/workbook/Workbook.h"

#include "tests/support/XlsxReader.h"
#include "tests/support/Printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane::core::workbook;
using corvane::test::headerSections;
using corvane::test::readXlsx;
using corvane::test::XlsxBook;

namespace {

class WorkbookWriter : public ::testing::Test {
protected:
    QString path(const QString &name = QStringLiteral("Classeur.xlsx")) const { return dir.filePath(name); }

    XlsxBook saveAndRead(const Workbook &book)
    {
        const SaveResult r = book.save(path());
        EXPECT_TRUE(r.ok()) << r.error.toStdString();
        return readXlsx(path());
    }

    QStringList folderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

TEST_F(WorkbookWriter, SheetsKeepTheOrderTheyWereAddedInWithValidUniqueNames)
{
    Workbook book;
    book.addSheet(QStringLiteral("Seniors"));
    book.addSheet(QStringLiteral("Aucun"));
    book.addSheet(QStringLiteral("aucun")); // unfilled category slots all read "Aucun"
    book.addSheet(QStringLiteral("U11/U13 [mixte]: a*b?"));
    book.addSheet(QStringLiteral("'Une catégorie au nom bien trop long pour un onglet'"));
    book.addSheet();
    EXPECT_EQ(book.sheet(2).name(), QStringLiteral("aucun (2)"));
    EXPECT_EQ(book.findSheet(QStringLiteral("SENIORS")), &book.sheet(0));
    EXPECT_EQ(book.sheet(5).index(), 5);

    const XlsxBook read = saveAndRead(book);
    EXPECT_EQ(read.sheetNames(),
              (QStringList{QStringLiteral("Seniors"), QStringLiteral("Aucun"), QStringLiteral("aucun (2)"),
                           QStringLiteral("U11-U13 -mixte-- a-b-"),
                           QStringLiteral("Une catégorie au nom bien trop"), QStringLiteral("Feuil6")}));
}

TEST_F(WorkbookWriter, ActiveSheetAndTabRatioReachTheFile)
{
    Workbook book;
    book.addSheet(QStringLiteral("Un"));
    book.addSheet(QStringLiteral("Deux"));
    book.activate(1);
    book.setTabRatio(0.87);
    const XlsxBook read = saveAndRead(book);
    EXPECT_EQ(read.activeTab, 1);
    EXPECT_EQ(read.tabRatio, 870);
    EXPECT_TRUE(read.sheet(QStringLiteral("Deux")).tabSelected);
    EXPECT_FALSE(read.sheet(QStringLiteral("Un")).tabSelected);

    Workbook plain;
    plain.addSheet();
    EXPECT_EQ(saveAndRead(plain).tabRatio, -1); // the spreadsheet's default is left alone
}

TEST_F(WorkbookWriter, ValuesKeepTheirTypes)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Valeurs"));
    s.setText(QStringLiteral("A1"), QStringLiteral("Lemaître & fils <\"Zoé\">"));
    s.setText(QStringLiteral("B1"), QStringLiteral("01000")); // stays text, leading zero kept
    s.setNumber(QStringLiteral("C1"), 1250.5);
    s.setDate(QStringLiteral("D1"), QDate(2009, 9, 14));
    s.setDate(QStringLiteral("E1"), QDate(1899, 5, 2)); // before the spreadsheet's dates
    s.setText(QStringLiteral("F1"), QString(40000, QLatin1Char('x')));
    s.range(QStringLiteral("A3:B4")).setText(QStringLiteral("même texte"));
    s.setText(QStringLiteral("A5"), QStringLiteral("effacé"));
    s.range(QStringLiteral("A5")).clearValues();
    s.setNumber(QStringLiteral("B5"), std::nan(""));

    EXPECT_EQ(s.value(QStringLiteral("D1")).kind, CellValue::Kind::Date);
    EXPECT_EQ(s.value(QStringLiteral("D1")).date, QDate(2009, 9, 14));

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Valeurs"));
    EXPECT_TRUE(sheet.cell(QStringLiteral("A1")).isText());
    EXPECT_EQ(sheet.text(QStringLiteral("A1")), QStringLiteral("Lemaître & fils <\"Zoé\">"));
    EXPECT_EQ(sheet.text(QStringLiteral("B1")), QStringLiteral("01000"));
    EXPECT_TRUE(sheet.cell(QStringLiteral("C1")).isNumber());
    EXPECT_DOUBLE_EQ(sheet.cell(QStringLiteral("C1")).number, 1250.5);
    ASSERT_TRUE(sheet.cell(QStringLiteral("D1")).isNumber());
    EXPECT_EQ(XlsxBook::date(sheet.cell(QStringLiteral("D1"))), QDate(2009, 9, 14));
    EXPECT_EQ(read.style(sheet, QStringLiteral("D1")).numberFormat, DateFormat);
    EXPECT_EQ(sheet.text(QStringLiteral("E1")), QStringLiteral("02/05/1899"));
    EXPECT_EQ(sheet.text(QStringLiteral("F1")).size(), 32767); // the longest text a cell holds
    for (const char *ref : {"A3", "B3", "A4", "B4"})
        EXPECT_EQ(sheet.text(QString::fromLatin1(ref)), QStringLiteral("même texte")) << ref;
    EXPECT_FALSE(sheet.has(QStringLiteral("A5")));
    EXPECT_FALSE(sheet.has(QStringLiteral("B5")));
}

TEST_F(WorkbookWriter, FormatsAppliedAfterTheValuesKeepTheValuesAndEachOther)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Format"));
    s.setText(QStringLiteral("A1"), QStringLiteral("Nom"));
    s.setText(QStringLiteral("B1"), QStringLiteral("Prénom"));
    s.setText(QStringLiteral("A2"), QStringLiteral("Martin"));
    s.setNumber(QStringLiteral("B2"), 12);
    s.range(QStringLiteral("A1:B2")).setFontSize(8);
    s.range(QStringLiteral("A1:B1"))
        .setBold()
        .setWrapText()
        .setHorizontalAlignment(HAlign::Centre)
        .setVerticalAlignment(VAlign::Centre);
    s.range(QStringLiteral("B2"))
        .setNumberFormat(MoneyFormat)
        .setHorizontalAlignment(HAlign::Right)
        .setItalic();
    s.range(QStringLiteral("A2"))
        .setFontStyle(QStringLiteral("Gras Italique"))
        .setFontName(QStringLiteral("Arial"));
    s.range(QStringLiteral("A2")).setFontColour(3);

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Format"));
    EXPECT_EQ(sheet.text(QStringLiteral("A1")), QStringLiteral("Nom"));
    const auto &a1 = read.style(sheet, QStringLiteral("A1"));
    EXPECT_TRUE(a1.bold);
    EXPECT_TRUE(a1.wrap);
    EXPECT_EQ(a1.hAlign, QStringLiteral("center"));
    EXPECT_EQ(a1.vAlign, QStringLiteral("center"));
    EXPECT_DOUBLE_EQ(a1.fontSize, 8);
    const auto &b2 = read.style(sheet, QStringLiteral("B2"));
    EXPECT_DOUBLE_EQ(sheet.cell(QStringLiteral("B2")).number, 12);
    EXPECT_EQ(b2.numberFormat, MoneyFormat);
    EXPECT_EQ(b2.hAlign, QStringLiteral("right"));
    EXPECT_TRUE(b2.italic);
    EXPECT_FALSE(b2.bold);
    EXPECT_DOUBLE_EQ(b2.fontSize, 8);
    const auto &a2 = read.style(sheet, QStringLiteral("A2"));
    EXPECT_TRUE(a2.bold);
    EXPECT_TRUE(a2.italic);
    EXPECT_EQ(a2.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(a2.fontColour, QStringLiteral("FFFF0000"));
}

TEST_F(WorkbookWriter, GridDrawsOuterEdgesAndInsideLinesWithoutDiagonals)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Cadre"));
    s.range(QStringLiteral("A1")).setBorder(Edge::DiagonalUp, LineStyle::Thin);
    s.range(QStringLiteral("A1:C3")).setGrid();
    s.range(QStringLiteral("E1:F2"))
        .setBorder(Edge::Bottom, LineStyle::Double, 10)
        .setBorder(Edge::DiagonalDown, LineStyle::Dashed);

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Cadre"));
    for (const char *ref : {"A1", "B1", "C1", "A2", "B2", "C2", "A3", "B3", "C3"}) {
        const auto &st = read.style(sheet, QString::fromLatin1(ref));
        EXPECT_EQ(st.left.style, QStringLiteral("thin")) << ref;
        EXPECT_EQ(st.right.style, QStringLiteral("thin")) << ref;
        EXPECT_EQ(st.top.style, QStringLiteral("thin")) << ref;
        EXPECT_EQ(st.bottom.style, QStringLiteral("thin")) << ref;
        EXPECT_FALSE(st.diagonalUp || st.diagonalDown) << ref;
    }
    EXPECT_FALSE(sheet.has(QStringLiteral("D1")));
    const auto &e1 = read.style(sheet, QStringLiteral("E1"));
    EXPECT_TRUE(e1.bottom.style.isEmpty()); // only the range's last row gets its bottom edge
    EXPECT_TRUE(e1.diagonalDown);
    EXPECT_EQ(e1.diagonal.style, QStringLiteral("dashed"));
    const auto &f2 = read.style(sheet, QStringLiteral("F2"));
    EXPECT_EQ(f2.bottom.style, QStringLiteral("double"));
    EXPECT_EQ(f2.bottom.colour, QStringLiteral("FF008000")); // colour index 10
}

TEST_F(WorkbookWriter, FillsUseThePaletteAndPatterns)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Fonds"));
    s.range(QStringLiteral("A1:B1")).setInteriorColour(15).setPattern(Pattern::Solid);
    s.range(QStringLiteral("A2")).setInteriorColour(6); // a colour alone fills solid
    s.range(QStringLiteral("A3")).setInteriorColour(6).setPattern(Pattern::LightGrey).setPatternColour(5);
    s.range(QStringLiteral("A4")).setInteriorColour(6).setPattern(Pattern::None);

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Fonds"));
    for (const char *ref : {"A1", "B1"}) {
        const auto &st = read.style(sheet, QString::fromLatin1(ref));
        EXPECT_EQ(st.pattern, QStringLiteral("solid")) << ref;
        EXPECT_EQ(st.fgColour, QStringLiteral("FFC0C0C0")) << ref;
    }
    EXPECT_EQ(read.style(sheet, QStringLiteral("A2")).pattern, QStringLiteral("solid"));
    EXPECT_EQ(read.style(sheet, QStringLiteral("A2")).fgColour, QStringLiteral("FFFFFF00"));
    const auto &a3 = read.style(sheet, QStringLiteral("A3"));
    EXPECT_EQ(a3.pattern, QStringLiteral("lightGray"));
    EXPECT_EQ(a3.bgColour, QStringLiteral("FFFFFF00"));
    EXPECT_EQ(a3.fgColour, QStringLiteral("FF0000FF"));
    EXPECT_TRUE(read.style(sheet, QStringLiteral("A4")).pattern.isEmpty());
}

TEST_F(WorkbookWriter, MergedRangesKeepTheirTopLeftValue)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Fusion"));
    s.setText(QStringLiteral("C5"), QStringLiteral("Cotisation non réglée"));
    s.setText(QStringLiteral("D5"), QStringLiteral("perdu"));
    s.range(QStringLiteral("C5:D5")).merge().setBold().setHorizontalAlignment(HAlign::Centre);
    s.range(QStringLiteral("A1:B2")).merge();
    s.range(QStringLiteral("B2:C3")).merge(); // overlaps A1:B2, which is undone
    s.range(QStringLiteral("F1")).merge();    // a single cell is no merge
    EXPECT_EQ(s.mergedAreas().size(), 2u);

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Fusion"));
    EXPECT_EQ(sheet.merges, (QStringList{QStringLiteral("C5:D5"), QStringLiteral("B2:C3")}));
    EXPECT_EQ(sheet.text(QStringLiteral("C5")), QStringLiteral("Cotisation non réglée"));
    EXPECT_FALSE(sheet.cell(QStringLiteral("D5")).hasValue);
    EXPECT_TRUE(read.style(sheet, QStringLiteral("D5")).bold);
}

TEST_F(WorkbookWriter, ColumnWidthsAndRowHeights)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Tailles"));
    s.setText(QStringLiteral("A1"), QStringLiteral("x"));
    s.range(QStringLiteral("B1")).setColumnWidth(8.7);
    s.range(QStringLiteral("AE1:AG1")).setColumnWidth(22);
    s.range(QStringLiteral("A2:A4")).setRowHeight(15);
    s.range(QStringLiteral("A10")).setRowHeight(30); // a row without cells

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Tailles"));
    EXPECT_FALSE(sheet.columnWidths.contains(0));
    // The file stores each width with the cell padding the spreadsheet adds.
    EXPECT_NEAR(sheet.columnWidths.value(1), 9.43, 0.01);
    for (int c : {30, 31, 32})
        EXPECT_NEAR(sheet.columnWidths.value(c), 22.71, 0.01) << c;
    EXPECT_FALSE(sheet.columnWidths.contains(33));
    EXPECT_EQ(sheet.rowHeights.keys(), (QList<int>{1, 2, 3, 9}));
    EXPECT_NEAR(sheet.rowHeights.value(1), 15, 0.01); // kept although it is the default height
    EXPECT_DOUBLE_EQ(sheet.rowHeights.value(9), 30);
}

TEST_F(WorkbookWriter, PageSetUpReachesTheFile)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Page"));
    s.setText(QStringLiteral("A1"), QStringLiteral("x"));
    PageSetup &p = s.pageSetup();
    p.header.left = headerFooterText(QStringLiteral("Sport & Loisirs"));
    p.header.centre = QStringLiteral("Catégorie Seniors");
    p.header.right = QStringLiteral("Saison: 2009-2010");
    p.footer.left = QStringLiteral("&G&ICorvane 3.07"); // no picture: the code goes
    p.footer.centre = QStringLiteral("Page &[Page] / &N");
    p.footer.right = QStringLiteral("Edition du 14/09/2009");
    p.leftMargin = p.rightMargin = 0.3;
    p.topMargin = p.bottomMargin = 0.8;
    p.centreHorizontally = true;
    p.orientation = Orientation::Landscape;
    p.zoom = 70;
    s.selectCell(QStringLiteral("C4"));

    Sheet &fit = book.addSheet(QStringLiteral("Ajusté"));
    fit.pageSetup().fitToPages = true;
    fit.pageSetup().centreVertically = true;

    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Page"));
    EXPECT_EQ(headerSections(sheet.header),
              (QStringList{QStringLiteral("Sport && Loisirs"), QStringLiteral("Catégorie Seniors"),
                           QStringLiteral("Saison: 2009-2010")}));
    EXPECT_EQ(headerSections(sheet.footer),
              (QStringList{QStringLiteral("&ICorvane 3.07"), QStringLiteral("Page &P / &N"),
                           QStringLiteral("Edition du 14/09/2009")}));
    EXPECT_FALSE(sheet.headerFooterPicture);
    EXPECT_DOUBLE_EQ(sheet.leftMargin, 0.3);
    EXPECT_DOUBLE_EQ(sheet.rightMargin, 0.3);
    EXPECT_DOUBLE_EQ(sheet.topMargin, 0.8);
    EXPECT_DOUBLE_EQ(sheet.bottomMargin, 0.8);
    EXPECT_TRUE(sheet.horizontalCentered);
    EXPECT_FALSE(sheet.verticalCentered);
    EXPECT_EQ(sheet.orientation, QStringLiteral("landscape"));
    EXPECT_EQ(sheet.scale, 70);
    EXPECT_FALSE(sheet.fitToPage);
    EXPECT_EQ(sheet.activeCell, QStringLiteral("C4"));

    const auto &fitted = read.sheet(QStringLiteral("Ajusté"));
    EXPECT_TRUE(fitted.fitToPage);
    EXPECT_EQ(fitted.fitToWidth, 1);
    EXPECT_EQ(fitted.fitToHeight, 1);
    EXPECT_TRUE(fitted.verticalCentered);
    EXPECT_EQ(fitted.orientation, QStringLiteral("portrait"));
    EXPECT_TRUE(fitted.header.isEmpty());
}

TEST_F(WorkbookWriter, OverlongHeadersAreCutNotRefused)
{
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Long"));
    s.pageSetup().header.left = QString(200, QChar(u'é'));
    s.pageSetup().header.right = QStringLiteral("Saison: 2009-2010");
    const XlsxBook read = saveAndRead(book);
    const QString header = read.sheet(QStringLiteral("Long")).header;
    EXPECT_TRUE(header.startsWith(QStringLiteral("&Léééé")));
    EXPECT_LE(header.toUtf8().size(), 255);
}

TEST_F(WorkbookWriter, FooterPictureGoesWithItsCode)
{
    const QString logo = dir.filePath(QStringLiteral("logo.png"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(logo));
    Workbook book;
    Sheet &s = book.addSheet(QStringLiteral("Logo"));
    s.pageSetup().footer.left = QStringLiteral("&G&ICorvane 3.07");
    s.pageSetup().footer.leftPicture = logo;
    s.pageSetup().footer.right = QStringLiteral("&[Picture]"); // no picture on the right
    const XlsxBook read = saveAndRead(book);
    const auto &sheet = read.sheet(QStringLiteral("Logo"));
    EXPECT_EQ(headerSections(sheet.footer).at(0), QStringLiteral("&G&ICorvane 3.07"));
    EXPECT_TRUE(sheet.headerFooterPicture);
    EXPECT_TRUE(read.parts.contains(QStringLiteral("xl/media/image1.png")));
}

TEST_F(WorkbookWriter, IdenticalFormatsAreSharedAcrossCellsAndSheets)
{
    Workbook book;
    int afterFirstSheet = 0;
    for (int k = 0; k < 3; ++k) {
        Sheet &s = book.addSheet();
        for (int r = 0; r < 1000; ++r) {
            for (int c = 0; c < 50; ++c)
                s.setNumber(r, c, r * c);
        }
        s.range(QStringLiteral("A1:AX1000")).setFontSize(8).setGrid();
        s.range(QStringLiteral("A1:AX1")).setBold();
        if (k == 0)
            afterFirstSheet = book.formatCount();
    }
    EXPECT_LT(afterFirstSheet, 40);
    EXPECT_EQ(book.formatCount(), afterFirstSheet);
}

TEST_F(WorkbookWriter, SaveReplacesThePreviousFileAndLeavesNoTemporaryFile)
{
    Workbook first;
    first.addSheet(QStringLiteral("Ancien"));
    ASSERT_TRUE(first.save(path()).ok());
    Workbook second;
    second.addSheet(QStringLiteral("Nouveau"));
    second.setTabRatio(0.87);
    ASSERT_TRUE(second.save(path()).ok());
    EXPECT_EQ(readXlsx(path()).sheetNames(), QStringList{QStringLiteral("Nouveau")});
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Classeur.xlsx")});
}

TEST_F(WorkbookWriter, FailedSavesNameTheFileAndKeepThePreviousOne)
{
    Workbook previous;
    previous.addSheet(QStringLiteral("Précédent"));
    ASSERT_TRUE(previous.save(path()).ok());
    const QByteArray before = [&] {
        QFile f(path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }();

    // A header picture that is not an image fails while the file is being written.
    const QString notAPicture = dir.filePath(QStringLiteral("logo.png"));
    {
        QFile f(notAPicture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ceci n'est pas une image");
    }
    Workbook broken;
    broken.addSheet(QStringLiteral("Cassé")).pageSetup().header.left = QStringLiteral("&G");
    broken.sheet(0).pageSetup().header.leftPicture = notAPicture;
    const SaveResult r = broken.save(path());
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Le fichier ") + QDir::toNativeSeparators(path()) +
                                   QStringLiteral(" n'a pas pu être enregistré")))
        << r.error.toStdString();
    QFile after(path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(folderEntries(), (QStringList{QStringLiteral("Classeur.xlsx"), QStringLiteral("logo.png")}));

    // A missing picture is refused before anything is written.
    broken.sheet(0).pageSetup().header.leftPicture = dir.filePath(QStringLiteral("absent.png"));
    EXPECT_TRUE(broken.save(path()).error.contains(QStringLiteral("absent.png")));
    EXPECT_EQ(readXlsx(path()).sheetNames(), QStringList{QStringLiteral("Précédent")});
}

TEST_F(WorkbookWriter, SaveRefusesAMissingFolderOrAFolderInTheWay)
{
    // Tests run as root, for whom permissions do not stop a write: an
    // impossible folder is one whose parent is a regular file.
    const QString blocker = dir.filePath(QStringLiteral("fichier"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    Workbook book;
    book.addSheet();
    const QString inside = blocker + QStringLiteral("/Classeur.xlsx");
    const SaveResult missing = book.save(inside);
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error,
              QStringLiteral("Le fichier %1 n'a pas pu être enregistré :\rle dossier %2 n'existe pas.")
                  .arg(QDir::toNativeSeparators(inside), QDir::toNativeSeparators(blocker)));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Dossier.xlsx")));
    const SaveResult folder = book.save(path(QStringLiteral("Dossier.xlsx")));
    EXPECT_TRUE(folder.error.endsWith(QStringLiteral("un dossier porte déjà ce nom.")));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("fichier")});
}

} // namespace
