// The player list on the large club (3 000 members): opening the window
// (the first tab's rows), switching tabs, sorting by category, a quick-search
// keystroke, and the player workbook. Each case has a floor: the same rows
// read by a plain SQLite query on a copy of the data file (the program holds
// the file exclusively), and for the workbook the same cells written by bare
// libxlsxwriter calls from such a query.
//
// Pairs are named BM_Case/window and BM_Case/floor; the console output ends
// with each pair's ratio. Budgets: opening and tab switching within 3x their
// floor, the workbook within 2x.

#include "bench/ClubGenerator.h"
#include "bench/RatioReporter.h"

#include "data/AppFolders.h"
#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "members/playerlist/PlayerWorkbook.h"
#include "members/playerlist/TListeJoueurs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <xlsxwriter.h>

#include <iomanip>
#include <map>
#include <memory>
#include <stdexcept>

using namespace corvane;
using namespace corvane::members::playerlist;

namespace {

// ---------------------------------------------------------------- fixture

struct Fixture {
    QTemporaryDir dir;
    QString copy; // the floor's own copy of the data file
    std::unique_ptr<data::Session> session;
    std::unique_ptr<data::ModuleData> md;
    sqlite3 *db = nullptr;

    Fixture()
    {
        const QString folder = QDir(dir.path()).filePath(QStringLiteral("club"));
        bench::generateLargeClub(folder);
        copy = QDir(dir.path()).filePath(QStringLiteral("copie.db"));
        if (!QFile::copy(QDir(folder).filePath(data::DataFileName), copy))
            throw std::runtime_error("cannot copy the data file");
        session = data::openDataFolder(folder).session;
        md = std::make_unique<data::ModuleData>(*session);
        data::appFolders().setRoot(folder);
        data::chargeParametres(*md);
        data::chargeCategories(*md);
        if (sqlite3_open_v2(QFile::encodeName(copy).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error("cannot open the copy");
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// ---------------------------------------------------------------- floors

const char *const kGridColumns =
    "\"Nom\",\"Prenom\",\"Date de naissance\",\"Num license\",\"Date de paiement\",\"Cotisation\",\"Paye\","
    "\"Restant du\",\"Categorie\",\"Equipe\",\"Classement S\",\"Classement D\",\"Classement DM\",\"Type "
    "activite\","
    "\"Num licence educateur\",\"Poste joue\",\"Num maillot\",\"Pied\",\"Dispo\",\"Date modification\","
    "\"Autorisation parentale\",\"Date entree\",\"Date sortie\",\"Num bordereau\",\"Nepasenvoyer\","
    "\"Survetement\",\"Taille survetement\",\"Autorisation publ Web\",\"Educateur\",\"Nom du payeur\","
    "\"Distinction\",\"Arbitre\",\"ArbitreDelegue\",\"Membre bureau\",\"Titre\",\"Mutation\","
    "\"Departement origine\",\"Sigle club origine\"";

// Steps a query to its end, each column turned into a QString as a grid
// would show it. Returns the rows read.
int readRows(sqlite3 *db, const QByteArray &sql, const QString &bound = {})
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    if (!bound.isNull()) {
        const QByteArray b = bound.toUtf8();
        sqlite3_bind_text(st, 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    const int columns = sqlite3_column_count(st);
    int rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st, c));
            benchmark::DoNotOptimize(QString::fromUtf8(text, sqlite3_column_bytes(st, c)));
        }
        ++rows;
    }
    sqlite3_finalize(st);
    return rows;
}

const QByteArray kByName = QByteArrayLiteral(" ORDER BY \"Nom\" COLLATE NOCASE, \"Prenom\" COLLATE NOCASE, "
                                             "\"Date de naissance\"");

QByteArray select(const char *where = "")
{
    return QByteArray("SELECT ") + kGridColumns + " FROM \"Joueurs\"" + where;
}

const QByteArray kCategoryWhere = " WHERE \"Categorie\" = ?1 AND NOT (\"Equipe\" = 'xxxxxxxx' AND "
                                  "(coalesce(\"Educateur\",0) OR coalesce(\"Membre bureau\",0)))";

// ---------------------------------------------------------------- window

struct OpenWindow {
    std::unique_ptr<members::TListeJoueurs> w;
    OpenWindow()
        : w(std::make_unique<members::TListeJoueurs>(*fixture().md, QLatin1Char('T')))
    {
        w->prepare();
    }
    ~OpenWindow()
    {
        w->quitButton()->click();
        w.reset();
    }
};

int seniorsTab()
{
    return 8; // men's slot 7
}

void BM_OpenList_window(benchmark::State &state)
{
    fixture();
    for (auto _ : state) {
        auto w = std::make_unique<members::TListeJoueurs>(*fixture().md, QLatin1Char('T'));
        w->prepare();
        // The rows the grid shows first.
        const int n = std::min(40, w->currentTable()->recordCount());
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < 38; ++c)
                benchmark::DoNotOptimize(w->grid(0)->model()->index(r, c).data());
        state.PauseTiming();
        w->quitButton()->click();
        w.reset();
        state.ResumeTiming();
    }
}

void BM_OpenList_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray sql = select() + kByName;
    for (auto _ : state)
        benchmark::DoNotOptimize(readRows(f.db, sql));
}

void BM_SwitchTab_window(benchmark::State &state)
{
    OpenWindow open;
    bool seniors = false;
    for (auto _ : state) {
        seniors = !seniors;
        open.w->setPlayerTab(seniors ? seniorsTab() : TabTous);
        benchmark::DoNotOptimize(open.w->currentTable()->recordCount());
    }
}

void BM_SwitchTab_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString category = data::parametres().categories[7];
    const QByteArray seniors = select(kCategoryWhere.constData()) + kByName;
    const QByteArray all = select() + kByName;
    bool s = false;
    for (auto _ : state) {
        s = !s;
        benchmark::DoNotOptimize(s ? readRows(f.db, seniors, category) : readRows(f.db, all));
    }
}

void BM_SortCategory_window(benchmark::State &state)
{
    OpenWindow open;
    bool byCategory = false;
    for (auto _ : state) {
        byCategory = !byCategory;
        open.w->setSort(byCategory ? PlayerSort::Categorie : PlayerSort::Nom);
        benchmark::DoNotOptimize(open.w->currentTable()->recNo());
    }
}

void BM_SortCategory_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray byCategory = select() +
                                  " ORDER BY \"Categorie\" COLLATE NOCASE, \"Nom\" COLLATE NOCASE, "
                                  "\"Prenom\" COLLATE NOCASE";
    const QByteArray byName = select() + kByName;
    bool c = false;
    for (auto _ : state) {
        c = !c;
        benchmark::DoNotOptimize(readRows(f.db, c ? byCategory : byName));
    }
}

// One letter typed in the grid, then the text forgotten again (Escape), as a
// user typing the start of a name.
void BM_QuickSearch_window(benchmark::State &state)
{
    OpenWindow open;
    QWidget *grid = open.w->grid(0);
    const char letters[] = "bcdfglmprt";
    int k = 0;
    for (auto _ : state) {
        const QChar letter = QLatin1Char(letters[k++ % 10]);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - 'a'), Qt::NoModifier,
                        QString(letter));
        QApplication::sendEvent(grid, &press);
        benchmark::DoNotOptimize(open.w->currentTable()->recNo());
        state.PauseTiming();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(grid, &escape);
        state.ResumeTiming();
    }
}

void BM_QuickSearch_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    const QByteArray sql = select(" WHERE \"Nom\" >= ?1 COLLATE NOCASE") + kByName + " LIMIT 1";
    const char letters[] = "bcdfglmprt";
    int k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(readRows(f.db, sql, QString(QLatin1Char(letters[k++ % 10]))));
}

// ---------------------------------------------------------------- workbook

void BM_PlayerWorkbook_window(benchmark::State &state)
{
    OpenWindow open;
    QTemporaryDir out;
    for (auto _ : state) {
        if (!exportPlayerWorkbook(*open.w->currentTable(), data::parametres(), nullptr, nullptr, out.path()))
            state.SkipWithError("export failed");
    }
}

// The same cells from one query, each format known up front, in the
// library's constant-memory mode as the writer uses it.
void writeFloorWorkbook(sqlite3 *db, const QString &path)
{
    const auto &columns = workbookColumns();
    const std::vector<PlayerTab> tabs = playerTabs(data::parametres());
    QByteArray sql = "SELECT ";
    for (std::size_t c = 0; c < columns.size(); ++c)
        sql += (c ? ",\"" : "\"") + columns[c].field.toUtf8() + "\"";
    sql += ",\"Equipe\",\"Arbitre Table\" FROM \"Joueurs\"" + kByName;
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *wb = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    auto base = [&](lxw_format *f) {
        format_set_font_size(f, 8);
        format_set_border(f, LXW_BORDER_THIN);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        return f;
    };
    lxw_format *header = base(workbook_add_format(wb));
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_CENTER);
    format_set_text_wrap(header);
    lxw_format *cells[2][2][2]; // [centred][grey][date]
    for (int centre = 0; centre < 2; ++centre)
        for (int grey = 0; grey < 2; ++grey)
            for (int date = 0; date < 2; ++date) {
                lxw_format *f = base(workbook_add_format(wb));
                if (centre)
                    format_set_align(f, LXW_ALIGN_CENTER);
                if (grey) {
                    format_set_pattern(f, LXW_PATTERN_SOLID);
                    format_set_bg_color(f, 0xC0C0C0);
                }
                if (date)
                    format_set_num_format(f, "dd/mm/yyyy");
                cells[centre][grey][date] = f;
            }
    std::vector<lxw_worksheet *> sheets;
    std::vector<int> next(WorkbookSheetCount, 1);
    for (const QString &name : workbookSheetNames(tabs)) {
        lxw_worksheet *ws = workbook_add_worksheet(wb, name.toUtf8().constData());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].width > 0)
                worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), columns[c].width, nullptr);
            worksheet_write_string(ws, 0, lxw_col_t(c), columns[c].title.toUtf8().constData(), header);
        }
        worksheet_set_margins(ws, 0.3, 0.3, 0.8, 0.8);
        worksheet_set_landscape(ws);
        worksheet_center_horizontally(ws);
        worksheet_set_print_scale(ws, 70);
        sheets.push_back(ws);
    }
    const int ncol = int(columns.size());
    const QString noTeam = NoTeam;
    while (sqlite3_step(st) == SQLITE_ROW) {
        auto text = [st](int c) {
            return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, c)),
                                     sqlite3_column_bytes(st, c));
        };
        auto flag = [st](int c) { return sqlite3_column_int(st, c) != 0; };
        // Columns L (category), AL (committee), AJ (coach), AR, AT (umpires), J (paid).
        const QString categorie = text(11);
        const bool bureau = flag(37), coach = flag(35), arbitre = flag(43) || flag(45) || flag(ncol + 1);
        std::vector<int> to;
        for (int s = 0; s < WorkbookSheetCount; ++s) {
            const PlayerTab &tab = tabs[std::size_t(sheetTab(s))];
            if (tab.kind == TabKind::Categorie && tab.category == categorie) {
                if (!(text(ncol) == noTeam && (coach || bureau)))
                    to.push_back(s);
                break;
            }
        }
        if (bureau)
            to.push_back(16);
        if (coach)
            to.push_back(17);
        if (arbitre)
            to.push_back(18);
        const int grey = flag(9) ? 0 : 1;
        for (int s : to) {
            lxw_worksheet *ws = sheets[std::size_t(s)];
            const auto row = lxw_row_t(next[std::size_t(s)]++);
            worksheet_set_row(ws, row, 15, nullptr);
            for (int c = 0; c < ncol; ++c) {
                const bool centre = columns[std::size_t(c)].centred;
                const int type = sqlite3_column_type(st, c);
                if (c == 2 && type != SQLITE_NULL) {
                    const QDate d = QDate::fromString(text(c), Qt::ISODate);
                    lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0};
                    worksheet_write_datetime(ws, row, lxw_col_t(c), &dt, cells[centre][grey][1]);
                } else if (type == SQLITE_INTEGER && (c == 9 || c >= 14)) {
                    worksheet_write_string(ws, row, lxw_col_t(c), flag(c) ? "Oui" : "Non",
                                           cells[centre][grey][0]);
                } else if (type == SQLITE_NULL) {
                    worksheet_write_blank(ws, row, lxw_col_t(c), cells[centre][grey][0]);
                } else {
                    worksheet_write_string(ws, row, lxw_col_t(c), text(c).toUtf8().constData(),
                                           cells[centre][grey][0]);
                }
            }
        }
    }
    sqlite3_finalize(st);
    if (const lxw_error err = workbook_close(wb))
        throw std::runtime_error(lxw_strerror(err));
}

void BM_PlayerWorkbook_floor(benchmark::State &state)
{
    Fixture &f = fixture();
    QTemporaryDir out;
    const QString path = QDir(out.path()).filePath(PlayerWorkbookName);
    for (auto _ : state)
        writeFloorWorkbook(f.db, path);
}

BENCHMARK(BM_OpenList_window)->Name("BM_OpenList/window")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenList_floor)->Name("BM_OpenList/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTab_window)->Name("BM_SwitchTab/window")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTab_floor)->Name("BM_SwitchTab/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortCategory_window)->Name("BM_SortCategory/window")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortCategory_floor)->Name("BM_SortCategory/floor")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickSearch_window)->Name("BM_QuickSearch/window")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuickSearch_floor)->Name("BM_QuickSearch/floor")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayerWorkbook_window)->Name("BM_PlayerWorkbook/window")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerWorkbook_floor)->Name("BM_PlayerWorkbook/floor")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter({{"BM_OpenList", 3}, {"BM_SwitchTab", 3}, {"BM_PlayerWorkbook", 2}}, "median");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
