#include "core/workbook/Address.h"

#include <algorithm>

namespace corvane::core::workbook {

Area spanning(CellRef a, CellRef b)
{
    return Area{{std::min(a.row, b.row), std::min(a.column, b.column)},
                {std::max(a.row, b.row), std::max(a.column, b.column)}};
}

std::optional<int> columnIndex(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return std::nullopt;
    int n = 0;
    for (QChar ch : letters) {
        const char16_t c = ch.toUpper().unicode();
        if (c < u'A' || c > u'Z')
            return std::nullopt;
        n = n * 26 + (c - u'A' + 1);
    }
    if (n > MaxColumns)
        return std::nullopt;
    return n - 1;
}

QString columnName(int column)
{
    QString out;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        out.prepend(QChar(u'A' + (n - 1) % 26));
    return out;
}

std::optional<CellRef> parseCell(QStringView a1)
{
    qsizetype i = 0;
    if (i < a1.size() && a1[i] == u'$')
        ++i;
    const qsizetype lettersStart = i;
    while (i < a1.size() && a1[i].isLetter())
        ++i;
    const auto column = columnIndex(a1.mid(lettersStart, i - lettersStart));
    if (!column)
        return std::nullopt;
    if (i < a1.size() && a1[i] == u'$')
        ++i;
    const QStringView digits = a1.mid(i);
    if (digits.isEmpty() || digits.size() > 7 || digits[0] == u'0')
        return std::nullopt;
    int row = 0;
    for (QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        row = row * 10 + (ch.unicode() - u'0');
    }
    if (row > MaxRows)
        return std::nullopt;
    return CellRef{row - 1, *column};
}

std::optional<Area> parseArea(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        const auto c = parseCell(text.trimmed());
        if (!c)
            return std::nullopt;
        return Area{*c, *c};
    }
    const auto a = parseCell(text.left(colon).trimmed());
    const auto b = parseCell(text.mid(colon + 1).trimmed());
    if (!a || !b)
        return std::nullopt;
    return spanning(*a, *b);
}

QString cellName(int row, int column)
{
    return columnName(column) + QString::number(row + 1);
}

QString areaName(const Area &area)
{
    if (area.first == area.last)
        return cellName(area.first);
    return cellName(area.first) + QLatin1Char(':') + cellName(area.last);
}

} // namespace corvane::core::workbook
