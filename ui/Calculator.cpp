#include "ui/Calculator.h"

#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace corvane::ui {

namespace {

std::optional<QString> &cached()
{
    static std::optional<QString> program;
    return program;
}

} // namespace

QString calculatorProgram()
{
    if (!cached()) {
        QString found;
        for (const char *name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
            found = QStandardPaths::findExecutable(QLatin1String(name));
            if (!found.isEmpty())
                break;
        }
        cached() = found;
    }
    return *cached();
}

bool launchCalculator()
{
    const QString program = calculatorProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

void setCalculatorProgramForTests(const QString &path)
{
    cached() = path;
}

} // namespace corvane::ui
