#include "core/report/PagePainter.h"
#include "core/report/PrintSink.h"
#include "core/report/PrintStep.h"
#include "core/report/TFichePreview.h"
#include "data/AppFolders.h"
#include "tests/core/report/ReportFixture.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace corvane;
using namespace corvane::core::report;
using corvane::test::ReportFixture;
using Action = TFichePreview::Action;

namespace {

// Pages of a PDF file: its page objects, not the page tree ("/Type /Pages").
int pdfPageCount(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

} // namespace

class PrintStep : public ReportFixture {
protected:
    void TearDown() override
    {
        TFichePreview::instance().close();
        ReportFixture::TearDown();
    }
    RecordedPrints printer;
};

TEST_F(PrintStep, withoutThePreviewEachCopyIsAPrintJobOfItsOwn)
{
    fill(120);
    params.previsualisation = false;
    params.nombre = 3;
    auto report = listReport();
    printReport(*report, params);

    ASSERT_EQ(printer.jobs(), 3);
    const int pages = printer.documents()[0].pageCount();
    EXPECT_GT(pages, 1);
    for (const Document &job : printer.documents()) {
        EXPECT_EQ(job.pageCount(), pages);
        EXPECT_EQ(job.title, QStringLiteral("Liste des personnes"));
        EXPECT_EQ(job.pages[0].text(SaisonLabel),
                  QStringLiteral("Volant Club de Rennes  -  Saison: 2009-2010"));
    }
    EXPECT_FALSE(TFichePreview::instance().isVisible());
}

TEST_F(PrintStep, withThePreviewNothingIsPrintedUntilImprimerThenAsManyAsTheCopiesBox)
{
    fill(30);
    params.previsualisation = true;
    params.nombre = 3;
    auto report = listReport();
    printReport(*report, params);
    report.reset(); // the caller destroys its report; the preview keeps its pages

    TFichePreview &preview = TFichePreview::instance();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(printer.jobs(), 0);
    EXPECT_EQ(preview.copiesBox()->value(), 3);

    preview.copiesBox()->setValue(2);
    preview.action(Action::Print)->trigger();
    EXPECT_EQ(printer.jobs(), 2);
    EXPECT_TRUE(preview.action(Action::Print)->isEnabled());
    EXPECT_EQ(printer.documents()[0].pages[0].text(TitreLabel), QStringLiteral("Liste des personnes"));
}

TEST_F(PrintStep, theCopiesBoxStartsAtTheSettingsEachTimeThePreviewIsShown)
{
    fill(5);
    params.previsualisation = true;
    params.nombre = 2;
    auto report = listReport();
    printReport(*report, params);
    TFichePreview &preview = TFichePreview::instance();
    preview.copiesBox()->setValue(7);
    preview.action(Action::Close)->trigger();
    EXPECT_FALSE(preview.isVisible());

    printReport(*report, params);
    EXPECT_EQ(preview.copiesBox()->value(), 2);
}

class Preview : public ReportFixture {
protected:
    void TearDown() override
    {
        window.close();
        ReportFixture::TearDown();
    }
    TFichePreview window;
};

TEST_F(Preview, theCaptionGivesTheTitleThePageCountAndTheState)
{
    fill(3);
    auto report = listReport(QStringLiteral("Liste des équipes du club"));
    ASSERT_TRUE(window.preview(*report, 1));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Liste des équipes du club - 1 page terminé"));

    fill(200);
    auto longer = listReport(QStringLiteral("Liste des joueurs"));
    ASSERT_TRUE(window.preview(*longer, 1));
    const int n = window.document().pageCount();
    EXPECT_GT(n, 1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Liste des joueurs - %1 pages terminé").arg(n));
}

TEST_F(Preview, theFirstShowingStartsOnPageOneAtPageWidth)
{
    fill(200);
    auto report = listReport();
    window.resize(1200, 900);
    ASSERT_TRUE(window.preview(*report, 1));
    const int n = window.document().pageCount();

    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(window.pageBox()->minimum(), 1);
    EXPECT_EQ(window.pageBox()->maximum(), n);
    EXPECT_EQ(window.pageBox()->value(), 1);
    EXPECT_EQ(window.zoomMode(), TFichePreview::ZoomMode::Width);
    EXPECT_TRUE(window.action(Action::ZoomWidth)->isChecked());
    EXPECT_EQ(window.zoomBox()->value(), qRound(window.zoom() * 100));

    window.action(Action::Zoom100)->trigger();
    EXPECT_DOUBLE_EQ(window.zoom(), 1.0);
    EXPECT_EQ(window.zoomBox()->value(), 100);
    EXPECT_FALSE(window.action(Action::ZoomWidth)->isChecked());
    window.zoomBox()->setValue(150);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.5);
    EXPECT_FALSE(window.action(Action::Zoom100)->isChecked());
    window.action(Action::ZoomFit)->trigger();
    EXPECT_LT(window.zoom(), 1.5);
}

TEST_F(Preview, thePageButtonsAndThePageBoxMoveWithinTheDocument)
{
    fill(200);
    auto report = listReport();
    ASSERT_TRUE(window.preview(*report, 1));
    const int n = window.document().pageCount();
    ASSERT_GE(n, 3);

    window.action(Action::Previous)->trigger();
    EXPECT_EQ(window.currentPage(), 1);
    window.action(Action::Next)->trigger();
    EXPECT_EQ(window.currentPage(), 2);
    EXPECT_EQ(window.pageBox()->value(), 2);
    window.action(Action::Last)->trigger();
    EXPECT_EQ(window.currentPage(), n);
    EXPECT_FALSE(window.action(Action::Next)->isEnabled());
    window.action(Action::Next)->trigger();
    EXPECT_EQ(window.currentPage(), n);
    window.action(Action::First)->trigger();
    EXPECT_EQ(window.currentPage(), 1);
    window.pageBox()->setValue(3);
    EXPECT_EQ(window.currentPage(), 3);
}

TEST_F(Preview, theToolBarCarriesTheHintsTheOfficerKnows)
{
    const std::vector<std::pair<Action, const char *>> hints = {
        {Action::First, "Aller à la première page"},
        {Action::Previous, "Page précédente"},
        {Action::Next, "Page suivante"},
        {Action::Last, "Aller à la dernière page"},
        {Action::ZoomFit, "Zoom tenant dans l'écran"},
        {Action::Zoom100, "Zoom grandeur réelle"},
        {Action::ZoomWidth, "Zoom tenant sur la largeur de l'écran"},
        {Action::Print, "Imprimer"},
        {Action::SavePdf, "Enregistrer le document au format PDF"},
        {Action::Close, "Quitte la prévisualisation d'impression"},
    };
    for (const auto &[a, hint] : hints)
        EXPECT_EQ(window.action(a)->toolTip(), QString::fromUtf8(hint));
    EXPECT_EQ(window.action(Action::Close)->text(), QStringLiteral("F&ermer"));
    EXPECT_EQ(window.action(Action::SavePdf)->text(), QStringLiteral("Enregistrer en PDF"));
    EXPECT_EQ(window.pageBox()->toolTip(), QString::fromUtf8("Va à la page spécifiée"));
    EXPECT_EQ(window.zoomBox()->toolTip(), QString::fromUtf8("Zoom au taux spécifié"));
    EXPECT_EQ(window.copiesBox()->toolTip(), QString::fromUtf8("Choisi le nombre de copie à imprimer"));
    EXPECT_EQ(window.copiesLabel()->text().trimmed(), QStringLiteral("&Copies"));
    EXPECT_EQ(window.copiesLabel()->buddy(), window.copiesBox());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Prévisualisation avant impression"));
}

TEST_F(Preview, escapeClosesThePreviewAndDetachesTheReport)
{
    fill(3);
    auto report = listReport();
    ASSERT_TRUE(window.preview(*report, 1));
    ASSERT_TRUE(window.isAttached());
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isAttached());
    EXPECT_EQ(window.document().pageCount(), 0);
}

TEST_F(Preview, closingWhileBusyAsksAndStopsOnlyOnYes)
{
    fill(600);
    people->setRecNo(5);
    const QString current = people->asString("Nom");
    ui::ScriptedMessages messages;
    auto report = listReport();
    int records = 0;
    QString captionWhileBusy;
    QString captionAtStart;
    report->detail().computed(
        [&] {
            if (++records == 1)
                captionAtStart = window.windowTitle();
            if (records == 250) {
                captionWhileBusy = window.windowTitle();
                window.action(Action::Close)->trigger();
            }
            return QString();
        },
        QRectF(150, 0, 5, 5));

    messages.answer(ui::Button::No);
    EXPECT_TRUE(window.preview(*report, 1));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Annuler cette impression ?")});
    EXPECT_EQ(captionAtStart,
              QString::fromUtf8("Génération de la visualisation, patientez s'il vous plait..."));
    EXPECT_TRUE(captionWhileBusy.endsWith(QString::fromUtf8(" occupé"))) << captionWhileBusy.toStdString();
    EXPECT_TRUE(window.windowTitle().endsWith(QString::fromUtf8(" terminé")));
    EXPECT_EQ(records, 600);

    records = 0;
    messages.clear();
    messages.answer(ui::Button::Yes);
    EXPECT_FALSE(window.preview(*report, 1));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Annuler cette impression ?")});
    EXPECT_LT(records, 600);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isAttached());
    EXPECT_FALSE(people->controlsDisabled());
    EXPECT_EQ(people->asString("Nom"), current);
}

class SavePdf : public Preview {
protected:
    void SetUp() override
    {
        Preview::SetUp();
        data::appFolders().setRoot(folder.path());
    }
    void TearDown() override
    {
        data::appFolders().setRoot(QString());
        Preview::TearDown();
    }
    QTemporaryDir folder;
    ui::ScriptedDialogs dialogs;
    ui::ScriptedMessages messages;
};

TEST_F(SavePdf, writesAReadablePdfWithEveryPage)
{
    fill(200);
    auto report = listReport(QStringLiteral("Liste des joueurs"));
    ASSERT_TRUE(window.preview(*report, 1));
    const QString path = QDir(folder.path()).filePath(QStringLiteral("liste"));
    dialogs.answer(path);
    window.action(Action::SavePdf)->trigger();

    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].directory,
              QDir(data::appFolders().exports()).filePath("Liste des joueurs.pdf"));
    EXPECT_TRUE(QDir(data::appFolders().exports()).exists());
    QFile file(path + QStringLiteral(".pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPageCount(pdf), window.document().pageCount());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(SavePdf, aFileThatCannotBeWrittenGivesAnErrorNamingItAndNoSuccess)
{
    fill(3);
    auto report = listReport();
    ASSERT_TRUE(window.preview(*report, 1));
    // A folder under a plain file cannot exist, whoever runs the test.
    QFile blocker(QDir(folder.path()).filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = QDir(folder.path()).filePath(QStringLiteral("fichier/liste.pdf"));
    dialogs.answer(path);
    window.action(Action::SavePdf)->trigger();

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(messages.texts()[0].contains(path)) << messages.texts()[0].toStdString();
    EXPECT_TRUE(messages.texts()[0].contains(QStringLiteral("n'a pas pu être écrit")));
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
}

TEST_F(SavePdf, cancellingTheFileChooserWritesNothing)
{
    fill(3);
    auto report = listReport();
    ASSERT_TRUE(window.preview(*report, 1));
    window.action(Action::SavePdf)->trigger(); // no answer: "Annuler"
    EXPECT_TRUE(QDir(data::appFolders().exports()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(PdfOutput, writingLeavesTheFinishedFileAndNothingBesideIt)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("doc.pdf"));
    Report r(QStringLiteral("Doc"));
    r.detail(10).label(QStringLiteral("Bonjour"), QRectF(0, 0, 40, 5));
    const Document doc = r.layout();
    ASSERT_TRUE(writePdf(doc, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfPageCount(f.readAll()), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.pdf")});
}

TEST_F(Preview, staysUsableBesideTheModalWindowItWasOpenedFrom)
{
    QDialog list;
    list.setWindowModality(Qt::ApplicationModal);
    list.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &list);
    fill(200);
    auto report = listReport();
    ASSERT_TRUE(window.preview(*report, 1));

    auto *next = window.findChild<QToolBar *>()->widgetForAction(window.action(Action::Next));
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, next->mapTo(&window, next->rect().center()));
    EXPECT_EQ(window.currentPage(), 2);
    list.close();
}
