#pragma once

// In-memory form of a workbook, private to the writer.

#include "core/workbook/Workbook.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvane::core::workbook::detail {

// Everything that decides a cell's look. Plain bytes with no padding, so that
// identical formats hash and compare as memory; cells refer to them by id.
struct Format {
    std::uint16_t fontSize = 0;     // tenths of a point; 0: default
    std::uint16_t fontName = 0;     // index in FormatStore::fontNames; 0: default
    std::uint16_t numberFormat = 0; // index in FormatStore::numberFormats; 0: General
    std::uint8_t bold = 0;
    std::uint8_t italic = 0;
    std::uint8_t fontColour = 0; // palette index; 0: automatic
    std::uint8_t hAlign = 0;     // HAlign
    std::uint8_t vAlign = 0;     // VAlign
    std::uint8_t wrap = 0;
    std::uint8_t pattern = PatternUnset; // Pattern, or PatternUnset
    std::uint8_t fillColour = 0;         // palette index; 0: none
    std::uint8_t patternColour = 0;      // palette index; 0: automatic
    // Left, top, bottom, right, diagonal: LineStyle and palette colour (0: automatic).
    std::array<std::uint8_t, 5> border{};
    std::array<std::uint8_t, 5> borderColour{};
    std::uint8_t diagonal = 0; // bit 0: up, bit 1: down

    static constexpr std::uint8_t PatternUnset = 0xFF;
    enum Side { Left, Top, Bottom, Right, Diagonal };

    bool operator==(const Format &) const = default;
};
static_assert(std::has_unique_object_representations_v<Format>);

struct FormatHash {
    std::size_t operator()(const Format &f) const noexcept
    {
        const auto *p = reinterpret_cast<const unsigned char *>(&f);
        std::uint64_t h = 1469598103934665603ull;
        for (std::size_t i = 0; i < sizeof(Format); ++i)
            h = (h ^ p[i]) * 1099511628211ull;
        return std::size_t(h);
    }
};

// The workbook's distinct formats; id 0 is the default look.
struct FormatStore {
    std::vector<Format> formats{Format{}};
    std::unordered_map<Format, std::uint32_t, FormatHash> ids{{Format{}, 0}};
    QStringList fontNames{QString()};
    QStringList numberFormats{QString()};

    std::uint32_t intern(const Format &f);
    std::uint16_t fontNameId(const QString &name);
    std::uint16_t numberFormatId(const QString &code);
};

enum class Kind : std::uint8_t { Empty, Text, Number, Date };

// 16 bytes a cell: the value (a number, or the offset of its text in the
// sheet's text buffer) and the id of its format.
struct CellData {
    union {
        double number = 0;
        std::uint32_t text;
    };
    std::uint32_t format = 0;
    Kind kind = Kind::Empty;
};
static_assert(sizeof(CellData) == 16);

struct SheetStore {
    std::vector<std::vector<CellData>> rows;
    std::string texts; // UTF-8, each text ended by a NUL
    std::vector<float> rowHeights;
    std::vector<float> columnWidths;
    std::vector<Area> merges;
    PageSetup page;
    CellRef selection;

    CellData &cell(int row, int column);
    const CellData *find(int row, int column) const;
    CellData *find(int row, int column)
    {
        return const_cast<CellData *>(std::as_const(*this).find(row, column));
    }
    std::uint32_t addText(const QString &text);
    const char *text(std::uint32_t offset) const { return texts.data() + offset; }
};

// Closes the files the zip bridge opened for libxlsxwriter (ZipBridge.cpp);
// called once the library has finished a workbook.
void releaseZipTargets();

// The spreadsheets' day count: days since 30 December 1899, for dates from 1 March 1900
// (earlier serials are off by the 1900 leap-year quirk and never needed here).
inline const QDate SerialEpoch(1899, 12, 30);
inline const QDate FirstSerialDate(1900, 3, 1);

} // namespace corvane::core::workbook::detail
