#pragma once

#include <QString>

namespace corvane::data {
class ModuleData;
}

namespace corvane::app {

// The tell-tale table records which module the user entered and how it was
// left: "ANORMALE" while it is open, "Normale" once it was left. A crash
// leaves "ANORMALE", which the next start finds.
void espionne(data::ModuleData &md, const QString &module, const QString &profile);
void majEspion(data::ModuleData &md, const QString &profile);
// The most recent record marked "Normale" (the quit path).
void closeTellTale(data::ModuleData &md, const QString &profile);
// Keeps the first record and the 499 most recent ones.
void trimTellTale(data::ModuleData &md);

// The module of the most recent record when it was not left normally; empty
// otherwise.
QString abnormalExitModule(data::ModuleData &md);

} // namespace corvane::app
