#include "ui/FieldComboBox.h"

#include "data/OpenedTable.h"
#include "ui/ListEditor.h"

#include <QSignalBlocker>

namespace corvane::ui {

FieldComboBox::FieldComboBox(data::Table *table, const QString &field, QWidget *parent)
    : ChoiceComboBox(parent)
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, &FieldComboBox::chosen);
    connect(this, &ChoiceComboBox::doubleClicked, this, &FieldComboBox::editList);
    refresh();
}

void FieldComboBox::setItems(const QStringList &items)
{
    reference_ = nullptr;
    leading_.clear();
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    refresh();
}

void FieldComboBox::setReferenceTable(data::Table *reference, const QStringList &leadingItems)
{
    reference_ = reference;
    leading_ = leadingItems;
    refill();
}

void FieldComboBox::refill()
{
    QStringList items = leading_;
    if (reference_) {
        data::OpenedTable ref(reference_);
        const int n = ref->recordCount();
        items.reserve(items.size() + n);
        for (int row = 0; row < n; ++row)
            items.append(ref->valueAt(row, 0).toString());
    }
    const QString shown = currentText();
    {
        const QSignalBlocker block(this);
        clear();
        addItems(items);
        setShownText(shown);
    }
    refresh();
}

void FieldComboBox::setReadOnly(bool readOnly)
{
    ChoiceComboBox::setReadOnly(readOnly);
    binding_->setReadOnly(readOnly);
}

void FieldComboBox::editList()
{
    if (isReadOnly())
        return;
    if (reference_ && hasListEditor()) {
        openListEditor(*reference_, this);
        refill();
        return;
    }
    showPopup();
}

void FieldComboBox::refresh()
{
    const QSignalBlocker block(this);
    setShownText(binding_->displayText());
}

void FieldComboBox::chosen(int index)
{
    if (index < 0)
        return;
    const QString text = itemText(index);
    if (binding_->hasRecord() && binding_->displayText() == text)
        return;
    binding_->write(text);
}

} // namespace corvane::ui
