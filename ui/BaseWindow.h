#pragma once

#include "ui/Icons.h"

#include <QDialog>
#include <QStatusBar>
#include <QToolButton>

class QHBoxLayout;
class QVBoxLayout;

namespace corvane::ui {

// A status line whose text is blanked a few seconds after each message.
class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);
    void setDuration(int milliseconds) { duration_ = milliseconds; }
    int duration() const { return duration_; }
    void show(const QString &text) { showMessage(text, duration_); }

private:
    int duration_ = 3000;
};

// What list and record windows share: a tool bar across the top, a status
// line at the bottom, help on "Aide" and F1, and the rule of the Escape key
// and of closing the window: Escape (or the title bar's close button) clicks
// "&Quitter" when it is enabled, else warns "Une modification de cette fiche
// est en cours\rValider ou Annuler cette modification pour quitter.".
// Derive from ListWindow or RecordWindow rather than from this class.
class BaseWindow : public QDialog {
    Q_OBJECT
public:
    static inline const QString PendingEditWarning = QStringLiteral(
        "Une modification de cette fiche est en cours\rValider ou Annuler cette modification pour quitter.");

    explicit BaseWindow(QWidget *parent = nullptr);

    // Shows the window modally through runModal(); its result.
    int showModal();

    void setHelpContext(int context) { helpContext_ = context; }
    int helpContext() const { return helpContext_; }

    StatusLine *statusLine() const { return status_; }
    void showStatus(const QString &text) { status_->show(text); }
    void setStatusDuration(int milliseconds) { status_->setDuration(milliseconds); }

    QToolButton *quitButton() const { return quit_; }
    QToolButton *helpButton() const { return help_; }
    QToolButton *calculatorButton() const { return calculator_; }

    // A tool-bar button in the kit's style (picture over its text, the hint
    // as tooltip); place it with insertToolButton().
    QToolButton *makeToolButton(const QString &text, const QIcon &icon, const QString &hint = {});
    // Puts a button (or any widget) into the tool bar before `before`, or at
    // the end of the buttons on the left when `before` is null.
    void insertToolButton(QWidget *button, QWidget *before = nullptr);

    // Escape and the close button come here.
    void reject() override;

protected:
    // "&Quitter": closes the window. Extend it for the window's own
    // clean-up and call the base at the end.
    virtual void quit();
    // "Aide" and F1: the window's help context.
    virtual void help();
    void keyPressEvent(QKeyEvent *event) override;

    QHBoxLayout *toolBarLayout() const { return toolLayout_; }
    QVBoxLayout *mainLayout() const { return main_; }

private:
    QHBoxLayout *toolLayout_;
    QVBoxLayout *main_;
    StatusLine *status_;
    QToolButton *calculator_;
    QToolButton *quit_;
    QToolButton *help_;
    int helpContext_ = 0;
};

} // namespace corvane::ui
