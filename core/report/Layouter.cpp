#include "core/report/Layouter.h"

#include "data/Table.h"

#include <QFontMetricsF>
#include <QImage>

#include <array>
#include <memory>
#include <unordered_map>

namespace corvane::core::report {

namespace detail {
struct MeasuredFont {
    QFontMetricsF metrics;
    std::array<double, 256> advance; // of the Latin-1 characters, in pixels
};
} // namespace detail

namespace {

// Texts are measured on a 1 200 dpi image: fine enough that what fits here
// fits on paper, and independent of the screen.
constexpr double MeasureDpi = 1200.0;
constexpr double PxPerMm = MeasureDpi / 25.4;

class Measure {
public:
    static Measure &instance()
    {
        static Measure m;
        return m;
    }

    using Font = detail::MeasuredFont;

    Font &font(const QFont &f)
    {
        const QString key = f.key();
        auto it = cache_.find(key);
        if (it == cache_.end()) {
            auto entry = std::make_unique<Font>(Font{QFontMetricsF(f, &device_), {}});
            for (int c = 0; c < 256; ++c)
                entry->advance[size_t(c)] = entry->metrics.horizontalAdvance(QChar(c));
            it = cache_.emplace(key, std::move(entry)).first;
        }
        return *it->second;
    }

    // Whether the text is wider than `limitMm`. Most texts of a list are far
    // from their column's width: the sum of their characters' advances
    // decides without shaping the text; only a close call is measured.
    static bool wider(const Font &m, const QString &text, double limitMm)
    {
        const double limit = limitMm * PxPerMm;
        double sum = 0;
        for (QChar c : text) {
            if (c.unicode() > 255)
                return m.metrics.horizontalAdvance(text) > limit;
            sum += m.advance[c.unicode()];
        }
        if (sum < limit * 0.95)
            return false;
        if (sum > limit * 1.05)
            return true;
        return m.metrics.horizontalAdvance(text) > limit;
    }

    static double wrappedHeightMm(const Font &m, const QString &text, double widthMm, Qt::Alignment alignment)
    {
        const QRectF r = m.metrics.boundingRect(QRectF(0, 0, widthMm * PxPerMm, 1e7),
                                                int(alignment | Qt::TextWordWrap), text);
        return r.height() / PxPerMm;
    }

private:
    Measure()
        : device_(1, 1, QImage::Format_RGB32)
    {
        const int dpm = qRound(MeasureDpi / 0.0254);
        device_.setDotsPerMeterX(dpm);
        device_.setDotsPerMeterY(dpm);
    }
    QImage device_;
    std::unordered_map<QString, std::unique_ptr<Font>> cache_;
};

QString frenchDateTime(const QDateTime &t)
{
    return t.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
}

} // namespace

Layouter::Layouter(const Report &report)
    : report_(report)
    , source_(report.source())
{
    doc_.title = report.title();
    doc_.setup = report.pageSetup();
    area_ = doc_.setup.printableMm();
    printedAt_ = report.printedAt().isValid() ? report.printedAt() : QDateTime::currentDateTime();
}

Layouter::~Layouter()
{
    restoreSource();
}

void Layouter::restoreSource()
{
    if (!source_ || !opened_ || restored_)
        return;
    restored_ = true;
    if (hadRecord_)
        (*opened_)->gotoBookmark(mark_);
    quiet_.reset();
    opened_.reset();
}

bool Layouter::step(int maxRecords)
{
    if (phase_ == Phase::Start) {
        start();
        phase_ = Phase::Records;
    }
    if (phase_ == Phase::Records) {
        if (!source_) {
            if (const Band *d = report_.band(BandKind::Detail); d && d->shouldPrint())
                layRecord();
            phase_ = Phase::Summary;
        } else {
            data::Table &t = **opened_;
            for (int n = 0; n < maxRecords && !t.eof(); ++n) {
                layRecord();
                t.next();
            }
            if (t.eof())
                phase_ = Phase::Summary;
        }
    }
    if (phase_ == Phase::Summary) {
        finish();
        phase_ = Phase::Done;
    }
    return done();
}

void Layouter::start()
{
    if (source_) {
        opened_.emplace(source_);
        quiet_.emplace(*source_);
        const data::Table::Bookmark b = source_->bookmark();
        hadRecord_ = b.valid();
        mark_ = b;
        source_->first();
    }
    startPage();
}

void Layouter::finish()
{
    if (const Band *s = report_.band(BandKind::Summary); s && s->shouldPrint()) {
        Prepared p = prepare(*s);
        if (p.height > room() && pageHasContent_)
            newPage();
        place(std::move(p));
    }
    finishPage();
    restoreSource();
}

void Layouter::layRecord()
{
    if (report_.beforeRecord())
        report_.beforeRecord()();

    const auto &groups = report_.groups();
    std::vector<QString> keys;
    keys.reserve(groups.size());
    size_t changed = groups.size();
    for (size_t i = 0; i < groups.size(); ++i) {
        keys.push_back(groups[i]->key());
        if (changed == groups.size() && (firstRecord_ || keys[i] != lastKeys_[i]))
            changed = i;
    }
    firstRecord_ = false;
    lastKeys_ = std::move(keys);

    std::vector<Prepared> bands;
    for (size_t i = changed; i < groups.size(); ++i)
        if (groups[i]->header.shouldPrint())
            bands.push_back(prepare(groups[i]->header));
    if (const Band *d = report_.band(BandKind::Detail); d && d->shouldPrint())
        bands.push_back(prepare(*d));

    // Group headers stay with the record that follows them.
    double need = 0;
    for (const Prepared &b : bands)
        need += b.height;
    if (need > room() && pageHasContent_) {
        newPage();
        for (size_t i = changed; i-- > 0;)
            if (groups[i]->header.repeatsOnNewPage() && groups[i]->header.shouldPrint())
                bands.insert(bands.begin(), prepare(groups[i]->header));
    }
    for (Prepared &b : bands)
        place(std::move(b));
}

Layouter::Prepared Layouter::prepare(const Band &band)
{
    Prepared out;
    out.kind = band.kind();
    out.height = band.height();
    out.items.reserve(band.items().size());
    for (const Item &i : band.items()) {
        PageItem p;
        p.band = band.kind();
        p.name = i.name;
        p.rect = i.rect;
        p.style = i.style;
        p.wrap = i.wrap;
        p.penWidth = i.penWidth;
        p.penColor = i.penColor;
        p.fillColor = i.fillColor;
        switch (i.kind) {
        case Item::Kind::Label:
            p.text = i.text;
            break;
        case Item::Kind::Field: {
            data::Table *t = i.table ? i.table : source_;
            p.text = t && t->isActive() && !t->isEmpty() ? t->displayText(i.field) : QString();
            break;
        }
        case Item::Kind::Computed:
            p.text = i.compute ? i.compute() : QString();
            break;
        case Item::Kind::PageNumber:
            // Numbered when placed: the record may move to the next page.
            p.text = i.text;
            break;
        case Item::Kind::PrintDate:
            p.text = i.text + frenchDateTime(printedAt_);
            break;
        case Item::Kind::Line:
            p.kind = PageItem::Kind::Line;
            break;
        case Item::Kind::Rect:
            p.kind = PageItem::Kind::Rect;
            break;
        case Item::Kind::Picture:
            p.kind = PageItem::Kind::Image;
            p.image = i.image;
            break;
        case Item::Kind::Chart:
            p.kind = PageItem::Kind::Chart;
            p.chart = i.chart;
            break;
        }
        if (p.kind == PageItem::Kind::Text && i.kind != Item::Kind::PageNumber && !p.text.isEmpty()) {
            const Measure::Font &m = metrics(*i.style);
            const double inner = p.rect.width() - 2 * i.style->padding();
            if (p.wrap) {
                const double h =
                    Measure::wrappedHeightMm(m, p.text, inner, i.style->alignment) + 2 * i.style->padding();
                if (h > p.rect.height() && band.stretches()) {
                    p.rect.setHeight(h);
                    out.height = std::max(out.height, p.rect.bottom());
                } else if (h > p.rect.height()) {
                    p.overflows = true;
                }
            } else {
                p.overflows = Measure::wider(m, p.text, inner);
            }
        }
        if (i.kind == Item::Kind::PageNumber)
            out.pageNumbers.push_back(out.items.size());
        out.items.push_back(std::move(p));
    }
    return out;
}

const detail::MeasuredFont &Layouter::metrics(const TextStyle &style)
{
    auto it = fonts_.find(&style);
    if (it == fonts_.end())
        it = fonts_.emplace(&style, &Measure::instance().font(style.font)).first;
    return *it->second;
}

void Layouter::place(Prepared &&band)
{
    current_.bands.push_back(PlacedBand{band.kind, y_, band.height});
    const QPointF origin(area_.left(), y_);
    for (size_t k : band.pageNumbers)
        band.items[k].text += QString::number(current_.number);
    for (PageItem &p : band.items) {
        p.rect.translate(origin);
        current_.items.push_back(std::move(p));
    }
    y_ += band.height;
    if (band.kind != BandKind::Title && band.kind != BandKind::PageHeader &&
        band.kind != BandKind::ColumnHeader && band.kind != BandKind::PageFooter)
        pageHasContent_ = true;
}

void Layouter::startPage()
{
    current_ = Page{};
    current_.number = int(doc_.pages.size()) + 1;
    y_ = area_.top();
    const Band *footer = report_.band(BandKind::PageFooter);
    limit_ = area_.bottom() - (footer ? footer->height() : 0.0);
    pageHasContent_ = false;
    if (current_.number == 1)
        if (const Band *t = report_.band(BandKind::Title); t && t->shouldPrint())
            place(prepare(*t));
    for (BandKind k : {BandKind::PageHeader, BandKind::ColumnHeader})
        if (const Band *b = report_.band(k); b && b->shouldPrint())
            place(prepare(*b));
}

void Layouter::finishPage()
{
    if (const Band *f = report_.band(BandKind::PageFooter); f && f->shouldPrint()) {
        y_ = limit_;
        place(prepare(*f));
    }
    doc_.pages.push_back(std::move(current_));
}

void Layouter::newPage()
{
    finishPage();
    startPage();
}

} // namespace corvane::core::report
