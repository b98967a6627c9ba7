#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

#include <array>

namespace corvane::data {

class ModuleData;

// The program-wide copy of the settings record and of the current season.
// Windows read it instead of the settings table; every window that changes
// the settings is followed by a new load.
struct Parametres {
    bool previsualisation = true;
    bool premiereFois = true;
    int nombre = 1; // copies of each printed report
    int delaiSauvegarde = 5; // days without a backup before the reminder at quit
    int anneeCourante = 0;

    std::array<Money, 31> prix{};          // Prix 1..10, Prix 21..30 (index = slot number)
    std::array<Money, 31> prixLoisirs{};   // Prix Lois1..10, Prix Lois21..30
    std::array<Money, 31> prixLicence{};   // Prix licence 1..10, 21..30
    std::array<Money, 31> prixLicenceLoisirs{};
    Money prixLicenceEducateurs, prixLicenceDirigeants, prixLicenceFootLoisirs, prixLicenceDecouverte,
        prixLicenceTypLoisirs3;
    Money reduction;
    int pourcentageBureau = 0;
    int pourcentageEtudiant = 0;
    Money prixEducateurs;
    Money prixDirigeants;
    Money prixFootLoisirs;
    Money prixDecouverte;
    Money prixTypLoisirs3;
    QString motDePasse;
    bool tousEnCompetition = false;

    QString proprietaire; // club name
    QString versionLogiciel;
    QString stade, adresse1, adresse2, codePostal, ville, tel, port, fax, mail, ligue, sigleClub;
    QString numAgrementDDJS, numAffiliationDDJS;
    QString identiteClub;     // "club - address1  address2 - postcode  town"
    QString ligneEnregistrement; // footer line of every report

    std::array<QString, 6> compte;      // names of accounts 1..5 (index 0 unused)
    std::array<QString, 6> banqueCompte;
    std::array<QString, 6> numeroCompte;
    QString premiereCaisse, secondeCaisse; // the club's cash accounts
    QString titreSignataire;
    QString signataire;

    int anneeSaison = 0; // year in which the current season ends
    QString saison;      // "2009-2010"
    QDate finSaison;

    // Category slots 1..50: men from 1, women from 21 ("Aucun" when unfilled, up to 30).
    std::array<QString, 51> categories;
};

// The one snapshot of the running program.
Parametres &parametres();

// Loads the settings record and the current season into `p`, deriving the
// identity lines, the cash accounts and the signatory.
void chargeParametres(ModuleData &md, Parametres &p = parametres());
// Loads the category names into their slots.
void chargeCategories(ModuleData &md, Parametres &p = parametres());

} // namespace corvane::data
