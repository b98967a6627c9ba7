#include "data/TableDef.h"

#include <stdexcept>

namespace corvane::data {

int TableDef::fieldIndex(const QString &fieldName) const
{
    // Names are nearly always written as stored: the exact comparison first
    // is far cheaper than folding the case of every field on the way.
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name == fieldName)
            return i;
    }
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const FieldDef &TableDef::field(const QString &fieldName) const
{
    const int i = fieldIndex(fieldName);
    if (i < 0)
        throw std::out_of_range(QStringLiteral("Champ inconnu « %1 » dans la table « %2 »")
                                    .arg(fieldName, name)
                                    .toStdString());
    return fields[i];
}

const IndexDef *TableDef::index(const QString &indexName) const
{
    for (const IndexDef &ix : indexes) {
        if (ix.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &ix;
    }
    return nullptr;
}

TableBuilder::TableBuilder(const QString &name, const QString &component)
{
    def_.name = name;
    def_.component = component.isEmpty() ? name : component;
}

TableBuilder &TableBuilder::add(const QString &name, FieldType type, int size)
{
    FieldDef f;
    f.name = name;
    f.type = type;
    f.size = size;
    def_.fields.append(f);
    return *this;
}

FieldDef &TableBuilder::last()
{
    if (def_.fields.isEmpty())
        throw std::logic_error("TableBuilder: modifier before any field");
    return def_.fields.last();
}

TableBuilder &TableBuilder::text(const QString &name, int size) { return add(name, FieldType::Text, size); }
TableBuilder &TableBuilder::memo(const QString &name, int size) { return add(name, FieldType::Memo, size); }
TableBuilder &TableBuilder::int16(const QString &name) { return add(name, FieldType::Int16, 0); }
TableBuilder &TableBuilder::int32(const QString &name) { return add(name, FieldType::Int32, 0); }
TableBuilder &TableBuilder::real(const QString &name) { return add(name, FieldType::Real, 0); }
TableBuilder &TableBuilder::money(const QString &name) { return add(name, FieldType::Money, 0); }
TableBuilder &TableBuilder::boolean(const QString &name) { return add(name, FieldType::Bool, 0); }
TableBuilder &TableBuilder::date(const QString &name) { return add(name, FieldType::Date, 0); }
TableBuilder &TableBuilder::time(const QString &name) { return add(name, FieldType::Time, 0); }
TableBuilder &TableBuilder::picture(const QString &name) { return add(name, FieldType::Picture, 0); }
TableBuilder &TableBuilder::binary(const QString &name) { return add(name, FieldType::Binary, 0); }

TableBuilder &TableBuilder::required()
{
    last().required = true;
    return *this;
}

TableBuilder &TableBuilder::lookup()
{
    last().lookup = true;
    return *this;
}

TableBuilder &TableBuilder::label(const QString &text)
{
    last().label = text;
    return *this;
}

TableBuilder &TableBuilder::mask(const QString &text)
{
    last().mask = text;
    return *this;
}

TableBuilder &TableBuilder::defaultValue(const QVariant &value)
{
    last().defaultValue = value;
    return *this;
}

TableBuilder &TableBuilder::key(const QStringList &fields)
{
    def_.key = fields;
    return *this;
}

TableBuilder &TableBuilder::index(const QString &name, const QStringList &fields, bool descending)
{
    def_.indexes.append(IndexDef{name, fields, descending});
    return *this;
}

TableBuilder &TableBuilder::notUserData()
{
    def_.userData = false;
    return *this;
}

TableBuilder &TableBuilder::entryOrder()
{
    def_.orderByKey = false;
    return *this;
}

TableDef TableBuilder::build() const
{
    for (const QString &k : def_.key) {
        if (def_.fieldIndex(k) < 0)
            throw std::logic_error(("Key field missing: " + def_.name + "." + k).toStdString());
    }
    for (const IndexDef &ix : def_.indexes) {
        for (const QString &f : ix.fields) {
            if (def_.fieldIndex(f) < 0)
                throw std::logic_error(("Index field missing: " + def_.name + "." + f).toStdString());
        }
    }
    return def_;
}

} // namespace corvane::data
