#pragma once

#include "data/FieldType.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace corvane::data {

struct FieldDef {
    QString name; // stored name, blanks and accents kept
    FieldType type = FieldType::Text;
    int size = 0; // characters for text fields; 0 = no limit (memo)
    bool required = false;
    QString label;        // display label; the name when empty
    QString mask;         // entry mask of the windows, e.g. "!99/99/0000;1;_"
    QVariant defaultValue; // value of a new record
    // Searched by exact value when the program starts: the store keeps an
    // index on it so that the search does not read the whole table.
    bool lookup = false;

    QString displayLabel() const { return label.isEmpty() ? name : label; }
};

// A named order over one or more fields (the secondary indexes the windows
// select by name, e.g. "ParCategorie"). Text is compared case-insensitively
// with accents folded.
struct IndexDef {
    QString name;
    QStringList fields;
    bool descending = false;
};

struct TableDef {
    QString name;      // stored table name
    QString component; // data module component name (usually the same)
    QList<FieldDef> fields;
    QStringList key; // unique key fields; empty for an unkeyed table
    QList<IndexDef> indexes;
    // National reference lists, the working copy of the members and the
    // rights of the logged-in user are left out of backups, archives and
    // exports.
    bool userData = true;
    // A keyed table lists its records in key order, unless it keeps the
    // order of entry (the rows of a profile are read by position).
    bool orderByKey = true;

    int fieldIndex(const QString &fieldName) const; // -1 when absent
    const FieldDef &field(const QString &fieldName) const; // throws when absent
    const IndexDef *index(const QString &indexName) const; // nullptr when absent
    bool keyed() const { return !key.isEmpty(); }
};

// Fluent description of a table; the modifiers apply to the field added last.
//   TableBuilder("Joueurs").text("Nom", 40).required().label("Nom")
class TableBuilder {
public:
    explicit TableBuilder(const QString &name, const QString &component = {});

    TableBuilder &text(const QString &name, int size = 20);
    TableBuilder &memo(const QString &name, int size = 0);
    TableBuilder &int16(const QString &name);
    TableBuilder &int32(const QString &name);
    TableBuilder &real(const QString &name);
    TableBuilder &money(const QString &name);
    TableBuilder &boolean(const QString &name);
    TableBuilder &date(const QString &name);
    TableBuilder &time(const QString &name);
    TableBuilder &picture(const QString &name);
    TableBuilder &binary(const QString &name);

    TableBuilder &required();
    TableBuilder &label(const QString &text);
    TableBuilder &mask(const QString &text);
    TableBuilder &defaultValue(const QVariant &value);
    TableBuilder &lookup();

    TableBuilder &key(const QStringList &fields);
    TableBuilder &index(const QString &name, const QStringList &fields, bool descending = false);
    TableBuilder &notUserData();
    TableBuilder &entryOrder();

    TableDef build() const;
    operator TableDef() const { return build(); }

private:
    TableBuilder &add(const QString &name, FieldType type, int size);
    FieldDef &last();
    TableDef def_;
};

} // namespace corvane::data
