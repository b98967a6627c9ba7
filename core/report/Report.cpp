#include "core/report/Report.h"

#include "core/report/Layouter.h"
#include "data/Table.h"

namespace corvane::core::report {

Item &Band::add(Item item)
{
    items_.push_back(std::move(item));
    return items_.back();
}

Item &Band::label(const QString &text, const QRectF &rect, const TextStyle &style)
{
    Item i;
    i.kind = Item::Kind::Label;
    i.text = text;
    i.rect = rect;
    i.style = std::make_shared<const TextStyle>(style);
    return add(std::move(i));
}

Item &Band::field(const QString &field, const QRectF &rect, const TextStyle &style, data::Table *table)
{
    Item i;
    i.kind = Item::Kind::Field;
    i.field = field;
    i.table = table;
    i.rect = rect;
    i.style = std::make_shared<const TextStyle>(style);
    return add(std::move(i));
}

Item &Band::computed(std::function<QString()> text, const QRectF &rect, const TextStyle &style)
{
    Item i;
    i.kind = Item::Kind::Computed;
    i.compute = std::move(text);
    i.rect = rect;
    i.style = std::make_shared<const TextStyle>(style);
    return add(std::move(i));
}

Item &Band::pageNumber(const QRectF &rect, const QString &prefix, const TextStyle &style)
{
    Item i;
    i.kind = Item::Kind::PageNumber;
    i.text = prefix;
    i.rect = rect;
    i.style = std::make_shared<const TextStyle>(style);
    return add(std::move(i));
}

Item &Band::printDate(const QRectF &rect, const QString &prefix, const TextStyle &style)
{
    Item i = pageNumber(rect, prefix, style);
    items_.pop_back();
    i.kind = Item::Kind::PrintDate;
    return add(std::move(i));
}

Item &Band::line(const QLineF &line, double widthMm, const QColor &color)
{
    Item i;
    i.kind = Item::Kind::Line;
    i.rect = QRectF(line.p1(), line.p2());
    i.penWidth = widthMm;
    i.penColor = color;
    return add(std::move(i));
}

Item &Band::rectangle(const QRectF &rect, double widthMm, const QColor &fill)
{
    Item i;
    i.kind = Item::Kind::Rect;
    i.rect = rect;
    i.penWidth = widthMm;
    i.fillColor = fill;
    return add(std::move(i));
}

Item &Band::picture(const QImage &image, const QRectF &rect)
{
    Item i;
    i.kind = Item::Kind::Picture;
    i.image = image;
    i.rect = rect;
    return add(std::move(i));
}

Item &Band::chart(std::shared_ptr<QChart> chart, const QRectF &rect)
{
    Item i;
    i.kind = Item::Kind::Chart;
    i.chart = std::move(chart);
    i.rect = rect;
    return add(std::move(i));
}

Item *Band::item(const QString &name)
{
    for (Item &i : items_)
        if (i.name == name)
            return &i;
    return nullptr;
}

Report::Report(const QString &title, const PageSetup &setup)
    : title_(title)
    , setup_(setup)
{}

void Report::setTitle(const QString &title)
{
    title_ = title;
    setLabel(QStringLiteral("Titre"), title);
}

Band &Report::ensure(std::unique_ptr<Band> &band, BandKind kind, double height)
{
    if (!band)
        band = std::make_unique<Band>(kind, height);
    return *band;
}

Band &Report::titleBand(double h)
{
    return ensure(titleBand_, BandKind::Title, h);
}
Band &Report::pageHeader(double h)
{
    return ensure(pageHeader_, BandKind::PageHeader, h);
}
Band &Report::columnHeader(double h)
{
    return ensure(columnHeader_, BandKind::ColumnHeader, h);
}
Band &Report::detail(double h)
{
    return ensure(detail_, BandKind::Detail, h);
}
Band &Report::summary(double h)
{
    return ensure(summary_, BandKind::Summary, h);
}
Band &Report::pageFooter(double h)
{
    return ensure(pageFooter_, BandKind::PageFooter, h);
}

Band *Report::band(BandKind kind) const
{
    switch (kind) {
    case BandKind::Title:
        return titleBand_.get();
    case BandKind::PageHeader:
        return pageHeader_.get();
    case BandKind::ColumnHeader:
        return columnHeader_.get();
    case BandKind::Detail:
        return detail_.get();
    case BandKind::Summary:
        return summary_.get();
    case BandKind::PageFooter:
        return pageFooter_.get();
    case BandKind::GroupHeader:
        return groups_.empty() ? nullptr : &groups_.front()->header;
    }
    return nullptr;
}

Band &Report::addGroup(const QString &field, double headerHeightMm)
{
    return addGroup([this, field] { return source_ ? source_->displayText(field) : QString(); },
                    headerHeightMm);
}

Band &Report::addGroup(std::function<QString()> key, double headerHeightMm)
{
    groups_.push_back(
        std::make_unique<Group>(Group{std::move(key), Band(BandKind::GroupHeader, headerHeightMm)}));
    return groups_.back()->header;
}

Item *Report::item(const QString &name)
{
    for (BandKind k : {BandKind::Title, BandKind::PageHeader, BandKind::ColumnHeader, BandKind::Detail,
                       BandKind::Summary, BandKind::PageFooter})
        if (Band *b = band(k))
            if (Item *i = b->item(name))
                return i;
    for (auto &g : groups_)
        if (Item *i = g->header.item(name))
            return i;
    return nullptr;
}

bool Report::setLabel(const QString &name, const QString &text)
{
    Item *i = item(name);
    if (!i)
        return false;
    i->text = text;
    return true;
}

Document Report::layout() const
{
    Layouter l(*this);
    while (!l.done())
        l.step(1 << 30);
    return l.takeDocument();
}

} // namespace corvane::core::report
