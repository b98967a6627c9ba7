#include "data/Money.h"
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

using corvane::data::Money;

namespace {

const QString nbsp = QString(QChar(0x00A0));

struct FormatCase {
    double amount;
    const char *expected; // '_' stands for a no-break space
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.amount;
}

class MoneyFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(MoneyFormat, showsTwoDecimalsAndTheEuroSign)
{
    const FormatCase c = GetParam();
    QString expected = QString::fromUtf8(c.expected);
    expected.replace(QLatin1Char('_'), nbsp);
    EXPECT_EQ(Money::fromDouble(c.amount).format(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoneyFormat,
                         ::testing::Values(FormatCase{1250, "1_250,00_€"}, FormatCase{0, "0,00_€"},
                                           FormatCase{-3.5, "-3,50_€"}, FormatCase{1234567.891, "1_234_567,89_€"},
                                           FormatCase{0.005, "0,01_€"}, FormatCase{-0.005, "-0,01_€"},
                                           FormatCase{999.999, "1_000,00_€"}),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST(Money, sumsStoredAmountsWithoutDrift)
{
    Money total;
    for (int i = 0; i < 10; ++i)
        total += Money::fromDouble(0.1);
    EXPECT_EQ(total, Money::fromDouble(1.0));
    EXPECT_EQ(total.units(), 10000);
    // Each stored amount is rounded to the ten-thousandth before it is added.
    EXPECT_EQ((Money::fromDouble(0.00004) + Money::fromDouble(0.00004)).units(), 0);
    EXPECT_EQ((Money::fromDouble(0.00005) + Money::fromDouble(0.00005)).units(), 2);
}

TEST(Money, parsesWhatAnOfficerTypes)
{
    EXPECT_EQ(Money::parse(QStringLiteral("1 250,50"))->units(), 12505000);
    EXPECT_EQ(Money::parse(QStringLiteral("1250.5"))->units(), 12505000);
    EXPECT_EQ(Money::parse(QStringLiteral("-3"))->units(), -30000);
    EXPECT_EQ(Money::parse(QStringLiteral("12 €"))->units(), 120000);
    EXPECT_EQ(Money::parse(QString())->units(), 0);
    EXPECT_FALSE(Money::parse(QStringLiteral("douze")).has_value());
    EXPECT_FALSE(Money::parse(QStringLiteral("1,2,3")).has_value());
}

TEST(Money, nullVariantIsZero)
{
    EXPECT_TRUE(Money::fromVariant(QVariant()).isZero());
    EXPECT_EQ(Money::fromVariant(QVariant(12.34)).units(), 123400);
}

} // namespace
