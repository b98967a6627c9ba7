#include "exchange/PostalCodeEdit.h"

#include "ui/InputFilter.h"

#include "exchange/PostalCodes.h"

#include <QRegularExpression>
#include <QSignalBlocker>

namespace corvane::exchange {

namespace {

const QString Mask = QStringLiteral("00 000;_");

bool fitsMask(const QString &stored)
{
    if (stored.isEmpty())
        return true;
    if (stored.size() != 5)
        return false;
    for (QChar c : stored) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

} // namespace

PostalCodeEdit::PostalCodeEdit(data::Table *table, const QString &field, QWidget *parent)
    : QLineEdit(parent)
    , binding_(new ui::FieldBinding(table, field, this, [this] { refresh(); }))
{
    setInputMask(Mask);
    ui::startEmptyMaskAtFirstPosition(this);
    connect(this, &QLineEdit::textEdited, this, &PostalCodeEdit::edited);
    refresh();
}

void PostalCodeEdit::refresh()
{
    const QString stored = binding_->value().toString();
    const QSignalBlocker block(this);
    // The mask would mangle a code that does not fit it: such a code shows
    // plainly until the user retypes it.
    const QString mask = fitsMask(stored) ? Mask : QString();
    if (inputMask() != mask)
        setInputMask(mask);
    if (stockeCodePostal(text()) != stored) {
        setText(mask.isEmpty() ? stored : afficheCodePostal(stored));
        setCursorPosition(0);
    }
}

void PostalCodeEdit::edited(const QString &text)
{
    if (inputMask().isEmpty()) {
        // The first key on a foreign code starts the code again under the mask.
        setInputMask(Mask);
        setText(stockeCodePostal(text).remove(QRegularExpression(QStringLiteral("[^0-9]"))));
    }
    const QString stored = stockeCodePostal(QLineEdit::text());
    binding_->write(stored.isEmpty() ? QVariant() : QVariant(stored));
}

} // namespace corvane::exchange
