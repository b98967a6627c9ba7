#include "app/MainWork.h"
#include "data/AppFolders.h"
#include "data/OpenedTable.h"
#include "tests/support/FreshData.h"
#include "tests/support/Printers.h"

#include <gtest/gtest.h>

using namespace corvane;
using data::OpenedTable;

namespace {

void setStamp(data::Session &s, const char *table, const QDateTime &when)
{
    s.exec(QString("UPDATE _stamps SET modified='%1' WHERE name='%2'")
               .arg(when.toUTC().toString(Qt::ISODateWithMs), QString::fromLatin1(table)));
}

TEST(BackupReminder, comesWhenTheMembersChangedLongAfterTheLastBackup)
{
    test::FreshData d;
    const QDateTime backup = QDateTime(QDate(2010, 3, 1), QTime(10, 0));
    for (const char *t : {"Datexpor", "Joueurs", "Recettes", "Depenses", "Courriers", "Clubs", "Dettes"})
        setStamp(d.session(), t, backup);
    EXPECT_FALSE(app::backupReminderDue(d.md(), 5));
    setStamp(d.session(), "Clubs", backup.addDays(10));
    EXPECT_FALSE(app::backupReminderDue(d.md(), 5)); // changes in other tables only
    setStamp(d.session(), "Joueurs", backup.addDays(10));
    EXPECT_TRUE(app::backupReminderDue(d.md(), 5));
    EXPECT_FALSE(app::backupReminderDue(d.md(), 15));
    EXPECT_EQ(app::backupReminderText(5),
              QString::fromUtf8("Vous n'avez pas effectué de sauvegarde depuis plus de 5 jours,\rVoulez-vous "
                                "procéder à la sauvegarde de vos données actuelles ?"));
}

TEST(SeasonClosingGuard, asksForABackupNewerThanTheLastChange)
{
    test::FreshData d;
    const QDateTime t0 = QDateTime(QDate(2010, 3, 1), QTime(10, 0));
    for (const char *t : {"Datexpor", "Joueurs", "Recettes", "Depenses", "Dettes", "Courriers"})
        setStamp(d.session(), t, t0);
    setStamp(d.session(), "Datexpor", t0.addSecs(60));
    EXPECT_FALSE(app::closingNeedsBackup(d.md()));
    setStamp(d.session(), "Dettes", t0.addSecs(120));
    EXPECT_TRUE(app::closingNeedsBackup(d.md()));
}

TEST(AccountNames, aRenamedAccountIsRewrittenInEveryLedgerAndSlip)
{
    test::FreshData d;
    auto addEntry = [&](const char *table, const char *compte, const char *libelle) {
        OpenedTable t(d.md().table(table));
        t->append();
        t->setValue("Date", QDate(2010, 9, 1));
        t->setValue("Poste", "Divers");
        t->setValue("Libelle", libelle);
        t->setValue("Genre", QString(table) == "Recettes" ? "Recette" : "Depense");
        t->setValue("Montant recette", 10.0);
        t->setValue("Montant depense", 10.0);
        t->setValue("Num", 1);
        t->setValue("Nom du payeur", "X");
        t->setValue("Compte", compte);
        t->post();
    };
    addEntry("Recettes", "Compte courant", "a");
    addEntry("Recettes", "CAISSE", "b");
    addEntry("Depenses", "Compte courant", "c");
    for (const char *slip : {"BBanque", "BEspeces"}) {
        OpenedTable t(d.md().table(slip));
        t->append();
        t->setValue("Numero", 7);
        t->setValue("Compte", "Compte courant");
        t->post();
    }
    app::AccountNames before{"", "Compte courant", "CAISSE", "", "", ""};
    app::AccountNames after{"", "Banque", "CAISSE", "", "", ""};
    app::propagateAccountNames(d.md(), before, after);
    auto accounts = [&](const char *table) {
        QStringList out;
        OpenedTable t(d.md().table(table));
        for (t->first(); !t->eof(); t->next())
            out << t->asString("Compte");
        out.sort();
        return out;
    };
    EXPECT_EQ(accounts("Recettes"), (QStringList{"Banque", "CAISSE"}));
    EXPECT_EQ(accounts("Depenses"), QStringList{"Banque"});
    EXPECT_EQ(accounts("BBanque"), QStringList{"Banque"});
    EXPECT_EQ(accounts("BEspeces"), QStringList{"Banque"});
}

TEST(SelectionLists, copyTheActiveMembersThatMeetTheCondition)
{
    test::FreshData d;
    d.addPlayer("MARTIN", "Paul", {{"Restant du", 30.0}, {"Distinction", "Capitaine"}});
    d.addPlayer("DURAND", "Léa", {{"Restant du", 0.0}, {"Sexe", "Femme"}, {"Distinction", "Capitaine"}});
    d.addPlayer("ANCIEN", "Marc", {{"Restant du", 50.0}, {"Situation", "INACTIF"}, {"Distinction", "Arbitre"}});
    d.addPlayer("BERNARD", "Luc", {{"Nepasenvoyer", true}, {"Distinction", "Entraîneur"}});

    app::fillTableListe(d.md());
    EXPECT_EQ(OpenedTable(d.md().table("TableListe"))->recordCount(), 3);
    app::fillTableListe(d.md(), [](const data::RecordView &r) { return r.asMoney("Restant du").units() > 0; });
    OpenedTable liste(d.md().table("TableListe"));
    ASSERT_EQ(liste->recordCount(), 1);
    EXPECT_EQ(liste->asString("Nom"), "MARTIN");
    EXPECT_EQ(liste->asString("Adresse"), "3 rue des Lilas");

    app::rebuildDistinctions(d.md());
    QStringList signs;
    OpenedTable dist(d.md().table("Distinctions"));
    for (dist->first(); !dist->eof(); dist->next())
        signs << dist->asString("Signe");
    signs.sort();
    EXPECT_EQ(signs, (QStringList{"Arbitre", "Capitaine", QString::fromUtf8("Entraîneur")}));

    app::ajouteJoueursInEtiquette(d.md());
    OpenedTable labels(d.md().table("Etiquettes"));
    EXPECT_EQ(labels->recordCount(), 3);
    EXPECT_TRUE(labels->locate("Nom", {"MARTIN  Paul"}));
    EXPECT_EQ(labels->asString("Code"), "35000");
    EXPECT_FALSE(labels->locate("Nom", {"BERNARD  Luc"}));
}

TEST(MainMessages, folderListAndDateAreInFrench)
{
    data::AppFolders f;
    f.setRoot("/home/club/Corvane");
    const QString text = app::workingFoldersMessage(f);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Les répertoires de Corvane 3 sont:\r\rApplication: /HOME/CLUB/CORVANE\r"
                                                  "Profils: /HOME/CLUB/CORVANE/PROFILS\r")));
    EXPECT_TRUE(text.endsWith(QString::fromUtf8("\rModèles: /HOME/CLUB/CORVANE/MODELES")));
    EXPECT_EQ(app::dateTimeMessage(QDateTime(QDate(2010, 5, 15), QTime(9, 5))),
              "Nous sommes le samedi 15 mai 2010 \ret il est 9 heures et 05 minutes");
}

} // namespace
