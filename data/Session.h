#pragma once

#include "data/TableDef.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace corvane::data {

class Statement;

// Shared by every cursor over one table: lets a cursor see that another
// cursor, a bulk copy or a rolled-back transaction changed the table.
struct ReadAhead;

struct TableShared {
    quint64 version = 1;
    // The records read ahead of the table's first opening (Table::readAhead);
    // taken by that opening, if nothing was written to the data file since.
    std::shared_ptr<ReadAhead> readAhead;
};

// The one connection to the data file. It holds the file exclusively, so a
// second running copy of the program gets a clear error instead of sharing it.
class Session {
public:
    // Opens (and creates when `create` is set) the data file. Throws
    // StoreError with a French message when the file is damaged, locked by
    // another copy, or cannot be written.
    static std::unique_ptr<Session> open(const QString &path, bool create = false);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    QString path() const { return path_; }
    sqlite3 *handle() const { return db_; }

    void exec(const QString &sql);
    [[noreturn]] void raise(int rc, const QString &context = {}) const;

    // Schema version (PRAGMA user_version).
    int schemaVersion();
    void setSchemaVersion(int version);

    // Table definitions, kept in the data file beside the tables so that
    // scratch tables and archives describe themselves.
    bool tableExists(const QString &name);
    const TableDef &definition(const QString &name); // throws when the table is unknown
    QStringList tableNames();
    // Creates the table from `def` under `name` (def.name when empty); an
    // existing table of that name is replaced.
    void createTable(const TableDef &def, const QString &name = {});
    // Gives an existing table the lookup indexes that `def`, its description
    // in the program, asks for (data written by an older program).
    void addLookupIndexes(const TableDef &def);
    void dropTable(const QString &name);
    void emptyTable(const QString &name);

    // Modification stamps, the program's "file dates".
    QDateTime modifiedAt(const QString &name);
    void touch(const QString &name);

    std::shared_ptr<TableShared> shared(const QString &name);
    void bumpVersion(const QString &name);

    bool inTransaction() const { return depth_ > 0; }
    // Records inserted, changed or deleted through this session so far.
    qint64 changeCount() const;

    // Unit of work: commits only through commit(); the destructor rolls
    // back, so an exception leaves the data as they were. Nested guards use
    // savepoints.
    class Transaction {
    public:
        explicit Transaction(Session &session);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void commit();

    private:
        Session &session_;
        int level_;
        bool done_ = false;
    };

private:
    Session() = default;
    void begin();
    void commitLevel(int level);
    void rollbackLevel(int level);
    QString canonicalName(const QString &name);
    void loadDefinitions();
    void createLookupIndexes(const TableDef &def);
    void storeDefinition(const TableDef &def);

    // Statements of every post, prepared once.
    Statement &cached(std::unique_ptr<Statement> &slot, const char *sql);
    std::unique_ptr<Statement> beginStmt_;
    std::unique_ptr<Statement> commitStmt_;
    std::unique_ptr<Statement> stampStmt_;

    sqlite3 *db_ = nullptr;
    QString path_;
    int depth_ = 0;
    QSet<QString> touched_;
    // Definitions by lower-case name, kept as stored and read on first use:
    // a start needs a handful of the tables, not all of them.
    struct StoredDefinition {
        QString name;
        QByteArray json;
        std::optional<TableDef> parsed;
    };
    std::map<QString, StoredDefinition> definitions_;
    bool definitionsLoaded_ = false;
    QHash<QString, std::shared_ptr<TableShared>> shared_;
};

QString quoted(const QString &identifier); // "name" with inner quotes doubled

} // namespace corvane::data
