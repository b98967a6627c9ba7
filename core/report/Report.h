#pragma once

#include "core/report/Page.h"

#include <QDateTime>
#include <QImage>
#include <QLineF>

#include <functional>
#include <memory>
#include <vector>

class QChart;

namespace corvane::data {
class Table;
}

namespace corvane::core::report {

// One element of a band. Its rectangle is in millimetres from the band's
// top-left corner, which sits on the left margin.
struct Item {
    enum class Kind { Label, Field, Computed, PageNumber, PrintDate, Line, Rect, Picture, Chart };

    Kind kind = Kind::Label;
    QString name;
    QRectF rect;
    QString text;                     // a label's text, the prefix of a page number or a printing date
    QString field;                    // a field item's field
    data::Table *table = nullptr;     // a field item's table; the report's source when null
    std::function<QString()> compute; // a computed text, evaluated on the current record
    std::shared_ptr<const TextStyle> style;
    bool wrap = false; // break the text over lines; a stretching band grows to hold it
    double penWidth = 0.2;
    QColor penColor = Qt::black;
    QColor fillColor;
    QImage image;
    std::shared_ptr<QChart> chart;

    Item &named(const QString &n)
    {
        name = n;
        return *this;
    }
    Item &wrapped(bool on = true)
    {
        wrap = on;
        return *this;
    }
};

class Band {
public:
    Band(BandKind kind, double heightMm)
        : kind_(kind)
        , height_(heightMm)
    {}

    BandKind kind() const { return kind_; }
    double height() const { return height_; }
    void setHeight(double mm) { height_ = mm; }
    // A stretching band grows to hold its wrapped texts.
    bool stretches() const { return stretch_; }
    void setStretch(bool on) { stretch_ = on; }
    // A band whose condition answers false is left out (evaluated on the current record).
    void setPrintIf(std::function<bool()> condition) { printIf_ = std::move(condition); }
    bool shouldPrint() const { return !printIf_ || printIf_(); }
    // A group header laid again at the top of a page where its group goes on.
    bool repeatsOnNewPage() const { return repeat_; }
    void setRepeatOnNewPage(bool on) { repeat_ = on; }

    Item &label(const QString &text, const QRectF &rect, const TextStyle &style = {});
    Item &field(const QString &field, const QRectF &rect, const TextStyle &style = {},
                data::Table *table = nullptr);
    Item &computed(std::function<QString()> text, const QRectF &rect, const TextStyle &style = {});
    // "Page: 3" with prefix "Page: ".
    Item &pageNumber(const QRectF &rect, const QString &prefix, const TextStyle &style = {});
    // The prefix followed by the printing date and time, "dd/MM/yyyy HH:mm".
    Item &printDate(const QRectF &rect, const QString &prefix, const TextStyle &style = {});
    Item &line(const QLineF &line, double widthMm = 0.2, const QColor &color = Qt::black);
    Item &rectangle(const QRectF &rect, double widthMm = 0.2, const QColor &fill = {});
    // The picture is scaled to the rectangle, keeping its proportions, and centred.
    Item &picture(const QImage &image, const QRectF &rect);
    // The chart is drawn into the rectangle when the page is painted; the
    // pages keep it alive.
    Item &chart(std::shared_ptr<QChart> chart, const QRectF &rect);

    std::vector<Item> &items() { return items_; }
    const std::vector<Item> &items() const { return items_; }
    Item *item(const QString &name);

private:
    Item &add(Item item);

    BandKind kind_;
    double height_;
    bool stretch_ = false;
    bool repeat_ = false;
    std::function<bool()> printIf_;
    std::vector<Item> items_;
};

// A group: its header band is laid before the first record and again each
// time the key changes from one record to the next.
struct Group {
    std::function<QString()> key;
    Band header;
};

// A banded report definition: page set-up, bands and a source table. The
// detail band is laid once per record of the source in its current filter and
// order; without a source it is laid once (a single-record sheet).
class Report {
public:
    explicit Report(const QString &title = {}, const PageSetup &setup = {});
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    QString title() const { return title_; }
    // Also the text of the label named "Titre", when there is one.
    void setTitle(const QString &title);

    PageSetup &pageSetup() { return setup_; }
    const PageSetup &pageSetup() const { return setup_; }
    // Width between the margins, the natural width of every band.
    double bandWidth() const { return setup_.printableMm().width(); }

    data::Table *source() const { return source_; }
    void setSource(data::Table *table) { source_ = table; }

    // Each band is created on first use with the given height; later calls
    // return the same band.
    Band &titleBand(double heightMm = 20);
    Band &pageHeader(double heightMm = 10);
    Band &columnHeader(double heightMm = 7);
    Band &detail(double heightMm = 5);
    Band &summary(double heightMm = 8);
    Band &pageFooter(double heightMm = 8);
    Band *band(BandKind kind) const;

    // Groups nest in the order they are added: a change in an outer key
    // repeats the headers of the inner ones.
    Band &addGroup(const QString &field, double headerHeightMm = 7);
    Band &addGroup(std::function<QString()> key, double headerHeightMm = 7);
    const std::vector<std::unique_ptr<Group>> &groups() const { return groups_; }

    // Runs on each record before its group headers and detail are laid:
    // where running totals are added up.
    void setBeforeRecord(std::function<void()> hook) { beforeRecord_ = std::move(hook); }
    const std::function<void()> &beforeRecord() const { return beforeRecord_; }

    // The first item of that name in any band; null when none.
    Item *item(const QString &name);
    // Sets the text of a named label; false when the report has none.
    bool setLabel(const QString &name, const QString &text);

    // The time shown as the printing date; the time of the layout when unset.
    void setPrintedAt(const QDateTime &t) { printedAt_ = t; }
    QDateTime printedAt() const { return printedAt_; }

    // Lays the whole report out.
    Document layout() const;

private:
    Band &ensure(std::unique_ptr<Band> &band, BandKind kind, double height);

    QString title_;
    PageSetup setup_;
    data::Table *source_ = nullptr;
    std::unique_ptr<Band> titleBand_, pageHeader_, columnHeader_, detail_, summary_, pageFooter_;
    std::vector<std::unique_ptr<Group>> groups_;
    std::function<void()> beforeRecord_;
    QDateTime printedAt_;
};

} // namespace corvane::core::report
