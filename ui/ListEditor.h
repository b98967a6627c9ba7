#pragma once

#include <functional>

class QWidget;

namespace corvane::data {
class Table;
}

namespace corvane::ui {

// The reference-list editor lives with the members' windows; the kit only
// knows it through this registry, so that a choice list's double click can
// open it. The program registers it at start-up.
//
// The editor returns true when it saved the list.
using ListEditor = std::function<bool(data::Table &table, QWidget *parent)>;
void setListEditor(ListEditor editor);
bool hasListEditor();
// Opens the registered editor on the table; false when none is registered or
// the list was left unchanged.
bool openListEditor(data::Table &table, QWidget *parent = nullptr);

} // namespace corvane::ui
