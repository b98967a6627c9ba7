#pragma once

#include "exchange/PostalCodes.h"

#include <QList>

#include <memory>

namespace corvane::data {
class ModuleData;
class Session;
class Table;
} // namespace corvane::data

namespace corvane::exchange {

// The copying of towns from the national list (CodPostTotale) into the
// club's list (Codepostal), without any widget: the scratch table "Tempo"
// holding one département's towns, its lines in the chosen order, the
// adding with its duplicate rule, and the texts shown.
class RecupCodes {
public:
    static inline const QString TempoName = QStringLiteral("Tempo");
    // Tempo's case-insensitive order by town, which it takes from Codepostal's layout.
    static inline const QString ParVille = QStringLiteral("Par ville");

    // Creates "Tempo" (empty) with the fields and indexes of Codepostal.
    explicit RecupCodes(data::ModuleData &md);
    // Closes, empties and deletes "Tempo".
    ~RecupCodes();
    RecupCodes(const RecupCodes &) = delete;
    RecupCodes &operator=(const RecupCodes &) = delete;

    // Replaces Tempo's content by the national list's towns whose
    // département is exactly `departement` (none for "<Aucun>").
    void charger(const QString &departement);
    // Tempo ordered by town ("Par ville") or by its own order (the code).
    void trier(bool parVille);
    bool triParVille() const { return parVille_; }
    // Tempo's towns in the current order.
    QList<Town> lignes() const;
    data::Table &tempo() const { return *tempo_; }

    // Appends each town to Codepostal, blanks trimmed. A town whose code
    // and name are already there is rewritten with its name in capitals
    // instead. Every town given counts; returns the count.
    static int ajouter(data::ModuleData &md, const QList<Town> &towns);

    static QString rechercheText(const QString &departement);
    static QString ajoutText(int count);

    // The per-user settings of the copying window.
    static QString departementMemorise();
    static bool triMemorise();
    static void memoriseDepartement(const QString &departement);
    static void memoriseTri(bool parVille);

private:
    data::ModuleData &md_;
    data::Session &session_;
    std::unique_ptr<data::Table> tempo_;
    bool parVille_ = false;
};

} // namespace corvane::exchange
