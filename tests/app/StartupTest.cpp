#include "app/Startup.h"
#include "app/TellTale.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "tests/support/FreshData.h"
#include "tests/support/Printers.h"
#include "ui/Messages.h"

#include <gtest/gtest.h>

using namespace corvane;
using data::OpenedTable;

namespace {

struct SeasonCase {
    QDate today;
    bool answer;
    int expectedYear;
    bool asked;
};

void PrintTo(const SeasonCase &c, std::ostream *os)
{
    *os << c.today.toString(Qt::ISODate).toStdString() << (c.answer ? " oui" : " non");
}

class FirstSeason : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(FirstSeason, followsTheDateAndTheOfficersAnswer)
{
    const SeasonCase c = GetParam();
    test::FreshData d;
    bool asked = false;
    app::seedFirstRun(d.md(), c.today, [&] {
        asked = true;
        return c.answer;
    });
    EXPECT_EQ(asked, c.asked);
    OpenedTable ex(d.md().table("Exercice"));
    ASSERT_EQ(ex->recordCount(), 1);
    EXPECT_EQ(ex->asInt("Annee"), c.expectedYear);
    EXPECT_EQ(ex->asString("Saison"), QString("%1-%2").arg(c.expectedYear - 1).arg(c.expectedYear));
    EXPECT_EQ(ex->asDate("Debut"), QDate(c.expectedYear - 1, 7, 1));
    EXPECT_EQ(ex->asDate("Fin"), QDate(c.expectedYear, 6, 30));
    EXPECT_EQ(ex->asString("Etat"), "En cours");
}

INSTANTIATE_TEST_SUITE_P(Dates, FirstSeason,
                         ::testing::Values(SeasonCase{QDate(2010, 5, 15), true, 2011, true},
                                           SeasonCase{QDate(2010, 5, 15), false, 2010, true},
                                           SeasonCase{QDate(2010, 8, 15), false, 2011, false},
                                           SeasonCase{QDate(2010, 1, 10), true, 2010, false}),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST(FirstRun, writesTheSettingsDefaultsAndTheFirstTellTaleRecordOnce)
{
    test::FreshData d;
    app::seedFirstRun(d.md(), QDate(2010, 8, 15), {});
    app::seedFirstRun(d.md(), QDate(2010, 8, 16), {});
    OpenedTable param(d.md().table("Param"));
    ASSERT_EQ(param->recordCount(), 1);
    EXPECT_TRUE(param->asBool("Previsualisation"));
    EXPECT_TRUE(param->asBool("Premiere fois"));
    EXPECT_EQ(param->asInt("Delai sauvegarde"), 5);
    EXPECT_EQ(param->asInt("Nombre"), 1);
    EXPECT_EQ(param->asInt("Annee courante"), 2011);
    EXPECT_EQ(param->asString("Compte 1"), "Compte courant");
    EXPECT_EQ(param->asString("Compte 2"), "CAISSE");
    EXPECT_TRUE(param->asBool("Typecompte2"));
    EXPECT_FALSE(param->asBool("Typecompte1"));
    OpenedTable mouchard(d.md().table("Mouchard"));
    ASSERT_EQ(mouchard->recordCount(), 1);
    EXPECT_EQ(mouchard->asString("Module"), "Mise en service");
    EXPECT_EQ(mouchard->asString("Type sortie"), "Normale");
    data::Parametres p;
    data::chargeParametres(d.md(), p);
    EXPECT_EQ(p.saison, "2010-2011");
    EXPECT_EQ(p.titreSignataire, QString::fromUtf8("Président"));
    EXPECT_EQ(p.premiereCaisse, "CAISSE");
    EXPECT_EQ(p.delaiSauvegarde, 5);
    param->edit();
    param->setValue("Delai sauvegarde", 12);
    param->post();
    data::chargeParametres(d.md(), p);
    EXPECT_EQ(p.delaiSauvegarde, 12);
}

class TellTale : public ::testing::Test {
protected:
    void SetUp() override { app::seedFirstRun(d.md(), QDate(2010, 8, 15), {}); }
    int count() { return OpenedTable(d.md().table("Mouchard"))->recordCount(); }
    test::FreshData d;
};

TEST_F(TellTale, aModuleIsAbnormalUntilItIsLeft)
{
    app::espionne(d.md(), "Saisie des joueurs", "Administrateur.pfl");
    EXPECT_EQ(app::abnormalExitModule(d.md()), "Saisie des joueurs");
    app::majEspion(d.md(), "Administrateur.pfl");
    EXPECT_TRUE(app::abnormalExitModule(d.md()).isEmpty());
    EXPECT_EQ(count(), 2);
}

TEST_F(TellTale, trimKeepsTheFirstAndThe499MostRecentRecords)
{
    for (int i = 1; i < 502; ++i)
        app::espionne(d.md(), QString("Module %1").arg(i), "p");
    ASSERT_EQ(count(), 502);
    app::trimTellTale(d.md());
    EXPECT_EQ(count(), 502);
    app::espionne(d.md(), "Module 502", "p");
    app::trimTellTale(d.md());
    EXPECT_EQ(count(), 500);
    OpenedTable m(d.md().table("Mouchard"));
    EXPECT_EQ(m->asString("Module"), "Mise en service");
    m->next();
    EXPECT_EQ(m->asString("Module"), "Module 4");
    m->last();
    EXPECT_EQ(m->asString("Module"), "Module 502");
}

TEST_F(TellTale, afterAnAbnormalExitEveryTableIsCheckedAndTheAllClearShown)
{
    app::espionne(d.md(), "Saisie des joueurs", "Administrateur.pfl");
    d.reopen(); // the program was killed
    ui::ScriptedMessages messages;
    QStringList statuses;
    EXPECT_TRUE(app::checkAfterAbnormalExit(d.md(), "Tresorier.pfl", [&](const QString &s) { statuses << s; }));
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[0], QString::fromUtf8("Une sortie anormale s'est produite lors de la session\nprécédente "
                                                     "dans le module Saisie des joueurs\nUne vérification de "
                                                     "l'intégrité des tables va être effectuée"));
    EXPECT_TRUE(messages.texts()[1].startsWith(QString::fromUtf8("Aucune table n'a été endommagé")));
    EXPECT_EQ(messages.shown()[0].buttons, ui::Buttons(ui::Button::Yes));
    EXPECT_EQ(statuses, QStringList{QString::fromUtf8("Vérification des tables en cours ...")});
    OpenedTable m(d.md().table("Mouchard"));
    m->last();
    EXPECT_EQ(m->asString("Type sortie"), "ANORMALE");
    EXPECT_EQ(m->asString("Profil"), "Tresorier.pfl");
}

TEST_F(TellTale, aDamagedTableIsNamedAndStopsTheStart)
{
    app::espionne(d.md(), "Liste des clubs", "p");
    d.session().exec("DROP TABLE \"Clubs\"");
    d.reopen();
    ui::ScriptedMessages messages;
    EXPECT_FALSE(app::checkAfterAbnormalExit(d.md(), "p", {}));
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[1], QString::fromUtf8("La table Clubs est endommagée.\nImpossible de continuer à "
                                                     "travailler.\nVeuillez consultez le manuel utilisateur."));
    EXPECT_EQ(messages.shown()[1].kind, ui::MessageKind::Error);
}

TEST(LateSeason, remindsOnlyAfterTheSeasonsEnd)
{
    data::Parametres p;
    p.saison = "2009-2010";
    p.finSaison = QDate(2010, 6, 30);
    EXPECT_TRUE(app::lateSeasonReminder(p, QDate(2010, 6, 30)).isEmpty());
    EXPECT_EQ(app::lateSeasonReminder(p, QDate(2010, 7, 1)),
              QString::fromUtf8("Vous devez penser à clore la saison 2009-2010 dès que possible  ..."));
}

} // namespace
