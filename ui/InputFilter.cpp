#include "ui/InputFilter.h"

#include "ui/InputFilterPrivate.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <QValidator>
#include <algorithm>

namespace corvane::ui {

namespace {

const char *const ValidatorName = "corvane_input_validator";

class FilterValidator : public QValidator {
public:
    FilterValidator(InputFilter filter, QObject *parent)
        : QValidator(parent)
        , filter_(filter)
    {
        setObjectName(QLatin1String(ValidatorName));
    }

    State validate(QString &input, int &pos) const override
    {
        QString out;
        out.reserve(input.size());
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (acceptsChar(filter_, c))
                out.append(detail::mapped(filter_, c));
            else if (i < pos)
                --newPos;
        }
        input = out;
        pos = newPos;
        return Acceptable;
    }

private:
    InputFilter filter_;
};

} // namespace

namespace detail {

QChar mapped(InputFilter filter, QChar c)
{
    if (filter == InputFilter::Amount && c == QLatin1Char('.'))
        return QLatin1Char(',');
    return c;
}

bool refusesKey(InputFilter filter, const QKeyEvent &key)
{
    if (filter == InputFilter::None || (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    for (QChar c : key.text()) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            continue; // Enter, Backspace, Tab, Escape
        if (!acceptsChar(filter, c))
            return true;
    }
    return false;
}

KeyFilter::KeyFilter(InputFilter filter, QObject *parent)
    : QObject(parent)
    , filter_(filter)
{
    setObjectName(QLatin1String(KeyFilterName));
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && refusesKey(filter_, *static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace detail

bool acceptsChar(InputFilter filter, QChar c)
{
    switch (filter) {
    case InputFilter::None:
        return true;
    case InputFilter::NoSemicolon:
        return c != QLatin1Char(';');
    case InputFilter::Amount:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
               c == QLatin1Char('.') || c == QLatin1Char('-');
    case InputFilter::WholeNumber:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    return true;
}

QString filterText(InputFilter filter, const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\n') || acceptsChar(filter, c))
            out.append(detail::mapped(filter, c));
    }
    return out;
}

void setInputFilter(QLineEdit *edit, InputFilter filter)
{
    // Keys are refused before they reach the box, so a refused key changes
    // nothing at all (no "edited" signal); paste, drop and program input go
    // through the validator, which filters rather than refuses.
    if (auto *old = edit->findChild<detail::KeyFilter *>(QLatin1String(detail::KeyFilterName),
                                                         Qt::FindDirectChildrenOnly)) {
        edit->removeEventFilter(old);
        delete old;
    }
    auto *oldValidator =
        edit->findChild<QValidator *>(QLatin1String(ValidatorName), Qt::FindDirectChildrenOnly);
    edit->setValidator(nullptr);
    delete oldValidator;
    if (filter == InputFilter::None)
        return;
    edit->installEventFilter(new detail::KeyFilter(filter, edit));
    edit->setValidator(new FilterValidator(filter, edit));
    const QString current = edit->text();
    const QString filtered = filterText(filter, current);
    if (filtered != current)
        edit->setText(filtered);
}

} // namespace corvane::ui

namespace corvane::ui {

namespace {

class EmptyMaskStart : public QObject {
public:
    explicit EmptyMaskStart(QLineEdit *edit)
        : QObject(edit)
        , edit_(edit)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (watched == edit_ && (t == QEvent::FocusIn || t == QEvent::MouseButtonRelease)) {
            // After the line edit placed its cursor for the click or focus.
            QTimer::singleShot(0, edit_, [edit = edit_] {
                const QString typed = edit->text();
                const bool empty =
                    std::none_of(typed.begin(), typed.end(), [](QChar c) { return c.isLetterOrNumber(); });
                if (!edit->inputMask().isEmpty() && empty && !edit->isReadOnly())
                    edit->setCursorPosition(0);
            });
        }
        return false;
    }

private:
    QLineEdit *edit_;
};

} // namespace

void startEmptyMaskAtFirstPosition(QLineEdit *edit)
{
    edit->installEventFilter(new EmptyMaskStart(edit));
}

} // namespace corvane::ui
