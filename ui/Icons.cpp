#include "ui/Icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <utility>

namespace corvane::ui {

namespace {

struct Palette {
    QColor blue{0x2a, 0x6f, 0xc9};
    QColor green{0x2e, 0x9b, 0x4f};
    QColor red{0xcc, 0x33, 0x33};
    QColor orange{0xe0, 0x8a, 0x1e};
    QColor dark{0x44, 0x4a, 0x55};
    QColor paper{0xfb, 0xfb, 0xf8};
    QColor grey{0x9a, 0x9a, 0x9a};
    QColor lightGrey{0xd6, 0xd6, 0xd6};
};

Palette paletteFor(QIcon::Mode mode)
{
    Palette p;
    if (mode == QIcon::Disabled) {
        p.blue = p.green = p.red = p.orange = p.dark = QColor(0xb4, 0xb4, 0xb4);
        p.paper = QColor(0xf2, 0xf2, 0xf2);
        p.grey = p.lightGrey = QColor(0xc8, 0xc8, 0xc8);
    }
    return p;
}

QPen pen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void triangle(QPainter &p, qreal x, bool left, const QColor &c)
{
    QPolygonF t;
    if (left)
        t << QPointF(x, 16) << QPointF(x + 11, 7) << QPointF(x + 11, 25);
    else
        t << QPointF(x + 11, 16) << QPointF(x, 7) << QPointF(x, 25);
    p.setPen(pen(c.darker(120), 1.2));
    p.setBrush(c);
    p.drawPolygon(t);
}

void bar(QPainter &p, qreal x, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(x, 7, 3.5, 18), 1, 1);
}

void sheet(QPainter &p, const Palette &c, QRectF r = QRectF(7, 3, 18, 25))
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(pen(c.dark, 1.3));
    p.setBrush(c.paper);
    p.drawPath(path);
    p.setPen(pen(c.grey, 1.2));
    for (qreal y = r.top() + 8; y < r.bottom() - 3; y += 4)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 4, y));
}

void badge(QPainter &p, const QColor &c, QPointF centre, qreal radius)
{
    p.setPen(pen(Qt::white, 1.5));
    p.setBrush(c);
    p.drawEllipse(centre, radius, radius);
}

void plus(QPainter &p, QPointF centre, qreal half, const QColor &c, qreal w)
{
    p.setPen(pen(c, w));
    p.drawLine(centre - QPointF(half, 0), centre + QPointF(half, 0));
    p.drawLine(centre - QPointF(0, half), centre + QPointF(0, half));
}

void pencil(QPainter &p, const Palette &c)
{
    p.save();
    p.translate(17, 16);
    p.rotate(45);
    p.setPen(pen(c.dark, 1.2));
    p.setBrush(c.orange);
    p.drawRect(QRectF(-3.5, -13, 7, 18));
    p.setBrush(c.red);
    p.drawRect(QRectF(-3.5, -15, 7, 3));
    QPolygonF tip;
    tip << QPointF(-3.5, 5) << QPointF(3.5, 5) << QPointF(0, 11);
    p.setBrush(QColor(0xf0, 0xd8, 0xa8));
    p.drawPolygon(tip);
    p.restore();
}

void draw(QPainter &p, Icon which, const Palette &c)
{
    switch (which) {
    case Icon::First:
        bar(p, 7, c.blue);
        triangle(p, 12, true, c.blue);
        break;
    case Icon::Prior:
        triangle(p, 10, true, c.blue);
        break;
    case Icon::Next:
        triangle(p, 11, false, c.blue);
        break;
    case Icon::Last:
        triangle(p, 9, false, c.blue);
        bar(p, 21.5, c.blue);
        break;
    case Icon::Insert:
    case Icon::Add:
        sheet(p, c, QRectF(5, 3, 17, 24));
        badge(p, c.green, QPointF(22, 22), 7.5);
        plus(p, QPointF(22, 22), 4, Qt::white, 2.2);
        break;
    case Icon::Delete:
    case Icon::Remove:
        sheet(p, c, QRectF(5, 3, 17, 24));
        badge(p, c.red, QPointF(22, 22), 7.5);
        p.setPen(pen(Qt::white, 2.2));
        p.drawLine(QPointF(18.5, 18.5), QPointF(25.5, 25.5));
        p.drawLine(QPointF(25.5, 18.5), QPointF(18.5, 25.5));
        break;
    case Icon::Edit:
    case Icon::Modify:
        sheet(p, c, QRectF(4, 3, 17, 24));
        pencil(p, c);
        break;
    case Icon::View: {
        QPainterPath eye;
        eye.moveTo(3, 16);
        eye.quadTo(16, 3, 29, 16);
        eye.quadTo(16, 29, 3, 16);
        p.setPen(pen(c.dark, 1.5));
        p.setBrush(c.paper);
        p.drawPath(eye);
        p.setBrush(c.blue);
        p.drawEllipse(QPointF(16, 16), 5.5, 5.5);
        p.setBrush(c.dark);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16), 2.3, 2.3);
        break;
    }
    case Icon::Post:
        p.setPen(pen(c.green, 4));
        p.drawPolyline(QPolygonF() << QPointF(6, 17) << QPointF(13, 24) << QPointF(26, 8));
        break;
    case Icon::Cancel:
        p.setPen(pen(c.red, 4));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    case Icon::Refresh: {
        p.setPen(pen(c.blue, 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 7, 18, 18), 60 * 16, 280 * 16);
        QPolygonF head;
        head << QPointF(18, 3.5) << QPointF(25.5, 7.5) << QPointF(18, 12.5);
        p.setPen(pen(c.blue, 1));
        p.setBrush(c.blue);
        p.drawPolygon(head);
        break;
    }
    case Icon::Print:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.paper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(c.lightGrey.darker(110));
        p.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
        p.setBrush(c.paper);
        p.drawRect(QRectF(9, 18, 14, 11));
        p.setPen(pen(c.grey, 1.1));
        p.drawLine(QPointF(12, 22), QPointF(20, 22));
        p.drawLine(QPointF(12, 25), QPointF(20, 25));
        p.setPen(Qt::NoPen);
        p.setBrush(c.green);
        p.drawEllipse(QPointF(25, 14.5), 1.5, 1.5);
        break;
    case Icon::Search:
        p.setPen(pen(c.dark, 4));
        p.drawLine(QPointF(19, 19), QPointF(27, 27));
        p.setPen(pen(c.dark, 2.2));
        p.setBrush(QColor(0xd8, 0xe8, 0xfb));
        p.drawEllipse(QPointF(13, 13), 8, 8);
        break;
    case Icon::Calculator:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.lightGrey);
        p.drawRoundedRect(QRectF(6, 2.5, 20, 27), 2.5, 2.5);
        p.setBrush(QColor(0xcf, 0xe8, 0xd0));
        p.drawRect(QRectF(9, 5.5, 14, 6));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                p.setBrush(col == 2 && row == 2 ? c.orange : c.dark);
                p.drawRoundedRect(QRectF(9 + col * 5, 14 + row * 5, 3.6, 3.4), 0.8, 0.8);
            }
        }
        break;
    case Icon::Export:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.paper);
        p.drawRect(QRectF(3, 4, 19, 22));
        p.setPen(pen(c.green, 1.1));
        for (qreal y = 9; y < 26; y += 4.5)
            p.drawLine(QPointF(3, y), QPointF(22, y));
        p.drawLine(QPointF(10, 4), QPointF(10, 26));
        p.setPen(pen(c.green, 3));
        p.drawLine(QPointF(15, 19), QPointF(27, 19));
        p.setPen(pen(c.green, 1));
        p.setBrush(c.green);
        p.drawPolygon(QPolygonF() << QPointF(24, 13.5) << QPointF(30, 19) << QPointF(24, 24.5));
        break;
    case Icon::Quit: {
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(QColor(0xc8, 0x9a, 0x63));
        p.drawRect(QRectF(5, 3, 15, 26));
        p.setBrush(c.dark);
        p.drawEllipse(QPointF(16.5, 16.5), 1.3, 1.3);
        p.setPen(pen(c.red, 3));
        p.drawLine(QPointF(17, 16), QPointF(27, 16));
        p.setPen(pen(c.red, 1));
        p.setBrush(c.red);
        p.drawPolygon(QPolygonF() << QPointF(24, 10.5) << QPointF(30, 16) << QPointF(24, 21.5));
        break;
    }
    case Icon::Help: {
        p.setPen(pen(c.blue.darker(115), 1.2));
        p.setBrush(c.blue);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        QFont f;
        f.setBold(true);
        f.setPixelSize(19);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Icon::Players:
        for (auto [x, col] : {std::pair{11.0, c.blue}, std::pair{21.0, c.green}}) {
            p.setPen(pen(col.darker(120), 1.2));
            p.setBrush(col);
            p.drawEllipse(QPointF(x, 10), 4.5, 4.5);
            p.drawRoundedRect(QRectF(x - 7, 16, 14, 12), 5, 5);
        }
        break;
    case Icon::List:
        sheet(p, c);
        p.setPen(pen(c.blue, 2));
        for (qreal y = 11; y < 26; y += 4)
            p.drawPoint(QPointF(10, y));
        break;
    case Icon::Mail:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.paper);
        p.drawRect(QRectF(3, 8, 26, 17));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF() << QPointF(3, 8) << QPointF(16, 18) << QPointF(29, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(c.red);
        p.drawRect(QRectF(22, 11, 4, 5));
        break;
    case Icon::Chart:
        p.setPen(pen(c.dark, 1.3));
        p.drawLine(QPointF(4, 28), QPointF(29, 28));
        p.drawLine(QPointF(4, 28), QPointF(4, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(c.blue);
        p.drawRect(QRectF(7, 16, 5, 12));
        p.setBrush(c.green);
        p.drawRect(QRectF(14, 9, 5, 19));
        p.setBrush(c.orange);
        p.drawRect(QRectF(21, 20, 5, 8));
        break;
    case Icon::Import:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.paper);
        p.drawRect(QRectF(10, 4, 19, 22));
        p.setPen(pen(c.blue, 1.1));
        for (qreal y = 9; y < 26; y += 4.5)
            p.drawLine(QPointF(10, y), QPointF(29, y));
        p.setPen(pen(c.blue, 3));
        p.drawLine(QPointF(2, 19), QPointF(13, 19));
        p.setPen(pen(c.blue, 1));
        p.setBrush(c.blue);
        p.drawPolygon(QPolygonF() << QPointF(11, 13.5) << QPointF(17, 19) << QPointF(11, 24.5));
        break;
    case Icon::Settings: {
        p.setPen(pen(c.dark, 1.2));
        p.setBrush(c.grey);
        QPolygonF gear;
        for (int i = 0; i < 16; ++i) {
            const qreal r = (i % 2 == 0) ? 13.0 : 10.0;
            const qreal a = i * M_PI / 8;
            gear << QPointF(16 + r * std::cos(a), 16 + r * std::sin(a));
        }
        p.drawPolygon(gear);
        p.setBrush(c.paper);
        p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
        break;
    }
    case Icon::Calendar:
        p.setPen(pen(c.dark, 1.3));
        p.setBrush(c.paper);
        p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
        p.setBrush(c.red);
        p.drawRect(QRectF(4, 6, 24, 6));
        p.setPen(pen(c.dark, 2));
        p.drawLine(QPointF(10, 3), QPointF(10, 8));
        p.drawLine(QPointF(22, 3), QPointF(22, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(c.grey);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(7 + col * 5, 14.5 + row * 4.3, 3, 2.6));
        }
        break;
    case Icon::MoreRight:
    case Icon::MoreDown: {
        if (which == Icon::MoreDown) {
            p.translate(32, 0);
            p.rotate(90);
        }
        p.setPen(pen(c.dark, 3));
        p.setBrush(Qt::NoBrush);
        for (qreal x : {7.0, 16.0}) {
            QPolygonF chevron;
            chevron << QPointF(x, 8) << QPointF(x + 8, 16) << QPointF(x, 24);
            p.drawPolyline(chevron);
        }
        break;
    }
    }
}

class PaintedIcon : public QIconEngine {
public:
    explicit PaintedIcon(Icon which)
        : which_(which)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 32.0, side / 32.0);
        draw(*painter, which_, paletteFor(mode));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine *clone() const override { return new PaintedIcon(which_); }

private:
    Icon which_;
};

} // namespace

QIcon icon(Icon which)
{
    return QIcon(new PaintedIcon(which));
}

} // namespace corvane::ui
