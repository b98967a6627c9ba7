#pragma once

#include <QString>

class QLineEdit;

namespace corvane::ui {

// What an edit box accepts, typed or pasted:
//  - NoSemicolon: free text that ends up in the semicolon-separated export
//    files, so ';' is refused;
//  - Amount: digits, comma, full stop and minus; the full stop becomes the
//    decimal comma ("12.5" → "12,5");
//  - WholeNumber: digits only.
// Enter, Backspace and the editing shortcuts always work. Pasted text is
// filtered character by character rather than refused whole, so pasting
// "1 250,00 €" into an amount gives "1250,00".
enum class InputFilter { None, NoSemicolon, Amount, WholeNumber };

// Installs the filter on any line edit, bound to a field or not; replaces a
// filter installed before (None removes it). The line edit's validator is
// the filter's.
void setInputFilter(QLineEdit *edit, InputFilter filter);

// A multi-line box takes its filter through FilteredTextEdit (TextEdit.h).

// The text as the filter lets it through (line breaks are kept).
QString filterText(InputFilter filter, const QString &text);
bool acceptsChar(InputFilter filter, QChar c);

} // namespace corvane::ui

namespace corvane::ui {

// A line edit typed through a mask ("00 000", a telephone) starts typing at
// its first position whenever it is still empty, wherever it was clicked:
// otherwise a click past the blanks puts the cursor at the end and the
// digits typed are lost.
void startEmptyMaskAtFirstPosition(QLineEdit *edit);

} // namespace corvane::ui
