#pragma once

#include <QString>

class QWidget;

namespace corvane::data {
class Table;
}

namespace corvane::ui {

// One choice of the search dialog: the label shown ("N° de chèque") and the
// field searched ("Num cheque").
struct SearchField {
    QString label;
    QString field;
};

// The list windows' search, over the table's current order and filter: each
// record whose field contains the text (letter case ignored) becomes the
// current record and "Continuer la recherche ?" is asked; "Non" stops there.
// A search that runs to the end tells "Plus d'autres "…" trouvé ..." when it
// found something (and goes back to the last record found), else
// ""…" non trouvé" (and goes back to the record it started from). Amounts
// are searched as plain numbers ("12,5"), dates as "dd/MM/yyyy".
// Returns true when something was found. Rows are read without walking the
// cursor, so the grid does not follow the search record by record.
bool searchRecords(data::Table &table, const QString &field, const QString &text, QWidget *parent = nullptr);

// The text of a value as the search sees it.
QString searchableText(data::Table &table, int row, int fieldIndex);

} // namespace corvane::ui
