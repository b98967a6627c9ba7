#include "data/tables/TableDefs.h"

namespace corvane::data {

// Table data is laid out one field per line, with its modifiers beside it.
// clang-format off

namespace {

const char *const phoneMask = "!00-00-00-00-00;1;_";

// "Date inventaire" starts at today's date, which the record window sets.
TableDef materiels()
{
    return TableBuilder("Materiels")
        .text("Categorie", 50)
        .text("Nom", 50).label("Désignation")
        .text("Type", 50)
        .text("Marque", 50)
        .text("Fournisseur", 80)
        .text("Taille", 15)
        .int32("Quantite").defaultValue(0)
        .text("Couleur", 30)
        .int32("Stock depart").label("Stock départ").defaultValue(0)
        .int32("Stock actuel").defaultValue(0)
        .int32("Stock theorique").defaultValue(0)
        .money("Prix achat HT").defaultValue(0.0)
        .money("Prix achat TTC").defaultValue(0.0)
        .money("Prix vente HT").defaultValue(0.0)
        .money("Prix vente TTC").defaultValue(0.0)
        .real("Taux TVA").defaultValue(0.0)
        .money("Montant TVA").defaultValue(0.0)
        .boolean("En pret").defaultValue(false)
        .boolean("Hors inventaire").defaultValue(false)
        .int32("Nb commandes").defaultValue(0)
        .int32("Nd livres").defaultValue(0)
        .int32("Nb pretes").label("Nb prêtés").defaultValue(0)
        .date("Date inventaire")
        .date("Date achat")
        .date("Date vente")
        .text("Commentaires", 100);
}

TableDef referenceList(const QString &name, int size)
{
    return TableBuilder(name).text("Nom", size);
}

TableDef matTailles()
{
    // Sizes are chosen by their text alone, so the list refuses a second entry of the same name.
    return TableBuilder("MatTailles").text("Nom", 15).key({"Nom"});
}

TableDef fournisseurs()
{
    return TableBuilder("Fournisseurs")
        .text("Nom", 80).label("Nom du fournisseur")
        .text("Adresse1", 35)
        .text("Adresse2", 35)
        .text("Code postal", 10)
        .text("Ville", 35)
        .text("Tel", 15).mask(phoneMask)
        .text("Port", 15).mask(phoneMask)
        .text("Fax", 15).mask(phoneMask)
        .text("Mail", 80)
        .real("Pourcentage").label("Pourcentage de remise").defaultValue(0.0)
        .money("Mini de commande").label("Montant mini de commande").defaultValue(0.0)
        .int32("Delai livraison").label("Délai de livraison").defaultValue(0)
        .text("Commentaires", 150);
}

TableDef matDotations()
{
    return TableBuilder("MatDotations")
        .text("Categorie", 25).label("Catégorie")
        .text("Equipe", 15)
        .text("Materiel", 50).label("Effet en dotation")
        .text("Taille", 15)
        .int32("Nb joueurs dotes").label("Nb joueurs dotés");
}

// "Date pret" starts at today's date, which the record window sets.
TableDef matPrets()
{
    return TableBuilder("MatPrets")
        .text("Categorie", 50).label("Catégorie")
        .text("Nom", 50).label("Désignation")
        .text("Type", 50)
        .text("Marque", 50)
        .text("Fournisseur", 80)
        .text("Taille", 15)
        .text("Emprunteur", 80)
        .int32("Quantite").label("Quantité").defaultValue(0)
        .text("Couleur", 30)
        .date("Date pret").label("Date prêt")
        .date("Date retour prevue").label("Date retour prévue")
        .money("Caution").defaultValue(0.0)
        .money("Prix paye").defaultValue(0.0)
        .boolean("Paye").defaultValue(false)
        .text("Commentaires", 100).label("Etat/Commentaires");
}

TableDef locaux()
{
    return TableBuilder("Locaux")
        .text("Local", 50).required().label("Référence du local")
        .int32("Nombre totale de cles").required().label("Nb total clés disponibles").defaultValue(1)
        .text("Responsable", 80).label("Responsable du local")
        .text("Commentaires", 100)
        // The reference names one premises.
        .key({"Local"});
}

TableDef cles()
{
    return TableBuilder("Cles")
        .text("Local", 50)
        .text("Numero cle", 10).required().label("Référence clé")
        .text("Detenteur", 80).required().label("Détenteur")
        .int32("Nombre").required().label("Nb clé").defaultValue(1)
        .date("Date de remise").mask("!99/99/0000;1;_")
        .text("Commentaires", 50)
        // A premises has several handovers; one holder holds a given key of a premises once,
        // however many copies ("Nombre") he was given.
        .key({"Local", "Numero cle", "Detenteur"})
        // The keys are shown as the detail of the current premises.
        .index("ParLocal", {"Local"});
}

} // namespace

// clang-format on

std::vector<TableDef> equipmentTableDefs()
{
    std::vector<TableDef> defs;
    defs.push_back(materiels());
    defs.push_back(matTailles());
    defs.push_back(referenceList("MatCategories", 50));
    defs.push_back(referenceList("MatTypes", 50));
    defs.push_back(referenceList("MatCouleurs", 30));
    defs.push_back(referenceList("MatMarques", 50));
    defs.push_back(fournisseurs());
    defs.push_back(matDotations());
    defs.push_back(matPrets());
    defs.push_back(locaux());
    defs.push_back(cles());
    return defs;
}

} // namespace corvane::data
