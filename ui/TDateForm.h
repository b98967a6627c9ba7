#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

namespace corvane::ui {

// The shared date picker "Choisir une date": a month calendar under a title
// "janvier 2010", buttons for the year and month before and after, "&Choisir"
// (or a double click on a day) and "&Annuler". Help context 9.
//
//   if (auto d = ui::TDateForm::choose(current, this)) table->setValue("Date", *d);
class TDateForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 9;

    explicit TDateForm(QWidget *parent = nullptr);

    void setDate(const QDate &date); // an invalid date shows today
    QDate date() const;

    // Runs the form (through runModal) on `initial`, or today when it is
    // invalid; the chosen date, or nothing for "&Annuler".
    static std::optional<QDate> choose(const QDate &initial, QWidget *parent = nullptr);

    QCalendarWidget *calendar() const { return calendar_; }
    QLabel *titleLabel() const { return title_; }
    QToolButton *yearBackButton() const { return yearBack_; }
    QToolButton *monthBackButton() const { return monthBack_; }
    QToolButton *monthForwardButton() const { return monthForward_; }
    QToolButton *yearForwardButton() const { return yearForward_; }
    QPushButton *chooseButton() const { return choose_; }
    QPushButton *cancelButton() const { return cancel_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveBy(int months);
    void updateTitle();

    QCalendarWidget *calendar_;
    QLabel *title_;
    QToolButton *yearBack_;
    QToolButton *monthBack_;
    QToolButton *monthForward_;
    QToolButton *yearForward_;
    QPushButton *choose_;
    QPushButton *cancel_;
};

} // namespace corvane::ui
