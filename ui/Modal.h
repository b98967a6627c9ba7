#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QDialog;

namespace corvane::ui {

// Every modal window of the program is shown through runModal(), never with
// QDialog::exec() directly: tests install a script that plays the user's part
// instead of blocking in a nested event loop.
//
//   TDateForm form(this);
//   form.setDate(d);
//   if (ui::runModal(form) == QDialog::Accepted) use(form.date());
int runModal(QDialog &dialog);

using ModalHandler = std::function<int(QDialog &)>;
// Replaces the real exec(); an empty handler restores it. Tests use
// ScriptedModals rather than calling this.
void setModalHandler(ModalHandler handler);

// Test seam: while alive, each modal window is shown (not modally), handed to
// the next scripted step, then closed with done(Rejected) if the step left it
// open. The window's result is what runModal() returns. A window with no step
// left is recorded and closed at once, as a user cancelling it would.
//
//   ui::ScriptedModals modals;
//   modals.push([](QDialog &d) { findButton(d, "&Choisir")->click(); });
//   grid->openDate(); // the date form opens, the step clicks "&Choisir"
class ScriptedModals {
public:
    using Step = std::function<void(QDialog &)>;
    ScriptedModals();
    ~ScriptedModals();
    ScriptedModals(const ScriptedModals &) = delete;
    ScriptedModals &operator=(const ScriptedModals &) = delete;

    void push(Step step) { steps_.push_back(std::move(step)); }
    // Window titles of every modal window shown, in order.
    const QStringList &shown() const { return shown_; }
    int pending() const { return int(steps_.size()); }

private:
    std::vector<Step> steps_;
    QStringList shown_;
    ModalHandler previous_;
};

} // namespace corvane::ui
