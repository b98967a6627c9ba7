#include "data/BulkCopy.h"

#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/TableValues.h"

#include <optional>

namespace corvane::data {

namespace {

QString columnList(const QList<FieldDef> &fields, int count)
{
    QStringList cols;
    for (int i = 0; i < count; ++i)
        cols.append(quoted(fields[i].name));
    return cols.join(QLatin1Char(','));
}

QString marks(int count)
{
    QStringList m;
    for (int i = 0; i < count; ++i)
        m.append(QStringLiteral("?"));
    return m.join(QLatin1Char(','));
}

} // namespace

BulkCopyResult bulkCopy(Session &session, const QString &source, const QString &destination, BulkMode mode,
                        const QString &problemsTable)
{
    const TableDef src = session.definition(source);
    const TableDef dst = session.definition(destination);
    const int n = int(std::min(src.fields.size(), dst.fields.size()));
    BulkCopyResult result;

    Session::Transaction tx(session);
    if (!problemsTable.isEmpty() && session.tableExists(problemsTable))
        session.dropTable(problemsTable);

    double ordre = 0;
    {
        Statement st(session, QStringLiteral("SELECT ifnull(max(\"_ordre\"),0) FROM %1").arg(quoted(dst.name)));
        if (st.step())
            ordre = st.columnDouble(0);
    }

    Statement read(session, QStringLiteral("SELECT %1 FROM %2 ORDER BY \"_ordre\", rowid")
                                .arg(columnList(src.fields, n), quoted(src.name)));
    Statement insert(session, QStringLiteral("INSERT INTO %1(%2,\"_ordre\") VALUES(%3)")
                                  .arg(quoted(dst.name), columnList(dst.fields, n), marks(n + 1)));

    std::optional<Statement> find;
    std::optional<Statement> update;
    QList<int> keyFields;
    if (dst.keyed()) {
        QStringList where;
        for (const QString &k : dst.key) {
            keyFields.append(dst.fieldIndex(k));
            where.append(QStringLiteral("ifnull(%1,'')=ifnull(?,'')").arg(quoted(dst.field(k).name)));
        }
        find.emplace(session, QStringLiteral("SELECT rowid FROM %1 WHERE %2")
                                  .arg(quoted(dst.name), where.join(QStringLiteral(" AND "))));
        QStringList sets;
        for (int i = 0; i < n; ++i)
            sets.append(quoted(dst.fields[i].name) + QStringLiteral("=?"));
        update.emplace(session, QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                                    .arg(quoted(dst.name), sets.join(QLatin1Char(','))));
    }

    // Refused records are kept aside and written once the source has been
    // read: the store cannot create a table while a read is under way.
    std::vector<std::vector<QVariant>> refusedRows;
    auto refuse = [&](const std::vector<QVariant> &values) {
        ++result.refused;
        if (!problemsTable.isEmpty())
            refusedRows.push_back(values);
    };

    std::vector<QVariant> values(n);
    while (read.step()) {
        bool valid = true;
        for (int i = 0; i < n; ++i) {
            QVariant raw = read.column(i);
            try {
                values[i] = normaliseValue(dst.fields[i], raw);
            } catch (const StoreError &) {
                values[i] = raw;
                valid = false;
            }
            if (dst.fields[i].required && (values[i].isNull() || !values[i].isValid()))
                valid = false;
        }
        if (!valid) {
            refuse(values);
            continue;
        }
        qint64 existing = 0;
        if (find) {
            for (int k = 0; k < keyFields.size(); ++k) {
                // Key fields beyond the copied ones stay empty in a new record.
                find->bind(k + 1, keyFields[k] < n ? values[keyFields[k]] : QVariant());
            }
            if (find->step())
                existing = find->columnInt(0);
            find->reset();
        }
        if (existing) {
            if (mode == BulkMode::Append) {
                refuse(values);
                continue;
            }
            for (int i = 0; i < n; ++i)
                update->bind(i + 1, values[i]);
            update->bindInt(n + 1, existing);
            update->exec();
            ++result.updated;
        } else {
            for (int i = 0; i < n; ++i)
                insert.bind(i + 1, values[i]);
            insert.bindDouble(n + 1, ++ordre);
            insert.exec();
            ++result.appended;
        }
    }
    read.reset();
    if (!refusedRows.empty()) {
        TableDef p = dst;
        p.key.clear();
        p.userData = false;
        session.createTable(p, problemsTable);
        Statement problem(session, QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                                       .arg(quoted(problemsTable), columnList(dst.fields, n), marks(n)));
        for (const auto &values : refusedRows) {
            for (int i = 0; i < n; ++i)
                problem.bind(i + 1, values[i]);
            problem.exec();
        }
    }
    session.touch(dst.name);
    tx.commit();
    session.bumpVersion(dst.name);
    return result;
}

} // namespace corvane::data
