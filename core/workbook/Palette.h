#pragma once

#include <QtGlobal>

#include <optional>

namespace corvane::core::workbook {

// Colours are given as indexes into the spreadsheet's default palette of 56
// colours (1 black, 2 white, 3 red, ..., 15 light grey, ..., 56 dark grey), as
// the exports name them. These two special values mean "let the spreadsheet
// choose" and "no colour".
inline constexpr int ColourAutomatic = -4105;
inline constexpr int ColourNone = -4142;

inline constexpr int PaletteSize = 56;

// The colour of a palette index 1..56 as 0xRRGGBB; nullopt for any other
// value (automatic, none, out of range).
std::optional<quint32> paletteRgb(int colourIndex);

} // namespace corvane::core::workbook
