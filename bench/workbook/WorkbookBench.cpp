// The workbook writer against its floor: a player-like workbook of 20 sheets,
// 50 columns and 3 000 record rows each, written once through the writer
// (values first, then the formats over ranges, as the exports do) and once
// with bare libxlsxwriter calls that know every cell's final format up front.
// Both start from the same QString values and write the same file. The floor
// runs the library in its constant-memory mode, as the writer does; a third
// case shows the library's default mode, which holds every cell itself.
//
// The console output ends with the time ratio (budget: the writer within
// 1.5x its floor) and the peak memory of each case, each measured in a fresh
// process of its own. On a shared machine, interleave the runs:
//   bench_workbook --benchmark_repetitions=6 --benchmark_enable_random_interleaving=true

#include "core/workbook/Workbook.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace corvane::core::workbook;

constexpr int kSheets = 20;
constexpr int kColumns = 50;
constexpr int kRows = 3000; // record rows, after the title row
const QString kLastColumn = QStringLiteral("AX");

enum class Kind { Text, Flag, Date, Number };

// What each column holds, as in the player workbook: dates in C, flags here
// and there, the rest text (with a couple of numbers).
Kind kindOf(int column)
{
    switch (column) {
    case 2:
        return Kind::Date;
    case 9:
    case 14:
    case 15:
    case 16:
    case 29:
    case 35:
    case 37:
        return Kind::Flag;
    case 19:
    case 21:
        return Kind::Number;
    default:
        return Kind::Text;
    }
}

bool centred(int column)
{
    return column == 2 || column == 5 || (column >= 11 && column <= 29) || column >= 47;
}

bool unpaid(int row)
{
    return row % 7 == 3;
}

// The source values, built once: the cases measure writing, not making up data.
struct Data {
    std::vector<QString> titles;
    std::vector<std::vector<QString>> texts; // [row][column]
    std::vector<QDate> dates;

    Data()
    {
        for (int c = 0; c < kColumns; ++c)
            titles.push_back(QStringLiteral("Titre de la colonne %1").arg(columnName(c)));
        texts.resize(kRows);
        dates.resize(kRows);
        for (int r = 0; r < kRows; ++r) {
            texts[r].resize(kColumns);
            dates[r] = QDate(1950, 1, 1).addDays(r * 7);
            for (int c = 0; c < kColumns; ++c) {
                switch (kindOf(c)) {
                case Kind::Flag:
                    texts[r][c] = (r + c) % 3 ? QStringLiteral("Oui") : QStringLiteral("Non");
                    break;
                case Kind::Text:
                    texts[r][c] = c == 0 ? QStringLiteral("NOM%1").arg(r)
                                         : QStringLiteral("Valeur %1-%2").arg(r).arg(c);
                    break;
                default:
                    break;
                }
            }
        }
    }
};

const Data &data()
{
    static const Data d;
    return d;
}

// ---------------------------------------------------------------- writer

void writeWithWriter(const QString &path)
{
    const Data &d = data();
    Workbook book;
    const QString n = QString::number(kRows + 1);
    for (int k = 0; k < kSheets; ++k) {
        Sheet &s = book.addSheet(QStringLiteral("Catégorie %1").arg(k + 1));
        for (int c = 0; c < kColumns; ++c)
            s.setText(0, c, d.titles[c]);
        for (int r = 0; r < kRows; ++r) {
            const int row = r + 1;
            for (int c = 0; c < kColumns; ++c) {
                switch (kindOf(c)) {
                case Kind::Date:
                    s.setDate(row, c, d.dates[r]);
                    break;
                case Kind::Number:
                    s.setNumber(row, c, r * 0.5 + c);
                    break;
                default:
                    s.setText(row, c, d.texts[r][c]);
                    break;
                }
            }
            if (unpaid(r))
                s.range(Area{{row, 0}, {row, kColumns - 1}}).setInteriorColour(15).setPattern(Pattern::Solid);
        }
        // The export's own layout, then the common one, over the whole table.
        s.range(QStringLiteral("A1:AX") + n).setFontSize(8);
        for (int c = 0; c < kColumns; ++c) {
            Range column(s, Area{{0, c}, {kRows, c}});
            if (c % 4 == 1)
                column.setColumnWidth(6 + c % 10);
            if (centred(c))
                column.setHorizontalAlignment(HAlign::Centre);
        }
        const QString legend = QString::number(kRows + 3);
        s.range(QStringLiteral("A") + legend + QStringLiteral(":B") + legend)
            .setInteriorColour(15)
            .setPattern(Pattern::Solid)
            .setBorder(Edge::Left, LineStyle::Thin)
            .setBorder(Edge::Top, LineStyle::Thin)
            .setBorder(Edge::Bottom, LineStyle::Thin)
            .setBorder(Edge::Right, LineStyle::Thin);
        s.setText(QStringLiteral("C") + legend, QStringLiteral("Cotisation non réglée"));
        s.range(QStringLiteral("C") + legend + QStringLiteral(":D") + legend)
            .merge()
            .setBold()
            .setFontSize(8)
            .setHorizontalAlignment(HAlign::Centre)
            .setVerticalAlignment(VAlign::Centre);
        s.range(QStringLiteral("A1"), kLastColumn + n).setGrid();
        s.range(QStringLiteral("A1:AX1"))
            .setBold()
            .setHorizontalAlignment(HAlign::Centre)
            .setVerticalAlignment(VAlign::Centre)
            .setWrapText();
        s.range(QStringLiteral("A2"), kLastColumn + n).setRowHeight(15).setVerticalAlignment(VAlign::Centre);
        PageSetup &p = s.pageSetup();
        p.header.left = QStringLiteral("Club");
        p.header.centre = QStringLiteral("Catégorie %1").arg(k + 1);
        p.header.right = QStringLiteral("Saison: 2009-2010");
        p.footer.left = QStringLiteral("&ICorvane 3.07");
        p.footer.centre = QStringLiteral("Page &P");
        p.footer.right = QStringLiteral("Edition du 14/09/2009");
        p.leftMargin = p.rightMargin = 0.3;
        p.topMargin = p.bottomMargin = 0.8;
        p.centreHorizontally = true;
        p.orientation = Orientation::Landscape;
        p.zoom = 70;
    }
    // The tab ratio needs one more pass over the package; it is part of the
    // writer's cost, the floor cannot set it.
    book.setTabRatio(0.87);
    const SaveResult r = book.save(path);
    if (!r.ok())
        throw std::runtime_error(r.error.toStdString());
}

// ---------------------------------------------------------------- floor

void writeWithLibrary(const QString &path, bool constantMemory)
{
    const Data &d = data();
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
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
    // [centred][grey][date]
    lxw_format *cells[2][2][2];
    for (int centre = 0; centre < 2; ++centre) {
        for (int grey = 0; grey < 2; ++grey) {
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
        }
    }
    lxw_format *legendBox = workbook_add_format(wb);
    format_set_pattern(legendBox, LXW_PATTERN_SOLID);
    format_set_bg_color(legendBox, 0xC0C0C0);
    format_set_border(legendBox, LXW_BORDER_THIN);
    lxw_format *legendText = workbook_add_format(wb);
    format_set_bold(legendText);
    format_set_font_size(legendText, 8);
    format_set_align(legendText, LXW_ALIGN_CENTER);
    format_set_align(legendText, LXW_ALIGN_VERTICAL_CENTER);

    for (int k = 0; k < kSheets; ++k) {
        lxw_worksheet *ws =
            workbook_add_worksheet(wb, QStringLiteral("Catégorie %1").arg(k + 1).toUtf8().constData());
        worksheet_merge_range(ws, kRows + 2, 2, kRows + 2, 3, nullptr, nullptr);
        for (int c = 0; c < kColumns; ++c) {
            if (c % 4 == 1)
                worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), 6 + c % 10, nullptr);
        }
        worksheet_set_margins(ws, 0.3, 0.3, 0.8, 0.8);
        worksheet_set_landscape(ws);
        worksheet_center_horizontally(ws);
        worksheet_set_print_scale(ws, 70);
        const QByteArray head = QStringLiteral("&LClub&CCatégorie %1&RSaison: 2009-2010").arg(k + 1).toUtf8();
        worksheet_set_header(ws, head.constData());
        worksheet_set_footer(ws, "&L&ICorvane 3.07&CPage &P&REdition du 14/09/2009");
        for (int c = 0; c < kColumns; ++c)
            worksheet_write_string(ws, 0, lxw_col_t(c), d.titles[c].toUtf8().constData(), header);
        for (int r = 0; r < kRows; ++r) {
            const auto row = lxw_row_t(r + 1);
            worksheet_set_row(ws, row, 15 + 1.0 / 128, nullptr);
            const int grey = unpaid(r);
            for (int c = 0; c < kColumns; ++c) {
                const auto col = lxw_col_t(c);
                switch (kindOf(c)) {
                case Kind::Date: {
                    const QDate &day = d.dates[r];
                    lxw_datetime dt{day.year(), day.month(), day.day(), 0, 0, 0};
                    worksheet_write_datetime(ws, row, col, &dt, cells[centred(c)][grey][1]);
                    break;
                }
                case Kind::Number:
                    worksheet_write_number(ws, row, col, r * 0.5 + c, cells[centred(c)][grey][0]);
                    break;
                default:
                    worksheet_write_string(ws, row, col, d.texts[r][c].toUtf8().constData(),
                                           cells[centred(c)][grey][0]);
                    break;
                }
            }
        }
        worksheet_write_blank(ws, kRows + 2, 0, legendBox);
        worksheet_write_blank(ws, kRows + 2, 1, legendBox);
        worksheet_write_string(ws, kRows + 2, 2, "Cotisation non réglée", legendText);
        worksheet_write_blank(ws, kRows + 2, 3, legendText);
    }
    if (const lxw_error err = workbook_close(wb))
        throw std::runtime_error(lxw_strerror(err));
}

// The library's own mode for the writer's way of emitting rows in order.
void writeWithLibraryInOrder(const QString &path)
{
    writeWithLibrary(path, true);
}

// For comparison only: the library keeping every cell (and a shared string
// table) until the end.
void writeWithLibraryHoldingCells(const QString &path)
{
    writeWithLibrary(path, false);
}

// ---------------------------------------------------------------- cases

using Writer = void (*)(const QString &);

void runCase(benchmark::State &state, Writer write)
{
    data();
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Joueurs.xlsx"));
    for (auto _ : state)
        write(path);
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}

struct Case {
    const char *name;
    Writer write;
};
const Case kCases[] = {{"BM_PlayerWorkbook/writer", writeWithWriter},
                       {"BM_PlayerWorkbook/floor", writeWithLibraryInOrder},
                       {"BM_PlayerWorkbook/library_holding_cells", writeWithLibraryHoldingCells}};

// ---------------------------------------------------------------- peak memory

// Peak resident memory of one case, in MB: the program runs again as a fresh
// process with "--peak=CASE" (or "--peak=none", which only builds the source
// values) and reports its own high-water mark, so that neither the heap left
// over from the timed runs nor this process's size counts.
double peakMegabytes(const char *caseName)
{
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return -1;
    const std::string command = std::string("'") + self + "' --peak='" + caseName + "'";
    std::fflush(nullptr);
    FILE *child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    double kilobytes = -1;
    if (std::fscanf(child, "%lf", &kilobytes) != 1)
        kilobytes = -1;
    return pclose(child) == 0 && kilobytes > 0 ? kilobytes / 1024.0 : -1;
}

// The high-water mark of this process's resident memory, in kB.
long residentPeakKilobytes()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1)
            break;
    }
    std::fclose(status);
    return kilobytes;
}

// The child side of peakMegabytes().
int runForPeak(const std::string &caseName)
{
    data();
    if (caseName != "none") {
        const Case *found = nullptr;
        for (const Case &c : kCases) {
            if (caseName == c.name)
                found = &c;
        }
        if (!found)
            return 2;
        try {
            QTemporaryDir dir;
            found->write(QDir(dir.path()).filePath(QStringLiteral("Joueurs.xlsx")));
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    std::printf("%ld\n", residentPeakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bool console = true;
    bool memory = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--peak=", 0) == 0)
            return runForPeak(arg.substr(7));
        if (arg.rfind("--benchmark_format=", 0) == 0 && arg != "--benchmark_format=console")
            console = false;
        if (arg == "--benchmark_list_tests" || arg == "--benchmark_list_tests=true")
            memory = false;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const Case &c : kCases) {
        benchmark::RegisterBenchmark(c.name, [w = c.write](benchmark::State &s) { runCase(s, w); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->ComputeStatistics(
                "min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); });
    }
    if (console) {
        corvane::bench::RatioReporter reporter({{"BM_PlayerWorkbook", 1.5}});
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    if (memory && console) {
        std::printf(
            "\nPeak resident memory, each in a fresh process (%.0f MB with the source values alone):\n",
            peakMegabytes("none"));
        for (const Case &c : kCases)
            std::printf("  %s: %.0f MB\n", c.name, peakMegabytes(c.name));
    }
    benchmark::Shutdown();
    return 0;
}
