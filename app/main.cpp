#include "data/DataFolder.h"
#include "data/Session.h"
#include "data/StoreError.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

namespace {

QString dataFolderFromArguments(const QStringList &args)
{
    const int i = args.indexOf(QStringLiteral("--donnees"));
    if (i >= 0 && i + 1 < args.size())
        return args.at(i + 1);
    const QString env = qEnvironmentVariable("CORVANE_DONNEES");
    if (!env.isEmpty())
        return env;
    return QDir::home().filePath(QStringLiteral("Corvane"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane 3"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    const QString folder = dataFolderFromArguments(QApplication::arguments());
    try {
        const corvane::data::OpenedData data = corvane::data::openDataFolder(folder);
        QMessageBox::information(nullptr, QStringLiteral("Corvane"),
                                 QStringLiteral("Données ouvertes : %1").arg(QDir::toNativeSeparators(folder)));
    } catch (const corvane::data::StoreError &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Corvane"), e.message().replace(QLatin1Char('\r'), QLatin1Char('\n')));
        return 1;
    }
    return 0;
}
