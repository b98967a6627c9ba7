#pragma once

#include "data/Money.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvane::data {
class ModuleData;
class Table;
struct Parametres;
} // namespace corvane::data

namespace corvane::members {

// A member's category follows from the age reached in the year the season
// ends: it gives the base fee and tells young members (who need a parental
// authorisation) from adults. No widget here.

// One record of `CategorieH` or `CategorieF`: the category holds the members
// up to `ageFin` years old inclusive.
struct CategorieAge {
    int ageFin = 0;
    QString nom;
};

// The categories of a sex, youngest first as stored. "Homme" reads
// `CategorieH`; any other text, an empty one included, `CategorieF`.
QList<CategorieAge> litCategories(data::ModuleData &md, const QString &sexe);

// Name of the first category whose limit reaches `age`; the first category
// when none does (and an empty name for an empty table).
QString categorieDeLAge(const QList<CategorieAge> &categories, int age);

struct Classement {
    QString categorie;    // what the member is filed under: the age category or "Loisirs"
    QString categorieAge; // the age category, also for a leisure member
    bool loisirs = false;
    std::optional<data::Money> cotisation; // none: the fee already in the record stays
    bool jeune = true;                     // false for the 7th and 8th categories of either sex
};

// The rule without a record: categories of the member's sex, the settings
// snapshot (season year, category slots, fees), the birth year and the
// activity ("COMPETITION"; anything else is a leisure member).
Classement classe(const QList<CategorieAge> &categories, const data::Parametres &p, int anneeNaissance,
                  const QString &activite);

// Classifies the member and writes `Cotisation`, `Jeune`, `Autorisation
// parentale` (and for a leisure member `Categorie` and `Loisirs2`) into the
// current record of `membre`, which the caller has put in editing. Returns
// the category the caller stores in `Categorie`.
QString TrouveLaCategorie(data::ModuleData &md, data::Table &membre, const data::Parametres &p,
                          const QString &sexe, int anneeNaissance, const QString &activite);

} // namespace corvane::members
