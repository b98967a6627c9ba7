#include "ui/ChoiceComboBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace corvane::ui {

ChoiceComboBox::ChoiceComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Editable so that any stored value can show, with a read-only text so
    // that only the listed values can be chosen.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    setCompleter(nullptr);
    popupTimer_.setSingleShot(true);
    popupTimer_.setInterval(QApplication::doubleClickInterval());
    connect(&popupTimer_, &QTimer::timeout, this, &ChoiceComboBox::showPopup);
}

void ChoiceComboBox::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (readOnly)
        popupTimer_.stop();
}

void ChoiceComboBox::setShownText(const QString &text)
{
    const int i = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i != currentIndex())
        setCurrentIndex(i);
    if (currentText() != text)
        setEditText(text);
}

void ChoiceComboBox::showPopup()
{
    popupTimer_.stop();
    if (readOnly_ || !isEnabled())
        return;
    QComboBox::showPopup();
}

bool ChoiceComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !readOnly_)
                popupTimer_.start();
            break;
        case QEvent::MouseButtonDblClick:
            popupTimer_.stop();
            emit doubleClicked();
            return true;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void ChoiceComboBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_F4:
        if (readOnly_) {
            event->accept();
            return;
        }
        QComboBox::keyPressEvent(event);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Let the window have them (default button, Escape rule, focus).
        event->ignore();
        return;
    default:
        // Typing chooses nothing.
        event->accept();
        return;
    }
}

void ChoiceComboBox::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over a list while scrolling the window must not
    // change a record behind the user's back.
    if (readOnly_ || !hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ChoiceComboBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    popupTimer_.stop();
    emit doubleClicked();
    event->accept();
}

} // namespace corvane::ui
