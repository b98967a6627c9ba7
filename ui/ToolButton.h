#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

namespace corvane::ui {

// A window's tool button: its picture above its text, flat until pointed at,
// never taking the keyboard focus from the fields.
QToolButton *makeToolButton(QWidget *parent, const QString &text, const QIcon &icon,
                            const QString &hint = {});

} // namespace corvane::ui
