// Each case of the store runs beside its floor: the same work written
// directly with sqlite3 calls on a copy of the same file, reading every
// column by its stored type and converting text to QString as the cursor
// does. "BM_Case/cursor" and "BM_Case/floor" make a pair; the console output
// ends with the ratio of each pair.

#include "bench/ClubGenerator.h"
#include "bench/RatioReporter.h"

#include "data/BulkCopy.h"
#include "data/Money.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/Table.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace corvane;
using data::Money;
using data::Session;
using data::Table;

const QString kMembersTable = QStringLiteral("Joueurs");
const QString kReceiptsTable = QStringLiteral("Recettes");
const QString kExpensesTable = QStringLiteral("Depenses");
const QString kSource = QStringLiteral("BenchSource");    // receipts and expenses, 40 000 rows
const QString kDestination = QStringLiteral("BenchDest"); // emptied before each copy
const QString kLocateFields = QStringLiteral("Num license;Nom;Prenom");
const QString kEditedField = QStringLiteral("Commentaires");
constexpr int kLocates = 100;
constexpr int kEdits = 1000;
constexpr int kLedgerRows = bench::kReceipts + bench::kExpenses;

// Members older than 18 at the end of the season.
const QDate kAdultCutoff = QDate(bench::kSeasonYear, 6, 30).addYears(-18);

// ---------------------------------------------------------------- floor helpers

[[noreturn]] void fail(sqlite3 *db, const char *what)
{
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void floorExec(sqlite3 *db, const QString &sql)
{
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db, "exec");
}

class FloorStatement {
public:
    FloorStatement(sqlite3 *db, const QString &sql)
        : db_(db)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt_, nullptr) != SQLITE_OK)
            fail(db, "prepare");
    }
    ~FloorStatement() { sqlite3_finalize(stmt_); }
    FloorStatement(const FloorStatement &) = delete;
    FloorStatement &operator=(const FloorStatement &) = delete;

    sqlite3_stmt *get() const { return stmt_; }
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(db_, "step");
        return false;
    }
    void bindText(int position, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(stmt_, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
};

QString columnText(sqlite3_stmt *st, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, column)),
                             sqlite3_column_bytes(st, column));
}

// Reads every column of the current row with the function of its stored type.
void readRow(sqlite3_stmt *st, int columns)
{
    for (int c = 0; c < columns; ++c) {
        switch (sqlite3_column_type(st, c)) {
        case SQLITE_INTEGER: {
            const qint64 v = sqlite3_column_int64(st, c);
            benchmark::DoNotOptimize(v);
            break;
        }
        case SQLITE_FLOAT: {
            const double v = sqlite3_column_double(st, c);
            benchmark::DoNotOptimize(v);
            break;
        }
        case SQLITE_TEXT: {
            QString v = columnText(st, c);
            benchmark::DoNotOptimize(v);
            break;
        }
        case SQLITE_BLOB: {
            QByteArray v(static_cast<const char *>(sqlite3_column_blob(st, c)), sqlite3_column_bytes(st, c));
            benchmark::DoNotOptimize(v);
            break;
        }
        default:
            break;
        }
    }
}

// ---------------------------------------------------------------- the club

// Generated once per process. The store holds its file exclusively, so the
// cursor cases and the floors each work on their own copy of it.
class Club {
public:
    Club()
    {
        if (!dir_.isValid())
            throw std::runtime_error("no temporary folder");
        const QString generated = dir_.filePath(QStringLiteral("club"));
        QElapsedTimer timer;
        timer.start();
        bench::generateLargeClub(generated);
        std::fprintf(stderr, "Large club generated in %.1f s in %s\n", double(timer.elapsed()) / 1000,
                     qPrintable(dir_.path()));
        prepare(QDir(generated).filePath(QStringLiteral("Corvane.db")));

        const QString cursorFile = copyOf(generated, QStringLiteral("cursor"));
        const QString floorFile = copyOf(generated, QStringLiteral("floor"));
        session_ = Session::open(cursorFile);
        openFloor(floorFile);
    }
    ~Club()
    {
        session_.reset();
        if (floor_)
            sqlite3_close_v2(floor_);
    }
    Club(const Club &) = delete;
    Club &operator=(const Club &) = delete;

    Session &session() { return *session_; }
    sqlite3 *floor() { return floor_; }

    // The columns a cursor loads: rowid, the hidden position, every field.
    const QString &columns(const QString &table) const { return columns_.at(table); }
    const data::TableDef &definition(const QString &table) const { return definitions_.at(table); }

    QVariantList locateValues;        // "Num license;Nom;Prenom" of a member near the end
    std::vector<qint64> editedRowids; // the first members in the cursor's order
    int adultsActive = 0;             // what the filter must count
    Money receiptsTotal;              // what the total must give
    QStringList destinationSchema;    // CREATE statements of the copy's destination

private:
    // Adds the copy's source and destination, and reads what the cases check.
    void prepare(const QString &file)
    {
        std::unique_ptr<Session> s = Session::open(file);
        for (const QString &t : {kMembersTable, kReceiptsTable}) {
            const data::TableDef &def = s->definition(t);
            definitions_[t] = def;
            QStringList cols{QStringLiteral("rowid"), QStringLiteral("\"_ordre\"")};
            for (const data::FieldDef &f : def.fields)
                cols.append(data::quoted(f.name));
            columns_[t] = cols.join(QLatin1Char(','));
        }

        const data::TableDef &receipts = definitions_.at(kReceiptsTable);
        QStringList fields;
        for (const data::FieldDef &f : receipts.fields)
            fields.append(data::quoted(f.name));
        const QString list = fields.join(QLatin1Char(','));
        {
            Session::Transaction tx(*s);
            s->createTable(receipts, kSource);
            for (const QString &from : {kReceiptsTable, kExpensesTable})
                s->exec(QStringLiteral("INSERT INTO %1(%2) SELECT %2 FROM %3 ORDER BY \"_ordre\"")
                            .arg(data::quoted(kSource), list, data::quoted(from)));
            s->exec(QStringLiteral("UPDATE %1 SET \"_ordre\"=rowid").arg(data::quoted(kSource)));
            // Half the source is expenses, which name no payer: the
            // destination takes the expenses' rules (same fields and key).
            s->createTable(s->definition(kExpensesTable), kDestination);
            tx.commit();
        }
        data::Statement schema(
            *s, QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name=? AND sql IS NOT NULL "
                               "ORDER BY type='index'"));
        schema.bindText(1, kDestination);
        while (schema.step())
            destinationSchema.append(schema.columnText(0));

        Table members(s.get(), kMembersTable);
        members.open();
        for (members.first(); !members.eof() && int(editedRowids.size()) < kEdits; members.next())
            editedRowids.push_back(members.bookmark().rowid);
        // Near the end of the table's order, a member with a licence number.
        members.last();
        members.moveBy(-5);
        while (members.isNull(QStringLiteral("Num license")))
            members.prior();
        for (const QString &f : kLocateFields.split(QLatin1Char(';')))
            locateValues.append(members.value(f));
        members.close();

        data::Statement count(*s,
                              QStringLiteral("SELECT count(*) FROM \"Joueurs\" WHERE \"Situation\"='ACTIF' "
                                             "AND \"Date de naissance\"<?"));
        count.bindText(1, kAdultCutoff.toString(Qt::ISODate));
        count.step();
        adultsActive = int(count.columnInt(0));
        data::Statement total(*s, QStringLiteral("SELECT \"Montant recette\" FROM \"Recettes\""));
        while (total.step())
            receiptsTotal += Money::fromDouble(total.columnDouble(0));
    }

    QString copyOf(const QString &generated, const QString &name)
    {
        const QString from = QDir(generated).filePath(QStringLiteral("Corvane.db"));
        if (QFile::exists(from + QStringLiteral("-wal")))
            throw std::runtime_error("the generated file was not checkpointed");
        QDir(dir_.path()).mkpath(name);
        const QString to = QDir(dir_.filePath(name)).filePath(QStringLiteral("Corvane.db"));
        if (!QFile::copy(from, to))
            throw std::runtime_error("cannot copy the generated file");
        return to;
    }

    // The floor's connection is set up as the store sets up its own.
    void openFloor(const QString &file)
    {
        if (sqlite3_open_v2(file.toUtf8().constData(), &floor_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK)
            fail(floor_, "open");
        sqlite3_busy_timeout(floor_, 250);
        floorExec(floor_, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        floorExec(floor_, QStringLiteral("PRAGMA journal_mode=WAL"));
        floorExec(floor_, QStringLiteral("PRAGMA synchronous=FULL"));
        floorExec(floor_, QStringLiteral("BEGIN EXCLUSIVE"));
        floorExec(floor_, QStringLiteral("COMMIT"));
    }

    QTemporaryDir dir_; // removed last, once both connections are closed
    std::unique_ptr<Session> session_;
    sqlite3 *floor_ = nullptr;
    std::map<QString, QString> columns_;
    std::map<QString, data::TableDef> definitions_;
};

Club *club(benchmark::State &state)
{
    static std::unique_ptr<Club> instance;
    static std::string error;
    if (!instance && error.empty()) {
        try {
            instance = std::make_unique<Club>();
        } catch (const std::exception &e) {
            error = std::string("setup failed: ") + e.what();
        }
    }
    if (!instance)
        state.SkipWithError(error.c_str());
    return instance.get();
}

// Each case body reports a broken expectation as an exception, so that a
// case never passes for having done less work than its pair.
template <typename Body> void runCase(benchmark::State &state, Body body)
{
    Club *c = club(state);
    if (!c)
        return;
    try {
        body(state, *c);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
    }
}

void expect(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// ---------------------------------------------------------------- walks

using Ordering = void (*)(Table &);

void cursorWalk(benchmark::State &state, Club &c, Ordering order)
{
    for (auto _ : state) {
        Table t(&c.session(), kMembersTable);
        order(t);
        t.open();
        const int n = int(t.definition().fields.size());
        int rows = 0;
        for (t.first(); !t.eof(); t.next()) {
            for (int i = 0; i < n; ++i) {
                QVariant v = t.value(i);
                benchmark::DoNotOptimize(v);
            }
            ++rows;
        }
        expect(rows == bench::kMembers, "not every member was read");
    }
}

void floorWalk(benchmark::State &state, Club &c, const QString &orderBy)
{
    const QString sql = QStringLiteral("SELECT %1 FROM \"Joueurs\"").arg(c.columns(kMembersTable)) + orderBy;
    for (auto _ : state) {
        FloorStatement st(c.floor(), sql);
        const int n = sqlite3_column_count(st.get());
        int rows = 0;
        while (st.step()) {
            readRow(st.get(), n);
            ++rows;
        }
        expect(rows == bench::kMembers, "not every member was read");
    }
}

// The same order as a named index: text without case, in the index's fields.
QString orderByIndex(const Club &c, const QString &index)
{
    const data::TableDef &def = c.definition(kMembersTable);
    QStringList parts;
    for (const QString &f : def.index(index)->fields)
        parts.append(data::quoted(f) +
                     (data::isTextual(def.field(f).type) ? QStringLiteral(" COLLATE NOCASE") : QString()));
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

// ---------------------------------------------------------------- filter

void cursorFilter(benchmark::State &state, Club &c)
{
    for (auto _ : state) {
        Table t(&c.session(), kMembersTable);
        t.open();
        t.setFilterPredicate([](const data::RecordView &r) {
            return r.asString(QStringLiteral("Situation")) == QLatin1String("ACTIF") &&
                   r.asDate(QStringLiteral("Date de naissance")) < kAdultCutoff;
        });
        const int count = t.recordCount();
        expect(count == c.adultsActive, "wrong count");
    }
}

void floorFilter(benchmark::State &state, Club &c)
{
    const QString sql =
        QStringLiteral("SELECT %1 FROM \"Joueurs\" WHERE \"Situation\"=? AND \"Date de naissance\"<?")
            .arg(c.columns(kMembersTable));
    for (auto _ : state) {
        FloorStatement st(c.floor(), sql);
        st.bindText(1, QStringLiteral("ACTIF"));
        st.bindText(2, kAdultCutoff.toString(Qt::ISODate));
        const int n = sqlite3_column_count(st.get());
        int count = 0;
        while (st.step()) {
            readRow(st.get(), n);
            ++count;
        }
        expect(count == c.adultsActive, "wrong count");
    }
}

// ---------------------------------------------------------------- locate

void cursorLocate(benchmark::State &state, Club &c)
{
    Table t(&c.session(), kMembersTable);
    t.open();
    for (auto _ : state) {
        for (int k = 0; k < kLocates; ++k)
            expect(t.locate(kLocateFields, c.locateValues), "member not found");
    }
}

// Without an index on the licence, both sides read the whole table; the
// floor steps to the end so that it never stops earlier than the cursor.
void floorLocate(benchmark::State &state, Club &c)
{
    FloorStatement st(
        c.floor(),
        QStringLiteral(
            "SELECT rowid FROM \"Joueurs\" WHERE \"Num license\"=? AND \"Nom\"=? AND \"Prenom\"=?"));
    for (auto _ : state) {
        for (int k = 0; k < kLocates; ++k) {
            for (int i = 0; i < 3; ++i)
                st.bindText(i + 1, c.locateValues[i].toString());
            int found = 0;
            while (st.step()) {
                const qint64 rowid = sqlite3_column_int64(st.get(), 0);
                benchmark::DoNotOptimize(rowid);
                ++found;
            }
            sqlite3_reset(st.get());
            expect(found == 1, "member not found");
        }
    }
}

// ---------------------------------------------------------------- total

void cursorTotal(benchmark::State &state, Club &c)
{
    for (auto _ : state) {
        Table t(&c.session(), kReceiptsTable);
        t.open();
        const int amount = t.fieldIndex(QStringLiteral("Montant recette"));
        Money total;
        for (t.first(); !t.eof(); t.next())
            total += Money::fromDouble(t.value(amount).toDouble());
        expect(total == c.receiptsTotal, "wrong total");
    }
}

void floorTotal(benchmark::State &state, Club &c)
{
    const QString sql = QStringLiteral("SELECT %1 FROM \"Recettes\"").arg(c.columns(kReceiptsTable));
    // Past rowid and the hidden position.
    const int amount = 2 + c.definition(kReceiptsTable).fieldIndex(QStringLiteral("Montant recette"));
    for (auto _ : state) {
        FloorStatement st(c.floor(), sql);
        const int n = sqlite3_column_count(st.get());
        Money total;
        while (st.step()) {
            readRow(st.get(), n);
            total += Money::fromDouble(sqlite3_column_double(st.get(), amount));
        }
        expect(total == c.receiptsTotal, "wrong total");
    }
}

// ---------------------------------------------------------------- bulk copy

void cursorBulkCopy(benchmark::State &state, Club &c)
{
    const data::TableDef def = c.session().definition(kExpensesTable);
    for (auto _ : state) {
        state.PauseTiming();
        c.session().createTable(def, kDestination);
        state.ResumeTiming();
        const data::BulkCopyResult r =
            data::bulkCopy(c.session(), kSource, kDestination, data::BulkMode::AppendUpdate);
        expect(r.appended == kLedgerRows && r.updated == 0 && r.refused == 0, "copy incomplete");
    }
}

void floorBulkCopy(benchmark::State &state, Club &c)
{
    sqlite3 *db = c.floor();
    QStringList fields, marks;
    for (const data::FieldDef &f : c.definition(kReceiptsTable).fields) {
        fields.append(data::quoted(f.name));
        marks.append(QStringLiteral("?"));
    }
    const int n = int(fields.size());
    const QString read = QStringLiteral("SELECT %1 FROM %2 ORDER BY \"_ordre\", rowid")
                             .arg(fields.join(QLatin1Char(',')), data::quoted(kSource));
    const QString insert =
        QStringLiteral("INSERT INTO %1(%2,\"_ordre\") VALUES(%3,?)")
            .arg(data::quoted(kDestination), fields.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    for (auto _ : state) {
        state.PauseTiming();
        floorExec(db, QStringLiteral("DROP TABLE IF EXISTS %1").arg(data::quoted(kDestination)));
        for (const QString &sql : c.destinationSchema)
            floorExec(db, sql);
        state.ResumeTiming();

        floorExec(db, QStringLiteral("BEGIN IMMEDIATE"));
        FloorStatement from(db, read);
        FloorStatement to(db, insert);
        sqlite3_stmt *src = from.get();
        sqlite3_stmt *dst = to.get();
        double ordre = 0;
        int rows = 0;
        while (from.step()) {
            for (int i = 0; i < n; ++i) {
                switch (sqlite3_column_type(src, i)) {
                case SQLITE_INTEGER:
                    sqlite3_bind_int64(dst, i + 1, sqlite3_column_int64(src, i));
                    break;
                case SQLITE_FLOAT:
                    sqlite3_bind_double(dst, i + 1, sqlite3_column_double(src, i));
                    break;
                case SQLITE_TEXT:
                    to.bindText(i + 1, columnText(src, i));
                    break;
                case SQLITE_BLOB:
                    sqlite3_bind_blob(dst, i + 1, sqlite3_column_blob(src, i), sqlite3_column_bytes(src, i),
                                      SQLITE_TRANSIENT);
                    break;
                default:
                    sqlite3_bind_null(dst, i + 1);
                    break;
                }
            }
            sqlite3_bind_double(dst, n + 1, ++ordre);
            to.step();
            sqlite3_reset(dst);
            ++rows;
        }
        floorExec(db, QStringLiteral("COMMIT"));
        expect(rows == kLedgerRows, "copy incomplete");
    }
}

// ---------------------------------------------------------------- edits

QString editText(int round, int k)
{
    return QStringLiteral("Relance n° %1 envoyée (passage %2)").arg(k + 1).arg(round);
}

void cursorEdits(benchmark::State &state, Club &c)
{
    Table t(&c.session(), kMembersTable);
    t.open();
    const int field = t.fieldIndex(kEditedField);
    static int round = 0;
    for (auto _ : state) {
        ++round;
        t.first();
        for (int k = 0; k < kEdits; ++k) {
            t.edit();
            t.setValue(field, editText(round, k));
            t.post();
            t.next();
        }
    }
}

// The same records, one autocommit UPDATE each.
void floorEdits(benchmark::State &state, Club &c)
{
    FloorStatement st(
        c.floor(),
        QStringLiteral("UPDATE \"Joueurs\" SET %1=? WHERE rowid=?").arg(data::quoted(kEditedField)));
    static int round = 0;
    for (auto _ : state) {
        ++round;
        for (int k = 0; k < kEdits; ++k) {
            st.bindText(1, editText(round, k));
            sqlite3_bind_int64(st.get(), 2, c.editedRowids[k]);
            st.step();
            sqlite3_reset(st.get());
        }
    }
}

// ---------------------------------------------------------------- registration

using CaseBody = std::function<void(benchmark::State &, Club &)>;

void registerCase(const char *name, CaseBody body)
{
    // With --benchmark_repetitions, the ratios use the fastest repetition:
    // on a shared machine the others mostly measure the neighbours.
    benchmark::RegisterBenchmark(name, [body](benchmark::State &state) { runCase(state, body); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->ComputeStatistics(
            "min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

void registerCases()
{
    using State = benchmark::State;
    registerCase("BM_Walk/cursor", [](State &s, Club &c) { cursorWalk(s, c, [](Table &) {}); });
    registerCase("BM_Walk/floor", [](State &s, Club &c) { floorWalk(s, c, QString()); });
    registerCase("BM_OrderIndex/cursor", [](State &s, Club &c) {
        cursorWalk(s, c, [](Table &t) { t.setIndexName(QStringLiteral("ParCategorie")); });
    });
    registerCase("BM_OrderIndex/floor",
                 [](State &s, Club &c) { floorWalk(s, c, orderByIndex(c, QStringLiteral("ParCategorie"))); });
    registerCase("BM_OrderField/cursor", [](State &s, Club &c) {
        cursorWalk(s, c, [](Table &t) { t.setOrderField(QStringLiteral("Ville"), true); });
    });
    registerCase("BM_OrderField/floor", [](State &s, Club &c) {
        floorWalk(s, c, QStringLiteral(" ORDER BY \"Ville\" COLLATE NOCASE DESC"));
    });
    registerCase("BM_Filter/cursor", cursorFilter);
    registerCase("BM_Filter/floor", floorFilter);
    registerCase("BM_Locate/cursor", cursorLocate);
    registerCase("BM_Locate/floor", floorLocate);
    registerCase("BM_Total/cursor", cursorTotal);
    registerCase("BM_Total/floor", floorTotal);
    registerCase("BM_BulkCopy/cursor", cursorBulkCopy);
    registerCase("BM_BulkCopy/floor", floorBulkCopy);
    // Last: they change the records the other cases read.
    registerCase("BM_Edits/cursor", cursorEdits);
    registerCase("BM_Edits/floor", floorEdits);
}

} // namespace

int main(int argc, char **argv)
{
    // --generate=DIR writes the large club into DIR and stops: a data folder
    // to try the program on, or to look into.
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--generate=", 0) == 0) {
            try {
                bench::generateLargeClub(QString::fromStdString(arg.substr(11)));
            } catch (const std::exception &e) {
                std::fprintf(stderr, "%s\n", e.what());
                return 1;
            }
            return 0;
        }
    }
    // Another output format is written as the library writes it (bench/ratios.sh reads the JSON one).
    bool console = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--benchmark_format=", 0) == 0 && arg != "--benchmark_format=console")
            console = false;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerCases();
    if (console) {
        bench::RatioReporter reporter({{"BM_Walk", 3},
                                       {"BM_OrderIndex", 3},
                                       {"BM_OrderField", 3},
                                       {"BM_Filter", 3},
                                       {"BM_Locate", 3},
                                       {"BM_Total", 3},
                                       {"BM_BulkCopy", 3},
                                       {"BM_Edits", 3}});
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
