#pragma once

#include <QString>

class QWidget;

namespace corvane::data {
class Table;
}

namespace corvane::ui {

// Posts the table's pending record the way every window of the program
// does, and says whether it worked:
//  - a duplicate key shows the table's own warning (the data module's
//    post-error message for its component, or a general French one), with
//    the single button OK;
//  - an empty required field shows the store's French message (warning),
//    any other store failure its message as an error;
//  - a rule of the window that stopped the post (data::Aborted) shows
//    nothing more: the rule said why.
// Whenever it fails the record stays in editing, so nothing typed is lost.
// Posting a table that is not being edited succeeds and does nothing.
//
//   if (!ui::postRecord(*recettes, this)) return; // still editing
bool postRecord(data::Table &table, QWidget *parent = nullptr);

// The warning shown for a duplicate key on this table.
QString duplicateKeyMessage(const data::Table &table);

} // namespace corvane::ui
