#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QChart;

namespace corvane::core::report {

// The bands of a report, in print order.
enum class BandKind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, Summary, PageFooter };

// Paper, orientation and margins. Margins are in tenths of a millimetre, as
// every report of the program states them (100 = 1 cm).
struct PageSetup {
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int top = 100;
    int bottom = 100;
    int left = 100;
    int right = 100;

    static PageSetup portrait() { return {}; }
    static PageSetup landscape()
    {
        PageSetup s;
        s.orientation = QPageLayout::Landscape;
        return s;
    }
    // Left and right margins of 8 mm.
    PageSetup &narrow()
    {
        left = right = 80;
        return *this;
    }
    PageSetup &margins(int topTenths, int bottomTenths, int leftTenths, int rightTenths)
    {
        top = topTenths;
        bottom = bottomTenths;
        left = leftTenths;
        right = rightTenths;
        return *this;
    }
    PageSetup &customSize(double widthMm, double heightMm)
    {
        pageSize = QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter);
        return *this;
    }

    QSizeF paperMm() const;         // as the sheet lies, orientation applied
    QRectF printableMm() const;     // inside the margins
    QPageLayout pageLayout() const; // for printers and PDF writers: no margins of their own
};

// How a text is drawn. Fluent setters so that a band reads
// `d.label("Nom", r, TextStyle().bold().size(10))`.
struct TextStyle {
    enum Side { NoSide = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, AllSides = 15 };

    QFont font = defaultFont();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    QColor background; // none when invalid
    int frameSides = NoSide;
    double frameWidth = 0.2; // mm
    QColor frameColor = Qt::black;
    double paddingMm = -1; // automatic when negative

    TextStyle &size(double points)
    {
        font.setPointSizeF(points);
        return *this;
    }
    TextStyle &bold(bool on = true)
    {
        font.setBold(on);
        return *this;
    }
    TextStyle &italic(bool on = true)
    {
        font.setItalic(on);
        return *this;
    }
    TextStyle &underline(bool on = true)
    {
        font.setUnderline(on);
        return *this;
    }
    TextStyle &family(const QString &name)
    {
        font.setFamily(name);
        return *this;
    }
    TextStyle &align(Qt::Alignment a)
    {
        // A horizontal alignment alone keeps the text centred vertically.
        alignment = (a & Qt::AlignVertical_Mask) ? a : (a | Qt::AlignVCenter);
        return *this;
    }
    TextStyle &textColor(const QColor &c)
    {
        color = c;
        return *this;
    }
    TextStyle &fill(const QColor &c)
    {
        background = c;
        return *this;
    }
    TextStyle &framed(int sides = AllSides, double widthMm = 0.2, const QColor &c = Qt::black)
    {
        frameSides = sides;
        frameWidth = widthMm;
        frameColor = c;
        return *this;
    }
    TextStyle &pad(double mm)
    {
        paddingMm = mm;
        return *this;
    }
    // Inner space between the rectangle and the text: 1 mm inside a frame or
    // a fill, none otherwise, unless set.
    double padding() const
    {
        if (paddingMm >= 0)
            return paddingMm;
        return (frameSides != NoSide || background.isValid()) ? 1.0 : 0.0;
    }

    // Liberation Sans 9 pt: metric-compatible with the usual office font.
    static QFont defaultFont();
};

// One thing drawn on a page, placed in millimetres from the sheet's top-left
// corner.
struct PageItem {
    enum class Kind { Text, Line, Rect, Image, Chart };

    Kind kind = Kind::Text;
    BandKind band = BandKind::Detail;
    QString name; // the item's name in its report ("Titre", "QRDDJS"), often empty
    QRectF rect;  // for a line: from topLeft() to bottomRight(), not normalised
    QString text;
    std::shared_ptr<const TextStyle> style;
    bool wrap = false;      // text broken over several lines inside rect
    bool overflows = false; // a one-line text wider than its rect: cut with an ellipsis when painted
    double penWidth = 0.2;  // mm, lines and rectangles
    QColor penColor = Qt::black;
    QColor fillColor; // rectangles; none when invalid
    QImage image;
    std::shared_ptr<QChart> chart;
};

// Where a band was laid on a page.
struct PlacedBand {
    BandKind kind;
    double top;    // mm from the top of the sheet
    double height; // mm
};

struct Page {
    int number = 0; // 1-based
    std::vector<PlacedBand> bands;
    std::vector<PageItem> items;

    // The texts of the page in drawing order, optionally of one band only.
    QStringList texts() const;
    QStringList texts(BandKind band) const;
    // The text of the first item of that name; empty when none.
    QString text(const QString &name) const;
    const PageItem *item(const QString &name) const;
    bool contains(const QString &text) const { return texts().contains(text); }
    // How many times a band was laid on the page.
    int bandCount(BandKind band) const;
};

// A laid-out report: what the preview shows, the printer prints and the PDF
// holds. It owns everything it draws, so it outlives the report that made it.
struct Document {
    QString title;
    PageSetup setup;
    std::vector<Page> pages;

    int pageCount() const { return int(pages.size()); }
};

} // namespace corvane::core::report
