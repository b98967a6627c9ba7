#pragma once

#include <QString>

#include <vector>

namespace corvane::app {

// Every command of the main window's menus, in menu order.
enum class Cmd {
    CloturerSaison, VisualiserSaison, InfosSaisons, FicheMemo, Sauvegarder, Restaurer, Parametrage, Musique,
    ChangerMotDePasse, VoirProfil, ChangementProfil, GestionProfils, ConfigurerImprimante, Quitter,
    Joueurs, Clubs, Villes, Equipes, Divers,
    ListeJoueurs, Impayes, Certificats, Autorisations, Convocations, Previsualisation,
    Courriers, Modeles, Adresses, EnvoyerMail, Etiquettes,
    Compta, Postes, Tresorerie, Periodiques, Virement, Activites, Bilan, BilanComptes, BilanPostes, BilanActivites,
    BordereauxCheques, BordereauxEspeces, Dettes, Deplacements,
    Materiels, Dotation, Prets, Fournisseurs, Locaux,
    Repertoires, DateHeure, Simulation, Anniversaires, Exportation, Importation, ImportFederation,
    Aide, Assistant, Connexions, APropos,
};

struct MenuEntry {
    const char *menu;     // caption of the menu the item belongs to
    Cmd cmd;
    const char *caption;  // "&Joueurs"
    const char *shortcut; // "F5", "Ctrl+S", or empty
    const char *module;   // title given to the tell-tale; empty: no tell-tale record
    int row;              // rights row whose letter "A" disables the item; 0: none
    bool wait;            // hourglass while the window prepares its data
    bool separatorAfter;
    bool checkable;
};

const std::vector<MenuEntry> &menuEntries();
const MenuEntry &menuEntry(Cmd cmd);

struct ToolEntry {
    Cmd cmd;         // the menu command the button runs
    const char *name;
    const char *text;
    const char *hint;
    int icon; // a ui::Icon
};
// Tool-bar buttons left to right; a null `name` stands for a separator.
const std::vector<ToolEntry> &toolEntries();

} // namespace corvane::app
