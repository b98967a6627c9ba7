#pragma once

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/OperationNumbers.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "data/Table.h"
#include "tests/support/FreshData.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane::test {

// One member "DURAND Paul" (fee 120 €, category "Seniors" in the men's
// seventh slot) in a fresh data folder, settings of our own: accounts
// "Banque" and "Caisse", family reduction 20 €, committee 25 %, students
// 0 %, coaches 50 €, leisure 40 €.
class FeeFixture : public ::testing::Test {
protected:
    FeeFixture()
    {
        p.compte[1] = QStringLiteral("Banque");
        p.compte[2] = QStringLiteral("Caisse");
        p.reduction = data::Money::fromDouble(20);
        p.pourcentageBureau = 25;
        p.pourcentageEtudiant = 0;
        p.prixEducateurs = data::Money::fromDouble(50);
        p.prixFootLoisirs = data::Money::fromDouble(40);
        for (int slot = 1; slot <= 30; ++slot)
            p.categories[slot] = QStringLiteral("Aucun");
        p.categories[7] = QStringLiteral("Seniors");
        p.prix[7] = data::Money::fromDouble(120);
        p.prixLoisirs[7] = data::Money::fromDouble(70);
        p.categories[23] = QStringLiteral("Minimes");
        p.prix[23] = data::Money::fromDouble(90);
        fx.addPlayer(
            QStringLiteral("DURAND"), QStringLiteral("Paul"),
            {{"Type activite", QStringLiteral("COMPETITION")}, {"Compte", QStringLiteral("Banque")}});
        joueurs().open();
        joueurs().first();
    }
    ~FeeFixture() override
    {
        if (joueurs().isEditing())
            joueurs().cancel();
    }

    data::ModuleData &md() { return fx.md(); }
    data::Table &joueurs() { return *md().table(QStringLiteral("Joueurs")); }

    // A fresh cursor over the ledger: what is stored, whatever the shared
    // cursors hold.
    std::unique_ptr<data::Table> recettes()
    {
        auto t = std::make_unique<data::Table>(&md().session(), QStringLiteral("Recettes"));
        t->open();
        return t;
    }
    int receiptCount() { return recettes()->recordCount(); }
    int nextNumber() { return data::nextOperationNumber(md()); }

    // Instalment `k` with an amount, a date and an account, in editing.
    void setInstalment(int k, double amount)
    {
        data::Table &j = joueurs();
        if (!j.isEditing())
            j.edit();
        j.setValue(QStringLiteral("Accompte %1").arg(k), amount);
        j.setValue(QStringLiteral("Date accompte %1").arg(k), QDate(2026, 10, k));
        j.setValue(QStringLiteral("Compte %1").arg(k), QStringLiteral("Banque"));
    }

    // A receipt of the ledger written by someone else.
    void addEntry(int num, const QString &poste, const QString &rapprochement = {})
    {
        auto r = recettes();
        r->append();
        r->setValue(QStringLiteral("Date"), QDate(2026, 9, 1));
        r->setValue(QStringLiteral("Poste"), poste);
        r->setValue(QStringLiteral("Libelle"), QStringLiteral("Entrée %1").arg(num));
        r->setValue(QStringLiteral("Genre"), QStringLiteral("Recette"));
        r->setValue(QStringLiteral("Montant recette"), 10.0);
        r->setValue(QStringLiteral("Montant depense"), 0.0);
        r->setValue(QStringLiteral("Num"), num);
        r->setValue(QStringLiteral("Nom du payeur"), QStringLiteral("X"));
        r->setValue(QStringLiteral("Rapprochement"), rapprochement);
        r->post();
    }

    FreshData fx;
    data::Parametres p;
};

} // namespace corvane::test
