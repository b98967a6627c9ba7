#pragma once

#include "core/report/Page.h"

class QPainter;
class QPagedPaintDevice;

namespace corvane::core::report {

// Paints one page with the painter. Millimetres become the device's units
// through the device's logical resolution, so that point sizes of the fonts
// keep their size on paper; a caller that zooms (the preview) scales the
// painter.
void paintPage(QPainter &painter, const Page &page);

// Paints every page of the document on a printer or a PDF writer, one sheet
// each; false when the device could not be painted on.
bool paintDocument(const Document &doc, QPagedPaintDevice &device);

// Writes the document as a PDF file. The file is written beside the target
// and renamed over it only when complete, so that a failure never leaves
// half a file nor destroys the previous one. On failure `error` receives a
// French sentence naming the file.
bool writePdf(const Document &doc, const QString &path, QString *error = nullptr);

} // namespace corvane::core::report
