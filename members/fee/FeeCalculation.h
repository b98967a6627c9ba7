#pragma once

#include "data/Money.h"

#include <QString>

#include <optional>

namespace corvane::data {
class ModuleData;
class Table;
struct Parametres;
} // namespace corvane::data

namespace corvane::members::fee {

// The arithmetic of the season's fee: no widget, no ledger. The functions
// taking a `Joueurs` cursor work on its current record, which the caller has
// put in editing.

// `amount` less `percent` % of it.
data::Money lessPercent(data::Money amount, int percent);
// The amount that `percent` % off gave `amount`: amount / (1 − percent/100).
// Not defined for 100 %.
data::Money beforePercent(data::Money amount, int percent);
// Half an amount, rounded to the nearest ten-thousandth.
data::Money half(data::Money amount);

// The fee of the member's category without any discount, from the category
// slots and the fees of the activity ("COMPETITION" or "LOISIRS"); nothing
// when the activity is another text or no slot carries the category.
std::optional<data::Money> categoryFee(const data::Parametres &p, const QString &categorie,
                                       const QString &typeActivite);

// Which discounts a member has.
struct Discounts {
    bool reduction = false; // family reduction
    bool bureau = false;    // committee member
    bool etudiant = false;  // student
    bool demiTarif = false; // half season
    bool educateur = false; // coach or officer: a fixed price instead
};

// The category fee with every discount, in the order the club applies them.
data::Money feeWithDiscounts(data::Money categorie, const Discounts &d, const data::Parametres &p);

// Instalments ticked paid, and `Cotisation` less them.
data::Money paidInstalments(const data::Table &membre);
data::Money remainingDue(const data::Table &membre);
// Stores remainingDue() in `Restant du`.
void recomputeRemaining(data::Table &membre);

// After the category rule set `Cotisation` to the category fee: the fee with
// the member's discounts, then the remaining due.
void applyFullFee(data::Table &membre, const data::Parametres &p);

// The discount ticks, after the tick's field took its new value. Each ends
// with the remaining due, except a percentage of 0, which changes nothing.
void reductionToggled(data::Table &membre, const data::Parametres &p, bool on);
void bureauToggled(data::Table &membre, const data::Parametres &p, bool on);
void etudiantToggled(data::Table &membre, const data::Parametres &p, bool on);
void demiTarifToggled(data::Table &membre, bool on);
void educateurToggled(data::Table &membre, const data::Parametres &p, bool on);
// Ticked: the leisure price and category. Un-ticked: the category again from
// the record's sex, birth year and activity, then the fee with discounts.
void loisirsToggled(data::ModuleData &md, data::Table &membre, const data::Parametres &p, bool on);

// The payer when none is given: the family name, a blank and the first name,
// a first name over eight characters cut to seven and a full stop.
QString defaultPayer(const QString &nom, const QString &prenom);
// Fills an empty `Nom du payeur` (putting the record in editing if needed);
// false when nothing changed.
bool applyDefaultPayer(data::Table &membre, const QString &prenom);

} // namespace corvane::members::fee
