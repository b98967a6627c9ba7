// Towns and postal codes: loading one département of the national list into
// the copying window's check list, filtering the finder on a département, and
// opening the finder on a large club list. Each measured case has a floor:
// the same rows read by a plain SQLite query on the same file.
//
// Run: bench_postal [--benchmark_filter=...]; pairs are named Case/cursor and Case/floor.

#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/Table.h"
#include "exchange/PostalCodes.h"
#include "exchange/RecupCodes.h"
#include "exchange/TCodePostalForm.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace corvane;

namespace {

// The département with the most towns in the national list.
const QString Largest = QStringLiteral("Pas de calais");
constexpr int ClubTowns = 5000;

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<data::Session> session;
    std::unique_ptr<data::ModuleData> md;

    Fixture()
    {
        session = data::openDataFolder(dir.path()).session;
        md = std::make_unique<data::ModuleData>(*session);
        // A club list of 5 000 towns spread over the départements: every
        // seventh town of the national list.
        data::Session::Transaction tx(*session);
        data::Statement copy(
            *session, QStringLiteral("INSERT INTO \"Codepostal\"(\"Code postal\",\"Ville\",\"Departement\","
                                     "\"Pays\",\"_ordre\") SELECT \"Code postal\",\"Ville\",\"Departement\","
                                     "\"Pays\", rowid FROM \"CodPostTotale\" WHERE rowid % 7 = 0 LIMIT ?"));
        copy.bindInt(1, ClubTowns);
        copy.exec();
        tx.commit();
        session->bumpVersion(QStringLiteral("Codepostal"));
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// The floor: the rows read by one prepared statement, each column turned
// into a QString as the cursor does.
int floorQuery(data::Session &session, const QString &sql, const QString &departement)
{
    data::Statement st(session, sql);
    st.bindText(1, departement);
    int rows = 0;
    while (st.step()) {
        for (int c = 0; c < 4; ++c)
            benchmark::DoNotOptimize(st.columnText(c));
        ++rows;
    }
    return rows;
}

void BM_LoadDepartement_cursor(benchmark::State &state)
{
    Fixture &f = fixture();
    exchange::RecupCodes recup(*f.md);
    for (auto _ : state) {
        recup.charger(Largest);
        const QList<exchange::Town> lines = recup.lignes();
        benchmark::DoNotOptimize(lines.size());
    }
}

void BM_LoadDepartement_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString sql =
        QStringLiteral("SELECT \"Code postal\",\"Ville\",\"Departement\",\"Pays\" FROM "
                       "\"CodPostTotale\" WHERE \"Departement\" = ? ORDER BY \"Code postal\", \"Ville\"");
    for (auto _ : state)
        benchmark::DoNotOptimize(floorQuery(*f.session, sql, Largest));
}

// The same load with the check list filled, as the user waits for it.
void BM_LoadCheckList(benchmark::State &state)
{
    Fixture &f = fixture();
    exchange::RecupCodes recup(*f.md);
    QListWidget list;
    list.setUniformItemSizes(true);
    for (auto _ : state) {
        recup.charger(Largest);
        const QList<exchange::Town> lines = recup.lignes();
        list.clear();
        for (const exchange::Town &t : lines) {
            auto *item = new QListWidgetItem(t.codePostal + QLatin1Char(' ') + t.ville);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            list.addItem(item);
        }
    }
}

// Each iteration filters on another département than the last one, as a
// user going through the drop-down does (the same one again is free).
const QString &filterTarget(int iteration)
{
    static const QString other = QStringLiteral("Nord");
    return iteration % 2 ? other : Largest;
}

void BM_FilterFinder_cursor(benchmark::State &state)
{
    Fixture &f = fixture();
    data::Table *codes = f.md->table(QStringLiteral("Codepostaux"));
    data::OpenedTable opened(codes);
    const int code = codes->fieldIndex(QStringLiteral("Code postal")),
              ville = codes->fieldIndex(QStringLiteral("Ville")),
              dep = codes->fieldIndex(QStringLiteral("Departement")),
              pays = codes->fieldIndex(QStringLiteral("Pays"));
    int iteration = 0;
    for (auto _ : state) {
        exchange::filterOnDepartement(*codes, filterTarget(iteration++));
        // What the grid reads of the rows shown.
        for (int row = 0; row < codes->recordCount(); ++row) {
            for (int c : {code, ville, dep, pays})
                benchmark::DoNotOptimize(codes->displayAt(row, c));
        }
    }
    exchange::filterOnDepartement(*codes, {});
}

void BM_FilterFinder_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString sql =
        QStringLiteral("SELECT \"Code postal\",\"Ville\",\"Departement\",\"Pays\" FROM "
                       "\"Codepostal\" WHERE \"Departement\" = ? ORDER BY \"Code postal\", \"Ville\"");
    int iteration = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(floorQuery(*f.session, sql, filterTarget(iteration++)));
}

// Opening the finder on the 5 000 towns and positioning it, until it shows.
void BM_OpenFinder(benchmark::State &state)
{
    Fixture &f = fixture();
    data::Table *codes = f.md->table(QStringLiteral("Codepostaux"));
    for (auto _ : state) {
        data::OpenedTable opened(codes);
        exchange::TCodePostalForm finder(*f.md);
        finder.positionne(QStringLiteral("Wimereux"));
        finder.show();
        QApplication::processEvents();
        finder.done(QDialog::Accepted);
    }
}

} // namespace

BENCHMARK(BM_LoadDepartement_cursor)->Name("BM_LoadDepartement/cursor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDepartement_floor)->Name("BM_LoadDepartement/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCheckList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFinder_cursor)->Name("BM_FilterFinder/cursor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFinder_floor)->Name("BM_FilterFinder/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFinder)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
