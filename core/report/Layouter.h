#pragma once

#include "core/report/Page.h"
#include "core/report/Report.h"
#include "data/OpenedTable.h"

#include <optional>
#include <unordered_map>

namespace corvane::core::report {

namespace detail {
struct MeasuredFont;
}

// Lays a report out into pages, a few records at a time so that a preview
// can show the first pages and stay responsive while the rest is laid out.
// While it runs the source's bound widgets are suspended; the source returns
// to the record that was current when the layouter ends or is destroyed.
class Layouter {
public:
    explicit Layouter(const Report &report);
    ~Layouter();
    Layouter(const Layouter &) = delete;
    Layouter &operator=(const Layouter &) = delete;

    // Lays out up to `maxRecords` more records; true once the report is complete.
    bool step(int maxRecords);
    bool done() const { return phase_ == Phase::Done; }

    // The pages completed so far (the page being filled is not among them).
    const std::vector<Page> &finishedPages() const { return doc_.pages; }
    Document takeDocument() { return std::move(doc_); }

private:
    enum class Phase { Start, Records, Summary, Done };

    struct Prepared {
        BandKind kind;
        double height = 0;
        std::vector<PageItem> items;     // rectangles relative to the band
        std::vector<size_t> pageNumbers; // items numbered when the band is placed
    };

    void start();
    void finish();
    void restoreSource();
    void layRecord();
    Prepared prepare(const Band &band);
    void place(Prepared &&band);
    void startPage();
    void finishPage();
    void newPage();
    double room() const { return limit_ - y_; }
    const detail::MeasuredFont &metrics(const TextStyle &style);

    const Report &report_;
    Document doc_;
    Phase phase_ = Phase::Start;
    QDateTime printedAt_;
    QRectF area_;

    data::Table *source_;
    std::optional<data::OpenedTable> opened_;
    std::optional<data::ControlsDisabled> quiet_;
    bool hadRecord_ = false;
    bool restored_ = false;
    data::Table::Bookmark mark_;

    Page current_;
    double y_ = 0;
    double limit_ = 0;
    bool pageHasContent_ = false;
    std::vector<QString> lastKeys_;
    bool firstRecord_ = true;
    std::unordered_map<const TextStyle *, const detail::MeasuredFont *> fonts_;
};

} // namespace corvane::core::report
