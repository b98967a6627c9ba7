#include "ui/FieldPicture.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

namespace corvane::ui {

void paintFitted(QPainter &painter, const QRect &area, const QImage &image)
{
    if (image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize s = image.size();
    s.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - s.width()) / 2, area.y() + (area.height() - s.height()) / 2,
                       s.width(), s.height());
    painter.drawImage(target, image);
}

FieldPicture::FieldPicture(data::Table *table, const QString &field, QWidget *parent)
    : QFrame(parent)
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(48, 48);
    refresh();
}

void FieldPicture::refresh()
{
    const QByteArray bytes = binding_->value().toByteArray();
    image_ = bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
    update();
}

bool FieldPicture::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (QImage::fromData(bytes).isNull())
        return false;
    // The file's own bytes: a JPEG photo stays a JPEG.
    if (!binding_->write(bytes))
        return false;
    refresh();
    return true;
}

bool FieldPicture::setPicture(const QImage &image)
{
    if (image.isNull())
        return clearPicture();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (!binding_->write(bytes))
        return false;
    refresh();
    return true;
}

bool FieldPicture::clearPicture()
{
    if (!binding_->write(QVariant()))
        return false;
    refresh();
    return true;
}

void FieldPicture::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    paintFitted(p, contentsRect().adjusted(2, 2, -2, -2), image_);
}

} // namespace corvane::ui
