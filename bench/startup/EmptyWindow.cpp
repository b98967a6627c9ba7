// The floor of the start-up benchmark: an empty main window, linked with the
// same libraries as the program, shown and then closed.
#include "app/TQuarvelForm.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow main;
    main.resize(1024, 700);
    main.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
