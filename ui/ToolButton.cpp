#include "ui/ToolButton.h"

#include <QToolButton>

namespace corvane::ui {

QToolButton *makeToolButton(QWidget *parent, const QString &text, const QIcon &icon, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setIcon(icon);
    b->setToolTip(hint);
    b->setIconSize(QSize(26, 26));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(64);
    return b;
}

} // namespace corvane::ui
