#include "ui/FieldEdits.h"

#include "data/Money.h"
#include "data/StoreError.h"
#include "ui/Messages.h"

#include <QKeyEvent>
#include <QLocale>
#include <QSignalBlocker>

namespace corvane::ui {

using data::FieldType;

// ---------------------------------------------------------------- FieldLineEdit

FieldLineEdit::FieldLineEdit(data::Table *table, const QString &field, QWidget *parent)
    : QLineEdit(parent)
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    const data::FieldDef &def = binding_->fieldDef();
    switch (def.type) {
    case FieldType::Money:
    case FieldType::Real:
        ui::setInputFilter(this, InputFilter::Amount);
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FieldType::Int16:
    case FieldType::Int32:
        ui::setInputFilter(this, InputFilter::WholeNumber);
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FieldType::Text:
        if (def.size > 0)
            setMaxLength(def.size);
        break;
    default:
        break;
    }
    connect(this, &QLineEdit::textEdited, this, &FieldLineEdit::edited);
    refresh();
}

void FieldLineEdit::setInputFilter(InputFilter filter)
{
    ui::setInputFilter(this, filter);
}

void FieldLineEdit::setReadOnly(bool readOnly)
{
    QLineEdit::setReadOnly(readOnly);
    binding_->setReadOnly(readOnly);
}

bool FieldLineEdit::numeric() const
{
    switch (binding_->fieldDef().type) {
    case FieldType::Money:
    case FieldType::Real:
    case FieldType::Int16:
    case FieldType::Int32:
        return true;
    default:
        return false;
    }
}

QString FieldLineEdit::editText() const
{
    const QVariant v = binding_->value();
    if (v.isNull() || !v.isValid())
        return {};
    switch (binding_->fieldDef().type) {
    case FieldType::Money:
        return data::Money::fromDouble(v.toDouble()).formatPlain().remove(QChar(0x00A0));
    case FieldType::Real: {
        QLocale plain(QLocale::French, QLocale::France);
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(v.toDouble(), 'g', 15);
    }
    case FieldType::Int16:
    case FieldType::Int32:
        return QString::number(v.toLongLong());
    default:
        return binding_->displayText();
    }
}

void FieldLineEdit::refresh()
{
    pendingInvalid_ = false;
    const QString text = editText();
    if (text != QLineEdit::text()) {
        const QSignalBlocker block(this);
        // The stored value shows as it is, even where the filter would not
        // let it be typed (a negative whole number).
        const QValidator *filter = validator();
        setValidator(nullptr);
        setText(text);
        setValidator(filter);
        setCursorPosition(0);
    }
}

void FieldLineEdit::edited(const QString &text)
{
    if (!numeric()) {
        binding_->write(text);
        return;
    }
    // A number being typed ("-", "12,") may not be a number yet: the record
    // goes in editing at once and takes the value as soon as it parses.
    const QString t = text.trimmed();
    QVariant value;
    bool ok = true;
    if (t.isEmpty()) {
        value = QVariant();
    } else if (binding_->fieldDef().type == FieldType::Money ||
               binding_->fieldDef().type == FieldType::Real) {
        const auto m = data::Money::parse(t);
        ok = m.has_value();
        if (ok)
            value = t;
    } else {
        t.toLongLong(&ok);
        if (ok)
            value = t;
    }
    pendingInvalid_ = !ok;
    if (ok) {
        binding_->write(value);
        return;
    }
    data::Table *table = binding_->table();
    if (binding_->isReadOnly() || !table || !table->isActive() || table->isEditing())
        return;
    // Put the record in editing without a value, keeping the typed text.
    const QString typed = QLineEdit::text();
    const int cursor = cursorPosition();
    if (binding_->write(binding_->value())) {
        const QSignalBlocker block(this);
        setText(typed);
        setCursorPosition(cursor);
        pendingInvalid_ = true;
    }
}

void FieldLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!pendingInvalid_)
        return;
    const QString typed = text();
    pendingInvalid_ = false;
    refresh();
    Messages::error(QStringLiteral("« %1 » n'est pas une valeur valide pour le champ « %2 ».")
                        .arg(typed, binding_->fieldDef().displayLabel()),
                    this);
}

// ---------------------------------------------------------------- FieldCheckBox

FieldCheckBox::FieldCheckBox(data::Table *table, const QString &field, const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    connect(this, &QCheckBox::clicked, this, [this](bool checked) { binding_->write(checked); });
    refresh();
}

void FieldCheckBox::refresh()
{
    const QSignalBlocker block(this);
    setChecked(binding_->value().toBool());
}

bool FieldCheckBox::hitButton(const QPoint &pos) const
{
    return !binding_->isReadOnly() && QCheckBox::hitButton(pos);
}

void FieldCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (binding_->isReadOnly() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

// ---------------------------------------------------------------- FieldMemo

FieldMemo::FieldMemo(data::Table *table, const QString &field, QWidget *parent)
    : FilteredTextEdit(parent)
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    connect(this, &QPlainTextEdit::textChanged, this, &FieldMemo::changed);
    refresh();
}

void FieldMemo::setReadOnly(bool readOnly)
{
    QPlainTextEdit::setReadOnly(readOnly);
    binding_->setReadOnly(readOnly);
}

void FieldMemo::refresh()
{
    const QString text = binding_->value().toString();
    if (text == toPlainText())
        return;
    updating_ = true;
    setPlainText(text);
    updating_ = false;
}

void FieldMemo::changed()
{
    if (updating_)
        return;
    binding_->write(toPlainText());
}

// ---------------------------------------------------------------- FieldLabel

FieldLabel::FieldLabel(data::Table *table, const QString &field, QWidget *parent)
    : QLabel(parent)
    , binding_(new FieldBinding(table, field, this, [this] { setText(binding_->displayText()); }))
{
    setTextFormat(Qt::PlainText);
    setText(binding_->displayText());
}

} // namespace corvane::ui
