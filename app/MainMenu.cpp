#include "app/MainMenu.h"

#include "ui/Icons.h"

#include <stdexcept>

namespace corvane::app {

// clang-format off
const std::vector<MenuEntry> &menuEntries()
{
    static const std::vector<MenuEntry> entries{
        {"&Dossier", Cmd::CloturerSaison, "&Clôturer la saison en cours", "", "Clôturer l'exercice", 2, false, false, false},
        {"&Dossier", Cmd::VisualiserSaison, "&Visualiser une saison passée", "", "Visualiser un exercice clos", 3, true, false, false},
        {"&Dossier", Cmd::InfosSaisons, "&Infos sur les saisons", "", "Infos sur les saisons", 4, true, false, false},
        {"&Dossier", Cmd::FicheMemo, "&Fiche mémo de la saison", "", "Fiche mémo de la saison", 0, true, true, false},
        {"&Dossier", Cmd::Sauvegarder, "&Sauvegarder les données", "Ctrl+S", "Sauvegarde des données", 0, true, false, false},
        {"&Dossier", Cmd::Restaurer, "&Restaurer les données", "Ctrl+R", "Restauration des données", 0, true, true, false},
        {"&Dossier", Cmd::Parametrage, "&Paramétrage général", "Ctrl+P", "Paramétrage général", 0, false, false, false},
        {"&Dossier", Cmd::Musique, "&Musique de fond", "", "", 0, false, true, true},
        {"&Dossier", Cmd::ChangerMotDePasse, "&Changer le mot de passe du profil", "", "Chargement de mot de passe profil", 0, false, false, false},
        {"&Dossier", Cmd::VoirProfil, "&Voir le profil utilisateur", "", "Voir  profils utilisateurs", 0, true, false, false},
        {"&Dossier", Cmd::ChangementProfil, "&Changement de profil utilisateur", "", "", 0, false, false, false},
        {"&Dossier", Cmd::GestionProfils, "&Gestion des profils utilisateurs", "", "Gestion des profils", 0, true, true, false},
        {"&Dossier", Cmd::ConfigurerImprimante, "&Configurer l'imprimante", "", "", 0, false, true, false},
        {"&Dossier", Cmd::Quitter, "&Quitter", "Ctrl+Q", "", 0, false, false, false},

        {"&Saisies", Cmd::Joueurs, "&Joueurs", "F5", "Saisie des joueurs", 6, false, false, false},
        {"&Saisies", Cmd::Clubs, "&Clubs", "", "Liste des clubs", 7, true, false, false},
        {"&Saisies", Cmd::Villes, "&Villes, Codes postaux", "", "Liste des codes postaux", 0, true, false, false},
        {"&Saisies", Cmd::Equipes, "&Equipes du club", "", "Liste des équipes", 9, true, false, false},
        {"&Saisies", Cmd::Divers, "&Divisions, banques, etc...", "", "Liste des divisions", 8, true, false, false},

        {"&Impressions", Cmd::ListeJoueurs, "&Liste de Joueurs", "Ctrl+L", "Listes de joueurs", 0, true, false, false},
        {"&Impressions", Cmd::Impayes, "Liste des licences &Impayés", "", "Listes des impayés", 11, true, false, false},
        {"&Impressions", Cmd::Certificats, "Liste des &certificats médicaux manquants", "", "Liste certificats manquants", 12, true, false, false},
        {"&Impressions", Cmd::Autorisations, "Liste des autorisations parentales manquantes", "", "Liste autorisations parentales manquantes", 13, true, true, false},
        {"&Impressions", Cmd::Convocations, "&Convocations des joueurs", "", "Convocations", 14, true, true, false},
        {"&Impressions", Cmd::Previsualisation, "&Prévisualisation active", "", "", 0, false, false, true},

        {"&Courriers", Cmd::Courriers, "&Liste des courriers", "Ctrl+C", "Liste des courriers", 16, true, false, false},
        {"&Courriers", Cmd::Modeles, "&Modèles", "", "Gestion des modèles de courrier", 16, true, false, false},
        {"&Courriers", Cmd::Adresses, "&Répertoire d'adresses", "", "Répertoire d'adresses", 16, true, false, false},
        {"&Courriers", Cmd::EnvoyerMail, "&Envoyer un mail", "", "Envoi de message", 16, true, false, false},
        {"&Courriers", Cmd::Etiquettes, "&Générateur d'étiquettes", "Ctrl+G", "Etiquettes adresses", 17, false, false, false},

        {"&Finances", Cmd::Compta, "&Recettes et Dépenses", "F9", "Liste des recettes et dépenses", 19, true, false, false},
        {"&Finances", Cmd::Postes, "&Postes comptables et Prévisions", "F10", "Liste des postes comptables", 20, true, false, false},
        {"&Finances", Cmd::Tresorerie, "Plan de &Trésorerie", "", "Plan de trésorerie", 21, true, false, false},
        {"&Finances", Cmd::Periodiques, "&Générer des écritures périodiques", "", "Générer des écritures périodiques", 22, true, false, false},
        {"&Finances", Cmd::Virement, "&Virement entre comptes", "", "Virement entre comptes", 22, true, true, false},
        {"&Finances", Cmd::Activites, "Liste des &Activités", "", "Liste des activités", 23, true, true, false},
        {"&Finances", Cmd::Bilan, "&Bilan général", "F11", "Bilan général", 24, false, false, false},
        {"&Finances", Cmd::BilanComptes, "&Bilan par comptes bancaires", "", "Bilan par compte bancaire", 25, true, false, false},
        {"&Finances", Cmd::BilanPostes, "&Bilan par postes", "", "Bilan par poste comptable", 26, true, false, false},
        {"&Finances", Cmd::BilanActivites, "&Bilan par activités", "", "Bilan par activités", 27, true, true, false},
        {"&Finances", Cmd::BordereauxCheques, "Bordereaux de remise de &Chèques", "", "Liste des remises chèques", 28, true, false, false},
        {"&Finances", Cmd::BordereauxEspeces, "Bordereaux de remise d'&Espèces", "", "Liste des remises en espèces", 28, true, true, false},
        {"&Finances", Cmd::Dettes, "&Dettes, Avoirs de joueurs", "", "Dettes et avoirs de joueurs", 29, true, false, false},
        {"&Finances", Cmd::Deplacements, "&Frais de déplacement", "", "Liste des frais de déplacements", 30, true, false, false},

        {"&Matériels", Cmd::Materiels, "&Liste des matériels", "", "Liste des matériels", 32, true, false, false},
        {"&Matériels", Cmd::Dotation, "&Bilan du matériel en dotation sur fiche joueur", "", "Liste du matériel", 33, true, false, false},
        {"&Matériels", Cmd::Prets, "&Prêt de matériel", "", "Prêts de matériels", 35, true, true, false},
        {"&Matériels", Cmd::Fournisseurs, "&Liste des fournisseurs", "", "Liste des fournisseurs", 34, true, true, false},
        {"&Matériels", Cmd::Locaux, "&Gestion des locaux", "", "Liste des locaux", 36, true, false, false},

        {"&Utilitaires", Cmd::Repertoires, "&Répertoires de travail", "", "Répertoire de travail", 0, false, false, false},
        {"&Utilitaires", Cmd::DateHeure, "&Date et heure", "", "", 0, false, false, false},
        {"&Utilitaires", Cmd::Simulation, "Evaluer l'effectif de la prochaine &Saison", "", "Simulation des effectifs saison suivante", 38, false, true, false},
        {"&Utilitaires", Cmd::Anniversaires, "Liste des &Anniversaires", "", "Anniversaires", 39, true, true, false},
        {"&Utilitaires", Cmd::Exportation, "&Exportation de données ...", "Ctrl+E", "Exportation de données", 40, false, false, false},
        {"&Utilitaires", Cmd::Importation, "&Importation de données ...", "Ctrl+I", "Importation de données", 41, false, true, false},
        {"&Utilitaires", Cmd::ImportFederation, "&Importer des joueurs depuis fichier Poona", "", "Import depuis Module Club", 0, true, false, false},

        {"&Aide", Cmd::Aide, "&Aide", "F1", "", 0, false, false, false},
        {"&Aide", Cmd::Assistant, "Assistant &Paramétrage", "", "Assistant paramétrage", 0, false, false, false},
        {"&Aide", Cmd::Connexions, "&Vos dernières connexions", "F2", "", 43, true, false, false},
        {"&Aide", Cmd::APropos, "&A propos de Corvane", "", "", 0, false, false, false},
    };
    return entries;
}

const std::vector<ToolEntry> &toolEntries()
{
    static const std::vector<ToolEntry> entries{
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Joueurs, "Joueurs", "Joueurs", "Joueurs", int(ui::Icon::Players)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::ListeJoueurs, "Listes", "Listes", "Listes de joueurs", int(ui::Icon::List)},
        {Cmd::Courriers, "Courrier", "Courrier", "Gestion du courrier", int(ui::Icon::Mail)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Compta, "Comptabilite", "Comptabilité", "Recettes et Dépenses", int(ui::Icon::Calculator)},
        {Cmd::Tresorerie, "BtnBudget", "Trésorerie", "Plan de trésorerie", int(ui::Icon::Calendar)},
        {Cmd::Bilan, "Bilan", "Bilan", "Bilan/prévisions", int(ui::Icon::Chart)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Exportation, "Exporter", "Exporter", "Exporter des données", int(ui::Icon::Export)},
        {Cmd::Importation, "Importer", "Importer", "Importer des données", int(ui::Icon::Import)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Parametrage, "Parametrage", "Paramètres", "Paramètrage général", int(ui::Icon::Settings)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Quitter, "Quitter", "&Quitter", "Quitter Corvane", int(ui::Icon::Quit)},
        {Cmd::Joueurs, nullptr, nullptr, nullptr, 0},
        {Cmd::Aide, "Aide", "Aide", "Obtenir de l'aide", int(ui::Icon::Help)},
    };
    return entries;
}
// clang-format on

const MenuEntry &menuEntry(Cmd cmd)
{
    for (const MenuEntry &e : menuEntries()) {
        if (e.cmd == cmd)
            return e;
    }
    throw std::out_of_range("menu command");
}

} // namespace corvane::app
