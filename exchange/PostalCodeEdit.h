#pragma once

#include "ui/FieldBinding.h"

#include <QLineEdit>

namespace corvane::exchange {

// The postal code of a town, bound to its field: typed through the mask
// "00 000" (digits only, shown as two and three), stored without the blank.
// A stored code that is not five digits (a foreign one) shows as it is.
class PostalCodeEdit : public QLineEdit {
    Q_OBJECT
public:
    PostalCodeEdit(data::Table *table, const QString &field, QWidget *parent = nullptr);
    ui::FieldBinding &binding() { return *binding_; }

private:
    void refresh();
    void edited(const QString &text);

    ui::FieldBinding *binding_;
};

} // namespace corvane::exchange
