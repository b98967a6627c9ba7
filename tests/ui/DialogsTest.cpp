#include "ui/ChoiceComboBox.h"
#include "ui/Help.h"
#include "ui/Modal.h"
#include "ui/TChercherDlg.h"
#include "ui/TDateForm.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TEST(TDateForm, MonthAndYearButtonsMoveTheShownMonth)
{
    ui::TDateForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Choisir une date"));
    form.setDate(QDate(2010, 1, 31));
    EXPECT_EQ(form.titleLabel()->text(), QStringLiteral("Janvier 2010"));
    form.monthForwardButton()->click();
    EXPECT_EQ(form.date(), QDate(2010, 2, 28));
    EXPECT_EQ(form.titleLabel()->text(), QStringLiteral("Février 2010"));
    form.yearBackButton()->click();
    EXPECT_EQ(form.date(), QDate(2009, 2, 28));
    form.monthBackButton()->click();
    EXPECT_EQ(form.date(), QDate(2009, 1, 28));
    form.yearForwardButton()->click();
    EXPECT_EQ(form.date(), QDate(2010, 1, 28));
    EXPECT_EQ(form.calendar()->monthShown(), 1);
    EXPECT_EQ(form.calendar()->yearShown(), 2010);
    EXPECT_EQ(form.titleLabel()->text(), QStringLiteral("Janvier 2010"));
}

TEST(TDateForm, ChoosingAndCancelling)
{
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        auto &f = dynamic_cast<ui::TDateForm &>(d);
        EXPECT_EQ(f.date(), QDate(2012, 6, 15));
        f.monthForwardButton()->click();
        f.chooseButton()->click();
    });
    EXPECT_EQ(ui::TDateForm::choose(QDate(2012, 6, 15)), QDate(2012, 7, 15));

    modals.push([](QDialog &d) {
        auto &f = dynamic_cast<ui::TDateForm &>(d);
        f.calendar()->setSelectedDate(QDate(2012, 7, 3));
        emit f.calendar()->activated(QDate(2012, 7, 3)); // a double click on the day
    });
    EXPECT_EQ(ui::TDateForm::choose(QDate(2012, 6, 15)), QDate(2012, 7, 3));

    modals.push([](QDialog &d) { dynamic_cast<ui::TDateForm &>(d).cancelButton()->click(); });
    EXPECT_EQ(ui::TDateForm::choose(QDate(2012, 6, 15)), std::nullopt);
    modals.push([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(ui::TDateForm::choose(QDate(2012, 6, 15)), std::nullopt);
}

TEST(TChercherDlg, SearchButtonNeedsTextAndTheCaptionNamesTheField)
{
    ui::TChercherDlg dlg;
    dlg.setFields({QStringLiteral("Libéllé"), QStringLiteral("N° de chèque"), QStringLiteral("Montant")});
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Chercher dans Libéllé"));
    EXPECT_FALSE(dlg.searchButton()->isEnabled());
    QTest::keyClicks(dlg.textEdit(), QStringLiteral("cotis"));
    EXPECT_TRUE(dlg.searchButton()->isEnabled());
    dlg.textEdit()->clear();
    EXPECT_FALSE(dlg.searchButton()->isEnabled());
    dlg.setText(QStringLiteral("12"));
    EXPECT_TRUE(dlg.searchButton()->isEnabled());

    dlg.fieldList()->setCurrentIndex(2);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Chercher dans Montant"));
    // Typing in the list chooses nothing.
    dlg.fieldList()->setFocus();
    QTest::keyClicks(dlg.fieldList(), QStringLiteral("Lib"));
    EXPECT_EQ(dlg.fieldIndex(), 2);
    EXPECT_EQ(dlg.fieldList()->currentText(), QStringLiteral("Montant"));
}

TEST(TChercherDlg, DoubleClickOnTheListSearchesAndEnterToo)
{
    ui::TChercherDlg dlg;
    dlg.setFields({QStringLiteral("Nom"), QStringLiteral("Ville")});
    dlg.setText(QStringLiteral("Ren"));
    dlg.show();
    QTest::mouseDClick(dlg.fieldList()->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());

    dlg.setResult(QDialog::Rejected);
    dlg.show();
    dlg.fieldList()->setFocus();
    QTest::keyClick(dlg.fieldList(), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(Help, HandlerGetsTheContextAndNoHandlerDoesNothing)
{
    ui::showHelp(41); // nothing installed: nothing happens
    int asked = 0;
    ui::setHelpHandler(std::function<void(int)>([&](int context) { asked = context; }));
    ui::TDateForm form;
    form.show();
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(asked, ui::TDateForm::HelpContext);
    ui::setHelpHandler(std::function<void(int)>());
    ui::showHelp(41);
    EXPECT_EQ(asked, 9);
}

} // namespace
