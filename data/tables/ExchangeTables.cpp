#include "data/tables/TableDefs.h"

namespace corvane::data {

namespace {

// The club's own list of towns and the national list share one layout. The postal code is typed
// as "00 000" and stored without the blank.
TableBuilder postalCodeLayout(const QString &name, const QString &component)
{
    TableBuilder b(name, component);
    b.text("Code postal", 10).required().mask("!00 000;0;_");
    b.text("Ville", 35).required();
    b.text("Departement", 35).label("Département");
    b.text("Pays", 20);
    // The finder filters on the département and the copying window loads one département at a
    // time.
    b.index("ParDepartement", {"Departement", "Code postal", "Ville"});
    return b;
}

} // namespace

std::vector<TableDef> exchangeTableDefs()
{
    std::vector<TableDef> defs;
    // A code and a town name one record; the finder and the town window look towns up by name.
    defs.push_back(postalCodeLayout("Codepostal", "Codepostaux")
                       .key({"Code postal", "Ville"})
                       .index("Par ville", {"Ville", "Code postal"}));
    defs.push_back(postalCodeLayout("CodPostTotale", "CodePostot").notUserData());
    return defs;
}

} // namespace corvane::data
