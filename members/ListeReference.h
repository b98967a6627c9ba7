#pragma once

#include <QString>
#include <QStringList>

namespace corvane::data {
class Table;
}

namespace corvane::members {

// The reference lists (banks, divisions, sizes …) are one-column tables
// edited as a whole, one line per entry. This unit holds the editor's logic,
// with no widget: load the lines, check them, replace the table.

// Caption of the editor for a table ("Modification de la liste des banques"),
// "Modification de la liste" for a table without a title of its own.
QString listTitle(const data::Table &table);

// The first field of every record, in the table's order. The table is left
// open or closed as it was found.
QStringList loadList(data::Table &table);

// Size of the table's first field (0: no limit).
int listFieldSize(const data::Table &table);

// The lines of a text box as the editor counts them: a final line break ends
// the last line rather than starting an empty one; blanks at the end of a
// line are dropped, as the store drops them.
QStringList splitLines(const QString &text);

struct ListProblem {
    enum class Kind { None, EmptyLine, TooLong, Duplicate, StoreFailure };
    Kind kind = Kind::None;
    int line = -1; // from 0; -1 when no line is to blame
    QString message;
    bool ok() const { return kind == Kind::None; }
};

// Every line must hold something and fit in `size` characters (0: no limit).
ListProblem checkList(const QStringList &lines, int size);

// Replaces the whole table by the lines, in their order, in one transaction.
// A line the table refuses (a duplicate in a keyed list) leaves the table
// exactly as it was and comes back as a Duplicate problem carrying the
// table's own warning. Checks the lines first (checkList).
ListProblem saveList(data::Table &table, const QStringList &lines);

} // namespace corvane::members
