#include "app/MainBackground.h"

#include "data/AppFolders.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::app {

namespace {

// A shuttlecock: the cork as a half disc, the skirt as a fan of feathers.
void drawShuttlecock(QPainter &p, QPointF base, double size, double angle)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath skirt;
    skirt.moveTo(-0.18 * size, 0);
    skirt.lineTo(-0.42 * size, -size);
    skirt.quadTo(0, -1.12 * size, 0.42 * size, -size);
    skirt.lineTo(0.18 * size, 0);
    skirt.closeSubpath();
    p.setPen(QPen(QColor(90, 110, 140), size * 0.02));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(skirt);
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(i * 0.07 * size, 0), QPointF(i * 0.19 * size, -1.03 * size));
    p.setPen(QPen(QColor(200, 40, 40), size * 0.03));
    p.drawLine(QPointF(-0.3 * size, -0.62 * size), QPointF(0.3 * size, -0.62 * size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 225, 200));
    p.drawChord(QRectF(-0.2 * size, -0.2 * size, 0.4 * size, 0.4 * size), 180 * 16, 180 * 16);
    p.restore();
}

void paintScene(QPainter &p, const QRect &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(34, 94, 150));
    sky.setColorAt(0.65, QColor(92, 160, 204));
    sky.setColorAt(1, QColor(214, 236, 220));
    p.fillRect(r, sky);
    // The court's lines in perspective.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 110), 2));
    const double h = r.height(), w = r.width();
    const double horizon = r.top() + h * 0.62;
    for (double f : {0.1, 0.3, 0.5, 0.7, 0.9})
        p.drawLine(QPointF(r.left() + w * f, r.bottom()), QPointF(r.left() + w * (0.5 + (f - 0.5) * 0.35), horizon));
    p.drawLine(QPointF(r.left() + w * 0.32, horizon), QPointF(r.left() + w * 0.68, horizon));
    // The net.
    p.setPen(QPen(QColor(255, 255, 255, 160), 3));
    p.drawLine(QPointF(r.left() + w * 0.15, horizon + h * 0.12), QPointF(r.left() + w * 0.85, horizon + h * 0.12));
    drawShuttlecock(p, QPointF(r.left() + w * 0.72, r.top() + h * 0.36), std::min(w, h) * 0.18, 35);
}

// The serif face of the program's title, version and club name.
int titlePixels(const QSize &pictureSize)
{
    return std::max(12, pictureSize.width() / 7);
}

QFont titleFont(int pixelSize)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    // Large text needs no hinting, whose glyph by glyph work shows at
    // start-up.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A text on the background picture, on a rounded pale plate when `plate` is
// not transparent. Painted here rather than through a style sheet, whose
// machinery is a visible part of the start-up.
class PlateLabel : public QLabel {
public:
    PlateLabel(const QColor &text, const QColor &plate, int radius, QWidget *parent)
        : QLabel(parent)
        , plate_(plate)
        , radius_(radius)
    {
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, text);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (plate_.alpha() > 0) {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(plate_);
            p.drawRoundedRect(QRectF(rect()), radius_, radius_);
        }
        QLabel::paintEvent(event);
    }

private:
    QColor plate_;
    int radius_;
};

} // namespace

QPixmap programPicture(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    paintScene(p, pm.rect());
    p.setPen(Qt::white);
    p.setFont(titleFont(titlePixels(size)));
    p.drawText(QRect(0, size.height() / 12, size.width(), size.height() / 4), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Corvane"));
    return pm;
}

MainBackground::MainBackground(QWidget *parent)
    : QWidget(parent)
    , version_(new PlateLabel(QColor(0x0a, 0x8f, 0x2a), QColor(255, 255, 255, 190), 6, this))
    , club_(new PlateLabel(Qt::white, Qt::transparent, 0, this))
    , contact_(new PlateLabel(QColor(0x0b, 0x3d, 0x6e), QColor(255, 255, 255, 200), 4, this))
    , mail_(new PlateLabel(QColor(0x0b, 0x3d, 0x6e), QColor(255, 255, 255, 200), 4, this))
    , credits_(new QWidget(this))
    , creditsVersion_(new QLabel(credits_))
{
    setMouseTracking(true);
    version_->setObjectName(QStringLiteral("LabelVersion"));
    version_->setFont(titleFont(16));
    version_->setContentsMargins(10, 4, 10, 4);
    version_->setAlignment(Qt::AlignCenter);
    // The size of the splash picture's title: each size of a face is loaded
    // on its own, a visible part of the start-up.
    club_->setFont(titleFont(titlePixels(SplashPictureSize)));
    club_->setAlignment(Qt::AlignCenter);

    for (QLabel *l : {contact_, mail_}) {
        l->setCursor(Qt::PointingHandCursor);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        l->setContentsMargins(8, 4, 8, 4);
    }
    contact_->setObjectName(QStringLiteral("ImageContact"));
    contact_->setText(QStringLiteral("? Aide en ligne"));
    mail_->setObjectName(QStringLiteral("ImageBAL"));
    mail_->setText(QStringLiteral("✉ Écrire un message"));

    credits_->setObjectName(QStringLiteral("CreditCache"));
    credits_->setAutoFillBackground(true);
    auto *cl = new QVBoxLayout(credits_);
    creditsVersion_->setObjectName(QStringLiteral("VersionTXT"));
    auto *close = new QPushButton(QStringLiteral("Fermer"), credits_);
    connect(close, &QPushButton::clicked, credits_, &QWidget::hide);
    cl->addWidget(creditsVersion_);
    cl->addWidget(close, 0, Qt::AlignRight);
    credits_->resize(360, 190);
    credits_->hide();
    setVersionText(data::VersionText);
}

void MainBackground::setVersionText(const QString &text)
{
    version_->setText(text);
    creditsVersion_->setText(text);
    version_->adjustSize();
    place();
}

void MainBackground::setClubName(const QString &name)
{
    club_->setText(name);
    club_->adjustSize();
    place();
}

void MainBackground::place()
{
    const QRect r = rect();
    version_->adjustSize();
    version_->move((r.width() - version_->width()) / 2, r.height() - version_->height() - 16);
    club_->resize(r.width(), club_->sizeHint().height());
    club_->move(0, r.height() / 8);
    contact_->adjustSize();
    mail_->adjustSize();
    contact_->move(12, r.height() - contact_->height() - 12);
    mail_->move(r.width() - mail_->width() - 12, r.height() - mail_->height() - 12);
    credits_->move((r.width() - credits_->width()) / 2, (r.height() - credits_->height()) / 2);
}

void MainBackground::showCredits()
{
    // Its rich text and colours are set up on the first showing only.
    if (!credits_->findChild<QLabel *>(QStringLiteral("CreditText"))) {
        credits_->setStyleSheet(
            QStringLiteral("#CreditCache { background: #fdfbe8; border: 1px solid #8a7f3c; }"));
        auto *text =
            new QLabel(QStringLiteral("<b>Corvane</b><br>Gestion d'un club de badminton, saison après saison."
                                      "<br><br>Liste nationale des codes postaux : Base Adresse Nationale "
                                      "(IGN, DINUM, ANCT), licence MIT."),
                       credits_);
        text->setObjectName(QStringLiteral("CreditText"));
        text->setWordWrap(true);
        static_cast<QVBoxLayout *>(credits_->layout())->insertWidget(0, text);
    }
    credits_->show();
}

void MainBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintScene(p, rect());
}

void MainBackground::resizeEvent(QResizeEvent *)
{
    place();
}

void MainBackground::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && (event->modifiers() & Qt::ShiftModifier)) {
        showCredits();
        credits_->raise();
    }
}

void MainBackground::mouseMoveEvent(QMouseEvent *)
{
    emit statusText(QString());
}

bool MainBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        emit statusText(watched == contact_ ? QStringLiteral("Ouvrir l'aide de Corvane")
                                            : QStringLiteral("Envoyer un mail au Service Client"));
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == contact_)
            emit contactClicked();
        else
            emit mailClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corvane::app
