#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Widgets run offscreen; settings go to a test location, never the user's.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CorvaneTests"));
    QApplication::setApplicationName(QStringLiteral("Corvane 3"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
