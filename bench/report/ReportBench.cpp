#include "core/report/PagePainter.h"
#include "core/report/Report.h"
#include "core/report/StandardFrame.h"
#include "data/AppFolders.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Table.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace corvane;
using namespace corvane::core::report;

namespace {

const QStringList Fields = {QStringLiteral("Nom"),     QString::fromUtf8("Prénom"),
                            QStringLiteral("Adresse"), QStringLiteral("Code postal"),
                            QStringLiteral("Ville"),   QStringLiteral("Téléphone")};
const double Widths[] = {30, 26, 48, 22, 38, 26};

// A fresh data file with one table of `rows` people, six text fields each.
struct ListData {
    QTemporaryDir dir;
    std::unique_ptr<data::Session> session;
    std::unique_ptr<data::Table> table;

    explicit ListData(int rows)
    {
        session = data::Session::open(QDir(dir.path()).filePath(QStringLiteral("Corvane.db")), true);
        session->createTable(data::TableBuilder(QStringLiteral("Liste6"))
                                 .text(Fields[0], 30)
                                 .text(Fields[1], 30)
                                 .text(Fields[2], 40)
                                 .text(Fields[3], 5)
                                 .text(Fields[4], 30)
                                 .text(Fields[5], 14));
        table = std::make_unique<data::Table>(session.get(), QStringLiteral("Liste6"));
        table->open();
        static const char *noms[] = {"Martin", "Bernard", "Thomas",  "Petit", "Robert", "Richard", "Durand",
                                     "Dubois", "Moreau",  "Laurent", "Simon", "Michel", "Lefèvre", "Leroy"};
        static const char *prenoms[] = {"Camille", "Léa",  "Hugo",   "Louis", "Manon", "Chloé",
                                        "Lucas",   "Emma", "Nathan", "Inès",  "Jules", "Zoé"};
        static const char *villes[] = {"Rennes",     "Brest",        "Quimper",  "Lorient", "Vannes",
                                       "Saint-Malo", "Saint-Brieuc", "Fougères", "Vitré",   "Lannion"};
        data::Session::Transaction tx(*session);
        for (int i = 0; i < rows; ++i) {
            table->append();
            table->setValue(Fields[0], QString::fromUtf8(noms[i % 14]).toUpper());
            table->setValue(Fields[1], QString::fromUtf8(prenoms[(i / 14) % 12]));
            table->setValue(
                Fields[2],
                QStringLiteral("%1 rue des Lilas, bâtiment %2").arg(1 + i % 180).arg(QChar('A' + i % 6)));
            table->setValue(Fields[3], QStringLiteral("35%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
            table->setValue(Fields[4], QString::fromUtf8(villes[(i * 10) / rows]));
            table->setValue(Fields[5], QStringLiteral("02 99 %1 %2").arg(i % 90 + 10).arg(i % 89 + 10));
            table->post();
        }
        tx.commit();
        table->first();
    }
};

data::Parametres settings()
{
    data::Parametres p;
    p.proprietaire = QStringLiteral("Volant Club de Rennes");
    p.saison = QStringLiteral("2009-2010");
    p.ligneEnregistrement = QString::fromUtf8("N° agrément DDJS: 35-S-123       N° affiliation FFBA: 0512");
    return p;
}

std::unique_ptr<Report> listReport(data::Table &table, bool grouped)
{
    auto r = std::make_unique<Report>(QStringLiteral("Liste des adhérents"));
    addStandardFrame(*r, settings());
    r->setSource(&table);
    if (grouped) {
        table.setOrderField(Fields[4]);
        Band &town = r->addGroup(Fields[4], 8);
        town.field(Fields[4], QRectF(0, 1.5, r->bandWidth(), 6), groupHeaderStyle());
        town.setRepeatOnNewPage(true);
    }
    std::vector<Column> columns;
    for (int i = 0; i < 6; ++i)
        columns.push_back({Fields[i], Fields[i], Widths[i], i == 3 ? Qt::AlignHCenter : Qt::AlignLeft});
    addColumns(*r, columns);
    auto count = std::make_shared<int>(0);
    r->setBeforeRecord([count] { ++*count; });
    r->summary(10).computed([count] { return QStringLiteral("Nombre d'adhérents : %1").arg(*count); },
                            QRectF(0, 3, 100, 6), TextStyle().bold().size(10));
    return r;
}

// The floor: the same strings, in the same fonts, at the same places, drawn
// straight onto the PDF writer.
void drawDirectly(data::Table &table, QIODevice &out)
{
    const PageSetup setup;
    QPdfWriter writer(&out);
    writer.setPageLayout(setup.pageLayout());
    QPainter p(&writer);
    const double s = writer.logicalDpiX() / 25.4;
    auto rect = [s](double x, double y, double w, double h) { return QRectF(x * s, y * s, w * s, h * s); };
    const QFont normal = TextStyle().size(9).font;
    const QFont bold = TextStyle().size(9).bold().font;
    const QFont small = TextStyle().size(8).font;
    const QFont title = TextStyle().size(16).bold().font;
    const int left = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip;
    const QRectF area = setup.printableMm();
    const data::Parametres params = settings();
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"));

    data::ControlsDisabled quiet(table);
    table.first();
    int page = 1;
    while (true) {
        double y = area.top();
        if (page == 1) {
            p.setFont(small);
            p.drawText(rect(area.left(), y, 95, 5), left, QStringLiteral("Edition du ") + date);
            p.setFont(normal);
            p.drawText(rect(area.left() + 95, y, 95, 5), Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                       saisonText(params));
            p.setFont(title);
            p.drawText(rect(area.left(), y + 7, 190, 10), Qt::AlignCenter | Qt::TextDontClip,
                       QStringLiteral("Liste des adhérents"));
            y += 22;
        }
        p.setFont(bold);
        double x = area.left();
        for (int c = 0; c < 6; ++c) {
            p.drawText(rect(x + 1, y + 1.5, Widths[c] - 2, 4), left, Fields[c]);
            x += Widths[c];
        }
        y += 7;
        p.setFont(normal);
        const double limit = area.bottom() - 8;
        for (; !table.eof() && y + 5 <= limit; table.next(), y += 5) {
            x = area.left();
            for (int c = 0; c < 6; ++c) {
                p.drawText(rect(x + 1, y + 1, Widths[c] - 2, 3), left, table.displayText(Fields[c]));
                x += Widths[c];
            }
        }
        p.setFont(small);
        p.drawText(rect(area.left(), limit + 2.5, 45, 5), left, data::VersionText);
        p.drawText(rect(area.left() + 45, limit + 2.5, 100, 5), Qt::AlignCenter | Qt::TextDontClip,
                   params.ligneEnregistrement);
        p.drawText(rect(area.left() + 145, limit + 2.5, 45, 5),
                   Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                   QStringLiteral("Page: %1").arg(page));
        if (table.eof())
            break;
        writer.newPage();
        ++page;
    }
    p.end();
}

ListData &benchData()
{
    static ListData d(3000);
    return d;
}

double reportSeconds = 0;
double floorSeconds = 0;

void BM_ListReport_report(benchmark::State &state)
{
    data::Table &table = *benchData().table;
    auto report = listReport(table, false);
    int pages = 0;
    auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const Document doc = report->layout();
        QPdfWriter writer(&out);
        paintDocument(doc, writer);
        pages = doc.pageCount();
        benchmark::DoNotOptimize(out.size());
    }
    reportSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                    double(state.iterations());
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ListReport_report)->Unit(benchmark::kMillisecond)->MinTime(3);

// The layout alone, to see where the engine's time goes.
void BM_ListReport_layoutOnly(benchmark::State &state)
{
    data::Table &table = *benchData().table;
    auto report = listReport(table, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(report->layout().pageCount());
}
BENCHMARK(BM_ListReport_layoutOnly)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_ListReport_floor(benchmark::State &state)
{
    data::Table &table = *benchData().table;
    auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        drawDirectly(table, out);
        benchmark::DoNotOptimize(out.size());
    }
    floorSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                   double(state.iterations());
}
BENCHMARK(BM_ListReport_floor)->Unit(benchmark::kMillisecond)->MinTime(3);

// A three-page list grouped by town, to look at.
int writeSample(const QString &path)
{
    ListData d(110);
    auto report = listReport(*d.table, true);
    const Document doc = report->layout();
    QString error;
    if (!writePdf(doc, path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s: %d pages\n", qPrintable(path), doc.pageCount());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--sample") == 0)
            return writeSample(QString::fromLocal8Bit(argv[i + 1]));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (reportSeconds > 0 && floorSeconds > 0)
        std::printf("list report: engine %.1f ms, floor %.1f ms, ratio %.2f\n", reportSeconds * 1000,
                    floorSeconds * 1000, reportSeconds / floorSeconds);
    return 0;
}
