#include "core/workbook/Address.h"
#include "core/workbook/Palette.h"
#include "core/workbook/Workbook.h"

#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using namespace corvane::core::workbook;

namespace {

struct CellCase {
    const char *text;
    int row;
    int column;
};

void PrintTo(const CellCase &c, std::ostream *os)
{
    *os << c.text;
}

class CellAddress : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellAddress, ParsesAndPrintsBack)
{
    const CellCase c = GetParam();
    const auto ref = parseCell(QString::fromLatin1(c.text));
    ASSERT_TRUE(ref.has_value()) << c.text;
    EXPECT_EQ(ref->row, c.row);
    EXPECT_EQ(ref->column, c.column);
    EXPECT_EQ(cellName(*ref), QString::fromLatin1(c.text).remove(QLatin1Char('$')).toUpper());
}

INSTANTIATE_TEST_SUITE_P(Addresses, CellAddress,
                         ::testing::Values(CellCase{"A1", 0, 0}, CellCase{"Z9", 8, 25},
                                           CellCase{"AA1", 0, 26}, CellCase{"AX3000", 2999, 49},
                                           CellCase{"az12", 11, 51}, CellCase{"$C$3", 2, 2},
                                           CellCase{"XFD1048576", 1048575, 16383}),
                         [](const ::testing::TestParamInfo<CellCase> &info) {
                             std::string name = info.param.text;
                             std::replace(name.begin(), name.end(), '$', '_');
                             return name;
                         });

TEST(CellAddress, RefusesMalformedOrOutsideTheSheet)
{
    for (const char *bad : {"", "A", "1", "A0", "A01", "1A", "A1B", "XFE1", "A1048577", "A-1", "ÀB1"})
        EXPECT_FALSE(parseCell(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(CellAddress, AreasAreNormalisedWhateverTheCornerOrder)
{
    const auto a = parseArea(QStringLiteral("C5:A1"));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(areaName(*a), QStringLiteral("A1:C5"));
    EXPECT_EQ(a->rowCount(), 5);
    EXPECT_EQ(a->columnCount(), 3);
    EXPECT_EQ(areaName(*parseArea(QStringLiteral("B2"))), QStringLiteral("B2"));
    EXPECT_FALSE(parseArea(QStringLiteral("A1:")).has_value());
    EXPECT_EQ(columnName(49), QStringLiteral("AX"));
    EXPECT_EQ(columnIndex(u"ax"), 49);
}

TEST(Palette, MapsTheDefaultFiftySixColours)
{
    EXPECT_EQ(paletteRgb(1), 0x000000u);
    EXPECT_EQ(paletteRgb(2), 0xFFFFFFu);
    EXPECT_EQ(paletteRgb(3), 0xFF0000u);
    EXPECT_EQ(paletteRgb(15), 0xC0C0C0u); // the grey of unpaid members
    EXPECT_EQ(paletteRgb(16), 0x808080u);
    EXPECT_EQ(paletteRgb(56), 0x333333u);
    EXPECT_FALSE(paletteRgb(0).has_value());
    EXPECT_FALSE(paletteRgb(57).has_value());
    EXPECT_FALSE(paletteRgb(ColourAutomatic).has_value());
    EXPECT_FALSE(paletteRgb(ColourNone).has_value());
}

TEST(NumberFormats, FrenchSeparatorsBecomeTheFileSyntax)
{
    EXPECT_EQ(numberFormatFromFrench(QStringLiteral("#######,00 €;#######,00 €;0,00 €;")),
              QStringLiteral("#######.00 \"€\";#######.00 \"€\";0.00 \"€\";"));
    EXPECT_EQ(numberFormatFromFrench(QStringLiteral("# ##0,0\"x,y\"")), QStringLiteral("# ##0.0\"x,y\""));
}

TEST(HeaderText, AmpersandsOfLiteralTextAreDoubled)
{
    EXPECT_EQ(headerFooterText(QStringLiteral("Sport & Loisirs &C")), QStringLiteral("Sport && Loisirs &&C"));
}

} // namespace
