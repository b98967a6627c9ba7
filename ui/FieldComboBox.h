#pragma once

#include "ui/ChoiceComboBox.h"
#include "ui/FieldBinding.h"

namespace corvane::ui {

// A choice list bound to a field. Its items are either given once
// (setItems: the club's accounts) or read from a reference table's first
// field in the table's order, after the caller's leading entries such as ""
// or "Aucun" (setReferenceTable). A double click on a list fed by a
// reference table opens the list editor on that table and refills the list,
// keeping the value shown; on other lists it drops the list down.
//
//   auto *banque = new ui::FieldComboBox(recettes, "Banque", this);
//   banque->setReferenceTable(md.table("NomBanque"), {QString()});
class FieldComboBox : public ChoiceComboBox {
    Q_OBJECT
public:
    FieldComboBox(data::Table *table, const QString &field, QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    void setReferenceTable(data::Table *reference, const QStringList &leadingItems = {});
    data::Table *referenceTable() const { return reference_; }
    // Reads the items again (the reference table is opened for the read and
    // left as it was found); the value shown stays.
    void refill();

    FieldBinding &binding() { return *binding_; }
    void setReadOnly(bool readOnly);

public slots:
    // The double click: the list editor, or the list dropped down.
    void editList();

private:
    void refresh();
    void chosen(int index);

    FieldBinding *binding_;
    QPointer<data::Table> reference_;
    QStringList leading_;
};

} // namespace corvane::ui
