#include "core/workbook/WorkbookExport.h"

#include "data/AppFolders.h"
#include "data/Parametres.h"
#include "tests/support/XlsxReader.h"
#include "tests/support/Printers.h"
#include "tests/support/TempDataFolder.h"
#include "ui/Messages.h"
#include "ui/TRenseignement.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace corvane;
using namespace corvane::core::workbook;
using corvane::test::headerSections;
using corvane::test::readXlsx;
using corvane::test::XlsxBook;

namespace {

const QStringList Titles{QStringLiteral("Nom"), QStringLiteral("Payé"), QStringLiteral("Naissance"),
                         QStringLiteral("Cotisation"), QStringLiteral("Code postal")};

class WorkbookProcedure : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedRoot = data::appFolders().root();
        savedParametres = data::parametres();
        data::appFolders().setRoot(root.path());
        data::parametres().proprietaire = QStringLiteral("Badminton Club & Co");
        data::parametres().saison = QStringLiteral("2009-2010");
    }
    void TearDown() override
    {
        data::appFolders().setRoot(savedRoot);
        data::parametres() = savedParametres;
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    QString exported(const QString &name = QStringLiteral("Joueurs.xlsx")) const
    {
        return QDir(data::appFolders().fichiersExcel()).filePath(name);
    }

    static void addSheets(WorkbookExport &ex)
    {
        for (const QString &name : {QStringLiteral("Seniors"), QStringLiteral("Bureau")})
            ex.addSheet(name, [](Sheet &s) { writeTitles(s, Titles); });
    }

    static WorkbookExport::Formatting formatting()
    {
        WorkbookExport::Formatting f;
        f.lastColumn = QStringLiteral("E");
        f.layout = [](Sheet &s, int n) { s.range(QStringLiteral("A1:E%1").arg(n)).setFontSize(8); };
        f.centreHeader = [](const Sheet &s) { return QStringLiteral("Catégorie ") + s.name(); };
        return f;
    }

    QTemporaryDir root;
    QString savedRoot;
    data::Parametres savedParametres;
    ui::ScriptedMessages messages;
};

TEST_F(WorkbookProcedure, WritesTheRecordsAndTheCommonLayoutOfSheetsWithLines)
{
    WorkbookExport ex(QStringLiteral("Joueurs.xlsx"));
    addSheets(ex);
    ex.line(0)
        .text(QStringLiteral("MARTIN"))
        .flag(true)
        .date(QDate(1980, 5, 1))
        .money(data::Money::fromUnits(12505000))
        .text(QStringLiteral("01000"));
    ex.line(0).text(QStringLiteral("DURAND")).flag(false).date(QDate()).money(data::Money::fromUnits(-25000));
    EXPECT_EQ(ex.lastRow(0), 3);
    EXPECT_EQ(ex.lastRow(1), 1);

    QStringList laidOut;
    WorkbookExport::Formatting f = formatting();
    auto own = f.layout;
    f.layout = [&](Sheet &s, int n) {
        laidOut << s.name() + QString::number(n);
        own(s, n);
    };
    ASSERT_TRUE(ex.finish(f));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(laidOut, QStringList{QStringLiteral("Seniors3")});
    EXPECT_EQ(ex.doneText(), QStringLiteral("Ecriture du fichier Joueurs.xlsx terminé."));
    EXPECT_EQ(ex.filePath(), exported());

    const XlsxBook book = readXlsx(exported());
    EXPECT_EQ(book.sheetNames(), (QStringList{QStringLiteral("Seniors"), QStringLiteral("Bureau")}));
    EXPECT_EQ(book.activeTab, 0);
    EXPECT_EQ(book.tabRatio, 870);

    const auto &seniors = book.sheet(QStringLiteral("Seniors"));
    for (int c = 0; c < Titles.size(); ++c)
        EXPECT_EQ(seniors.text(columnName(c) + QStringLiteral("1")), Titles[c]);
    EXPECT_EQ(seniors.text(QStringLiteral("A2")), QStringLiteral("MARTIN"));
    EXPECT_EQ(seniors.text(QStringLiteral("B2")), QStringLiteral("Oui"));
    EXPECT_EQ(seniors.text(QStringLiteral("B3")), QStringLiteral("Non"));
    EXPECT_EQ(XlsxBook::date(seniors.cell(QStringLiteral("C2"))), QDate(1980, 5, 1));
    EXPECT_EQ(book.style(seniors, QStringLiteral("C2")).numberFormat, DateFormat);
    EXPECT_FALSE(seniors.cell(QStringLiteral("C3")).hasValue);
    EXPECT_DOUBLE_EQ(seniors.cell(QStringLiteral("D2")).number, 1250.5);
    EXPECT_DOUBLE_EQ(seniors.cell(QStringLiteral("D3")).number, -2.5);
    EXPECT_EQ(book.style(seniors, QStringLiteral("D2")).numberFormat, MoneyFormat);
    EXPECT_EQ(seniors.text(QStringLiteral("E2")), QStringLiteral("01000"));

    // The frame over A1:E3, the header row, the data rows.
    for (int r = 1; r <= 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QString ref = columnName(c) + QString::number(r);
            const auto &st = book.style(seniors, ref);
            EXPECT_TRUE(st.left.style == QLatin1String("thin") && st.right.style == QLatin1String("thin") &&
                        st.top.style == QLatin1String("thin") && st.bottom.style == QLatin1String("thin"))
                << ref.toStdString();
            EXPECT_DOUBLE_EQ(st.fontSize, 8) << ref.toStdString();
            EXPECT_EQ(st.bold, r == 1) << ref.toStdString();
            EXPECT_EQ(st.wrap, r == 1) << ref.toStdString();
            EXPECT_EQ(st.vAlign, QStringLiteral("center")) << ref.toStdString();
            EXPECT_EQ(st.hAlign, r == 1 ? QStringLiteral("center") : QString()) << ref.toStdString();
        }
    }
    EXPECT_FALSE(seniors.has(QStringLiteral("F1")));
    EXPECT_EQ(seniors.rowHeights.keys(), (QList<int>{1, 2}));
    EXPECT_NEAR(seniors.rowHeights.value(2), 15, 0.01);

    // The page set-up.
    EXPECT_EQ(headerSections(seniors.header),
              (QStringList{QStringLiteral("Badminton Club && Co"), QStringLiteral("Catégorie Seniors"),
                           QStringLiteral("Saison: 2009-2010")}));
    EXPECT_EQ(headerSections(seniors.footer),
              (QStringList{QStringLiteral("&ICorvane 3.07"), QStringLiteral("Page &P"),
                           QStringLiteral("Edition du ") +
                               QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))}));
    EXPECT_DOUBLE_EQ(seniors.leftMargin, 0.3);
    EXPECT_DOUBLE_EQ(seniors.rightMargin, 0.3);
    EXPECT_DOUBLE_EQ(seniors.topMargin, 0.8);
    EXPECT_DOUBLE_EQ(seniors.bottomMargin, 0.8);
    EXPECT_TRUE(seniors.horizontalCentered);
    EXPECT_FALSE(seniors.verticalCentered);
    EXPECT_EQ(seniors.orientation, QStringLiteral("landscape"));
    EXPECT_EQ(seniors.scale, 70);
    EXPECT_EQ(seniors.activeCell, QStringLiteral("A1"));

    // A sheet without lines keeps its bare title row.
    const auto &bureau = book.sheet(QStringLiteral("Bureau"));
    EXPECT_EQ(bureau.cells.size(), Titles.size());
    EXPECT_FALSE(book.style(bureau, QStringLiteral("A1")).bold);
    EXPECT_TRUE(book.style(bureau, QStringLiteral("A1")).left.style.isEmpty());
    EXPECT_TRUE(bureau.header.isEmpty());
    EXPECT_TRUE(bureau.footer.isEmpty());
}

TEST_F(WorkbookProcedure, FieldsAreWrittenAsTheirTypesAsk)
{
    test::TempSession session;
    auto t = session.open(QStringLiteral("Personnes"));
    t->append();
    t->setValue("Nom", QStringLiteral("MARTIN"));
    t->setValue("Prenom", QStringLiteral("Zoé"));
    t->setValue("Age", 34);
    t->setValue("Actif", true);
    t->setValue("Naissance", QDate(1975, 3, 2));
    t->setValue("Solde", 12.5);
    t->setValue("Ville", QStringLiteral("01000 Bourg"));
    t->post();
    test::TempSession::addPerson(*t, QStringLiteral("NOEL"), QStringLiteral("Léa"), 9, false);
    t->edit();
    t->clear("Actif");
    t->post();

    WorkbookExport ex(QStringLiteral("Personnes.xlsx"));
    ex.addSheet(QStringLiteral("Personnes"));
    for (t->first(); !t->eof(); t->next()) {
        Line line = ex.line(0);
        for (const char *field : {"Nom", "Prenom", "Age", "Actif", "Naissance", "Solde", "Ville"})
            line.field(*t, QString::fromLatin1(field));
        EXPECT_EQ(line.column(), 7);
    }
    ex.sheet(0).setText(QStringLiteral("A1"), QStringLiteral("Nom"));
    ex.sheet(0).setText(QStringLiteral("F1"), QStringLiteral("Solde")); // the last title
    ASSERT_TRUE(ex.finish({}));

    const XlsxBook book = readXlsx(exported(QStringLiteral("Personnes.xlsx")));
    const auto &s = book.sheet(QStringLiteral("Personnes"));
    EXPECT_EQ(s.text(QStringLiteral("A2")), QStringLiteral("MARTIN"));
    EXPECT_EQ(s.text(QStringLiteral("B2")), QStringLiteral("Zoé"));
    EXPECT_TRUE(s.cell(QStringLiteral("C2")).isNumber());
    EXPECT_DOUBLE_EQ(s.cell(QStringLiteral("C2")).number, 34);
    EXPECT_EQ(s.text(QStringLiteral("D2")), QStringLiteral("Oui"));
    EXPECT_EQ(XlsxBook::date(s.cell(QStringLiteral("E2"))), QDate(1975, 3, 2));
    EXPECT_DOUBLE_EQ(s.cell(QStringLiteral("F2")).number, 12.5);
    EXPECT_EQ(book.style(s, QStringLiteral("F2")).numberFormat, MoneyFormat);
    EXPECT_EQ(s.text(QStringLiteral("G2")), QStringLiteral("01000 Bourg"));
    // Empty fields: an empty flag reads "Non", other empty fields stay empty.
    EXPECT_EQ(s.text(QStringLiteral("A3")), QStringLiteral("NOEL"));
    EXPECT_EQ(s.text(QStringLiteral("D3")), QStringLiteral("Non"));
    EXPECT_FALSE(s.cell(QStringLiteral("E3")).hasValue);
    EXPECT_FALSE(s.cell(QStringLiteral("F3")).hasValue);
    EXPECT_EQ(s.text(QStringLiteral("G3")), QStringLiteral("Rennes"));
    // Without a last column, the frame ends at the last title.
    EXPECT_EQ(book.style(s, QStringLiteral("F3")).right.style, QStringLiteral("thin"));
    EXPECT_TRUE(book.style(s, QStringLiteral("G3")).right.style.isEmpty());
}

TEST_F(WorkbookProcedure, InformationBoxAndHourglassLastAsLongAsTheWork)
{
    EXPECT_FALSE(QDir(data::appFolders().fichiersExcel()).exists());
    QString lineWhileFormatting;
    {
        WorkbookExport ex(QStringLiteral("Joueurs.xlsx"));
        EXPECT_TRUE(QDir(data::appFolders().fichiersExcel()).exists()); // created when missing
        ui::TRenseignement &info = ex.information();
        EXPECT_TRUE(info.isVisible());
        EXPECT_EQ(info.windowTitle(), QStringLiteral("Génération du fichier Joueurs.xlsx"));
        EXPECT_EQ(info.firstLine(),
                  QStringLiteral("Le fichier est en cours de génération\nVeuillez patienter..."));
        EXPECT_EQ(info.secondLine(), QStringLiteral("Il sera placé dans le répertoire\n") +
                                         QDir::toNativeSeparators(data::appFolders().fichiersExcel()));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

        addSheets(ex);
        ex.line(0).text(QStringLiteral("MARTIN"));
        WorkbookExport::Formatting f = formatting();
        f.text = QStringLiteral("Mise en forme des onglets en cours ...");
        f.layout = [&](Sheet &, int) { lineWhileFormatting = info.firstLine(); };
        ASSERT_TRUE(ex.finish(f));
        EXPECT_FALSE(info.isVisible());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(lineWhileFormatting, QStringLiteral("Mise en forme des onglets en cours ..."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WorkbookProcedure, ReplacesAnExistingFile)
{
    ASSERT_TRUE(QDir().mkpath(data::appFolders().fichiersExcel()));
    {
        QFile old(exported());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("ancien classeur");
    }
    WorkbookExport ex(QStringLiteral("Joueurs.xlsx"));
    addSheets(ex);
    ex.line(1).text(QStringLiteral("BUREAU"));
    ASSERT_TRUE(ex.finish(formatting()));
    EXPECT_TRUE(messages.shown().empty());
    const XlsxBook book = readXlsx(exported());
    EXPECT_EQ(book.sheet(QStringLiteral("Bureau")).text(QStringLiteral("A2")), QStringLiteral("BUREAU"));
    EXPECT_EQ(QDir(data::appFolders().fichiersExcel()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Joueurs.xlsx")});
}

TEST_F(WorkbookProcedure, AFolderThatCannotBeCreatedGivesAnErrorNamingTheFile)
{
    // The data folder is a regular file: its export folder cannot exist.
    const QString blocker = root.filePath(QStringLiteral("donnees"));
    {
        QFile f(blocker);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    data::appFolders().setRoot(blocker);
    WorkbookExport ex(QStringLiteral("Joueurs.xlsx"));
    addSheets(ex);
    ex.line(0).text(QStringLiteral("MARTIN"));
    EXPECT_FALSE(ex.finish(formatting()));

    ASSERT_EQ(messages.shown().size(), 1u);
    const ui::Message &m = messages.shown().front();
    EXPECT_EQ(m.kind, ui::MessageKind::Error);
    EXPECT_EQ(m.text, QStringLiteral(
                          "Le fichier %1 n'a pas pu être enregistré :\nle dossier %2 ne peut pas être créé.")
                          .arg(QDir::toNativeSeparators(exported()),
                               QDir::toNativeSeparators(data::appFolders().fichiersExcel())));
    EXPECT_FALSE(ex.information().isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WorkbookProcedure, WorkThatFailsMidwayKeepsThePreviousFile)
{
    ASSERT_TRUE(QDir().mkpath(data::appFolders().fichiersExcel()));
    {
        QFile old(exported());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("ancien classeur");
    }
    {
        WorkbookExport ex(QStringLiteral("Joueurs.xlsx"));
        addSheets(ex);
        ex.line(0).text(QStringLiteral("MARTIN"));
        WorkbookExport::Formatting f = formatting();
        f.layout = [](Sheet &, int) { throw std::runtime_error("table fermée"); };
        EXPECT_THROW(ex.finish(f), std::runtime_error);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QFile old(exported());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("ancien classeur"));
}

TEST(TRenseignement, IsABoxWithoutButtonsBoldAndRedLinesAndAnHourglass)
{
    ui::TRenseignement box;
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button));
    EXPECT_FALSE(box.isModal());
    EXPECT_EQ(box.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(box.firstLine(), QStringLiteral("Génération du fichier Excel en cours"));
    EXPECT_TRUE(box.firstLabel()->font().bold());
    EXPECT_EQ(box.secondLabel()->palette().color(QPalette::WindowText), QColor(Qt::red));

    box.setSecondLine(QStringLiteral("Il sera placé dans le répertoire\r/tmp"));
    EXPECT_EQ(box.secondLine(), QStringLiteral("Il sera placé dans le répertoire\n/tmp"));
    box.showNow();
    ASSERT_TRUE(box.isVisible());
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 2);

    QTest::keyClick(&box, Qt::Key_Escape); // the work closes it, not the user
    EXPECT_TRUE(box.isVisible());
}

} // namespace
