#pragma once

// Reads a saved .xlsx back into plain values, so that tests check the file a
// spreadsheet program would open rather than the writer's memory.

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace corvane::test {

struct XlsxBorderSide {
    QString style;  // "thin", "medium", ... ; empty: none
    QString colour; // "FF808080"; empty: automatic
};

struct XlsxStyle {
    double fontSize = 11;
    QString fontName;
    bool bold = false;
    bool italic = false;
    QString fontColour;
    QString numberFormat; // the code, or "builtin:N"
    QString hAlign;       // "center", "left", ...; empty: general
    QString vAlign;       // "center", "top", ...; empty: bottom
    bool wrap = false;
    QString pattern;  // "solid", "gray125", ...; empty: none
    QString fgColour; // ARGB of the pattern's foreground (the solid colour)
    QString bgColour;
    XlsxBorderSide left, right, top, bottom, diagonal;
    bool diagonalUp = false;
    bool diagonalDown = false;
};

struct XlsxCell {
    QString type; // "s", "inlineStr", "str", "n" (numbers), "b"
    QString text; // the text of a string cell
    double number = 0;
    bool hasValue = false;
    int style = 0;
    bool isText() const
    {
        return type == QLatin1String("s") || type == QLatin1String("inlineStr") ||
               type == QLatin1String("str");
    }
    bool isNumber() const { return type == QLatin1String("n") && hasValue; }
};

struct XlsxSheet {
    QString name;
    QString part;                   // "xl/worksheets/sheet1.xml"
    QMap<QString, XlsxCell> cells;  // by "A1"
    QMap<int, double> columnWidths; // zero-based column → width
    QMap<int, double> rowHeights;   // zero-based row → height
    QStringList merges;             // "C3:D3"
    double leftMargin = -1, rightMargin = -1, topMargin = -1, bottomMargin = -1;
    QString orientation; // "landscape", "portrait"
    int scale = 100;
    bool fitToPage = false;
    int fitToWidth = 1, fitToHeight = 1;
    bool horizontalCentered = false;
    bool verticalCentered = false;
    QString header, footer; // codes as stored ("&LClub&C...")
    bool headerFooterPicture = false;
    QString activeCell = QStringLiteral("A1");
    bool tabSelected = false;

    bool has(const QString &ref) const { return cells.contains(ref); }
    const XlsxCell &cell(const QString &ref) const;
    QString text(const QString &ref) const { return cell(ref).text; }
};

struct XlsxBook {
    QStringList parts; // every entry of the package
    std::vector<XlsxSheet> sheets;
    std::vector<XlsxStyle> styles; // the cell formats, by the cells' style index
    int activeTab = 0;
    int tabRatio = -1; // per thousand; -1 when absent (the spreadsheet's 600)

    QStringList sheetNames() const;
    const XlsxSheet &sheet(const QString &name) const;
    const XlsxStyle &style(const XlsxCell &cell) const { return styles.at(std::size_t(cell.style)); }
    const XlsxStyle &style(const XlsxSheet &sheet, const QString &ref) const
    {
        return style(sheet.cell(ref));
    }
    static QDate date(const XlsxCell &cell) { return QDate(1899, 12, 30).addDays(qint64(cell.number)); }
};

// Reads the package; a malformed file fails the running test (and returns
// what could be read).
XlsxBook readXlsx(const QString &path);

// The sections of a header or footer: {"&L" text, "&C" text, "&R" text}.
QStringList headerSections(const QString &codes);

} // namespace corvane::test
