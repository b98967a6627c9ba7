#include "members/playerlist/TListeJoueurs.h"
#include "members/playerlist/PlayerReports.h"
#include "tests/members/playerlist/PlayerListFixture.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TChercherDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using namespace corvane;
using namespace corvane::members::playerlist;
using corvane::members::TListeJoueurs;
using corvane::test::PlayerListTest;
using Action = ui::ListWindow::Action;
using ui::Button;

namespace {

class TListeJoueursTest : public PlayerListTest {
protected:
    void SetUp() override
    {
        PlayerListTest::SetUp();
        fx.addPlayer("DUPONT", "Anne", {{"Categorie", "Cadets"}, {"Equipe", "Equipe 2"}});
        fx.addPlayer("DUPUIS", "Marc", {{"Equipe", "Equipe 1"}});
        fx.addPlayer("MARTIN", "Paul", {{"Equipe", "Equipe 3"}});
        fx.addPlayer("ZOLA", "Emile", {{"Categorie", "Minibad"}, {"Num license", "07123"}});
    }
    void open(QChar rights = QLatin1Char('T'))
    {
        window = std::make_unique<TListeJoueurs>(fx.md(), rights);
        window->prepare();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        joueurs()->close();
        PlayerListTest::TearDown();
    }
    QString count() const { return window->countLabel(0)->text(); }
    QString current() { return joueurs()->asString(QStringLiteral("Nom")); }
    int tabOf(const QString &caption) const
    {
        for (int i = 0; i < window->playerTabBar()->count(); ++i)
            if (window->playerTabBar()->tabText(i) == caption)
                return i;
        return -1;
    }
    void search(int field, const QString &text, ui::ScriptedModals &modals)
    {
        modals.push([field, text](QDialog &d) {
            auto &dlg = static_cast<ui::TChercherDlg &>(d);
            dlg.setFieldIndex(field);
            dlg.setText(text);
            dlg.searchButton()->click();
        });
        window->button(Action::Chercher)->click();
    }

    std::unique_ptr<TListeJoueurs> window;
};

TEST_F(TListeJoueursTest, TabsFilterTheGridAndTheButtonsFollowTheCount)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Saisie des joueurs"));
    EXPECT_EQ(window->playerTabBar()->count(), TabCount);
    EXPECT_EQ(count(), QStringLiteral("4 joueurs"));
    EXPECT_EQ(window->sort(), PlayerSort::Nom);

    window->playerTabBar()->setCurrentIndex(tabOf(QStringLiteral("Seniors")));
    EXPECT_EQ(count(), QStringLiteral("2 joueurs"));
    EXPECT_TRUE(window->grid(0)->styleSheet().contains(QStringLiteral("#a6caf0")));
    window->playerTabBar()->setCurrentIndex(tabOf(QStringLiteral("Minibad")));
    EXPECT_EQ(count(), QStringLiteral("1 joueur"));
    EXPECT_EQ(current(), QStringLiteral("ZOLA"));

    window->playerTabBar()->setCurrentIndex(tabOf(QStringLiteral("Poussins")));
    EXPECT_EQ(count(), QStringLiteral("0 joueur"));
    for (Action a : {Action::Supprimer, Action::Modifier, Action::Imprimer})
        EXPECT_FALSE(window->button(a)->isEnabled());
    EXPECT_TRUE(window->button(Action::Ajouter)->isEnabled());

    // "&Quitter" leaves the shared table as the window found it: closed.
    window->quitButton()->click();
    EXPECT_FALSE(joueurs()->isActive());
    EXPECT_FALSE(joueurs()->filtered());
}

TEST_F(TListeJoueursTest, ViewOnlyRightsDisableChangesAndOpenTheSheet)
{
    open(QLatin1Char('V'));
    EXPECT_FALSE(window->button(Action::Supprimer)->isEnabled());
    EXPECT_FALSE(window->button(Action::Ajouter)->isEnabled());
    EXPECT_EQ(window->button(Action::Modifier)->toolTip(),
              QStringLiteral("Voir la fiche du joueur sélectionné"));
    ui::ScriptedModals modals;
    window->button(Action::Modifier)->click();
    EXPECT_EQ(modals.shown(), QStringList({"Fiche du joueur"}));
}

TEST_F(TListeJoueursTest, SortChoiceAndQuickSearchFollowTheIndex)
{
    open();
    ui::DataGrid *grid = window->grid(0);
    grid->setFocus();
    QTest::keyClicks(grid, QStringLiteral("mar"));
    EXPECT_EQ(window->quickSearchText(), QStringLiteral("mar"));
    EXPECT_EQ(current(), QStringLiteral("MARTIN"));
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(current(), QStringLiteral("MARTIN")); // "m" still leads there

    // The first Escape forgets the text and goes to the top; the window stays.
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_TRUE(window->quickSearchText().isEmpty());
    EXPECT_TRUE(window->searchCleared());
    EXPECT_EQ(current(), QStringLiteral("DUPONT"));
    EXPECT_TRUE(window->isVisible());

    window->sortButton(PlayerSort::Categorie)->click();
    EXPECT_EQ(joueurs()->indexName(), QStringLiteral("ParCategorie"));
    QTest::keyClicks(grid, QStringLiteral("se"));
    EXPECT_EQ(current(), QStringLiteral("DUPUIS")); // Seniors, first by name
    window->sortButton(PlayerSort::Equipe)->click();
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClicks(grid, QStringLiteral("equipe 3"));
    EXPECT_EQ(current(), QStringLiteral("MARTIN"));

    // The second Escape quits.
    QTest::keyClick(grid, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(joueurs()->isActive());
}

TEST_F(TListeJoueursTest, SearchFindsLowerCaseTextAndTellsTheEnd)
{
    open();
    joueurs()->last(); // ZOLA
    {
        ui::ScriptedModals modals;
        ui::ScriptedMessages messages;
        messages.answer(Button::Yes); // DUPONT
        messages.answer(Button::Yes); // DUPUIS
        search(0, QStringLiteral("dup"), modals);
        EXPECT_EQ(messages.texts(), QStringList({"Continuer la recherche ?", "Continuer la recherche ?",
                                                 "Plus d'autres \"dup\" trouvé ..."}));
        EXPECT_EQ(messages.shown().back().kind, ui::MessageKind::Warning);
        EXPECT_EQ(current(), QStringLiteral("DUPUIS"));
    }
    {
        // "Non" stops on the record found.
        ui::ScriptedModals modals;
        ui::ScriptedMessages messages;
        messages.answer(Button::No);
        search(2, QStringLiteral("PAUL"), modals);
        EXPECT_EQ(messages.texts(), QStringList({"Continuer la recherche ?"}));
        EXPECT_EQ(current(), QStringLiteral("MARTIN"));
    }
    {
        // Nothing found: back where it started; the last field and text are offered again.
        ui::ScriptedModals modals;
        ui::ScriptedMessages messages;
        QString offered;
        modals.push([&offered](QDialog &d) {
            auto &dlg = static_cast<ui::TChercherDlg &>(d);
            offered = dlg.fields().value(dlg.fieldIndex()) + QLatin1Char('=') + dlg.text();
            dlg.setFieldIndex(1);
            dlg.setText(QStringLiteral("99"));
            dlg.searchButton()->click();
        });
        window->button(Action::Chercher)->click();
        EXPECT_EQ(offered, QStringLiteral("Prénom=PAUL"));
        EXPECT_EQ(messages.texts(), QStringList({"\"99\" non trouvé"}));
        EXPECT_EQ(messages.shown().back().kind, ui::MessageKind::Information);
        EXPECT_EQ(current(), QStringLiteral("MARTIN"));
    }
}

TEST_F(TListeJoueursTest, RecordWindowKeepsTheTabAndTheMember)
{
    open();
    window->playerTabBar()->setCurrentIndex(tabOf(QStringLiteral("Seniors")));
    joueurs()->last();
    ASSERT_EQ(current(), QStringLiteral("MARTIN"));
    ui::ScriptedModals modals;
    // The record window shows the whole table; the list filters it again after.
    modals.push([this](QDialog &) { joueurs()->setFiltered(false); });
    window->button(Action::Modifier)->click();
    EXPECT_EQ(modals.shown(), QStringList({"Fiche joueur"}));
    EXPECT_EQ(count(), QStringLiteral("2 joueurs"));
    EXPECT_EQ(current(), QStringLiteral("MARTIN"));

    // Ajouter shows "Tous" first; the new record is given up.
    modals.push([this](QDialog &) {
        if (joueurs()->isEditing())
            joueurs()->cancel();
    });
    window->button(Action::Ajouter)->click();
    EXPECT_EQ(window->playerTab(), TabTous);
    EXPECT_EQ(count(), QStringLiteral("4 joueurs"));
}

TEST_F(TListeJoueursTest, PrintedListIsGroupedByTheSortField)
{
    data::OpenedTable j(joueurs());
    const struct {
        PlayerSort sort;
        const char *title;
        QStringList groups;
    } cases[] = {
        {PlayerSort::Nom, "Liste des joueurs par nom", {"DUPONT", "DUPUIS", "MARTIN", "ZOLA"}},
        {PlayerSort::Categorie, "Liste des joueurs par catégorie", {"Cadets", "Minibad", "Seniors"}},
        {PlayerSort::Equipe, "Liste des joueurs par équipe", {"", "Equipe 1", "Equipe 2", "Equipe 3"}},
    };
    for (const auto &c : cases) {
        j->setIndexName(indexName(c.sort));
        auto report = makeTQjoueurs(*j, c.sort);
        const core::report::Document doc = report->layout();
        ASSERT_EQ(doc.pageCount(), 1);
        EXPECT_EQ(doc.pages[0].text(QStringLiteral("Titre")), QString::fromUtf8(c.title));
        EXPECT_EQ(doc.pages[0].texts(core::report::BandKind::GroupHeader), c.groups) << c.title;
        const QStringList detail = doc.pages[0].texts(core::report::BandKind::Detail);
        EXPECT_TRUE(detail.contains(QStringLiteral("07123")));
        EXPECT_TRUE(detail.contains(QStringLiteral("N° licence:")));
        EXPECT_EQ(detail.count(QStringLiteral("Payée:")), 4);
    }
    j->setIndexName({});
}

TEST_F(TListeJoueursTest, CommitteeListPrintsTheSeasonsCommittee)
{
    data::OpenedTable bureau(fx.md().table(QStringLiteral("Bureau")));
    bureau->append();
    bureau->setValue(QStringLiteral("Titre"), QStringLiteral("Président"));
    bureau->setValue(QStringLiteral("Nom"), QStringLiteral("MARTIN Paul"));
    bureau->post();
    const core::report::Document doc = makeTQbureau(*bureau)->layout();
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.pages[0].text(QStringLiteral("Titre")), QStringLiteral("Liste des membres du bureau"));
    EXPECT_EQ(doc.pages[0].texts(core::report::BandKind::ColumnHeader),
              QStringList({"Titre", "Nom", "Commentaires"}));
    EXPECT_EQ(doc.pages[0].texts(core::report::BandKind::Detail).mid(0, 2),
              QStringList({"Président", "MARTIN Paul"}));
    bureau->emptyTable();
}

} // namespace
