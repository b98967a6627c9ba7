// A second floor for the start-up benchmark: the empty main window with one
// line of text, so that the floor also pays for the font system's first
// scan, which any window showing a word pays once.
#include "app/TQuarvelForm.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow main;
    main.setCentralWidget(new QLabel(QStringLiteral("Corvane"), &main));
    main.resize(1024, 700);
    main.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
