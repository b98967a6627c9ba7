#include "members/TSaisieDivers.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Table.h"
#include "members/ListeReference.h"
#include "members/TFicheModifListe.h"
#include "tests/support/FreshData.h"
#include "ui/Modal.h"
#include "ui/TextEdit.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TEST(TSaisieDiversTest, OffersFifteenListsInOrderEachOpeningItsOwnEditor)
{
    test::FreshData fx;
    members::TSaisieDivers w(fx.md());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Saisie d'éléments divers"));
    EXPECT_EQ(w.helpContext(), 28);

    const QStringList composants{"Divisions",      "NomBanque",  "Surclassements", "Distinctions",
                                 "ClassementsNom", "Titres",     "Nationalites",   "Grades",
                                 "Ligues",         "Districts",  "MatCategories",  "MatTypes",
                                 "MatCouleurs",    "MatMarques", "MatTailles"};
    QStringList libelles;
    ui::ScriptedModals modals;
    for (const QString &c : composants) {
        QPushButton *b = w.bouton(c);
        ASSERT_NE(b, nullptr) << c.toStdString();
        libelles << b->text();
        ASSERT_NE(fx.md().find(c), nullptr) << c.toStdString();
        modals.push([](QDialog &d) { d.reject(); });
        b->click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "hourglass restored";
        EXPECT_FALSE(fx.md().table(c)->isActive()) << c.toStdString();
    }
    EXPECT_EQ(libelles, (QStringList{"Divisions", "Banques", "Surclassements", "Signes distinctifs",
                                     "Classements", "Titres membres", "Nationalités", "Grades d'arbitre",
                                     "Ligues", "Comités", "Catégories de matériels", "Types de matériels",
                                     "Couleurs", "Marques", "Tailles"}));
    ASSERT_EQ(modals.shown().size(), 15);
    EXPECT_EQ(modals.shown()[1], QStringLiteral("Modification de la liste des banques"));
    EXPECT_EQ(modals.shown()[9], QStringLiteral("Modification de la liste des comités"));
    for (const QString &titre : modals.shown())
        EXPECT_TRUE(titre.startsWith(QStringLiteral("Modification de la liste des "))) << titre.toStdString();
}

// What the officer types is there after a restart of the program.
TEST(TSaisieDiversTest, EditedListIsKeptAcrossARestart)
{
    test::FreshData fx;
    {
        members::TSaisieDivers w(fx.md());
        ui::ScriptedModals modals;
        modals.push([](QDialog &d) {
            auto &editeur = dynamic_cast<members::TFicheModifListe &>(d);
            editeur.texte()->setPlainText(QStringLiteral("Ligue de Bretagne\nLigue des Pays de la Loire"));
            editeur.FermerClick();
        });
        w.bouton(QStringLiteral("Ligues"))->click();
        EXPECT_EQ(modals.pending(), 0);
    }
    fx.reopen();
    EXPECT_EQ(members::loadList(*fx.md().table(QStringLiteral("Ligues"))),
              (QStringList{"Ligue de Bretagne", "Ligue des Pays de la Loire"}));
}

} // namespace
