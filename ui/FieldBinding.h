#pragma once

#include "data/Table.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>

class QWidget;

namespace corvane::ui {

// The link between one widget and one field of a table's current record,
// shared by every bound widget of the kit:
//  - it calls the widget's refresh whenever the record shown may have changed
//    (another record, editing state, a value set by the program, a reload);
//  - write() is for the user's changes only: it puts the record in editing
//    when it is browsing (running the table's BeforeEdit rules) and stores the
//    value. The refresh is held back while it writes, so the text being typed
//    is never overwritten by the program's own echo.
// A refused change (a BeforeEdit rule that aborts, a closed table, a value the
// store refuses) puts the record's value back in the widget.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    FieldBinding(data::Table *table, const QString &field, QWidget *widget,
                 std::function<void()> refreshWidget);

    data::Table *table() const { return table_; }
    QString field() const { return field_; }
    int fieldIndex() const { return index_; }
    const data::FieldDef &fieldDef() const { return def_; }

    // The current record's value (the edit buffer while editing); null when
    // the table is closed or has no record.
    QVariant value() const;
    QString displayText() const;
    bool hasRecord() const;

    bool write(const QVariant &value);
    bool isWriting() const { return writing_; }

    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }

    void refresh();

private:
    QPointer<data::Table> table_;
    QString field_;
    int index_ = -1;
    data::FieldDef def_;
    QWidget *widget_;
    std::function<void()> refresh_;
    bool writing_ = false;
    bool readOnly_ = false;
};

} // namespace corvane::ui
