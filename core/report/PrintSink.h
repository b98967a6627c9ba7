#pragma once

#include "core/report/Page.h"

#include <vector>

class QPrinter;
class QWidget;

namespace corvane::core::report {

// Where printed documents go: one call, one print job.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    // Sends the document as one job; false when it could not be printed.
    virtual bool print(const Document &doc, QWidget *parent) = 0;
};

// The system's printer. The printer object lives for the whole run, so the
// choices made in the printer set-up dialog hold until the program ends.
class PrinterSink : public PrintSink {
public:
    bool print(const Document &doc, QWidget *parent) override;
};

// The printer that reports print on, for the printer set-up dialog.
QPrinter &reportPrinter();

// The sink in use: the system's printer unless a test put its own.
PrintSink &printSink();
// Null restores the system's printer.
void setPrintSink(PrintSink *sink);

// Test seam: while alive, print jobs are kept here instead of reaching a
// printer.
class RecordedPrints : public PrintSink {
public:
    RecordedPrints();
    ~RecordedPrints() override;
    RecordedPrints(const RecordedPrints &) = delete;
    RecordedPrints &operator=(const RecordedPrints &) = delete;

    bool print(const Document &doc, QWidget *parent) override;
    int jobs() const { return int(documents_.size()); }
    const std::vector<Document> &documents() const { return documents_; }

private:
    PrintSink *previous_;
    std::vector<Document> documents_;
};

} // namespace corvane::core::report
