#pragma once

#include "core/report/Report.h"
#include "data/Parametres.h"

#include <memory>

namespace corvane::data {
class Table;
}

namespace corvane::core {

// "Liste des connexions": the tell-tale records of `Mouchard`, one line each,
// in the table's current order, in the program's list frame.
std::unique_ptr<report::Report> makeTQconnexions(data::Table &mouchard,
                                                 const data::Parametres &p = data::parametres());

} // namespace corvane::core
