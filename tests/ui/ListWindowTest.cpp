#include "tests/ui/KitFixture.h"

#include "ui/Calculator.h"
#include "ui/ListWindow.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TChercherDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace corvane;
using corvane::test::KitTest;
using data::Table;
using Action = ui::ListWindow::Action;

namespace {

class PersonList : public ui::ListWindow {
public:
    explicit PersonList(Table *t)
    {
        setWindowTitle(QStringLiteral("Liste des personnes"));
        addTab(QStringLiteral("Personnes"), t,
               {{QStringLiteral("Nom"), {}, 120},
                {QStringLiteral("Prenom"), {}, 120},
                {QStringLiteral("Age"), {}, 50}},
               QStringLiteral("personne"), QStringLiteral("personnes"));
        setHint(Action::Modifier, QStringLiteral("Modifier la personne sélectionnée"));
        setViewHint(QStringLiteral("Voir la personne sélectionnée"));
    }
    int views = 0;
    int modifies = 0;
    int adds = 0;

protected:
    void viewRecord() override { ++views; }
    void modifyRecord() override { ++modifies; }
    void addRecord() override { ++adds; }
};

class ListWindowTest : public KitTest {
protected:
    void SetUp() override
    {
        KitTest::SetUp();
        window = std::make_unique<PersonList>(personnes.get());
        window->show();
    }
    QString count() const { return window->countLabel(0)->text(); }
    bool enabled(Action a) const { return window->button(a)->isEnabled(); }
    void doubleClickRow(int row)
    {
        ui::DataGrid *g = window->grid(0);
        const QPoint at = g->visualRect(g->model()->index(row, 0)).center();
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<PersonList> window;
};

TEST_F(ListWindowTest, CountLabelAndButtonsFollowTheRecords)
{
    EXPECT_EQ(count(), QStringLiteral("3 personnes"));
    EXPECT_TRUE(enabled(Action::Supprimer));
    EXPECT_TRUE(enabled(Action::Modifier));
    EXPECT_TRUE(enabled(Action::Imprimer));
    EXPECT_TRUE(enabled(Action::Ajouter));
    personnes->remove();
    personnes->remove();
    EXPECT_EQ(count(), QStringLiteral("1 personne"));
    personnes->remove();
    EXPECT_EQ(count(), QStringLiteral("0 personne"));
    EXPECT_FALSE(enabled(Action::Supprimer));
    EXPECT_FALSE(enabled(Action::Modifier));
    EXPECT_FALSE(enabled(Action::Imprimer));
    EXPECT_TRUE(enabled(Action::Ajouter));
    window->button(Action::Modifier)->click();
    EXPECT_EQ(window->modifies, 0) << "nothing to open in an empty list";
    window->button(Action::Ajouter)->click();
    EXPECT_EQ(window->adds, 1);
}

TEST_F(ListWindowTest, ViewOnlyRightDisablesChangesAndOpensTheView)
{
    doubleClickRow(1);
    EXPECT_EQ(window->modifies, 1);
    EXPECT_EQ(window->views, 0);

    window->setRights(QLatin1Char('V'));
    EXPECT_FALSE(enabled(Action::Ajouter));
    EXPECT_FALSE(enabled(Action::Supprimer));
    EXPECT_TRUE(enabled(Action::Modifier));
    EXPECT_EQ(window->button(Action::Modifier)->toolTip(), QStringLiteral("Voir la personne sélectionnée"));
    doubleClickRow(2);
    EXPECT_EQ(window->views, 1);
    window->button(Action::Modifier)->click();
    EXPECT_EQ(window->views, 2);
    EXPECT_EQ(window->modifies, 1);
    window->button(Action::Ajouter)->click();
    EXPECT_EQ(window->adds, 0);
}

TEST_F(ListWindowTest, EscapeWarnsWhileEditingAndQuitsOtherwise)
{
    ui::ScriptedMessages messages;
    personnes->edit();
    EXPECT_FALSE(window->quitButton()->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Warning);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("Une modification de cette fiche est en cours\nValider ou Annuler cette "
                             "modification pour quitter."));
    EXPECT_TRUE(window->isVisible());

    personnes->cancel();
    EXPECT_TRUE(window->quitButton()->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(ListWindowTest, ModalRunIsScriptedAndEscapeCloses)
{
    window->hide();
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_EQ(window->showModal(), QDialog::Accepted);
    EXPECT_EQ(modals.shown(), QStringList{QStringLiteral("Liste des personnes")});
}

TEST_F(ListWindowTest, SearchWalksTheMatchesAndSaysWhenThereAreNoMore)
{
    personnes->last(); // Martin
    ui::ScriptedModals modals;
    ui::ScriptedMessages messages;
    QString caption;
    modals.push([&](QDialog &d) {
        auto &dlg = dynamic_cast<ui::TChercherDlg &>(d);
        EXPECT_EQ(dlg.fields(),
                  (QStringList{QStringLiteral("Nom"), QStringLiteral("Prénom"), QStringLiteral("Age")}));
        dlg.setFieldIndex(1);
        caption = dlg.windowTitle();
        dlg.setText(QStringLiteral("o")); // Hugo, Zoé
        dlg.searchButton()->click();
    });
    window->button(Action::Chercher)->click();
    EXPECT_EQ(caption, QStringLiteral("Chercher dans Prénom"));
    // Two questions, then the end of the walk.
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("Continuer la recherche ?"),
                                             QStringLiteral("Continuer la recherche ?"),
                                             QStringLiteral("Plus d'autres \"o\" trouvé ...")}));
    EXPECT_EQ(personnes->asString(QStringLiteral("Prenom")), QStringLiteral("Zoé"));

    // The dialog remembers the last field and text; "Non" stops on the match.
    messages.clear();
    messages.answer(ui::Button::No);
    modals.push([](QDialog &d) {
        auto &dlg = dynamic_cast<ui::TChercherDlg &>(d);
        EXPECT_EQ(dlg.fieldIndex(), 1);
        EXPECT_EQ(dlg.text(), QStringLiteral("o"));
        dlg.searchButton()->click();
    });
    window->button(Action::Chercher)->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Continuer la recherche ?")});
    EXPECT_EQ(personnes->asString(QStringLiteral("Prenom")), QStringLiteral("Hugo"));

    // Upper case finds lower case; nothing found goes back where it started.
    messages.clear();
    personnes->last();
    modals.push([](QDialog &d) {
        auto &dlg = dynamic_cast<ui::TChercherDlg &>(d);
        dlg.setFieldIndex(0);
        dlg.setText(QStringLiteral("XYZ"));
        dlg.searchButton()->click();
    });
    window->button(Action::Chercher)->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("\"XYZ\" non trouvé")});
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Information);
    EXPECT_EQ(personnes->asString(QStringLiteral("Nom")), QStringLiteral("Martin"));
}

TEST_F(ListWindowTest, SortIsUndoneWhenTheWindowCloses)
{
    window->grid(0)->sortOnColumn(2);
    EXPECT_EQ(personnes->orderField(), QStringLiteral("Age"));
    window->quitButton()->click();
    EXPECT_TRUE(personnes->orderField().isEmpty());
}

TEST_F(ListWindowTest, TabsShareTheToolBar)
{
    auto liste = db.open(QStringLiteral("Liste"));
    const int second = window->addTab(QStringLiteral("Liste"), liste.get(), {{QStringLiteral("Nom"), {}, 0}},
                                      QStringLiteral("nom"), QStringLiteral("noms"));
    EXPECT_EQ(window->navigator()->table(), personnes.get());
    window->setCurrentTab(second);
    EXPECT_EQ(window->navigator()->table(), liste.get());
    EXPECT_EQ(window->countLabel(second)->text(), QStringLiteral("0 nom"));
    EXPECT_FALSE(enabled(Action::Modifier));
    liste->append();
    EXPECT_FALSE(window->quitButton()->isEnabled()) << "the list shown is being edited";
    liste->setValue(0, QStringLiteral("Un"));
    liste->post();
    EXPECT_EQ(window->countLabel(second)->text(), QStringLiteral("1 nom"));
    EXPECT_TRUE(enabled(Action::Modifier));
    window->setCurrentTab(0);
    EXPECT_EQ(count(), QStringLiteral("3 personnes"));
}

TEST_F(ListWindowTest, NoCalculatorNoButtonAndTheStatusLineClearsItself)
{
    ui::setCalculatorProgramForTests(QString());
    PersonList without(personnes.get());
    ui::setCalculatorProgramForTests(QStringLiteral("/usr/bin/true"));
    PersonList with(personnes.get());
    ui::setCalculatorProgramForTests(QString());
    EXPECT_TRUE(without.button(Action::Calculatrice)->isHidden());
    EXPECT_FALSE(with.button(Action::Calculatrice)->isHidden());

    window->setStatusDuration(20);
    window->showStatus(QStringLiteral("Suppression de la recette effectuée"));
    EXPECT_EQ(window->statusLine()->currentMessage(), QStringLiteral("Suppression de la recette effectuée"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->statusLine()->currentMessage().isEmpty(); }, 5000));
}

} // namespace
