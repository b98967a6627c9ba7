#include "data/DefinitionJson.h"

#include "data/StoreError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace corvane::data {

namespace {

constexpr std::array<std::pair<FieldType, const char *>, 11> TypeNames{{
    {FieldType::Text, "text"},
    {FieldType::Memo, "memo"},
    {FieldType::Int16, "int16"},
    {FieldType::Int32, "int32"},
    {FieldType::Real, "real"},
    {FieldType::Money, "money"},
    {FieldType::Bool, "bool"},
    {FieldType::Date, "date"},
    {FieldType::Time, "time"},
    {FieldType::Picture, "picture"},
    {FieldType::Binary, "binary"},
}};

QString typeName(FieldType type)
{
    for (const auto &[t, n] : TypeNames) {
        if (t == type)
            return QString::fromLatin1(n);
    }
    return QStringLiteral("text");
}

FieldType typeFromName(const QString &name)
{
    for (const auto &[t, n] : TypeNames) {
        if (name == QLatin1String(n))
            return t;
    }
    throw StoreError(StoreError::Kind::Damaged, QStringLiteral("Type de champ inconnu « %1 ».").arg(name));
}

QJsonArray toArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QStringList toList(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &v : value.toArray())
        out.append(v.toString());
    return out;
}

} // namespace

QByteArray definitionToJson(const TableDef &def)
{
    QJsonObject o;
    o[QStringLiteral("name")] = def.name;
    o[QStringLiteral("component")] = def.component;
    o[QStringLiteral("userData")] = def.userData;
    o[QStringLiteral("orderByKey")] = def.orderByKey;
    o[QStringLiteral("key")] = toArray(def.key);
    QJsonArray fields;
    for (const FieldDef &f : def.fields) {
        QJsonObject jf;
        jf[QStringLiteral("name")] = f.name;
        jf[QStringLiteral("type")] = typeName(f.type);
        if (f.size)
            jf[QStringLiteral("size")] = f.size;
        if (f.required)
            jf[QStringLiteral("required")] = true;
        if (!f.label.isEmpty())
            jf[QStringLiteral("label")] = f.label;
        if (!f.mask.isEmpty())
            jf[QStringLiteral("mask")] = f.mask;
        if (f.defaultValue.isValid())
            jf[QStringLiteral("default")] = QJsonValue::fromVariant(f.defaultValue);
        if (f.lookup)
            jf[QStringLiteral("lookup")] = true;
        fields.append(jf);
    }
    o[QStringLiteral("fields")] = fields;
    QJsonArray indexes;
    for (const IndexDef &ix : def.indexes) {
        QJsonObject ji;
        ji[QStringLiteral("name")] = ix.name;
        ji[QStringLiteral("fields")] = toArray(ix.fields);
        if (ix.descending)
            ji[QStringLiteral("descending")] = true;
        indexes.append(ji);
    }
    o[QStringLiteral("indexes")] = indexes;
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

TableDef definitionFromJson(const QByteArray &json)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        throw StoreError(StoreError::Kind::Damaged, QStringLiteral("La description d'une table est endommagée."));
    const QJsonObject o = doc.object();
    TableDef def;
    def.name = o.value(QStringLiteral("name")).toString();
    def.component = o.value(QStringLiteral("component")).toString(def.name);
    def.userData = o.value(QStringLiteral("userData")).toBool(true);
    def.orderByKey = o.value(QStringLiteral("orderByKey")).toBool(true);
    def.key = toList(o.value(QStringLiteral("key")));
    for (const QJsonValue &v : o.value(QStringLiteral("fields")).toArray()) {
        const QJsonObject jf = v.toObject();
        FieldDef f;
        f.name = jf.value(QStringLiteral("name")).toString();
        f.type = typeFromName(jf.value(QStringLiteral("type")).toString());
        f.size = jf.value(QStringLiteral("size")).toInt();
        f.required = jf.value(QStringLiteral("required")).toBool();
        f.label = jf.value(QStringLiteral("label")).toString();
        f.mask = jf.value(QStringLiteral("mask")).toString();
        if (jf.contains(QStringLiteral("default")))
            f.defaultValue = jf.value(QStringLiteral("default")).toVariant();
        f.lookup = jf.value(QStringLiteral("lookup")).toBool();
        def.fields.append(f);
    }
    for (const QJsonValue &v : o.value(QStringLiteral("indexes")).toArray()) {
        const QJsonObject ji = v.toObject();
        def.indexes.append(IndexDef{ji.value(QStringLiteral("name")).toString(),
                                    toList(ji.value(QStringLiteral("fields"))),
                                    ji.value(QStringLiteral("descending")).toBool()});
    }
    if (def.name.isEmpty() || def.fields.isEmpty())
        throw StoreError(StoreError::Kind::Damaged, QStringLiteral("La description d'une table est endommagée."));
    return def;
}

} // namespace corvane::data
