// Start-up of the program on a large club, from the command to the main
// window shown and ready for the login, against starting an empty main
// window linked with the same libraries (the floor). Both run as real
// processes; the first run of the data is done once, before measuring.
#include "bench/ClubGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

QString clubFolder()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString f = QDir(dir.path()).filePath(QStringLiteral("club"));
        corvane::bench::generateLargeClub(f);
        return f;
    }();
    return folder;
}

void run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("the program did not end");
}

QString sibling(const char *name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
}

void BM_Startup_program(benchmark::State &state)
{
    const QStringList args{QStringLiteral("--donnees"), clubFolder(), QStringLiteral("--mesure-demarrage")};
    const QString program = QStringLiteral(CORVANE_PROGRAM);
    run(program, args); // first run: creates the settings, the season, the profile
    for (auto _ : state)
        run(program, args);
}
BENCHMARK(BM_Startup_program)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_Startup_floor(benchmark::State &state)
{
    const QString program = sibling("bench_emptywindow");
    for (auto _ : state)
        run(program, {});
}
BENCHMARK(BM_Startup_floor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_Startup_floor_text(benchmark::State &state)
{
    const QString program = sibling("bench_textwindow");
    for (auto _ : state)
        run(program, {});
}
BENCHMARK(BM_Startup_floor_text)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The three starts taken in turn, so that the machine's drift during a long
// run weighs on each the same; the ratio is the median of each turn's own.
void reportInterleaved(int turns)
{
    const QStringList args{QStringLiteral("--donnees"), clubFolder(), QStringLiteral("--mesure-demarrage")};
    const auto timed = [](const QString &program, const QStringList &a) {
        QElapsedTimer t;
        t.start();
        run(program, a);
        return double(t.nsecsElapsed()) / 1e6;
    };
    run(QStringLiteral(CORVANE_PROGRAM), args); // the first run of the data is not measured
    std::vector<double> program, floor, text, ratio, ratioText;
    for (int i = 0; i < turns; ++i) {
        floor.push_back(timed(sibling("bench_emptywindow"), {}));
        program.push_back(timed(QStringLiteral(CORVANE_PROGRAM), args));
        text.push_back(timed(sibling("bench_textwindow"), {}));
        ratio.push_back(program.back() / floor.back());
        ratioText.push_back(program.back() / text.back());
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf(
        "Start-up, %d turns taken in turn (medians): program %.1f ms, empty window %.1f ms, window with a "
        "word %.1f ms; ratio %.2f (%.2f to the window with a word), budget 1.5%s\n",
        turns, median(program), median(floor), median(text), median(ratio), median(ratioText),
        median(ratio) > 1.5 ? " OVER BUDGET" : "");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    reportInterleaved(100);
    benchmark::Shutdown();
    return 0;
}
