#pragma once

#include "ui/ChoiceComboBox.h"
#include "ui/FieldBinding.h"

#include <QFrame>
#include <QImage>
#include <QPointer>
#include <QSpinBox>

namespace corvane::data {
class Table;
}

namespace corvane::core {

// A whole-number field with its up-down: the arrows add or remove the step
// and keep the value within its bounds; a change puts the record in editing.
class FieldSpinBox : public QSpinBox {
    Q_OBJECT
public:
    FieldSpinBox(data::Table *table, const QString &field, int minimum, int maximum, int step,
                 QWidget *parent = nullptr);
    ui::FieldBinding &binding() { return *binding_; }

private:
    void refresh();

    ui::FieldBinding *binding_;
    bool refreshing_ = false;
};

// The club's logo in the wizard, held as the picture file's bytes until the
// wizard writes it.
class LogoBox : public QFrame {
    Q_OBJECT
public:
    explicit LogoBox(QWidget *parent = nullptr);

    // False, and nothing changed, for bytes that are no picture.
    bool setBytes(const QByteArray &bytes);
    QByteArray bytes() const { return bytes_; }
    bool hasPicture() const { return !image_.isNull(); }
    QSize sizeHint() const override { return {160, 120}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QByteArray bytes_;
    QImage image_;
};

// An unbound choice list fed from a reference table's first field after
// `leading`; a double click opens the list editor and refills it, keeping
// the text shown.
class ReferenceChoice : public ui::ChoiceComboBox {
    Q_OBJECT
public:
    ReferenceChoice(data::Table *reference, const QStringList &leading, QWidget *parent = nullptr);
    void refill();
    data::Table *reference() const { return reference_; }

private:
    QPointer<data::Table> reference_;
    QStringList leading_;
};

} // namespace corvane::core
