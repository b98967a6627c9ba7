#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace corvane::core {

// The postal-code finder lives with the towns' windows, which build on this
// library; the program hands it over at start-up, tests a scripted answer.
struct FoundTown {
    QString codePostal;
    QString ville;
};
using TownFinder = std::function<std::optional<FoundTown>(QWidget *parent, const QString &villeActuelle)>;

void setTownFinder(TownFinder finder);
bool hasTownFinder();

// The town the officer picked when it differs from `villeActuelle`; nothing
// when the finder was left without choosing. With no finder installed, says
// so and returns nothing.
std::optional<FoundTown> findTown(QWidget *parent, const QString &villeActuelle);

} // namespace corvane::core
