#include "data/Session.h"

#include "data/DefinitionJson.h"
#include "data/Statement.h"
#include "data/StoreError.h"

#include <QFileInfo>

#include <algorithm>

#include <sqlite3.h>

namespace corvane::data {

namespace {

const QString MetaTable = QStringLiteral("_tables");

QString nowStamp()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

std::unique_ptr<Session> Session::open(const QString &path, bool create)
{
    std::unique_ptr<Session> s(new Session);
    s->path_ = path;
    if (!create && !QFileInfo::exists(path))
        throw StoreError(StoreError::Kind::General,
                         QStringLiteral("Le fichier de données « %1 » est introuvable.").arg(path));
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &s->db_, flags, nullptr);
    if (rc != SQLITE_OK)
        s->raise(rc);
    sqlite3_extended_result_codes(s->db_, 1);
    sqlite3_busy_timeout(s->db_, 250);
    // Exclusive locking before WAL: no shared memory, and the lock taken by
    // the first transaction is kept until the session closes.
    s->exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    s->exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    s->exec(QStringLiteral("PRAGMA synchronous=FULL"));
    s->exec(QStringLiteral("BEGIN EXCLUSIVE"));
    s->exec(QStringLiteral("COMMIT"));
    // A file that is not a database fails here, before anything is written.
    s->exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return s;
}

Session::~Session()
{
    beginStmt_.reset();
    commitStmt_.reset();
    stampStmt_.reset();
    if (db_) {
        if (!sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db_);
    }
}

void Session::raise(int rc, const QString &context) const
{
    const int primary = rc & 0xff;
    const QString detail = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw StoreError(StoreError::Kind::Busy,
                         QStringLiteral("Les données « %1 » sont déjà ouvertes par un autre exemplaire de "
                                        "Corvane.\rFermez-le, puis recommencez.")
                             .arg(path_),
                         rc);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        throw StoreError(StoreError::Kind::Damaged,
                         QStringLiteral("Le fichier de données « %1 » est endommagé ou n'est pas un fichier de "
                                        "données de Corvane.")
                             .arg(path_),
                         rc);
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        throw StoreError(StoreError::Kind::ReadOnly,
                         QStringLiteral("Impossible d'ouvrir ou d'écrire le fichier de données « %1 ».\rVérifiez "
                                        "que le dossier existe et que vous avez le droit d'y écrire.")
                             .arg(path_),
                         rc);
    case SQLITE_FULL:
        throw StoreError(StoreError::Kind::DiskFull,
                         QStringLiteral("Le disque est plein : la modification n'a pas été enregistrée.\rLibérez "
                                        "de la place, puis recommencez."),
                         rc);
    case SQLITE_CONSTRAINT:
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            throw KeyViolation(context);
        break;
    default:
        break;
    }
    QString msg = QStringLiteral("Erreur de la base de données (%1) : %2").arg(rc).arg(detail);
    if (!context.isEmpty() && primary != SQLITE_CONSTRAINT)
        msg += QStringLiteral("\r") + context.left(200);
    throw StoreError(StoreError::Kind::General, msg, rc);
}

void Session::exec(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_exec(db_, utf8.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        raise(rc, sql);
}

int Session::schemaVersion()
{
    Statement st(*this, QStringLiteral("PRAGMA user_version"));
    return st.step() ? int(st.columnInt(0)) : 0;
}

void Session::setSchemaVersion(int version)
{
    exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
}

void Session::loadDefinitions()
{
    if (definitionsLoaded_)
        return;
    definitions_.clear();
    Statement probe(*this, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?"));
    probe.bindText(1, MetaTable);
    if (probe.step() && probe.columnInt(0) > 0) {
        Statement st(*this, QStringLiteral("SELECT name, definition FROM _tables"));
        while (st.step()) {
            const QString name = st.columnText(0);
            definitions_[name.toLower()] = StoredDefinition{name, st.columnText(1).toUtf8(), std::nullopt};
        }
    }
    definitionsLoaded_ = true;
}

bool Session::tableExists(const QString &name)
{
    loadDefinitions();
    return definitions_.count(name.toLower()) > 0;
}

const TableDef &Session::definition(const QString &name)
{
    loadDefinitions();
    auto it = definitions_.find(name.toLower());
    if (it == definitions_.end())
        throw StoreError(StoreError::Kind::General, QStringLiteral("La table « %1 » n'existe pas.").arg(name));
    StoredDefinition &stored = it->second;
    if (!stored.parsed)
        stored.parsed = definitionFromJson(stored.json);
    return *stored.parsed;
}

QString Session::canonicalName(const QString &name)
{
    return tableExists(name) ? definition(name).name : name;
}

QStringList Session::tableNames()
{
    loadDefinitions();
    QStringList out;
    for (const auto &entry : definitions_)
        out.append(entry.second.name);
    out.sort(Qt::CaseInsensitive);
    return out;
}

void Session::createTable(const TableDef &source, const QString &name)
{
    TableDef def = source;
    if (!name.isEmpty())
        def.name = name;
    if (def.component.isEmpty() || !name.isEmpty())
        def.component = def.name;
    Transaction tx(*this);
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS _tables(name TEXT PRIMARY KEY COLLATE NOCASE, "
                        "definition TEXT NOT NULL)"));
    // Stamps apart from the definitions: a post rewrites a short row only.
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS _stamps(name TEXT PRIMARY KEY COLLATE NOCASE, modified TEXT)"));
    exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(def.name)));
    QStringList cols;
    for (const FieldDef &f : def.fields)
        cols.append(quoted(f.name) + QLatin1Char(' ') + QLatin1String(sqlType(f.type)));
    // Hidden position of each record, so that an unkeyed table keeps the
    // order in which its records were appended or inserted.
    cols.append(QStringLiteral("\"_ordre\" REAL"));
    exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(def.name), cols.join(QStringLiteral(", "))));
    if (def.keyed()) {
        // NULL and empty are the same value for the key, as blanks are.
        QStringList parts;
        for (const QString &k : def.key)
            parts.append(QStringLiteral("ifnull(%1,'')").arg(quoted(def.field(k).name)));
        exec(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2(%3)")
                 .arg(quoted(def.name + QStringLiteral("#cle")), quoted(def.name), parts.join(QLatin1Char(','))));
    }
    createLookupIndexes(def);
    Statement stamp(*this, QStringLiteral("INSERT OR REPLACE INTO _stamps(name, modified) VALUES(?,?)"));
    stamp.bindText(1, def.name).bindText(2, nowStamp());
    stamp.exec();
    storeDefinition(def);
    tx.commit();
    bumpVersion(def.name);
}

void Session::createLookupIndexes(const TableDef &def)
{
    for (const FieldDef &f : def.fields) {
        if (f.lookup)
            exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3)")
                     .arg(quoted(def.name + QLatin1Char('#') + f.name), quoted(def.name), quoted(f.name)));
    }
}

void Session::storeDefinition(const TableDef &def)
{
    const QByteArray json = definitionToJson(def);
    Statement meta(*this, QStringLiteral("INSERT OR REPLACE INTO _tables(name, definition) VALUES(?,?)"));
    meta.bindText(1, def.name).bindText(2, QString::fromUtf8(json));
    meta.exec();
    loadDefinitions();
    definitions_[def.name.toLower()] = StoredDefinition{def.name, json, def};
}

void Session::addLookupIndexes(const TableDef &source)
{
    const bool wanted =
        std::any_of(source.fields.cbegin(), source.fields.cend(), [](const FieldDef &f) { return f.lookup; });
    if (!wanted || !tableExists(source.name))
        return;
    TableDef stored = definition(source.name);
    for (const FieldDef &f : source.fields) {
        const int i = stored.fieldIndex(f.name);
        if (f.lookup && i >= 0)
            stored.fields[i].lookup = true;
    }
    Transaction tx(*this);
    createLookupIndexes(stored);
    storeDefinition(stored);
    tx.commit();
}

void Session::dropTable(const QString &name)
{
    Transaction tx(*this);
    const QString stored = canonicalName(name);
    exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(stored)));
    if (tableExists(stored)) {
        Statement del(*this, QStringLiteral("DELETE FROM _tables WHERE name=?"));
        del.bindText(1, stored).exec();
        Statement delStamp(*this, QStringLiteral("DELETE FROM _stamps WHERE name=?"));
        delStamp.bindText(1, stored).exec();
        definitions_.erase(stored.toLower());
    }
    tx.commit();
    bumpVersion(stored);
}

void Session::emptyTable(const QString &name)
{
    const QString stored = definition(name).name;
    Transaction tx(*this);
    exec(QStringLiteral("DELETE FROM %1").arg(quoted(stored)));
    touch(stored);
    tx.commit();
    bumpVersion(stored);
}

QDateTime Session::modifiedAt(const QString &name)
{
    Statement st(*this, QStringLiteral("SELECT modified FROM _stamps WHERE name=?"));
    st.bindText(1, name);
    if (!st.step() || st.isNull(0))
        return {};
    const QDateTime dt = QDateTime::fromString(st.columnText(0), Qt::ISODateWithMs); // stored in UTC, "Z" included
    return dt.toLocalTime();
}

void Session::touch(const QString &name)
{
    if (depth_ > 0) {
        touched_.insert(name);
        return;
    }
    Statement st(*this, QStringLiteral("UPDATE _stamps SET modified=? WHERE name=?"));
    st.bindText(1, nowStamp()).bindText(2, name).exec();
}

std::shared_ptr<TableShared> Session::shared(const QString &name)
{
    auto &slot = shared_[name.toLower()];
    if (!slot)
        slot = std::make_shared<TableShared>();
    return slot;
}

qint64 Session::changeCount() const
{
    return sqlite3_total_changes64(db_);
}

void Session::bumpVersion(const QString &name)
{
    auto it = shared_.find(name.toLower());
    if (it != shared_.end())
        ++it.value()->version;
}

Statement &Session::cached(std::unique_ptr<Statement> &slot, const char *sql)
{
    if (!slot)
        slot = std::make_unique<Statement>(*this, QString::fromLatin1(sql));
    return *slot;
}

void Session::begin()
{
    if (depth_ == 0)
        cached(beginStmt_, "BEGIN IMMEDIATE").exec();
    else
        exec(QStringLiteral("SAVEPOINT sp%1").arg(depth_));
    ++depth_;
}

void Session::commitLevel(int level)
{
    if (level != depth_)
        throw std::logic_error("Session: transactions must end in reverse order");
    if (level > 1) {
        exec(QStringLiteral("RELEASE sp%1").arg(level - 1));
        --depth_;
        return;
    }
    try {
        if (!touched_.isEmpty()) {
            Statement &st = cached(stampStmt_, "UPDATE _stamps SET modified=? WHERE name=?");
            const QString stamp = nowStamp();
            for (const QString &name : std::as_const(touched_)) {
                st.bindText(1, stamp).bindText(2, name);
                st.exec();
            }
        }
        cached(commitStmt_, "COMMIT").exec();
    } catch (...) {
        rollbackLevel(1);
        throw;
    }
    touched_.clear();
    depth_ = 0;
}

void Session::rollbackLevel(int level)
{
    if (level == 1 || level > depth_) {
        if (!sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        depth_ = 0;
    } else {
        const QByteArray sp = QStringLiteral("sp%1").arg(level - 1).toUtf8();
        sqlite3_exec(db_, ("ROLLBACK TO " + sp).constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db_, ("RELEASE " + sp).constData(), nullptr, nullptr, nullptr);
        depth_ = level - 1;
    }
    // Cursors re-read what the rollback restored; definitions too, since a
    // table may have been created or dropped inside the transaction.
    for (auto &s : shared_)
        ++s->version;
    if (depth_ == 0)
        touched_.clear();
    definitionsLoaded_ = false;
}

Session::Transaction::Transaction(Session &session)
    : session_(session)
{
    session_.begin();
    level_ = session_.depth_;
}

Session::Transaction::~Transaction()
{
    if (!done_)
        session_.rollbackLevel(level_);
}

void Session::Transaction::commit()
{
    done_ = true;
    session_.commitLevel(level_);
}

} // namespace corvane::data
