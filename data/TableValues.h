#pragma once

#include "data/TableDef.h"

#include <QVariant>

namespace corvane::data {

// Converts a value to the in-memory form of a field: trailing blanks removed
// and text cut to its size, integers, booleans, doubles, dates, times and
// bytes; empty becomes null. Throws StoreError on a value that cannot be the
// field's type.
QVariant normaliseValue(const FieldDef &field, const QVariant &value);

// The text a window shows for a stored value ("Oui"/"Non", dd/MM/yyyy,
// "1 250,00 €").
QString displayValue(const FieldDef &field, const QVariant &value);

// Fast parse of the stored date form "yyyy-MM-dd".
QDate parseStoredDate(const QString &text);

} // namespace corvane::data
