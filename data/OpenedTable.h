#pragma once

#include "data/Table.h"

namespace corvane::data {

// Opens a table for the length of a routine and leaves it as it found it:
// closed again when the routine opened it, open when it already was.
class OpenedTable {
public:
    explicit OpenedTable(Table *t)
        : t_(t)
        , wasOpen_(t->isActive())
    {
        t_->open();
    }
    ~OpenedTable()
    {
        if (!wasOpen_)
            t_->close();
    }
    OpenedTable(const OpenedTable &) = delete;
    OpenedTable &operator=(const OpenedTable &) = delete;
    Table *operator->() const { return t_; }
    Table &operator*() const { return *t_; }

private:
    Table *t_;
    bool wasOpen_;
};

// Suspends the bound widgets of a table for a long walk.
class ControlsDisabled {
public:
    explicit ControlsDisabled(Table &t)
        : t_(t)
    {
        t_.disableControls();
    }
    ~ControlsDisabled() { t_.enableControls(); }
    ControlsDisabled(const ControlsDisabled &) = delete;
    ControlsDisabled &operator=(const ControlsDisabled &) = delete;

private:
    Table &t_;
};

} // namespace corvane::data
