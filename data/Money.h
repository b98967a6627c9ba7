#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace corvane::data {

// An amount in fixed point: a 64-bit count of ten-thousandths. Stored money
// fields are doubles; each one is rounded to the nearest ten-thousandth when
// it enters a sum, so totals never drift with the binary representation.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths)
    {
        Money m;
        m.units_ = tenThousandths;
        return m;
    }
    static Money fromDouble(double amount);
    static Money fromVariant(const QVariant &value); // null → 0
    // Accepts what an officer types: "1 250,50", "1250.5", "-3", "12 €".
    static std::optional<Money> parse(const QString &text);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }
    Money roundedToCents() const;

    // "1 250,00 €" (no-break spaces), and the same without the currency sign.
    QString format() const;
    QString formatPlain() const;

    constexpr bool isZero() const { return units_ == 0; }
    constexpr bool isNegative() const { return units_ < 0; }
    Money abs() const { return fromUnits(units_ < 0 ? -units_ : units_); }

    Money &operator+=(Money other)
    {
        units_ += other.units_;
        return *this;
    }
    Money &operator-=(Money other)
    {
        units_ -= other.units_;
        return *this;
    }
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }
    friend Money operator-(Money a) { return fromUnits(-a.units_); }
    friend constexpr auto operator<=>(Money a, Money b) = default;

private:
    std::int64_t units_ = 0;
};

} // namespace corvane::data
