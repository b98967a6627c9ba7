#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Widgets run offscreen. Each test program keeps its settings in a folder of
// its own, never the user's, and never shared with a test program running
// beside it.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(settings.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(settings.filePath(QStringLiteral("cache"))));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CorvaneTests"));
    QApplication::setApplicationName(QStringLiteral("Corvane 3"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
