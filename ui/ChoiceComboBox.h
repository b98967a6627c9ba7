#pragma once

#include <QComboBox>
#include <QTimer>

namespace corvane::ui {

// A drop-down list whose value can only be chosen from its items: typing is
// refused (Enter and the navigation keys still work), yet it can show a
// value that is not among its items (an entry since removed from the list).
// A click on the text drops the list down, a double click emits
// doubleClicked() instead. In read-only mode nothing changes the value.
// The user's choice is signalled by QComboBox::activated.
class ChoiceComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceComboBox(QWidget *parent = nullptr);

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    // Shows the text and selects the item that has it, if any.
    void setShownText(const QString &text);
    QString shownText() const { return currentText(); }

    void showPopup() override;

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool readOnly_ = false;
    QTimer popupTimer_;
};

} // namespace corvane::ui
