#include "ui/Modal.h"

#include <QDialog>
#include <QPointer>

namespace corvane::ui {

namespace {

ModalHandler &handler()
{
    static ModalHandler h;
    return h;
}

} // namespace

int runModal(QDialog &dialog)
{
    if (handler())
        return handler()(dialog);
    return dialog.exec();
}

void setModalHandler(ModalHandler h)
{
    handler() = std::move(h);
}

ScriptedModals::ScriptedModals()
    : previous_(handler())
{
    setModalHandler([this](QDialog &dialog) {
        shown_.append(dialog.windowTitle());
        dialog.setResult(QDialog::Rejected);
        QPointer<QDialog> guard(&dialog);
        dialog.show();
        if (!steps_.empty()) {
            Step step = std::move(steps_.front());
            steps_.erase(steps_.begin());
            step(dialog);
        }
        if (!guard)
            return int(QDialog::Rejected);
        // Closed directly rather than through reject(): a window that would
        // ask something first (a pending edit) must not open a real message
        // box in a test.
        if (dialog.isVisible())
            dialog.done(QDialog::Rejected);
        return dialog.result();
    });
}

ScriptedModals::~ScriptedModals()
{
    setModalHandler(previous_);
}

} // namespace corvane::ui
