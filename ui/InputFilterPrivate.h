#pragma once

// Shared by the kit's filtered boxes; not for windows.

#include "ui/InputFilter.h"

#include <QKeyEvent>
#include <QObject>

namespace corvane::ui::detail {

inline constexpr const char *KeyFilterName = "corvane_key_filter";

QChar mapped(InputFilter filter, QChar c);
// True for a key whose character the filter refuses (control keys pass).
bool refusesKey(InputFilter filter, const QKeyEvent &key);

class KeyFilter : public QObject {
public:
    KeyFilter(InputFilter filter, QObject *parent);
    InputFilter filter() const { return filter_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    InputFilter filter_;
};

} // namespace corvane::ui::detail
