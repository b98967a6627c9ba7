#pragma once

#include "ui/FieldBinding.h"

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace corvane::ui {

// A date bound to a field: the date shows as "dd/MM/yyyy" in a box that
// refuses typing; the button beside it, or a double click on the box, opens
// the date picker on the field's date (today when empty) and stores the
// chosen date, putting the record in editing. Read-only mode disables the
// button and the double click.
class FieldDateEdit : public QWidget {
    Q_OBJECT
public:
    FieldDateEdit(data::Table *table, const QString &field, QWidget *parent = nullptr);

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return binding_->isReadOnly(); }
    QLineEdit *lineEdit() const { return edit_; }
    QToolButton *button() const { return button_; }
    FieldBinding &binding() { return *binding_; }

public slots:
    // Opens the date picker; true when a date was chosen and stored.
    bool chooseDate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    QLineEdit *edit_;
    QToolButton *button_;
    FieldBinding *binding_;
};

} // namespace corvane::ui
