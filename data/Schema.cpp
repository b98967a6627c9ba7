#include "data/Schema.h"

#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/TableValues.h"
#include "data/tables/TableDefs.h"

#include <QFile>

#include <functional>
#include <vector>

namespace corvane::data {

namespace {

// Upgrade steps: entry i brings the data from version i + 1 to i + 2.
const std::vector<std::function<void(Session &)>> &upgradeSteps()
{
    static const std::vector<std::function<void(Session &)>> steps{
        // 1 -> 2: the fields searched at each start get their index.
        [](Session &session) {
            for (const TableDef &def : allTableDefs())
                session.addLookupIndexes(def);
        },
    };
    return steps;
}

} // namespace

int loadSeed(Session &session, const QString &table, const QByteArray &csv)
{
    const TableDef def = session.definition(table);
    QList<QByteArray> lines = csv.split('\n');
    if (lines.isEmpty())
        return 0;
    const QStringList header = QString::fromUtf8(lines.takeFirst()).trimmed().split(QLatin1Char(';'));
    QList<int> fields;
    QStringList cols;
    for (const QString &name : header) {
        const int i = def.fieldIndex(name);
        if (i < 0)
            throw StoreError(StoreError::Kind::General,
                             QStringLiteral("Données initiales de « %1 » : champ « %2 » inconnu.").arg(table, name));
        fields.append(i);
        cols.append(quoted(def.fields[i].name));
    }
    QStringList marks(fields.size() + 1, QStringLiteral("?"));
    Session::Transaction tx(session);
    Statement insert(session, QStringLiteral("INSERT INTO %1(%2,\"_ordre\") VALUES(%3)")
                                  .arg(quoted(def.name), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    int count = 0;
    for (const QByteArray &line : std::as_const(lines)) {
        const QString text = QString::fromUtf8(line).remove(QLatin1Char('\r'));
        if (text.trimmed().isEmpty())
            continue;
        const QStringList values = text.split(QLatin1Char(';'));
        for (int c = 0; c < fields.size(); ++c)
            insert.bind(c + 1, normaliseValue(def.fields[fields[c]], c < values.size() ? values[c] : QString()));
        insert.bindDouble(int(fields.size()) + 1, ++count);
        insert.exec();
    }
    session.touch(def.name);
    tx.commit();
    session.bumpVersion(def.name);
    return count;
}

void createSchema(Session &session)
{
    Session::Transaction tx(session);
    for (const TableDef &def : allTableDefs()) {
        session.createTable(def);
        QFile seed(QStringLiteral(":/seed/%1.csv").arg(def.name));
        if (seed.exists()) {
            if (!seed.open(QIODevice::ReadOnly))
                throw StoreError(StoreError::Kind::General,
                                 QStringLiteral("Impossible de lire les données initiales de « %1 ».").arg(def.name));
            loadSeed(session, def.name, seed.readAll());
        }
    }
    session.setSchemaVersion(CurrentSchemaVersion);
    tx.commit();
}

void upgradeSchema(Session &session)
{
    const int version = session.schemaVersion();
    if (version > CurrentSchemaVersion)
        throw StoreError(StoreError::Kind::NewerVersion,
                         QStringLiteral("Ces données ont été enregistrées par une version plus récente de Corvane.\r"
                                        "Installez cette version pour les ouvrir."));
    if (version == CurrentSchemaVersion)
        return;
    Session::Transaction tx(session);
    const auto &steps = upgradeSteps();
    for (int v = version; v < CurrentSchemaVersion; ++v) {
        if (v >= 1 && v - 1 < int(steps.size()))
            steps[v - 1](session);
    }
    session.setSchemaVersion(CurrentSchemaVersion);
    tx.commit();
}

} // namespace corvane::data
