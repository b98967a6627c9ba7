#pragma once

#include "core/workbook/Address.h"
#include "core/workbook/Palette.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace corvane::core::workbook {

namespace detail {
struct FormatStore;
struct SheetStore;
} // namespace detail

enum class HAlign : std::uint8_t { General, Left, Centre, Right, Fill, Justify, CentreAcross, Distributed };
enum class VAlign : std::uint8_t { Bottom, Top, Centre, Justify, Distributed };

// Cell shading patterns, in the order the file format numbers them.
enum class Pattern : std::uint8_t {
    None,
    Solid,
    MediumGrey,
    DarkGrey,
    LightGrey,
    DarkHorizontal,
    DarkVertical,
    DarkDown,
    DarkUp,
    DarkGrid,
    DarkTrellis,
    LightHorizontal,
    LightVertical,
    LightDown,
    LightUp,
    LightGrid,
    LightTrellis,
    Grey125,
    Grey0625,
};

// Border lines. Thin is the spreadsheet's continuous line of default weight.
enum class LineStyle : std::uint8_t {
    None,
    Thin,
    Medium,
    Dashed,
    Dotted,
    Thick,
    Double,
    Hair,
    MediumDashed,
    DashDot,
    MediumDashDot,
    DashDotDot,
    MediumDashDotDot,
    SlantDashDot,
};

// The edges of a range: its four sides, the lines between its cells, and
// the two diagonals of every cell.
enum class Edge : std::uint8_t {
    Left,
    Top,
    Bottom,
    Right,
    InsideVertical,
    InsideHorizontal,
    DiagonalDown,
    DiagonalUp
};

enum class Orientation : std::uint8_t { Portrait, Landscape };

// Number formats in the file's own (English) syntax; the spreadsheet shows
// them with the reader's separators ("1 250,50 €" in French).
inline const QString DateFormat = QStringLiteral("dd/mm/yyyy");
inline const QString MoneyFormat = QStringLiteral("#,##0.00 \"€\"");

// Converts a number format written with French separators ("#######,00 €")
// into the file's syntax ("#######.00 \"€\""): comma and full stop swap roles
// outside quoted text, and the euro sign is quoted.
QString numberFormatFromFrench(const QString &format);

// What a cell holds. Dates are kept as spreadsheet dates.
struct CellValue {
    enum class Kind { Empty, Text, Number, Date };
    Kind kind = Kind::Empty;
    QString text;
    double number = 0;
    QDate date;
};

// One header or footer of a printed page. Each section uses the header codes
// of the spreadsheet programs: "&P" page number, "&N" page count, "&D" date,
// "&T" time, "&A" sheet name, "&F" file name, "&G" picture, "&B" bold,
// "&I" italic, "&U" underline, "&&" a literal "&" (the bracketed forms
// "&[Page]", "&[Picture]", ... are accepted too). A "&G" shows the section's
// picture file (PNG, JPEG or BMP); without a picture the code is dropped.
struct HeaderFooter {
    QString left;
    QString centre;
    QString right;
    QString leftPicture;
    QString centrePicture;
    QString rightPicture;
    bool isEmpty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
};

// Literal text for a header or footer section: "&" doubled so that a club
// named "Sport & Loisirs" is not read as codes.
QString headerFooterText(const QString &literal);

struct PageSetup {
    HeaderFooter header;
    HeaderFooter footer;
    // Margins in inches.
    double leftMargin = 0.7;
    double rightMargin = 0.7;
    double topMargin = 0.75;
    double bottomMargin = 0.75;
    double headerMargin = 0.3;
    double footerMargin = 0.3;
    bool centreHorizontally = false;
    bool centreVertically = false;
    Orientation orientation = Orientation::Portrait;
    int zoom = 100; // printing scale in percent (10..400)
    // Fit the printout to this many pages wide and tall instead of the zoom.
    bool fitToPages = false;
    int fitPagesWide = 1;
    int fitPagesTall = 1;
};

class Sheet;
class Workbook;

// A rectangle of one sheet. Every operation applies to each of its cells and
// keeps what the other operations set: formats are applied after values, in
// any order, as the spreadsheet program does.
class Range {
public:
    // Throws std::invalid_argument when the area lies outside the sheet.
    Range(Sheet &sheet, const Area &area);
    const Area &area() const { return area_; }
    Sheet &sheet() const { return *sheet_; }

    // Values: the same value in every cell.
    Range &setText(const QString &text);
    Range &setNumber(double number);
    Range &setDate(const QDate &date); // an invalid date empties the cells
    Range &clearValues();

    // Font.
    Range &setFontSize(double points);
    Range &setFontName(const QString &name);
    Range &setBold(bool on = true);
    Range &setItalic(bool on = true);
    // "Normal", "Gras", "Italique", "Gras Italique" (or "Regular", "Bold",
    // "Italic", "Bold Italic"): sets bold and italic together.
    Range &setFontStyle(const QString &style);
    Range &setFontColour(int colourIndex);

    // Alignment.
    Range &setHorizontalAlignment(HAlign align);
    Range &setVerticalAlignment(VAlign align);
    Range &setWrapText(bool on = true);

    // Merges the range into one cell; only the top-left value is kept. A
    // merged range overlapping this one is undone first.
    Range &merge();

    // Row height in points of every row of the range; column width in
    // characters of every column of the range.
    Range &setRowHeight(double points);
    Range &setColumnWidth(double characters);

    Range &setNumberFormat(const QString &format);

    // Shading: colour index of the cell (setting it without a pattern gives a
    // solid fill), the pattern, and the pattern's own colour.
    Range &setInteriorColour(int colourIndex);
    Range &setPattern(Pattern pattern);
    Range &setPatternColour(int colourIndex);

    Range &setBorder(Edge edge, LineStyle style, int colourIndex = ColourAutomatic);
    // The four outer edges and every inside line in `style`, no diagonal.
    Range &setGrid(LineStyle style = LineStyle::Thin, int colourIndex = ColourAutomatic);

private:
    template <class Change> Range &change(Change &&change);

    Sheet *sheet_;
    Area area_;
};

// One worksheet: cells with their values and formats, merged ranges, row
// heights, column widths and page set-up, all held in memory until the
// workbook is saved.
class Sheet {
public:
    ~Sheet();
    Sheet(const Sheet &) = delete;
    Sheet &operator=(const Sheet &) = delete;

    Workbook &workbook() const { return *workbook_; }
    int index() const;
    QString name() const { return name_; }
    // Makes the name acceptable to the spreadsheet programs: at most 31
    // characters, none of []:*?/\ (turned into "-"), no leading or trailing
    // apostrophe, unique in the workbook regardless of case (" (2)", " (3)"
    // ... appended). Returns the name actually given.
    QString setName(const QString &name);

    // Ranges by "A1" address, "A1:C3", two corners, or coordinates. A
    // malformed address throws std::invalid_argument: addresses are written
    // by the program, never typed by the user.
    Range range(const QString &address);
    Range range(const QString &firstCorner, const QString &lastCorner);
    Range range(const Area &area) { return Range(*this, area); }
    Range cell(int row, int column) { return Range(*this, Area{{row, column}, {row, column}}); }

    // Shorthands for one cell.
    void setText(const QString &address, const QString &text) { range(address).setText(text); }
    void setNumber(const QString &address, double number) { range(address).setNumber(number); }
    void setDate(const QString &address, const QDate &date) { range(address).setDate(date); }
    void setText(int row, int column, const QString &text);
    void setNumber(int row, int column, double number);
    void setDate(int row, int column, const QDate &date);

    CellValue value(int row, int column) const;
    CellValue value(const QString &address) const;
    // Rows holding a value or a format (the last such row + 1).
    int rowCount() const;
    // The last column of `row` holding a value; -1 when the row has none.
    int lastValueColumn(int row) const;

    double rowHeight(int row) const;      // 0: the spreadsheet's default
    double columnWidth(int column) const; // 0: the spreadsheet's default
    const std::vector<Area> &mergedAreas() const;

    PageSetup &pageSetup();
    const PageSetup &pageSetup() const;

    // The cell selected when the workbook opens.
    void selectCell(const QString &address);
    CellRef selectedCell() const;

private:
    friend class Range;
    friend class Workbook;
    friend struct WorkbookEmitter;
    Sheet(Workbook &workbook, const QString &name);

    Workbook *workbook_;
    QString name_;
    std::unique_ptr<detail::SheetStore> store_;
};

// The outcome of a save: empty error on success, else a French sentence
// naming the file, ready for a message box.
struct SaveResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

// A workbook built in memory and written as an .xlsx file on save.
//
// Sheets come in the order they are added: addSheet() appends after the
// last sheet (the spreadsheet program would insert in front of the active
// sheet; callers here simply add their sheets in the order they want them).
class Workbook {
public:
    Workbook();
    ~Workbook();
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    // An empty name gives "Feuil" + the sheet's number.
    Sheet &addSheet(const QString &name = {});
    int sheetCount() const { return int(sheets_.size()); }
    Sheet &sheet(int index) { return *sheets_.at(index); }
    const Sheet &sheet(int index) const { return *sheets_.at(index); }
    Sheet *findSheet(const QString &name); // case-insensitive, nullptr when absent

    // The sheet shown when the workbook opens.
    void activate(int index);
    int activeSheet() const { return active_; }

    // The share of the window's width given to the sheet tabs (0..1; the
    // spreadsheet's default is 0.6).
    void setTabRatio(double ratio);
    double tabRatio() const { return tabRatio_; }

    // Writes the workbook to `path` (the folder must exist). The file is
    // written beside the target under a temporary name and then renamed over
    // it, so a failed save leaves any previous file untouched.
    SaveResult save(const QString &path) const;

    // Formats in use so far (identical formats are shared by their cells).
    int formatCount() const;

private:
    friend class Sheet;
    friend class Range;
    friend struct WorkbookEmitter;

    std::unique_ptr<detail::FormatStore> formats_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
    int active_ = 0;
    double tabRatio_ = 0.6;
};

} // namespace corvane::core::workbook
