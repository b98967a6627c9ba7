#include "data/Money.h"

#include <cmath>

namespace corvane::data {

Money Money::fromDouble(double amount)
{
    if (!std::isfinite(amount))
        return {};
    return fromUnits(std::llround(amount * 10000.0));
}

Money Money::fromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    return fromDouble(value.toDouble());
}

std::optional<Money> Money::parse(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c.isSpace() || c == QChar(0x20AC) || c == QChar(0x202F) || c == QChar(0x00A0))
            continue;
        s.append(c == QLatin1Char(',') ? QLatin1Char('.') : c);
    }
    if (s.isEmpty())
        return Money();
    bool ok = false;
    const double v = s.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 1e12)
        return std::nullopt;
    return fromDouble(v);
}

Money Money::roundedToCents() const
{
    // Half away from zero, as the French currency format shows it.
    const std::int64_t q = units_ / 100;
    const std::int64_t r = units_ % 100;
    std::int64_t cents = q;
    if (r >= 50)
        ++cents;
    else if (r <= -50)
        --cents;
    return fromUnits(cents * 100);
}

QString Money::formatPlain() const
{
    const std::int64_t cents = roundedToCents().units() / 100;
    const bool negative = cents < 0;
    const std::uint64_t a = negative ? static_cast<std::uint64_t>(-cents) : static_cast<std::uint64_t>(cents);
    QString whole = QString::number(a / 100);
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QChar(0x00A0));
    QString out = whole + QLatin1Char(',') + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + out : out;
}

QString Money::format() const
{
    return formatPlain() + QChar(0x00A0) + QChar(0x20AC);
}

} // namespace corvane::data
