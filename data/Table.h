#pragma once

#include "data/Money.h"
#include "data/TableDef.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTime>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace corvane::data {

class Session;
class Statement;
struct TableShared;
class Table;

// Read access to one record, handed to filter predicates.
class RecordView {
public:
    RecordView(const Table &table, const std::vector<QVariant> &values)
        : table_(table)
        , values_(&values)
    {
    }
    QVariant value(const QString &field) const;
    QVariant value(int fieldIndex) const;
    QString asString(const QString &field) const;
    qint64 asInt(const QString &field) const;
    double asDouble(const QString &field) const;
    Money asMoney(const QString &field) const;
    bool asBool(const QString &field) const;
    QDate asDate(const QString &field) const;

private:
    friend class Table;
    RecordView(const Table &table, const void *row)
        : table_(table)
        , row_(row)
    {
    }
    const Table &table_;
    const std::vector<QVariant> *values_ = nullptr;
    const void *row_ = nullptr; // a record of the table, read field by field
};

// A cursor over one stored table: the current record, the editing states,
// a filter and an order, as the program's windows and algorithms use them.
// Every record of the table is held in memory while the cursor is open;
// writes go straight to the data file. Cursors over the same table see each
// other's changes: a cursor re-reads the table when it notices that the
// table changed under it.
class Table : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class Compare { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, StartsWith, Contains };
    using Predicate = std::function<bool(const RecordView &)>;

    // Points where a window hooks its own rules on the shared table while it
    // is open (new-record defaults, protections, checks before posting). A
    // BeforePost, BeforeEdit or BeforeDelete hook stops the operation by
    // throwing (Aborted for a silent stop); the record stays as it was.
    enum class Event { NewRecord, BeforeEdit, AfterCancel, BeforePost, AfterPost, BeforeDelete, AfterDelete };
    using Hook = std::function<void(Table &)>;
    int addHook(Event event, Hook hook); // returns an id for removeHook
    void removeHook(int id);

    struct Bookmark {
        qint64 rowid = 0;
        bool valid() const { return rowid != 0; }
    };

    // Reads the records of `tableName` for the first cursor to open it. The
    // start-up does so on a thread of its own, before any cursor exists, for
    // the tables it opens first; nothing else may use the session meanwhile.
    static void readAhead(Session &session, const QString &tableName);

    // `componentName` is the data module's name for the cursor; the stored
    // table may be named later (the transfer cursors get theirs just before
    // a copy).
    explicit Table(Session *session, const QString &tableName = {}, const QString &componentName = {},
                   QObject *parent = nullptr);
    ~Table() override;

    Session *session() const { return session_; }
    QString tableName() const { return tableName_; }
    void setTableName(const QString &name); // only while closed
    QString componentName() const { return objectName(); }
    const TableDef &definition() const; // of the open table, or the stored one when closed

    // Opening an open table changes nothing; opening places the cursor on
    // the first record.
    void open();
    void close();
    bool isActive() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }
    // Re-read the table (keeps the current record when it still exists).
    void refresh();

    // Navigation.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);
    bool eof() const;
    bool bof() const;
    bool isEmpty() const;
    int recordCount() const;
    int recNo() const; // 1-based position in the current order; 0 when empty
    void setRecNo(int recNo);
    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark &bookmark); // false when the record is gone or filtered out

    // Editing. post() throws KeyViolation or RequiredFieldMissing and leaves
    // the record in editing.
    void edit();
    void append();
    void insert();
    void post();
    void cancel();
    void remove();
    bool modified() const { return modified_; }

    // Field access on the current record (the edit buffer while editing).
    int fieldIndex(const QString &field) const; // throws when absent
    QVariant value(const QString &field) const;
    QVariant value(int fieldIndex) const;
    void setValue(const QString &field, const QVariant &value);
    void setValue(int fieldIndex, const QVariant &value);
    void clear(const QString &field) { setValue(field, QVariant()); }
    bool isNull(const QString &field) const;
    QString asString(const QString &field) const;
    qint64 asInt(const QString &field) const;
    double asDouble(const QString &field) const;
    Money asMoney(const QString &field) const;
    bool asBool(const QString &field) const;
    QDate asDate(const QString &field) const;
    QTime asTime(const QString &field) const;
    QByteArray asBytes(const QString &field) const;
    QString displayText(const QString &field) const;

    // The records in the current order and filter, read without moving the
    // cursor (rows from 0; grids use them). The record being edited shows
    // its edit buffer.
    QVariant valueAt(int row, int fieldIndex) const;
    QString displayAt(int row, int fieldIndex) const;

    // First record, in the current order and filter, whose fields equal the
    // values. Fields are separated by ';' as in "Num license;Nom;Prenom".
    bool locate(const QString &fields, const QVariantList &values, bool caseInsensitive = false);

    // Filter: the predicate and every condition must hold. Changing the
    // filter places the cursor on the first record.
    void setFilterPredicate(Predicate predicate);
    void addFilterCondition(const QString &field, Compare op, const QVariant &value);
    void clearFilter();
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Order: a named index of the definition, or one field. An empty name is
    // the table's own order (its key, else the order of entry).
    void setIndexName(const QString &name);
    QString indexName() const { return indexName_; }
    void setOrderField(const QString &field, bool descending = false);
    QString orderField() const { return orderField_; }
    bool orderDescending() const { return orderDescending_; }

    // Master-detail: only the records whose fields equal the master's
    // current values show, and a new record receives them.
    void setMasterLink(Table *master, const QString &detailFields, const QString &masterFields);
    void clearMasterLink();

    // Whole-table operations, open or closed.
    void emptyTable();
    void createTableLike(const TableDef &def); // creates the table named tableName()
    void dropTable();

    // Bound widgets stop following the cursor during long walks.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return controlsDisabled_ > 0; }

signals:
    void stateChanged(corvane::data::Table::State state);
    void currentChanged();                // another record became current
    void fieldChanged(int fieldIndex);    // a value of the current record changed while editing
    void layoutChanged();                 // records added, removed, reordered or filtered

private:
    struct KeyPart {
        bool null = true;
        double number = 0;
        QString text;
    };
    // A record as read keeps its stored values packed, and a field becomes
    // a QVariant only when it is read: a cursor holds every record, and most
    // fields of most records are never looked at. A record written through
    // the cursor holds its values instead (`stored` is then empty).
    struct Row {
        qint64 rowid = 0;
        double ordre = 0;
        QByteArray stored;
        std::vector<QVariant> values;
        std::vector<KeyPart> sortKey;
    };
    struct OrderPart {
        int field;
        bool descending;
    };

    friend class RecordView;
    friend struct ReadAhead;
    // Reads every record of `def`; returns the largest hidden position.
    static double readRows(Session &session, const TableDef &def, std::vector<std::unique_ptr<Row>> &rows);
    QVariant cell(const Row &row, int fieldIndex) const;
    QByteArrayView storedBytes(const Row &row, int fieldIndex) const; // text as stored; null when empty
    std::vector<QVariant> rowValues(const Row &row) const;
    void requireActive() const;
    void requireBrowse(const char *operation) const;
    void ensureFresh() const;
    void load();
    void rebuildView(qint64 keepRowid);
    void reorder();
    bool passesFilter(const Row &row) const;
    bool lessThan(const Row *a, const Row *b) const;
    std::vector<OrderPart> orderParts() const;
    void computeKey(Row &row) const;
    void checkBrowseMode();
    Row *currentRow() const;
    std::unique_ptr<Statement> prepare(const QString &sql) const;
    void placeInView(Row *row);
    QVariant normalise(int fieldIndex, const QVariant &value) const;
    void startNew(bool atCursor);
    void checkRequired() const;
    void writeRow();
    void emitCurrent();
    void emitLayout();
    void setState(State s);
    void masterMoved();

    Session *session_;
    QString tableName_;
    TableDef def_;
    mutable QHash<QString, int> fieldPositions_; // names asked for while open
    std::shared_ptr<TableShared> shared_;
    quint64 seenVersion_ = 0;

    State state_ = State::Inactive;
    std::vector<std::unique_ptr<Row>> rows_;
    std::vector<Row *> view_;
    std::vector<OrderPart> order_;
    std::unique_ptr<Statement> insertStmt_;
    std::unique_ptr<Statement> updateStmt_;
    int pos_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    double maxOrdre_ = 0;

    std::vector<QVariant> buffer_;
    bool modified_ = false;
    qint64 editRowid_ = 0;
    double insertOrdre_ = 0;

    Predicate predicate_;
    struct Condition {
        int field;
        Compare op;
        QVariant value;
    };
    std::vector<Condition> conditions_;
    bool filtered_ = false;

    QString indexName_;
    QString orderField_;
    bool orderDescending_ = false;

    QPointer<Table> master_;
    QList<int> detailFields_;
    QStringList masterFields_;
    QMetaObject::Connection masterConnection_;

    struct HookEntry {
        int id;
        Event event;
        Hook hook;
    };
    std::vector<HookEntry> hooks_;
    int nextHookId_ = 1;
    void runHooks(Event event);

    int controlsDisabled_ = 0;
    bool pendingCurrent_ = false;
    bool pendingLayout_ = false;
    mutable bool reloading_ = false;
};

// Thrown by a hook to stop an operation without any message.
struct Aborted {};

// Removes a hook when the window that placed it goes away.
class HookGuard {
public:
    HookGuard(Table &table, Table::Event event, Table::Hook hook)
        : table_(&table)
        , id_(table.addHook(event, std::move(hook)))
    {
    }
    ~HookGuard()
    {
        if (table_)
            table_->removeHook(id_);
    }
    HookGuard(const HookGuard &) = delete;
    HookGuard &operator=(const HookGuard &) = delete;

private:
    QPointer<Table> table_;
    int id_;
};

// Folds case and accents so that "Élodie" sorts with "elodie".
QString foldForSort(const QString &text);
// Compares two field values of one type; null sorts first.
int compareValues(const QVariant &a, const QVariant &b, FieldType type);

} // namespace corvane::data
