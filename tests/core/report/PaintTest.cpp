#include "core/report/PagePainter.h"
#include "core/report/Report.h"
#include "tests/support/Printers.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace corvane::core::report;

namespace {

// A page painted on a 96 dpi image: 1 mm is about 3.8 pixels.
QImage paint(const Page &page, QSizeF paperMm = {210, 297})
{
    QImage img(int(paperMm.width() * 96 / 25.4), int(paperMm.height() * 96 / 25.4), QImage::Format_RGB32);
    const int dpm = qRound(96 / 0.0254);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    paintPage(p, page);
    return img;
}

// How many pixels inside a rectangle given in millimetres are not white.
int inked(const QImage &img, const QRectF &mm)
{
    const double s = 96 / 25.4;
    const QRect r = QRectF(mm.x() * s, mm.y() * s, mm.width() * s, mm.height() * s).toRect() & img.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                ++n;
    return n;
}

} // namespace

TEST(Painting, everyKindOfItemLandsInItsRectangleAndNowhereElse)
{
    auto chart = std::make_shared<QChart>();
    auto *set = new QBarSet(QStringLiteral("Recettes"));
    *set << 3 << 5 << 2;
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setBackgroundVisible(false);

    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);

    Report r(QStringLiteral("Essai"));
    Band &d = r.detail(200);
    d.label(QStringLiteral("Bonjour"), QRectF(0, 0, 40, 6), TextStyle().size(12));
    d.line(QLineF(0, 20, 100, 20), 0.5);
    d.rectangle(QRectF(0, 30, 40, 20), 0.3, QColor(200, 200, 200));
    d.picture(picture, QRectF(50, 30, 40, 40));
    d.chart(chart, QRectF(0, 80, 120, 80));
    const Document doc = r.layout();
    const QImage img = paint(doc.pages[0]);
    const QPointF o(10, 10); // margins

    EXPECT_GT(inked(img, QRectF(o + QPointF(0, 0), QSizeF(40, 6))), 20);
    EXPECT_GT(inked(img, QRectF(o + QPointF(0, 19.5), QSizeF(100, 1))), 300);
    EXPECT_GT(inked(img, QRectF(o + QPointF(1, 31), QSizeF(38, 18))), 5000); // the fill
    // The picture keeps its proportions: 40 × 20 mm centred in 40 × 40.
    EXPECT_GT(inked(img, QRectF(o + QPointF(51, 41), QSizeF(38, 18))), 9000);
    EXPECT_EQ(inked(img, QRectF(o + QPointF(51, 31), QSizeF(38, 8))), 0);
    EXPECT_GT(inked(img, QRectF(o + QPointF(0, 80), QSizeF(120, 80))), 2000);
    // Nothing outside the items.
    EXPECT_EQ(inked(img, QRectF(o + QPointF(130, 0), QSizeF(60, 250))), 0);
    EXPECT_EQ(inked(img, QRectF(0, 0, 210, 9.5)), 0);
}

TEST(Painting, aTooLongTextIsCutAtItsColumnInsteadOfRunningIntoTheNext)
{
    Report r(QStringLiteral("Essai"));
    Band &d = r.detail(10);
    d.label(QStringLiteral("Un nom de rue beaucoup trop long pour sa colonne"), QRectF(0, 0, 30, 6));
    const Document doc = r.layout();
    ASSERT_TRUE(doc.pages[0].items[0].overflows);
    const QImage img = paint(doc.pages[0]);
    EXPECT_GT(inked(img, QRectF(10, 10, 30, 6)), 20);
    EXPECT_EQ(inked(img, QRectF(40.5, 10, 100, 6)), 0);
}
