// Start-up of the program on a large club, from the command to the main
// window shown and ready for the login, against starting an empty main
// window linked with the same libraries (the floor). Both run as real
// processes; the first run of the data is done once, before measuring.
#include "bench/ClubGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
