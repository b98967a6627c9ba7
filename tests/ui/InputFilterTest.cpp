#include "ui/InputFilter.h"
#include "ui/TextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvane;
using ui::InputFilter;

namespace {

struct FilterCase {
    const char *name;
    InputFilter filter;
    const char *input;
    const char *expected;
};

void PrintTo(const FilterCase &c, std::ostream *os)
{
    *os << c.name;
}

class InputFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(InputFilterTest, TypedTextKeepsOnlyWhatTheFilterAccepts)
{
    const FilterCase c = GetParam();
    QLineEdit edit;
    ui::setInputFilter(&edit, c.filter);
    edit.show();
    // One key press per character, whatever the character (QTest's
    // keyClicks knows ASCII only).
    for (QChar ch : QString::fromUtf8(c.input))
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.expected));
}

TEST_P(InputFilterTest, PastedTextIsFilteredTheSameWay)
{
    const FilterCase c = GetParam();
    QLineEdit edit;
    ui::setInputFilter(&edit, c.filter);
    QApplication::clipboard()->setText(QString::fromUtf8(c.input));
    edit.paste();
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.expected));
    EXPECT_EQ(ui::filterText(c.filter, QString::fromUtf8(c.input)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, InputFilterTest,
    ::testing::Values(FilterCase{"AmountFullStop", InputFilter::Amount, "12.5", "12,5"},
                      FilterCase{"AmountFormatted", InputFilter::Amount, "-1 250,00 €", "-1250,00"},
                      FilterCase{"AmountLetters", InputFilter::Amount, "a1b2;3", "123"},
                      FilterCase{"WholeSigns", InputFilter::WholeNumber, "-42,5x", "425"},
                      FilterCase{"WholeDigits", InputFilter::WholeNumber, "2010", "2010"},
                      FilterCase{"Semicolons", InputFilter::NoSemicolon, "Dupont; Jean;", "Dupont Jean"},
                      FilterCase{"NoFilter", InputFilter::None, "a;b.c", "a;b.c"}));

TEST(InputFilter, ARefusedKeyIsNoEdit)
{
    QLineEdit edit;
    edit.setText(QStringLiteral("abc"));
    ui::setInputFilter(&edit, InputFilter::NoSemicolon);
    edit.show();
    QSignalSpy edited(&edit, &QLineEdit::textEdited);
    QTest::keyClick(&edit, Qt::Key_Semicolon);
    EXPECT_EQ(edited.count(), 0);
    // Backspace and Enter still work.
    QSignalSpy returned(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    EXPECT_EQ(returned.count(), 1);
}

TEST(InputFilter, MultiLineBoxFiltersTypingAndPastingButKeepsLines)
{
    ui::FilteredTextEdit memo;
    memo.setInputFilter(InputFilter::NoSemicolon);
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("a;b"));
    QTest::keyClick(&memo, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("c;d\ne;"));
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("ab\ncd\ne"));
}

} // namespace

// Clicked past its blanks, an empty masked field still takes the digits typed
// from its first position; a filled one keeps the cursor where it was put.
TEST(InputFilter, EmptyMaskedFieldTypesFromItsStart)
{
    QLineEdit edit;
    edit.setInputMask("00 000");
    edit.resize(200, 24);
    ui::startEmptyMaskAtFirstPosition(&edit);
    edit.show();
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(190, 12));
    QCoreApplication::processEvents();
    QTest::keyClicks(&edit, "35000");
    EXPECT_EQ(edit.text(), "35 000");

    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(190, 12));
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.cursorPosition(), edit.text().size());
}
