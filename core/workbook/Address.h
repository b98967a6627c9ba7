#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace corvane::core::workbook {

// Spreadsheet limits of the .xlsx format.
inline constexpr int MaxRows = 1048576;
inline constexpr int MaxColumns = 16384;

// A cell by zero-based row and column: "A1" is {0, 0}, "AX12" is {11, 49}.
struct CellRef {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellRef &, const CellRef &) = default;
};

// A rectangle of cells, first <= last on both axes.
struct Area {
    CellRef first;
    CellRef last;
    friend bool operator==(const Area &, const Area &) = default;

    int rowCount() const { return last.row - first.row + 1; }
    int columnCount() const { return last.column - first.column + 1; }
    bool contains(CellRef c) const
    {
        return c.row >= first.row && c.row <= last.row && c.column >= first.column && c.column <= last.column;
    }
    bool intersects(const Area &o) const
    {
        return first.row <= o.last.row && o.first.row <= last.row && first.column <= o.last.column &&
               o.first.column <= last.column;
    }
};

// The rectangle spanned by two corners given in any order.
Area spanning(CellRef a, CellRef b);

// "A" → 0, "AX" → 49 (case-insensitive); nullopt when not a column name
// within the sheet's width.
std::optional<int> columnIndex(QStringView letters);
// 0 → "A", 49 → "AX".
QString columnName(int column);
// "AX12" → {11, 49}; "$A$1" is accepted. nullopt when malformed or outside the sheet.
std::optional<CellRef> parseCell(QStringView a1);
// "A1:AX12" or a single cell "B3"; nullopt when malformed.
std::optional<Area> parseArea(QStringView text);
// {0, 0} → "A1".
QString cellName(int row, int column);
inline QString cellName(CellRef c)
{
    return cellName(c.row, c.column);
}
// "A1:AX12", or "B3" for a single cell.
QString areaName(const Area &area);

} // namespace corvane::core::workbook
