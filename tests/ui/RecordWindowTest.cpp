#include "tests/ui/KitFixture.h"

#include "data/tables/TableDefs.h"
#include "ui/Fields.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Posting.h"
#include "ui/RecordWindow.h"

#include <QTest>

using namespace corvane;
using corvane::test::KitTest;
using data::Table;
using ui::NavButton;

namespace {

class PersonRecord : public ui::RecordWindow {
public:
    explicit PersonRecord(Table *t)
        : RecordWindow(t)
    {
        setWindowTitle(QStringLiteral("Fiche de personne"));
        addRow(QStringLiteral("Nom"), nom = new ui::FieldLineEdit(t, QStringLiteral("Nom")));
        addRow(QStringLiteral("Prénom"), new ui::FieldLineEdit(t, QStringLiteral("Prenom")));
    }
    ui::FieldLineEdit *nom;
    QList<Table::State> states;

protected:
    void prepare() override
    {
        placeHook(Table::Event::NewRecord,
                  [](Table &t) { t.setValue(QStringLiteral("Ville"), QStringLiteral("Brest")); });
    }
    void tableStateChanged(Table::State s) override { states << s; }
};

using RecordWindowTest = KitTest;

TEST_F(RecordWindowTest, QuitAndNewAreEnabledOnlyWhileBrowsing)
{
    PersonRecord w(personnes.get());
    w.show();
    EXPECT_TRUE(w.quitButton()->isEnabled());
    EXPECT_TRUE(w.newButton()->isEnabled());
    EXPECT_FALSE(w.navigator()->button(NavButton::First)->isVisible());
    EXPECT_TRUE(w.navigator()->button(NavButton::Edit)->isVisible());
    w.nom->setFocus();
    QTest::keyClicks(w.nom, QStringLiteral("x"));
    EXPECT_FALSE(w.quitButton()->isEnabled());
    EXPECT_FALSE(w.newButton()->isEnabled());
    EXPECT_TRUE(w.navigator()->button(NavButton::Post)->isEnabled());
    w.navigator()->click(NavButton::Cancel);
    EXPECT_TRUE(w.quitButton()->isEnabled());
    w.newButton()->click();
    EXPECT_EQ(personnes->state(), Table::State::Insert);
    EXPECT_FALSE(w.quitButton()->isEnabled());
    EXPECT_EQ(w.states,
              (QList<Table::State>{Table::State::Edit, Table::State::Browse, Table::State::Insert}));
}

TEST_F(RecordWindowTest, HooksLiveWhileTheWindowIsOpen)
{
    PersonRecord w(personnes.get());
    ui::ScriptedModals modals;
    ui::ScriptedMessages messages;
    QString villeOfNew;
    modals.push([&](QDialog &) {
        villeOfNew = personnes->asString(QStringLiteral("Ville"));
        EXPECT_EQ(personnes->state(), Table::State::Insert);
        // Closing with a new record pending warns and stays open.
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_TRUE(w.isVisible());
        w.navigator()->click(NavButton::Cancel);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(w.showOnNew(), QDialog::Accepted);
    EXPECT_EQ(villeOfNew, QStringLiteral("Brest"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
                                    "Une modification de cette fiche est en cours\nValider ou Annuler cette "
                                    "modification pour quitter.")});
    // Gone with the window: a new record takes the table's own default again.
    personnes->append();
    EXPECT_EQ(personnes->asString(QStringLiteral("Ville")), QStringLiteral("Rennes"));
}

TEST_F(RecordWindowTest, DuplicateKeyShowsTheTablesWarningAndKeepsEditing)
{
    db.session().createTable(*data::findTableDef(QStringLiteral("MatTailles")));
    auto tailles = db.open(QStringLiteral("MatTailles"));
    ASSERT_EQ(tailles->componentName(), QStringLiteral("MatTailles"));
    tailles->append();
    tailles->setValue(0, QStringLiteral("XL"));
    tailles->post();

    ui::RecordWindow w(tailles.get());
    auto &nom = *new ui::FieldLineEdit(tailles.get(), QStringLiteral("Nom"));
    w.addRow(QStringLiteral("Taille"), &nom);
    w.show();
    ui::ScriptedMessages messages;
    w.newButton()->click();
    nom.setFocus();
    QTest::keyClicks(&nom, QStringLiteral("XL"));
    w.navigator()->click(NavButton::Post);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Warning);
    EXPECT_EQ(messages.shown()[0].buttons, ui::Buttons(ui::Button::Ok));
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("Impossible de valider ce nouvel\nenregistrement, car il existe déjà  !"));
    EXPECT_EQ(tailles->state(), Table::State::Insert);
    EXPECT_EQ(nom.text(), QStringLiteral("XL"));
    EXPECT_FALSE(w.quitButton()->isEnabled());

    // Another name goes through.
    QTest::keyClicks(&nom, QStringLiteral("L"));
    EXPECT_TRUE(w.post());
    EXPECT_EQ(tailles->recordCount(), 2);
}

TEST_F(RecordWindowTest, RequiredFieldAndUnknownTablesGetFrenchMessages)
{
    ui::ScriptedMessages messages;
    personnes->append();
    personnes->setValue(QStringLiteral("Prenom"), QStringLiteral("Anne"));
    EXPECT_FALSE(ui::postRecord(*personnes));
    EXPECT_EQ(personnes->state(), Table::State::Insert);
    personnes->setValue(QStringLiteral("Nom"), QStringLiteral("Martin"));
    personnes->setValue(QStringLiteral("Prenom"), QStringLiteral("Léa"));
    EXPECT_FALSE(ui::postRecord(*personnes)); // a duplicate, on a table without a warning of its own
    EXPECT_EQ(
        messages.texts(),
        (QStringList{QStringLiteral("Le champ « Nom » doit être renseigné."),
                     QStringLiteral("Impossible de valider cet enregistrement,\ncar il existe déjà.")}));
    // A rule of the window that stops the post says nothing more.
    data::HookGuard refuse(*personnes, Table::Event::BeforePost, [](Table &) { throw data::Aborted(); });
    personnes->setValue(QStringLiteral("Prenom"), QStringLiteral("Lou"));
    EXPECT_FALSE(ui::postRecord(*personnes));
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(personnes->isEditing());
}

TEST_F(RecordWindowTest, NavigatorFollowsStateAndCanBeRepointed)
{
    ui::Navigator nav(personnes.get(), ui::MoveButtons | ui::EditButtons | NavButton::Delete);
    auto on = [&](NavButton b) { return nav.button(b)->isEnabled(); };
    EXPECT_FALSE(on(NavButton::First));
    EXPECT_FALSE(on(NavButton::Prior));
    EXPECT_TRUE(on(NavButton::Next));
    EXPECT_TRUE(on(NavButton::Edit));
    EXPECT_FALSE(on(NavButton::Post));
    nav.click(NavButton::Last);
    EXPECT_EQ(personnes->recNo(), 3);
    EXPECT_FALSE(on(NavButton::Next));
    EXPECT_TRUE(on(NavButton::First));
    nav.click(NavButton::Edit);
    EXPECT_TRUE(on(NavButton::Post));
    EXPECT_FALSE(on(NavButton::First));
    nav.click(NavButton::Cancel);

    ui::ScriptedMessages messages;
    messages.answer(ui::Button::No);
    nav.click(NavButton::Delete);
    EXPECT_EQ(personnes->recordCount(), 3);
    messages.answer(ui::Button::Yes);
    nav.click(NavButton::Delete);
    EXPECT_EQ(personnes->recordCount(), 2);

    auto liste = db.open(QStringLiteral("Liste")); // empty
    nav.setTable(liste.get());
    EXPECT_FALSE(on(NavButton::Edit));
    EXPECT_FALSE(on(NavButton::Next));
    nav.setTable(nullptr);
    EXPECT_FALSE(on(NavButton::Delete));
}

} // namespace
