#include "ui/ListEditor.h"

namespace corvane::ui {

namespace {

ListEditor &editor()
{
    static ListEditor e;
    return e;
}

} // namespace

void setListEditor(ListEditor e)
{
    editor() = std::move(e);
}

bool hasListEditor()
{
    return bool(editor());
}

bool openListEditor(data::Table &table, QWidget *parent)
{
    if (!editor())
        return false;
    // A copy: the editor may replace the registration while it runs.
    const ListEditor e = editor();
    return e(table, parent);
}

} // namespace corvane::ui
