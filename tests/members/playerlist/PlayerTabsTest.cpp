#include "members/playerlist/PlayerTabs.h"
#include "tests/members/playerlist/PlayerListFixture.h"

#include <QMap>

using namespace corvane;
using namespace corvane::members::playerlist;
using corvane::test::PlayerListTest;

namespace {

class PlayerTabsTest : public PlayerListTest {};

TEST_F(PlayerTabsTest, TabsTakeTheirCaptionsFromTheCategorySlots)
{
    data::parametres().categories[3] = QStringLiteral("Benjamins B");
    const std::vector<PlayerTab> tabs = playerTabs(data::parametres());
    ASSERT_EQ(tabs.size(), std::size_t(TabCount));
    QStringList captions;
    for (const PlayerTab &t : tabs)
        captions.append(t.caption);
    EXPECT_EQ(captions, QStringList({"Tous",
                                     "Bureau",
                                     "Minibad",
                                     "Poussins",
                                     "Benjamins B",
                                     "Minimes",
                                     "Cadets",
                                     "Juniors",
                                     "Seniors",
                                     "Vétérans",
                                     "Educateurs-Dirigeants",
                                     "Arbitres",
                                     "Minibad F",
                                     "Poussines",
                                     "Benjamines",
                                     "Minimes F",
                                     "Cadettes",
                                     "Juniors F",
                                     "Seniors F",
                                     "Vétérans F",
                                     "Loisirs"}));
    EXPECT_EQ(tabs[TabTous].titleColour, QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(tabs[4].titleColour, QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(tabs[14].titleColour, QColor(0xFF, 0xAA, 0xD5));
    EXPECT_EQ(tabs[TabArbitres].titleColour, QColor(0xF0, 0xED, 0x64));
    EXPECT_EQ(tabs[TabLoisirs].titleColour, QColor(0x00, 0x00, 0xFF));
}

// Which members each tab shows. A coach or committee member without a team
// is on his role's tab only; with a team, also on his category's.
TEST_F(PlayerTabsTest, EachTabShowsItsMembers)
{
    const QVariant noTeam = NoTeam;
    fx.addPlayer("JOUEUR", "Simple", {{"Equipe", "Equipe 1"}});
    fx.addPlayer("COACHSANS", "Equipe", {{"Equipe", noTeam}, {"Educateur", true}});
    fx.addPlayer("COACHAVEC", "Equipe", {{"Equipe", "Equipe 2"}, {"Educateur", true}});
    fx.addPlayer("BUREAUSANS", "Equipe", {{"Equipe", noTeam}, {"Membre bureau", true}});
    fx.addPlayer("ARBITRETABLE", "Femme", {{"Categorie", "Seniors F"}, {"Arbitre Table", true}});
    fx.addPlayer("ASSISTANT", "Jeune", {{"Categorie", "Minibad"}, {"ArbitreDelegue", true}});
    fx.addPlayer("ARBITRE", "Bureau", {{"Equipe", noTeam}, {"Arbitre", true}, {"Membre bureau", true}});
    fx.addPlayer("LOISIR", "Adulte", {{"Categorie", "Loisirs"}, {"Equipe", noTeam}});

    const QMap<QString, QStringList> expected{
        {"Tous",
         {"ARBITRE", "ARBITRETABLE", "ASSISTANT", "BUREAUSANS", "COACHAVEC", "COACHSANS", "JOUEUR",
          "LOISIR"}},
        {"Bureau", {"ARBITRE", "BUREAUSANS"}},
        {"Minibad", {"ASSISTANT"}},
        {"Seniors", {"COACHAVEC", "JOUEUR"}},
        {"Educateurs-Dirigeants", {"COACHAVEC", "COACHSANS"}},
        {"Arbitres", {"ARBITRE", "ARBITRETABLE", "ASSISTANT"}},
        {"Seniors F", {"ARBITRETABLE"}},
        {"Loisirs", {"LOISIR"}},
    };
    data::OpenedTable j(joueurs());
    for (const PlayerTab &tab : playerTabs(data::parametres())) {
        data::Table::Predicate filter = tabFilter(tab, *j);
        if (filter)
            j->setFilterPredicate(filter);
        else
            j->clearFilter();
        QStringList shown;
        for (j->first(); !j->eof(); j->next())
            shown.append(j->asString(QStringLiteral("Nom")));
        EXPECT_EQ(shown, expected.value(tab.caption)) << tab.caption.toStdString();
    }
    j->clearFilter();
}

TEST_F(PlayerTabsTest, NearestRowFollowsTheOrderIgnoringCaseAndAccents)
{
    for (const char *nom : {"DUBOIS", "DUPONT", "ÉMERY", "MARTIN", "ZOLA"})
        fx.addPlayer(nom, "Paul");
    data::OpenedTable j(joueurs());
    const struct {
        const char *typed;
        int row;
    } cases[] = {{"d", 0}, {"dup", 1}, {"e", 2}, {"em", 2}, {"MAR", 3}, {"n", 4}, {"zz", 4}, {"", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(nearestRow(*j, QStringLiteral("Nom"), QString::fromUtf8(c.typed)), c.row) << c.typed;
    j->setOrderField(QStringLiteral("Nom"), true); // ZOLA first
    EXPECT_EQ(nearestRow(*j, QStringLiteral("Nom"), QStringLiteral("mar"), true), 1);
    j->setFilterPredicate([](const data::RecordView &) { return false; });
    EXPECT_EQ(nearestRow(*j, QStringLiteral("Nom"), QStringLiteral("a")), -1);
    j->clearFilter();
    j->setIndexName({});
}

} // namespace
