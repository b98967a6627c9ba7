#include "core/report/Page.h"

#include <algorithm>

namespace corvane::core::report {

QSizeF PageSetup::paperMm() const
{
    const QSizeF s = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

QRectF PageSetup::printableMm() const
{
    const QSizeF paper = paperMm();
    return QRectF(left / 10.0, top / 10.0, paper.width() - (left + right) / 10.0,
                  paper.height() - (top + bottom) / 10.0);
}

QPageLayout PageSetup::pageLayout() const
{
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QFont TextStyle::defaultFont()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9);
    return f;
}

QStringList Page::texts() const
{
    QStringList out;
    for (const PageItem &i : items)
        if (i.kind == PageItem::Kind::Text)
            out << i.text;
    return out;
}

QStringList Page::texts(BandKind band) const
{
    QStringList out;
    for (const PageItem &i : items)
        if (i.kind == PageItem::Kind::Text && i.band == band)
            out << i.text;
    return out;
}

const PageItem *Page::item(const QString &name) const
{
    for (const PageItem &i : items)
        if (i.name == name)
            return &i;
    return nullptr;
}

QString Page::text(const QString &name) const
{
    const PageItem *i = item(name);
    return i ? i->text : QString();
}

int Page::bandCount(BandKind band) const
{
    return int(
        std::count_if(bands.begin(), bands.end(), [band](const PlacedBand &b) { return b.kind == band; }));
}

} // namespace corvane::core::report
