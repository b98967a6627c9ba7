#include "core/params/TownFinder.h"

#include "ui/Messages.h"

namespace corvane::core {

namespace {
TownFinder &installed()
{
    static TownFinder finder;
    return finder;
}
} // namespace

void setTownFinder(TownFinder finder)
{
    installed() = std::move(finder);
}

bool hasTownFinder()
{
    return bool(installed());
}

std::optional<FoundTown> findTown(QWidget *parent, const QString &villeActuelle)
{
    if (!installed()) {
        ui::Messages::warningYes(
            QStringLiteral("La liste des villes et des codes postaux n'est pas disponible."), parent);
        return std::nullopt;
    }
    auto town = installed()(parent, villeActuelle);
    if (!town || town->ville.isEmpty() || town->ville == villeActuelle)
        return std::nullopt;
    return town;
}

} // namespace corvane::core
