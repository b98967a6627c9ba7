#pragma once

#include "core/report/Report.h"
#include "data/Parametres.h"
#include "members/playerlist/PlayerTabs.h"

#include <memory>

namespace corvane::data {
class Table;
}

namespace corvane::members::playerlist {

// "Liste des joueurs par nom" (par catégorie, par équipe): the members of
// `joueurs` in its current filter and order, grouped by the sort's field.
std::unique_ptr<core::report::Report> makeTQjoueurs(data::Table &joueurs, PlayerSort sort,
                                                    const data::Parametres &p = data::parametres());

// "Liste des membres du bureau": the committee of a season (`Bureau`).
std::unique_ptr<core::report::Report> makeTQbureau(data::Table &bureau,
                                                   const data::Parametres &p = data::parametres());

} // namespace corvane::members::playerlist
