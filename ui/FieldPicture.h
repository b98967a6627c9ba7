#pragma once

#include "ui/FieldBinding.h"

#include <QFrame>
#include <QImage>

class QPainter;

namespace corvane::ui {

// Draws `image` as large as `area` allows with its proportions kept, centred;
// nothing for a null image.
void paintFitted(QPainter &painter, const QRect &area, const QImage &image);

// The picture stored in a picture or binary field, scaled to the frame with
// its proportions kept. loadFromFile() and clearPicture() change the record
// (putting it in editing); they return false when nothing was stored.
class FieldPicture : public QFrame {
    Q_OBJECT
public:
    FieldPicture(data::Table *table, const QString &field, QWidget *parent = nullptr);

    QImage image() const { return image_; }
    bool hasPicture() const { return !image_.isNull(); }

    // False for a file that cannot be read or is no picture (the record is
    // left as it was).
    bool loadFromFile(const QString &path);
    bool setPicture(const QImage &image); // stored as PNG
    bool clearPicture();

    void setReadOnly(bool readOnly) { binding_->setReadOnly(readOnly); }
    FieldBinding &binding() { return *binding_; }

    QSize sizeHint() const override { return {160, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    FieldBinding *binding_;
    QImage image_;
};

} // namespace corvane::ui
