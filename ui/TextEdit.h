#pragma once

#include "ui/InputFilter.h"

#include <QPlainTextEdit>

namespace corvane::ui {

// A multi-line box with an input filter applied to typing, pasting and
// dropping alike (the list editor refuses ';').
class FilteredTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit FilteredTextEdit(QWidget *parent = nullptr);

    void setInputFilter(InputFilter filter);
    InputFilter inputFilter() const { return filter_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    InputFilter filter_ = InputFilter::None;
};

} // namespace corvane::ui
