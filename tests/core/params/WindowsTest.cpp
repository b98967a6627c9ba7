#include "core/params/ParamWidgets.h"
#include "core/params/TAcceuilForm.h"
#include "core/params/TParamForm.h"
#include "core/params/TownFinder.h"
#include "data/AppFolders.h"
#include "data/StoreError.h"
#include "tests/core/params/ParamFixture.h"
#include "ui/Dialogs.h"
#include "ui/Fields.h"
#include "ui/ListEditor.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace corvane;
using core::TAcceuilForm;
using core::TParamForm;
using test::ParamTest;

namespace {

template <typename W> W *as(QWidget *w)
{
    auto *t = qobject_cast<W *>(w);
    if (!t)
        throw std::runtime_error("unexpected control");
    return t;
}

void type(QWidget *w, const QString &text)
{
    auto *e = as<QLineEdit>(w);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (!ascii) { // the key helper types ASCII only
        e->setText(text);
        emit e->textEdited(text);
        return;
    }
    e->selectAll();
    QTest::keyClicks(e, text);
}

class ParamWindow : public ParamTest {
protected:
    // Opens the window and plays `step` in it.
    void run(std::function<void(TParamForm &)> step)
    {
        ui::ScriptedModals modals;
        modals.push([&](QDialog &d) { step(dynamic_cast<TParamForm &>(d)); });
        TParamForm w(fresh.md());
        w.Affiche();
        EXPECT_EQ(modals.pending(), 0);
    }
    void save(TParamForm &w) { w.navigator()->click(ui::NavButton::Post); }
};

TEST_F(ParamWindow, typedValuesAreKeptAcrossARestart)
{
    run([&](TParamForm &w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Paramètrage de Corvane"));
        EXPECT_FALSE(w.navigator()->button(ui::NavButton::Post)->isEnabled());
        type(w.control(QStringLiteral("Proprietaire")), QStringLiteral("Volants; de Rennes"));
        EXPECT_FALSE(w.quitButton()->isEnabled()) << "editing";
        EXPECT_TRUE(w.navigator()->button(ui::NavButton::Post)->isEnabled());
        type(w.control(QStringLiteral("Prix 21")), QStringLiteral("87.5"));
        type(w.control(QStringLiteral("Compte 1")), QStringLiteral("Crédit Agricole"));
        auto *nombre = as<QSpinBox>(w.control(QStringLiteral("Nombre")));
        nombre->setValue(9); // the up-down's bounds hold
        auto *bureau = as<QSpinBox>(w.control(QStringLiteral("Pourcentage bureau")));
        bureau->stepUp();
        bureau->stepUp();
        save(w);
        EXPECT_TRUE(w.quitButton()->isEnabled());
        w.quitButton()->click();
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_FALSE(param()->isActive());
    fresh.reopen();
    EXPECT_EQ(setting(QStringLiteral("Proprietaire")).toString(), QStringLiteral("Volants de Rennes"));
    EXPECT_DOUBLE_EQ(setting(QStringLiteral("Prix 21")).toDouble(), 87.5);
    EXPECT_EQ(setting(QStringLiteral("Compte 1")).toString(), QStringLiteral("Crédit Agricole"));
    EXPECT_EQ(setting(QStringLiteral("Nombre")).toInt(), 5);
    EXPECT_EQ(setting(QStringLiteral("Pourcentage bureau")).toInt(), 10);
}

TEST_F(ParamWindow, threeCashAccountsAreRefusedAndTheWindowStaysOpen)
{
    ui::ScriptedMessages messages;
    run([&](TParamForm &w) {
        w.tabs()->setCurrentIndex(0);
        as<QCheckBox>(w.control(QStringLiteral("Typecompte1")))->click();
        type(w.control(QStringLiteral("Compte 3")), QStringLiteral("Buvette"));
        as<QCheckBox>(w.control(QStringLiteral("Typecompte3")))->click();
        save(w);
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Error);
        EXPECT_TRUE(
            messages.texts()[0].startsWith(QStringLiteral("Vous ne pouvez pas désigner plus de 2 comptes")));
        EXPECT_EQ(w.tabs()->currentIndex(), w.comptesTab());
        EXPECT_TRUE(param()->isEditing()) << "nothing typed is lost";

        // Escape while editing warns and keeps the window.
        messages.clear();
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_EQ(messages.texts(), QStringList{ui::withLineBreaks(ui::BaseWindow::PendingEditWarning)});
        EXPECT_EQ(messages.shown()[0].buttons, ui::Buttons(ui::Button::Yes));
        EXPECT_TRUE(w.isVisible());

        as<QCheckBox>(w.control(QStringLiteral("Typecompte1")))->click();
        save(w);
        EXPECT_FALSE(param()->isEditing());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(setting(QStringLiteral("Compte 3")).toString(), QStringLiteral("Buvette"));
}

// Settings stored wrong by other means are caught on leaving.
TEST_F(ParamWindow, leavingChecksTheStoredAccounts)
{
    {
        data::OpenedTable p(param());
        p->first();
        p->edit();
        p->setValue(QStringLiteral("Compte 2"), QVariant());
        p->setValue(QStringLiteral("Typecompte2"), false);
        p->post();
    }
    ui::ScriptedMessages messages;
    run([&](TParamForm &w) {
        w.quitButton()->click();
        EXPECT_EQ(messages.texts(), QStringList{ui::withLineBreaks(core::sameNameMessage())});
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.tabs()->currentIndex(), w.comptesTab());
        type(w.control(QStringLiteral("Compte 2")), QStringLiteral("CAISSE"));
        save(w);
        w.quitButton()->click();
        EXPECT_FALSE(w.isVisible());
    });
}

TEST_F(ParamWindow, townFinderEraserAndLogo)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("logo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(png));
    const QString notPicture = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile f(notPicture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("pas une image");
    }

    ui::ScriptedMessages messages;
    ui::ScriptedDialogs dialogs;
    dialogs.answer(notPicture);
    dialogs.answer(png);
    run([&](TParamForm &w) {
        // No finder installed: the officer is told, nothing changes.
        core::setTownFinder({});
        w.button(QStringLiteral("VilleClub"))->click();
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
                                        "La liste des villes et des codes postaux n'est pas disponible.")});
        EXPECT_FALSE(param()->isEditing());

        QString asked;
        core::setTownFinder([&](QWidget *, const QString &ville) {
            asked = ville;
            return std::optional<core::FoundTown>({QStringLiteral("35000"), QStringLiteral("Rennes")});
        });
        w.button(QStringLiteral("VilleLigue"))->click();
        core::setTownFinder({});
        EXPECT_TRUE(asked.isEmpty());
        EXPECT_EQ(param()->asString(QStringLiteral("LigueCodePostal")), QStringLiteral("35000"));
        EXPECT_EQ(param()->asString(QStringLiteral("LigueVille")), QStringLiteral("Rennes"));
        EXPECT_TRUE(as<QLineEdit>(w.control(QStringLiteral("LigueCodePostal")))->isReadOnly());

        type(w.control(QStringLiteral("Tel")), QStringLiteral("02 99 00 11 22"));
        w.button(QStringLiteral("EffacerTel"))->click();
        EXPECT_TRUE(param()->isNull(QStringLiteral("Tel")));

        messages.clear();
        w.button(QStringLiteral("ChargerLogo"))->click();
        EXPECT_EQ(messages.texts().size(), 1) << "not a picture";
        w.button(QStringLiteral("ChargerLogo"))->click();
        EXPECT_EQ(dialogs.asked().size(), 2u);
        EXPECT_EQ(dialogs.asked()[0].caption, QStringLiteral("Charger une image"));
        EXPECT_TRUE(dialogs.asked()[0].filter.contains(QStringLiteral("*.png")));
        save(w);
        w.quitButton()->click();
    });
    data::OpenedTable p(param());
    EXPECT_FALSE(QImage::fromData(p->asBytes(QStringLiteral("Logo"))).isNull());
    EXPECT_EQ(p->asString(QStringLiteral("LigueVille")), QStringLiteral("Rennes"));
}

class Wizard : public ParamTest {
protected:
    void SetUp() override
    {
        ParamTest::SetUp();
        data::appFolders().setRoot(fresh.dir());
    }
    void TearDown() override { data::appFolders().setRoot(QString()); }

    static void next(TAcceuilForm &w, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            w.nextButton()->click();
    }
};

TEST_F(Wizard, pagesFollowEachOtherWithTheirTexts)
{
    TAcceuilForm w(fresh.md());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Assistant de paramétrage de Corvane"));
    EXPECT_EQ(w.pageTitle(), QStringLiteral("Etape 1 / 6  -  Bienvenue"));
    EXPECT_FALSE(w.previousButton()->isEnabled());
    next(w, 3);
    EXPECT_EQ(w.pageTitle(), QStringLiteral("Etape 4 / 6  -  Caractéristiques des comptes du club"));
    EXPECT_TRUE(w.comment().startsWith(QStringLiteral("Pour effectuer votre comptabilité")));
    EXPECT_TRUE(w.previousButton()->isEnabled());
    next(w, 2);
    EXPECT_EQ(w.page(), 5);
    EXPECT_EQ(w.nextButton()->text(), QStringLiteral("&Terminer"));
    w.previousButton()->click();
    EXPECT_EQ(w.nextButton()->text(), QStringLiteral("  &Suivant  >"));
}

TEST_F(Wizard, accountsPageStopsOnAMissingBalance)
{
    ui::ScriptedMessages messages;
    TAcceuilForm w(fresh.md());
    next(w, 3);
    w.setText(QStringLiteral("balance:2"), QString());
    next(w);
    EXPECT_EQ(w.page(), 3);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral(
                  "Vous devez mettre le solde de fin de saison dernière\npour le compte CAISSE")});
    w.setText(QStringLiteral("balance:2"), QStringLiteral("-12,30"));
    next(w);
    EXPECT_EQ(w.page(), 4);
}

TEST_F(Wizard, completedWizardWritesTheClubAndEndsTheFirstRun)
{
    ui::ScriptedModals modals;
    modals.push([&](QDialog &d) {
        auto &w = dynamic_cast<TAcceuilForm &>(d);
        EXPECT_TRUE(w.welcome()->toPlainText().startsWith(QStringLiteral("Bienvenue dans Corvane")));
        EXPECT_TRUE(w.welcome()->isReadOnly());
        next(w);
        w.setText(QStringLiteral("Proprietaire"), QStringLiteral("Volants de Rennes"));
        w.setText(QStringLiteral("Tel"), QStringLiteral("0299001122"));
        w.setText(QStringLiteral("Departement"), QStringLiteral("35"));
        next(w, 2);
        w.setText(QStringLiteral("balance:1"), QStringLiteral("-150"));
        next(w, 2);
        w.setText(QStringLiteral("team:1"), QStringLiteral("Rennes 1"));
        next(w);
    });
    TAcceuilForm w(fresh.md());
    EXPECT_TRUE(w.Affiche());
    fresh.reopen();
    EXPECT_FALSE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_EQ(setting(QStringLiteral("Proprietaire")).toString(), QStringLiteral("Volants de Rennes"));
    EXPECT_EQ(setting(QStringLiteral("Tel")).toString(), QStringLiteral("02-99-00-11-22"));
    EXPECT_EQ(setting(QStringLiteral("Departement")).toString(), QStringLiteral("35"));
    const auto expenses = openings(QStringLiteral("Depenses"));
    ASSERT_EQ(expenses.size(), 1u);
    EXPECT_DOUBLE_EQ(expenses[0].montant, 150.0);
    EXPECT_EQ(count(QStringLiteral("Equipes")), 1);
}

TEST_F(Wizard, cancellingAsksAndWritesNothing)
{
    // The data folder's own welcome text is the one shown.
    {
        QFile f(QDir(fresh.dir()).filePath(QStringLiteral("Acceuil.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Bonjour le club\n");
    }
    ui::ScriptedMessages messages;
    messages.answer(ui::Button::No);
    messages.answer(ui::Button::Yes);
    ui::ScriptedModals modals;
    modals.push([&](QDialog &d) {
        auto &w = dynamic_cast<TAcceuilForm &>(d);
        EXPECT_EQ(w.welcome()->toPlainText(), QStringLiteral("Bonjour le club\n"));
        next(w);
        w.setText(QStringLiteral("Proprietaire"), QStringLiteral("Volants de Rennes"));
        QTest::keyClick(&w, Qt::Key_Escape); // "Non": stays
        EXPECT_TRUE(w.isVisible());
        w.cancelButton()->click(); // "Oui"
        EXPECT_FALSE(w.isVisible());
    });
    TAcceuilForm w(fresh.md());
    EXPECT_FALSE(w.Affiche());
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("Etes-vous sûr de vouloir quitter l'assistant de "
                                                            "paramétrage ?"),
                                             QStringLiteral("Etes-vous sûr de vouloir quitter l'assistant de "
                                                            "paramétrage ?")}));
    EXPECT_TRUE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_TRUE(setting(QStringLiteral("Proprietaire")).isNull());
}

} // namespace

namespace {

// A refused write keeps the wizard open on its last page, the first run
// still to come, and says why.
TEST_F(Wizard, refusedWritingKeepsTheWizardOpen)
{
    data::Table *equipes = fresh.md().table(QStringLiteral("Equipes"));
    const int hook = equipes->addHook(data::Table::Event::BeforePost,
                                      [](data::Table &) { throw data::KeyViolation("Equipes"); });
    ui::ScriptedMessages messages;
    TAcceuilForm w(fresh.md());
    next(w, 5);
    w.setText(QStringLiteral("team:1"), QStringLiteral("Rennes 1"));
    next(w);
    equipes->removeHook(hook);
    EXPECT_EQ(w.page(), 5);
    EXPECT_EQ(messages.texts(),
              QStringList{
                  QStringLiteral("Impossible de valider ce nouvel\nenregistrement, car il existe déjà  !")});
    EXPECT_TRUE(setting(QStringLiteral("Premiere fois")).toBool());
    EXPECT_TRUE(openings(QStringLiteral("Recettes")).empty());
}

} // namespace

namespace {

// A double click on a list opens the list editor; the list then shows the
// edited entries and keeps what it showed.
TEST_F(ParamTest, wizardListsRefillAfterTheListEditor)
{
    ui::setListEditor([](data::Table &t, QWidget *) {
        data::OpenedTable list(&t);
        list->append();
        list->setValue(QStringLiteral("Nom"), QStringLiteral("Banque du Volant"));
        list->post();
        return true;
    });
    core::ReferenceChoice banques(fresh.md().table(QStringLiteral("NomBanque")), {QString()});
    EXPECT_EQ(banques.findText(QStringLiteral("Banque du Volant")), -1);
    EXPECT_EQ(banques.itemText(0), QString());
    banques.setShownText(QStringLiteral("Ancienne banque"));
    emit banques.doubleClicked();
    ui::setListEditor({});
    EXPECT_GE(banques.findText(QStringLiteral("Banque du Volant")), 1);
    EXPECT_EQ(banques.shownText(), QStringLiteral("Ancienne banque"));
    EXPECT_FALSE(fresh.md().table(QStringLiteral("NomBanque"))->isActive());
}

} // namespace
