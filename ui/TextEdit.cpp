#include "ui/TextEdit.h"

#include "ui/InputFilterPrivate.h"

#include <QMimeData>

namespace corvane::ui {

FilteredTextEdit::FilteredTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{}

void FilteredTextEdit::setInputFilter(InputFilter filter)
{
    filter_ = filter;
    const QString current = toPlainText();
    const QString filtered = filterText(filter, current);
    if (filtered != current)
        setPlainText(filtered);
}

void FilteredTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (detail::refusesKey(filter_, *event)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && detail::mapped(filter_, text.at(0)) != text.at(0)) {
        insertPlainText(QString(detail::mapped(filter_, text.at(0))));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void FilteredTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (filter_ == InputFilter::None || !source) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Plain text only: a rich paste would bring its own characters past the filter.
    const QString text = filterText(filter_, source->text());
    if (!text.isEmpty())
        insertPlainText(text);
}

} // namespace corvane::ui
