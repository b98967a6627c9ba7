#pragma once

#include <QString>

#include <array>

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::members::fee {

// A member pays the season's fee at once or in up to five instalments; each
// of these six payments is a group of five fields of `Joueurs`.
struct PaymentGroup {
    QString amount;  // `Cotisation`, `Accompte N`
    QString paid;    // `Paye`, `Paye accN`
    QString number;  // `Num cotisation`, `Num Accompte N`: the operation number of its receipt
    QString date;    // `Date de paiement`, `Date accompte N`
    QString account; // `Compte`, `Compte N`
    QString caption; // "Cotisation", "Acompte N"
};

// Index 0 is the whole fee, 1 … 5 the instalments.
const std::array<PaymentGroup, 6> &paymentGroups();

// The ledger category of every fee receipt.
inline const QString FeePoste = QStringLiteral("Cotisations");

// Moves `recettes` (open) to the fee receipt numbered `num`. Only entries of
// the category "Cotisations" count: a number reused by another entry never
// designates it.
bool locateFeeReceipt(data::Table &recettes, int num);

// Whether the fee receipt numbered `num` is pointed against the bank ("R").
bool feeReceiptReconciled(data::ModuleData &md, int num);

// Deletes the fee receipt numbered `num`; false when there is none.
bool removeFeeReceipt(data::ModuleData &md, int num);

} // namespace corvane::members::fee
