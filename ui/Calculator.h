#pragma once

#include <QString>

namespace corvane::ui {

// The desktop's calculator, looked up once among the usual programs
// (gnome-calculator, kcalc, galculator, mate-calc, xcalc); empty when none
// is installed, and the windows then hide their calculator button.
QString calculatorProgram();
// Starts it detached; false when there is none or it did not start.
bool launchCalculator();
// Test seam: forces the program found (an empty path means "none").
void setCalculatorProgramForTests(const QString &path);

} // namespace corvane::ui
