#pragma once

#include <functional>

class QWidget;

namespace corvane::ui {

// Help topics are numbered contexts. The "Aide" buttons and F1 of every window
// call showHelp(); the program installs the help window with setHelpHandler()
// at start-up. Without a handler the call does nothing.
void showHelp(int context, QWidget *parent = nullptr);
void setHelpHandler(std::function<void(int context, QWidget *parent)> handler);
// Convenience for a handler that needs no parent.
void setHelpHandler(std::function<void(int context)> handler);

} // namespace corvane::ui
