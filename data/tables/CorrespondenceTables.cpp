#include "data/tables/TableDefs.h"

namespace corvane::data {

// Table data is laid out one field per line, with its modifiers beside it.
// clang-format off

namespace {

const char *const phoneMask = "!00-00-00-00-00;1;_";
const char *const postalCodeMask = "!00 000;1;_";

// The correspondent's address, telephones included, as letters and the
// address book store it.
TableBuilder &addressFields(TableBuilder &b)
{
    return b
        .text("Adresse 1", 35)
        .text("Adresse 2", 35)
        .text("Adresse 3", 35)
        .text("Code postal", 10).mask(postalCodeMask)
        .text("Ville", 35)
        .text("Tel").mask(phoneMask)
        .text("Port").mask(phoneMask)
        .text("Fax").mask(phoneMask);
}

// A new letter is dated today, which the letter window sets.
TableDef courriers()
{
    TableBuilder b("Courriers");
    b.date("Date").required().mask("!99/99/0000;1;_")
        .text("Theme", 50).label("Thème")
        .text("Reference", 15)
        .text("Fichier", 100).required()
        .text("Description", 100).required().label("Objet du courrier")
        .text("Destinataire", 100).required();
    return addressFields(b)
        .text("Modele", 100).label("Modèle")
        .text("Commentaires", 100)
        .text("Mail", 80)
        // One letter, one document: a second letter on the same file would share (and could
        // delete) another letter's document.
        .key({"Fichier"})
        // The letter report groups by theme.
        .index("ParTheme", {"Theme", "Date"});
}

TableDef modeles()
{
    return TableBuilder("Modeles")
        .text("Theme", 50).label("Thème")
        .text("Description", 100)
        .text("Localisation", 100)
        .text("Commentaires", 100)
        // The template window finds a template by its description; a second one with the same
        // description could never be reached.
        .key({"Description"})
        // The template report groups by theme.
        .index("ParTheme", {"Theme", "Description"});
}

TableDef adresses()
{
    TableBuilder b("Adresses");
    b.text("Destinataire", 100).label("Nom et prénom");
    return addressFields(b)
        .text("Commentaires", 100)
        .text("Mail", 80)
        // The windows and the letters find a correspondent by name.
        .key({"Destinataire"});
}

TableDef etiquettes()
{
    return TableBuilder("Etiquettes")
        .text("Ligne1", 35)
        .text("Ligne2", 35)
        .text("Code", 10)
        .text("Ville", 35)
        .text("Nom", 70);
}

} // namespace

// clang-format on

std::vector<TableDef> correspondenceTableDefs()
{
    std::vector<TableDef> defs;
    defs.push_back(courriers());
    defs.push_back(modeles());
    defs.push_back(adresses());
    defs.push_back(etiquettes());
    return defs;
}

} // namespace corvane::data
