#include "core/params/ParamWidgets.h"

#include "data/OpenedTable.h"
#include "data/Table.h"
#include "ui/ListEditor.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane::core {

FieldSpinBox::FieldSpinBox(data::Table *table, const QString &field, int minimum, int maximum, int step,
                           QWidget *parent)
    : QSpinBox(parent)
    , binding_(new ui::FieldBinding(table, field, this, [this] { refresh(); }))
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setAccelerated(false);
    setMinimumWidth(70);
    setMaximumWidth(90);
    connect(this, &QSpinBox::valueChanged, this, [this](int v) {
        if (!refreshing_ && !binding_->write(v))
            refresh();
    });
    refresh();
}

void FieldSpinBox::refresh()
{
    refreshing_ = true;
    const QVariant v = binding_->value();
    // A stored value outside the bounds shows at the nearest bound; it is
    // written only if the officer changes it.
    setValue(v.isNull() ? minimum() : std::clamp(v.toInt(), minimum(), maximum()));
    setEnabled(binding_->hasRecord());
    refreshing_ = false;
}

LogoBox::LogoBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(120, 90);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Cliquez pour charger une image"));
}

bool LogoBox::setBytes(const QByteArray &bytes)
{
    QImage image;
    if (!bytes.isEmpty()) {
        image = QImage::fromData(bytes);
        if (image.isNull())
            return false;
    }
    bytes_ = bytes;
    image_ = image;
    update();
    return true;
}

void LogoBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (image_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area = contentsRect().adjusted(2, 2, -2, -2);
    QSize s = image_.size();
    s.scale(area.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(area.x() + (area.width() - s.width()) / 2, area.y() + (area.height() - s.height()) / 2,
                      s.width(), s.height()),
                image_);
}

void LogoBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

ReferenceChoice::ReferenceChoice(data::Table *reference, const QStringList &leading, QWidget *parent)
    : ChoiceComboBox(parent)
    , reference_(reference)
    , leading_(leading)
{
    refill();
    connect(this, &ChoiceComboBox::doubleClicked, this, [this] {
        if (reference_ && ui::hasListEditor()) {
            if (ui::openListEditor(*reference_, window()))
                refill();
        } else {
            showPopup();
        }
    });
}

void ReferenceChoice::refill()
{
    const QString shown = currentText();
    QStringList items = leading_;
    if (reference_) {
        data::OpenedTable t(reference_);
        data::ControlsDisabled quiet(*t);
        const auto mark = t->bookmark();
        const QString first = t->definition().fields.value(0).name;
        for (t->first(); !t->eof(); t->next()) {
            const QString s = t->asString(first);
            if (!items.contains(s))
                items << s;
        }
        t->gotoBookmark(mark);
    }
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setShownText(shown);
}

} // namespace corvane::core
