#include "core/report/PagePainter.h"

#include "data/AppFolders.h"

#include <QChart>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace corvane::core::report {

namespace {

// Charts are laid out at the screen's usual resolution, where their default
// fonts and margins look right, then scaled into their rectangle.
constexpr double ChartDpi = 96.0;

class PagePainter {
public:
    explicit PagePainter(QPainter &painter)
        : p_(painter)
        , sx_(painter.device()->logicalDpiX() / 25.4)
        , sy_(painter.device()->logicalDpiY() / 25.4)
    {}

    void paint(const Page &page)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (const PageItem &i : page.items) {
            switch (i.kind) {
            case PageItem::Kind::Text:
                text(i);
                break;
            case PageItem::Kind::Line:
                setPen(i.penColor, i.penWidth);
                p_.drawLine(QPointF(i.rect.left() * sx_, i.rect.top() * sy_),
                            QPointF(i.rect.right() * sx_, i.rect.bottom() * sy_));
                break;
            case PageItem::Kind::Rect:
                setPen(i.penColor, i.penWidth);
                p_.setBrush(i.fillColor.isValid() ? QBrush(i.fillColor) : QBrush(Qt::NoBrush));
                p_.drawRect(px(i.rect));
                p_.setBrush(Qt::NoBrush);
                break;
            case PageItem::Kind::Image:
                image(i);
                break;
            case PageItem::Kind::Chart:
                chart(i);
                break;
            }
        }
        p_.restore();
    }

private:
    QRectF px(const QRectF &mm) const
    {
        return QRectF(mm.x() * sx_, mm.y() * sy_, mm.width() * sx_, mm.height() * sy_);
    }

    void setPen(const QColor &color, double widthMm)
    {
        if (color == penColor_ && widthMm == penWidth_)
            return;
        penColor_ = color;
        penWidth_ = widthMm;
        QPen pen(color, widthMm * sx_);
        pen.setCapStyle(Qt::FlatCap);
        p_.setPen(pen);
    }

    void text(const PageItem &i)
    {
        const TextStyle &s = *i.style;
        const QRectF r = px(i.rect);
        if (s.background.isValid())
            p_.fillRect(r, s.background);
        if (s.frameSides != TextStyle::NoSide) {
            setPen(s.frameColor, s.frameWidth);
            if (s.frameSides & TextStyle::Left)
                p_.drawLine(r.topLeft(), r.bottomLeft());
            if (s.frameSides & TextStyle::Top)
                p_.drawLine(r.topLeft(), r.topRight());
            if (s.frameSides & TextStyle::Right)
                p_.drawLine(r.topRight(), r.bottomRight());
            if (s.frameSides & TextStyle::Bottom)
                p_.drawLine(r.bottomLeft(), r.bottomRight());
        }
        if (i.text.isEmpty())
            return;
        // Columns carry styles of their own with the same font: setting a
        // font costs far more than comparing two.
        if (&s != style_) {
            style_ = &s;
            if (!fontSet_ || !(s.font == font_)) {
                font_ = s.font;
                fontSet_ = true;
                p_.setFont(font_);
            }
        }
        setPen(s.color, 0);
        const double pad = s.padding();
        const QRectF inner = r.adjusted(pad * sx_, pad * sy_, -pad * sx_, -pad * sy_);
        if (i.wrap) {
            // A wrapped text that does not fit is cut at its rectangle.
            p_.drawText(inner, int(s.alignment | Qt::TextWordWrap | (i.overflows ? 0 : Qt::TextDontClip)),
                        i.text);
        } else if (i.overflows) {
            const QFontMetricsF fm(p_.font(), p_.device());
            p_.drawText(inner, int(s.alignment | Qt::TextDontClip),
                        fm.elidedText(i.text, Qt::ElideRight, inner.width()));
        } else {
            p_.drawText(inner, int(s.alignment | Qt::TextDontClip), i.text);
        }
    }

    void image(const PageItem &i)
    {
        if (i.image.isNull())
            return;
        const QRectF box = px(i.rect);
        QSizeF size = QSizeF(i.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        const QRectF target(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
        p_.drawImage(target, i.image);
    }

    void chart(const PageItem &i)
    {
        if (!i.chart)
            return;
        const QSizeF size(i.rect.width() / 25.4 * ChartDpi, i.rect.height() / 25.4 * ChartDpi);
        QGraphicsScene scene;
        QChart *c = i.chart.get();
        QGraphicsScene *previous = c->scene();
        if (previous)
            previous->removeItem(c);
        scene.addItem(c);
        c->setPos(0, 0);
        c->resize(size);
        scene.setSceneRect(QRectF(QPointF(0, 0), size));
        scene.render(&p_, px(i.rect), QRectF(QPointF(0, 0), size));
        scene.removeItem(c);
        if (previous)
            previous->addItem(c);
        // The scene's rendering leaves its own pen and font on the painter.
        style_ = nullptr;
        fontSet_ = false;
        penWidth_ = -1;
    }

    QPainter &p_;
    double sx_;
    double sy_;
    const TextStyle *style_ = nullptr;
    QFont font_;
    bool fontSet_ = false;
    QColor penColor_;
    double penWidth_ = -1;
};

} // namespace

void paintPage(QPainter &painter, const Page &page)
{
    PagePainter(painter).paint(page);
}

bool paintDocument(const Document &doc, QPagedPaintDevice &device)
{
    device.setPageLayout(doc.setup.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool first = true;
    for (const Page &page : doc.pages) {
        if (!first && !device.newPage())
            return false;
        first = false;
        paintPage(painter, page);
    }
    return painter.end();
}

bool writePdf(const Document &doc, const QString &path, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = QString::fromUtf8("Le fichier « %1 » n'a pas pu être écrit : %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QString::fromUtf8("le dossier n'existe pas ou n'accepte pas l'écriture."));
    {
        QPdfWriter writer(&file);
        writer.setTitle(doc.title);
        writer.setCreator(data::VersionText);
        if (!paintDocument(doc, writer)) {
            file.cancelWriting();
            return fail(QString::fromUtf8("le document n'a pas pu être dessiné."));
        }
    }
    if (!file.commit())
        return fail(QString::fromUtf8("l'écriture sur le disque a échoué."));
    return true;
}

} // namespace corvane::core::report
