#include "ui/FieldDateEdit.h"

#include "ui/Icons.h"
#include "ui/TDateForm.h"

#include <QEvent>
#include <QHBoxLayout>

namespace corvane::ui {

FieldDateEdit::FieldDateEdit(data::Table *table, const QString &field, QWidget *parent)
    : QWidget(parent)
    , edit_(new QLineEdit(this))
    , button_(new QToolButton(this))
    , binding_(new FieldBinding(table, field, this, [this] { refresh(); }))
{
    edit_->setReadOnly(true);
    edit_->setInputMask(QString());
    edit_->installEventFilter(this);
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    button_->setIcon(icon(Icon::Calendar));
    button_->setToolTip(QStringLiteral("Choisir une date"));
    button_->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_, 1);
    layout->addWidget(button_);
    setFocusProxy(edit_);
    connect(button_, &QToolButton::clicked, this, &FieldDateEdit::chooseDate);
    refresh();
}

void FieldDateEdit::setReadOnly(bool readOnly)
{
    binding_->setReadOnly(readOnly);
    button_->setEnabled(!readOnly);
}

bool FieldDateEdit::chooseDate()
{
    if (isReadOnly() || !binding_->table() || !binding_->table()->isActive())
        return false;
    const auto chosen = TDateForm::choose(binding_->value().toDate(), this);
    if (!chosen)
        return false;
    if (!binding_->write(*chosen))
        return false;
    refresh();
    return true;
}

bool FieldDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edit_ && event->type() == QEvent::MouseButtonDblClick) {
        chooseDate();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FieldDateEdit::refresh()
{
    edit_->setText(binding_->displayText());
}

} // namespace corvane::ui
