#include "core/workbook/Workbook.h"

#include "core/workbook/WorkbookStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace corvane::core::workbook {

using detail::CellData;
using detail::Format;
using detail::Kind;

namespace {

// Longest text a spreadsheet cell holds.
constexpr int MaxCellText = 32767;

std::uint8_t colourByte(int colourIndex)
{
    return paletteRgb(colourIndex) ? std::uint8_t(colourIndex) : std::uint8_t(0);
}

Area checkedArea(const Area &a)
{
    if (a.first.row < 0 || a.first.column < 0 || a.last.row >= MaxRows || a.last.column >= MaxColumns ||
        a.first.row > a.last.row || a.first.column > a.last.column)
        throw std::invalid_argument("workbook: range outside the sheet");
    return a;
}

} // namespace

// ---------------------------------------------------------------- stores

namespace detail {

std::uint32_t FormatStore::intern(const Format &f)
{
    const auto [it, added] = ids.try_emplace(f, std::uint32_t(formats.size()));
    if (added)
        formats.push_back(f);
    return it->second;
}

std::uint16_t FormatStore::fontNameId(const QString &name)
{
    if (name.isEmpty())
        return 0;
    qsizetype i = fontNames.indexOf(name);
    if (i < 0) {
        fontNames << name;
        i = fontNames.size() - 1;
    }
    return std::uint16_t(i);
}

std::uint16_t FormatStore::numberFormatId(const QString &code)
{
    if (code.isEmpty() || code.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return 0;
    qsizetype i = numberFormats.indexOf(code);
    if (i < 0) {
        numberFormats << code;
        i = numberFormats.size() - 1;
    }
    return std::uint16_t(i);
}

CellData &SheetStore::cell(int row, int column)
{
    if (std::size_t(row) >= rows.size())
        rows.resize(std::size_t(row) + 1);
    auto &r = rows[std::size_t(row)];
    if (std::size_t(column) >= r.size())
        r.resize(std::size_t(column) + 1);
    return r[std::size_t(column)];
}

const CellData *SheetStore::find(int row, int column) const
{
    if (row < 0 || column < 0 || std::size_t(row) >= rows.size())
        return nullptr;
    const auto &r = rows[std::size_t(row)];
    if (std::size_t(column) >= r.size())
        return nullptr;
    return &r[std::size_t(column)];
}

std::uint32_t SheetStore::addText(const QString &text)
{
    QString s = text.left(MaxCellText);
    s.remove(QChar(0)); // a NUL would end the stored text
    const QByteArray utf8 = s.toUtf8();
    if (texts.size() + std::size_t(utf8.size()) + 1 > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("workbook: too much text in one sheet");
    const auto offset = std::uint32_t(texts.size());
    texts.append(utf8.constData(), std::size_t(utf8.size()));
    texts.push_back('\0');
    return offset;
}

} // namespace detail

// ---------------------------------------------------------------- helpers

QString numberFormatFromFrench(const QString &format)
{
    QString out;
    out.reserve(format.size() + 4);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'"') {
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else if (c == u'\\' && i + 1 < format.size()) {
            out += c;
            out += format[++i];
        } else if (c == u',') {
            out += u'.';
        } else if (c == u'.') {
            out += u',';
        } else if (c == QChar(0x20AC)) {
            out += QStringLiteral("\"€\"");
        } else {
            out += c;
        }
    }
    return out;
}

QString headerFooterText(const QString &literal)
{
    QString s = literal;
    s.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return s;
}

// ---------------------------------------------------------------- Range

namespace {

// Applies `change` to the format of every cell of `area`, creating the
// cells as needed. Cells sharing a format before share one after.
template <class Change>
void modifyFormats(detail::SheetStore &store, detail::FormatStore &formats, const Area &area, Change &&change)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> seen; // old id -> new id
    auto mapped = [&](std::uint32_t id) {
        for (const auto &p : seen) {
            if (p.first == id)
                return p.second;
        }
        Format f = formats.formats[id];
        change(f);
        const std::uint32_t n = formats.intern(f);
        seen.emplace_back(id, n);
        return n;
    };
    store.cell(area.last.row, area.last.column);
    for (int r = area.first.row; r <= area.last.row; ++r) {
        auto &row = store.rows[std::size_t(r)];
        if (row.size() <= std::size_t(area.last.column))
            row.resize(std::size_t(area.last.column) + 1);
        for (int c = area.first.column; c <= area.last.column; ++c) {
            CellData &cell = row[std::size_t(c)];
            cell.format = mapped(cell.format);
        }
    }
}

template <class Set> void setValues(detail::SheetStore &store, const Area &area, Set &&set)
{
    for (int r = area.first.row; r <= area.last.row; ++r) {
        for (int c = area.first.column; c <= area.last.column; ++c)
            set(store.cell(r, c));
    }
}

} // namespace

Range::Range(Sheet &sheet, const Area &area)
    : sheet_(&sheet)
    , area_(checkedArea(area))
{}

template <class Change> Range &Range::change(Change &&change)
{
    modifyFormats(*sheet_->store_, *sheet_->workbook_->formats_, area_, change);
    return *this;
}

Range &Range::setText(const QString &text)
{
    auto &store = *sheet_->store_;
    if (text.isEmpty())
        return clearValues();
    // One copy of the text serves every cell of the range.
    const std::uint32_t offset = store.addText(text);
    setValues(store, area_, [&](CellData &c) {
        c.kind = Kind::Text;
        c.text = offset;
    });
    return *this;
}

Range &Range::setNumber(double number)
{
    if (!std::isfinite(number))
        return clearValues();
    setValues(*sheet_->store_, area_, [&](CellData &c) {
        c.kind = Kind::Number;
        c.number = number;
    });
    return *this;
}

Range &Range::setDate(const QDate &date)
{
    if (!date.isValid())
        return clearValues();
    if (date < detail::FirstSerialDate)
        return setText(date.toString(QStringLiteral("dd/MM/yyyy")));
    const double serial = double(detail::SerialEpoch.daysTo(date));
    setValues(*sheet_->store_, area_, [&](CellData &c) {
        c.kind = Kind::Date;
        c.number = serial;
    });
    // A date put into a cell without a number format gets the date format,
    // as the spreadsheet program does.
    auto &formats = *sheet_->workbook_->formats_;
    const std::uint16_t dateFormat = formats.numberFormatId(DateFormat);
    return change([&](Format &f) {
        if (f.numberFormat == 0)
            f.numberFormat = dateFormat;
    });
}

Range &Range::clearValues()
{
    auto &store = *sheet_->store_;
    for (int r = area_.first.row; r <= area_.last.row; ++r) {
        for (int c = area_.first.column; c <= area_.last.column; ++c) {
            if (CellData *cell = store.find(r, c)) {
                cell->kind = Kind::Empty;
                cell->number = 0;
            }
        }
    }
    return *this;
}

Range &Range::setFontSize(double points)
{
    const auto tenths = std::uint16_t(std::clamp(std::lround(points * 10), 10l, 4090l));
    return change([&](Format &f) { f.fontSize = tenths; });
}

Range &Range::setFontName(const QString &name)
{
    const std::uint16_t id = sheet_->workbook_->formats_->fontNameId(name);
    return change([&](Format &f) { f.fontName = id; });
}

Range &Range::setBold(bool on)
{
    return change([&](Format &f) { f.bold = on; });
}

Range &Range::setItalic(bool on)
{
    return change([&](Format &f) { f.italic = on; });
}

Range &Range::setFontStyle(const QString &style)
{
    const QString s = style.toLower();
    const bool bold = s.contains(QLatin1String("gras")) || s.contains(QLatin1String("bold"));
    const bool italic = s.contains(QLatin1String("itali"));
    return change([&](Format &f) {
        f.bold = bold;
        f.italic = italic;
    });
}

Range &Range::setFontColour(int colourIndex)
{
    const std::uint8_t c = colourByte(colourIndex);
    return change([&](Format &f) { f.fontColour = c; });
}

Range &Range::setHorizontalAlignment(HAlign align)
{
    return change([&](Format &f) { f.hAlign = std::uint8_t(align); });
}

Range &Range::setVerticalAlignment(VAlign align)
{
    return change([&](Format &f) { f.vAlign = std::uint8_t(align); });
}

Range &Range::setWrapText(bool on)
{
    return change([&](Format &f) { f.wrap = on; });
}

Range &Range::merge()
{
    if (area_.first == area_.last)
        return *this;
    auto &store = *sheet_->store_;
    std::erase_if(store.merges, [&](const Area &m) { return m.intersects(area_); });
    store.merges.push_back(area_);
    for (int r = area_.first.row; r <= area_.last.row; ++r) {
        for (int c = area_.first.column; c <= area_.last.column; ++c) {
            if (r == area_.first.row && c == area_.first.column)
                continue;
            CellData &cell = store.cell(r, c);
            cell.kind = Kind::Empty;
            cell.number = 0;
        }
    }
    return *this;
}

Range &Range::setRowHeight(double points)
{
    auto &heights = sheet_->store_->rowHeights;
    if (heights.size() <= std::size_t(area_.last.row))
        heights.resize(std::size_t(area_.last.row) + 1, 0.f);
    std::fill(heights.begin() + area_.first.row, heights.begin() + area_.last.row + 1,
              float(std::clamp(points, 0.0, 409.0)));
    return *this;
}

Range &Range::setColumnWidth(double characters)
{
    auto &widths = sheet_->store_->columnWidths;
    if (widths.size() <= std::size_t(area_.last.column))
        widths.resize(std::size_t(area_.last.column) + 1, 0.f);
    std::fill(widths.begin() + area_.first.column, widths.begin() + area_.last.column + 1,
              float(std::clamp(characters, 0.0, 255.0)));
    return *this;
}

Range &Range::setNumberFormat(const QString &format)
{
    const std::uint16_t id = sheet_->workbook_->formats_->numberFormatId(format);
    return change([&](Format &f) { f.numberFormat = id; });
}

Range &Range::setInteriorColour(int colourIndex)
{
    const std::uint8_t c = colourByte(colourIndex);
    return change([&](Format &f) { f.fillColour = c; });
}

Range &Range::setPattern(Pattern pattern)
{
    return change([&](Format &f) { f.pattern = std::uint8_t(pattern); });
}

Range &Range::setPatternColour(int colourIndex)
{
    const std::uint8_t c = colourByte(colourIndex);
    return change([&](Format &f) { f.patternColour = c; });
}

Range &Range::setBorder(Edge edge, LineStyle style, int colourIndex)
{
    auto &store = *sheet_->store_;
    auto &formats = *sheet_->workbook_->formats_;
    const auto s = std::uint8_t(style);
    const std::uint8_t colour = style == LineStyle::None ? std::uint8_t(0) : colourByte(colourIndex);
    auto side = [&](const Area &a, Format::Side which) {
        modifyFormats(store, formats, a, [&](Format &f) {
            f.border[which] = s;
            f.borderColour[which] = colour;
        });
    };
    const Area a = area_;
    switch (edge) {
    case Edge::Left:
        side({a.first, {a.last.row, a.first.column}}, Format::Left);
        break;
    case Edge::Right:
        side({{a.first.row, a.last.column}, a.last}, Format::Right);
        break;
    case Edge::Top:
        side({a.first, {a.first.row, a.last.column}}, Format::Top);
        break;
    case Edge::Bottom:
        side({{a.last.row, a.first.column}, a.last}, Format::Bottom);
        break;
    case Edge::InsideVertical:
        // Both neighbours carry the line, as the spreadsheet program stores it.
        if (a.first.column < a.last.column) {
            side({a.first, {a.last.row, a.last.column - 1}}, Format::Right);
            side({{a.first.row, a.first.column + 1}, a.last}, Format::Left);
        }
        break;
    case Edge::InsideHorizontal:
        if (a.first.row < a.last.row) {
            side({a.first, {a.last.row - 1, a.last.column}}, Format::Bottom);
            side({{a.first.row + 1, a.first.column}, a.last}, Format::Top);
        }
        break;
    case Edge::DiagonalDown:
    case Edge::DiagonalUp: {
        const std::uint8_t bit = edge == Edge::DiagonalUp ? 1 : 2;
        modifyFormats(store, formats, a, [&](Format &f) {
            if (style == LineStyle::None) {
                f.diagonal &= std::uint8_t(~bit);
                if (f.diagonal == 0) {
                    f.border[Format::Diagonal] = 0;
                    f.borderColour[Format::Diagonal] = 0;
                }
            } else {
                f.diagonal |= bit;
                f.border[Format::Diagonal] = s;
                f.borderColour[Format::Diagonal] = colour;
            }
        });
        break;
    }
    }
    return *this;
}

Range &Range::setGrid(LineStyle style, int colourIndex)
{
    for (Edge e :
         {Edge::Left, Edge::Top, Edge::Bottom, Edge::Right, Edge::InsideVertical, Edge::InsideHorizontal})
        setBorder(e, style, colourIndex);
    setBorder(Edge::DiagonalDown, LineStyle::None);
    setBorder(Edge::DiagonalUp, LineStyle::None);
    return *this;
}

// ---------------------------------------------------------------- Sheet

Sheet::Sheet(Workbook &workbook, const QString &name)
    : workbook_(&workbook)
    , name_(name)
    , store_(std::make_unique<detail::SheetStore>())
{}

Sheet::~Sheet() = default;

int Sheet::index() const
{
    for (int i = 0; i < workbook_->sheetCount(); ++i) {
        if (&workbook_->sheet(i) == this)
            return i;
    }
    return -1;
}

QString Sheet::setName(const QString &wanted)
{
    QString base = wanted.trimmed();
    for (QChar bad : {u'[', u']', u':', u'*', u'?', u'/', u'\\'})
        base.replace(bad, QLatin1Char('-'));
    while (base.startsWith(QLatin1Char('\'')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('\'')))
        base.chop(1);
    base = base.left(31).trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Feuil%1").arg(index() + 1);
    // A name the spreadsheet program keeps for itself.
    if (base.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        base += QStringLiteral(" (2)");
    auto taken = [&](const QString &n) {
        for (int i = 0; i < workbook_->sheetCount(); ++i) {
            const Sheet &s = workbook_->sheet(i);
            if (&s != this && s.name_.compare(n, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    QString name = base;
    for (int k = 2; taken(name); ++k) {
        const QString suffix = QStringLiteral(" (%1)").arg(k);
        name = base.left(31 - suffix.size()) + suffix;
    }
    name_ = name;
    return name_;
}

Range Sheet::range(const QString &address)
{
    const auto area = parseArea(address);
    if (!area)
        throw std::invalid_argument("workbook: bad address " + address.toStdString());
    return Range(*this, *area);
}

Range Sheet::range(const QString &firstCorner, const QString &lastCorner)
{
    const auto a = parseCell(firstCorner);
    const auto b = parseCell(lastCorner);
    if (!a || !b)
        throw std::invalid_argument("workbook: bad address " + firstCorner.toStdString() + ":" +
                                    lastCorner.toStdString());
    return Range(*this, spanning(*a, *b));
}

void Sheet::setText(int row, int column, const QString &text)
{
    Range(*this, checkedArea({{row, column}, {row, column}})).setText(text);
}

void Sheet::setNumber(int row, int column, double number)
{
    Range(*this, checkedArea({{row, column}, {row, column}})).setNumber(number);
}

void Sheet::setDate(int row, int column, const QDate &date)
{
    Range(*this, checkedArea({{row, column}, {row, column}})).setDate(date);
}

CellValue Sheet::value(int row, int column) const
{
    CellValue v;
    const CellData *c = store_->find(row, column);
    if (!c)
        return v;
    switch (c->kind) {
    case Kind::Empty:
        break;
    case Kind::Text:
        v.kind = CellValue::Kind::Text;
        v.text = QString::fromUtf8(store_->text(c->text));
        break;
    case Kind::Number:
        v.kind = CellValue::Kind::Number;
        v.number = c->number;
        break;
    case Kind::Date:
        v.kind = CellValue::Kind::Date;
        v.number = c->number;
        v.date = detail::SerialEpoch.addDays(qint64(c->number));
        break;
    }
    return v;
}

CellValue Sheet::value(const QString &address) const
{
    const auto c = parseCell(address);
    if (!c)
        throw std::invalid_argument("workbook: bad address " + address.toStdString());
    return value(c->row, c->column);
}

int Sheet::rowCount() const
{
    return int(store_->rows.size());
}

int Sheet::lastValueColumn(int row) const
{
    if (row < 0 || std::size_t(row) >= store_->rows.size())
        return -1;
    const auto &cells = store_->rows[std::size_t(row)];
    for (int c = int(cells.size()) - 1; c >= 0; --c) {
        if (cells[std::size_t(c)].kind != Kind::Empty)
            return c;
    }
    return -1;
}

double Sheet::rowHeight(int row) const
{
    const auto &h = store_->rowHeights;
    return row >= 0 && std::size_t(row) < h.size() ? double(h[std::size_t(row)]) : 0.0;
}

double Sheet::columnWidth(int column) const
{
    const auto &w = store_->columnWidths;
    return column >= 0 && std::size_t(column) < w.size() ? double(w[std::size_t(column)]) : 0.0;
}

const std::vector<Area> &Sheet::mergedAreas() const
{
    return store_->merges;
}

PageSetup &Sheet::pageSetup()
{
    return store_->page;
}

const PageSetup &Sheet::pageSetup() const
{
    return store_->page;
}

void Sheet::selectCell(const QString &address)
{
    const auto c = parseCell(address);
    if (!c)
        throw std::invalid_argument("workbook: bad address " + address.toStdString());
    store_->selection = *c;
}

CellRef Sheet::selectedCell() const
{
    return store_->selection;
}

// ---------------------------------------------------------------- Workbook

Workbook::Workbook()
    : formats_(std::make_unique<detail::FormatStore>())
{}

Workbook::~Workbook() = default;

Sheet &Workbook::addSheet(const QString &name)
{
    sheets_.push_back(std::unique_ptr<Sheet>(new Sheet(*this, QString())));
    Sheet &s = *sheets_.back();
    s.setName(name);
    return s;
}

Sheet *Workbook::findSheet(const QString &name)
{
    for (auto &s : sheets_) {
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    }
    return nullptr;
}

void Workbook::activate(int index)
{
    if (index < 0 || index >= sheetCount())
        throw std::out_of_range("workbook: no such sheet");
    active_ = index;
}

void Workbook::setTabRatio(double ratio)
{
    tabRatio_ = std::clamp(ratio, 0.0, 1.0);
}

int Workbook::formatCount() const
{
    return int(formats_->formats.size());
}

} // namespace corvane::core::workbook
