#pragma once

#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Table.h"
#include "tests/support/FreshData.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvane::test {

// Fresh data with the seed categories loaded into the program's settings
// (men's slots 1-8 "Minibad" … "Vétérans", women's 21-28 "Minibad F" …
// "Vétérans F"), and the working folders in a temporary folder.
class PlayerListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedRoot = data::appFolders().root();
        savedParametres = data::parametres();
        data::appFolders().setRoot(root.path());
        data::parametres() = data::Parametres();
        data::parametres().proprietaire = QStringLiteral("Badminton Club");
        data::parametres().saison = QStringLiteral("2024-2025");
        data::chargeCategories(fx.md(), data::parametres());
    }
    void TearDown() override
    {
        data::appFolders().setRoot(savedRoot);
        data::parametres() = savedParametres;
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    data::Table *joueurs() { return fx.md().table(QStringLiteral("Joueurs")); }

    // A fee receipt (or another entry) of the ledger.
    void addReceipt(int num, const QString &poste = QStringLiteral("Cotisations"),
                    const QString &rapprochement = QString(), const QString &libelle = {})
    {
        data::OpenedTable r(fx.md().table(QStringLiteral("Recettes")));
        r->append();
        r->setValue(QStringLiteral("Date"), QDate(2024, 10, 1).addDays(num));
        r->setValue(QStringLiteral("Poste"), poste);
        r->setValue(QStringLiteral("Genre"), QStringLiteral("Recette"));
        r->setValue(QStringLiteral("Compte"), QStringLiteral("Banque"));
        r->setValue(QStringLiteral("Libelle"),
                    libelle.isEmpty() ? QStringLiteral("Recette %1 %2").arg(num).arg(poste) : libelle);
        r->setValue(QStringLiteral("Montant recette"), 40.0);
        r->setValue(QStringLiteral("Montant depense"), 0.0);
        r->setValue(QStringLiteral("Nom du payeur"), QStringLiteral("MARTIN Paul"));
        r->setValue(QStringLiteral("Num"), num);
        if (!rapprochement.isEmpty())
            r->setValue(QStringLiteral("Rapprochement"), rapprochement);
        r->post();
    }

    // Numbers of the ledger's receipts with their category, "11 Cotisations".
    QStringList receipts()
    {
        QStringList out;
        data::OpenedTable r(fx.md().table(QStringLiteral("Recettes")));
        for (r->first(); !r->eof(); r->next())
            out.append(QStringLiteral("%1 %2")
                           .arg(r->asInt(QStringLiteral("Num")))
                           .arg(r->asString(QStringLiteral("Poste"))));
        out.sort();
        return out;
    }

    QStringList memberNames()
    {
        QStringList out;
        data::OpenedTable j(joueurs());
        for (j->first(); !j->eof(); j->next())
            out.append(j->asString(QStringLiteral("Nom")));
        return out;
    }

    QTemporaryDir root;
    FreshData fx;

private:
    QString savedRoot;
    data::Parametres savedParametres;
};

} // namespace corvane::test
