#include "tests/exchange/PostalFixture.h"

#include "exchange/ChoisirVille.h"
#include "exchange/PostalCodeEdit.h"
#include "exchange/RecupCodes.h"
#include "exchange/TCodePostalForm.h"
#include "exchange/TEdCodeForm.h"
#include "exchange/TRecupCodeForm.h"
#include "ui/ChoiceComboBox.h"
#include "ui/Fields.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace corvane;
using namespace corvane::exchange;
using corvane::test::PostalTest;

namespace {

class FinderTest : public PostalTest {
protected:
    void SetUp() override
    {
        PostalTest::SetUp();
        addTown(QStringLiteral("20000"), QStringLiteral("Ajaccio"), QStringLiteral("Corse"));
        addTown(QStringLiteral("20200"), QStringLiteral("Bastia"), QStringLiteral("Corse"));
        addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
        addTown(QStringLiteral("29200"), QStringLiteral("Brest"), QStringLiteral("Finistère"));
    }
};

template <typename W> W &as(QDialog &d)
{
    auto *w = dynamic_cast<W *>(&d);
    if (!w)
        throw std::runtime_error("unexpected window");
    return *w;
}

} // namespace

TEST_F(FinderTest, FilterOnCorseShowsOnlyCorseAndLastsForTheRun)
{
    codes->open();
    {
        TCodePostalForm finder(fresh.md());
        finder.positionne(QString());
        ASSERT_EQ(finder.filtre()->count(), 101);
        EXPECT_EQ(finder.filtre()->itemText(0), QStringLiteral("<Aucun>"));
        finder.filtre()->setCurrentIndex(20);
        emit finder.filtre()->activated(20); // "Corse", as the user picks it
        EXPECT_EQ(villes(), (QStringList{QStringLiteral("Ajaccio"), QStringLiteral("Bastia")}));
        EXPECT_EQ(finder.windowTitle(), QStringLiteral("Listes des codes postaux pour le département Corse"));
        EXPECT_EQ(finder.countLabel(0)->text(), QStringLiteral("2 villes"));
        finder.done(QDialog::Accepted);
        EXPECT_EQ(codes->recordCount(), 4); // the shared table goes back whole
    }
    TCodePostalForm again(fresh.md());
    again.positionne(QString());
    EXPECT_EQ(again.filtre()->currentText(), QStringLiteral("Corse"));
    EXPECT_EQ(codes->recordCount(), 2);
    again.filtrer(AucunDepartement);
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Listes des codes postaux"));
    EXPECT_EQ(codes->recordCount(), 4);
}

TEST_F(FinderTest, OuvreOnAMissingTownLeavesThePosition)
{
    codes->open();
    TCodePostalForm finder(fresh.md());
    ui::ScriptedModals modals;
    modals.push([](QDialog &) {});
    modals.push([](QDialog &) {});
    finder.Ouvre(QStringLiteral("Rennes"));
    EXPECT_EQ(finder.villeChoisie(), QStringLiteral("Rennes"));
    finder.Ouvre(QStringLiteral("Quimper"));
    EXPECT_EQ(finder.villeChoisie(), QStringLiteral("Rennes"));
    EXPECT_EQ(modals.shown(), (QStringList{finder.windowTitle(), finder.windowTitle()}));
}

TEST_F(FinderTest, PickerDoubleClickClosesAndReturnsTheTown)
{
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        auto &finder = as<TCodePostalForm>(d);
        EXPECT_EQ(finder.villeChoisie(), QStringLiteral("Rennes"));
        finder.grid(0)->table()->locate(QStringLiteral("Ville"), {QStringLiteral("Brest")});
        emit finder.grid(0)->rowActivated();
        EXPECT_FALSE(d.isVisible()); // closed, no town window
    });
    const auto town = choisirVille(fresh.md(), nullptr, QStringLiteral("Rennes"));
    ASSERT_TRUE(town.has_value());
    EXPECT_EQ(*town, (Town{QStringLiteral("29200"), QStringLiteral("Brest"), QStringLiteral("Finistère"),
                           QStringLiteral("France")}));
    EXPECT_EQ(modals.shown().size(), 1);
    EXPECT_FALSE(codes->isActive());

    // Picked in a filtered list: the town picked, not the first of the whole list.
    modals.push([](QDialog &d) {
        auto &finder = as<TCodePostalForm>(d);
        finder.filtrer(QStringLiteral("Corse"));
        finder.grid(0)->table()->locate(QStringLiteral("Ville"), {QStringLiteral("Bastia")});
        emit finder.grid(0)->rowActivated();
    });
    const auto corse = choisirVille(fresh.md(), nullptr, QStringLiteral("Rennes"));
    ASSERT_TRUE(corse.has_value());
    EXPECT_EQ(corse->ville, QStringLiteral("Bastia"));

    // Left without moving, though the filter hides Rennes: nothing to copy.
    modals.push([](QDialog &d) {
        EXPECT_EQ(as<TCodePostalForm>(d).villeChoisie(), QStringLiteral("Ajaccio"));
        buttonByText(d, QStringLiteral("&Quitter"))->click();
    });
    EXPECT_FALSE(choisirVille(fresh.md(), nullptr, QStringLiteral("Rennes")).has_value());

    // Moved to another town and left with "&Quitter": that town.
    modals.push([](QDialog &d) {
        auto &finder = as<TCodePostalForm>(d);
        finder.filtrer(AucunDepartement);
        finder.grid(0)->table()->locate(QStringLiteral("Ville"), {QStringLiteral("Brest")});
        buttonByText(d, QStringLiteral("&Quitter"))->click();
    });
    const auto left = choisirVille(fresh.md(), nullptr, QStringLiteral("Rennes"));
    ASSERT_TRUE(left.has_value());
    EXPECT_EQ(left->ville, QStringLiteral("Brest"));

    // Left on its own town: nothing to copy.
    modals.push([](QDialog &d) { buttonByText(d, QStringLiteral("&Quitter"))->click(); });
    EXPECT_FALSE(choisirVille(fresh.md(), nullptr, QStringLiteral("Rennes")).has_value());
}

TEST_F(FinderTest, ButtonFillsTheAddressFields)
{
    codes->open();
    codes->locate(QStringLiteral("Ville"), {QStringLiteral("Rennes")});
    data::Table *club = fresh.md().table(QStringLiteral("Adresses"));
    club->open();
    club->append();
    club->setValue(QStringLiteral("Destinataire"), QStringLiteral("Dupont"));
    club->setValue(QStringLiteral("Ville"), QStringLiteral("Rennes"));
    club->post();
    ChoixVilleButton button(fresh.md(), club, QStringLiteral("Code postal"), QStringLiteral("Ville"));
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        auto &finder = as<TCodePostalForm>(d);
        finder.grid(0)->table()->locate(QStringLiteral("Ville"), {QStringLiteral("Bastia")});
        emit finder.grid(0)->rowActivated();
    });
    ASSERT_TRUE(button.choisir());
    EXPECT_EQ(club->state(), data::Table::State::Edit);
    EXPECT_EQ(club->asString(QStringLiteral("Code postal")), QStringLiteral("20200"));
    EXPECT_EQ(club->asString(QStringLiteral("Ville")), QStringLiteral("Bastia"));
    club->cancel();
    club->close();
}

TEST_F(FinderTest, NouveauCodePostalStartsANewRecord)
{
    codes->open();
    TCodePostalForm finder(fresh.md());
    finder.positionne(QStringLiteral("Brest"));
    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        auto &w = as<TEdCodeForm>(d);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Saisie des villes et codes postaux"));
        EXPECT_EQ(codes->state(), data::Table::State::Insert);
        QTest::keyClicks(w.codeEdit(), QStringLiteral("56100"));
        EXPECT_EQ(w.codeEdit()->text(), QStringLiteral("56 100"));
        QTest::keyClicks(w.villeEdit(), QStringLiteral("Lori;ent"));
        w.departementBox()->setCurrentIndex(0);
        EXPECT_TRUE(w.post());
        buttonByText(d, QStringLiteral("&Quitter"))->click();
    });
    buttonByText(finder, QStringLiteral("Nouveau code postal"))->click();
    ASSERT_TRUE(codes->locate(QStringLiteral("Ville"), {QStringLiteral("Lorient")}));
    EXPECT_EQ(codes->asString(QStringLiteral("Code postal")), QStringLiteral("56100"));
    EXPECT_EQ(codes->recordCount(), 5);
}

TEST_F(PostalTest, TownWindowEditsTheTownNamed)
{
    addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
    TEdCodeForm w(fresh.md());
    ASSERT_EQ(w.departementBox()->count(), 101);
    EXPECT_EQ(w.departementBox()->itemText(0), QString());
    EXPECT_EQ(w.departementBox()->itemText(1), QStringLiteral("Ain"));
    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        auto &w = as<TEdCodeForm>(d);
        EXPECT_EQ(codes->state(), data::Table::State::Browse);
        EXPECT_EQ(w.codeEdit()->text(), QStringLiteral("35 000"));
        EXPECT_EQ(w.departementBox()->currentText(), QStringLiteral("Ile et Vilaine"));
        w.codeEdit()->selectAll();
        QTest::keyClicks(w.codeEdit(), QStringLiteral("35a20;0"));
        EXPECT_EQ(codes->state(), data::Table::State::Edit);
        EXPECT_FALSE(buttonByText(d, QStringLiteral("&Quitter"))->isEnabled());
        EXPECT_TRUE(w.post());
        EXPECT_TRUE(buttonByText(d, QStringLiteral("&Quitter"))->isEnabled());
    });
    w.Affiche(QStringLiteral("Rennes"));
    codes->open();
    ASSERT_EQ(codes->recordCount(), 1);
    EXPECT_EQ(codes->asString(QStringLiteral("Code postal")), QStringLiteral("35200"));
}

TEST_F(PostalTest, DuplicateInTheTownWindowWarnsAndStaysEditing)
{
    addTown(QStringLiteral("35000"), QStringLiteral("Rennes"), QStringLiteral("Ile et Vilaine"));
    TEdCodeForm w(fresh.md());
    ui::ScriptedMessages messages;
    ui::ScriptedModals modals;
    modals.push([this, &messages](QDialog &d) {
        auto &w = as<TEdCodeForm>(d);
        QTest::keyClicks(w.codeEdit(), QStringLiteral("35000"));
        QTest::keyClicks(w.villeEdit(), QStringLiteral("Rennes"));
        w.navigator()->click(ui::NavButton::Post);
        EXPECT_EQ(codes->state(), data::Table::State::Insert);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text,
                  ui::withLineBreaks(data::ModuleData::postErrorMessage(QStringLiteral("Codepostaux"))));
        w.navigator()->click(ui::NavButton::Cancel);
    });
    w.Affiche(QStringLiteral("Quimper"));
    codes->open();
    EXPECT_EQ(codes->recordCount(), 1);
}

TEST_F(PostalTest, CopyingWindowAddsTheTickedTowns)
{
    addTown(QStringLiteral("20000"), QStringLiteral("Ajaccio"), QStringLiteral("Corse"));
    RecupCodes::memoriseDepartement(QStringLiteral("Corse"));
    {
        TRecupCodeForm w(fresh.md());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Récupération de codes postaux"));
        EXPECT_EQ(w.departementBox()->currentText(), QStringLiteral("Corse"));
        EXPECT_FALSE(w.triBox()->isChecked());
        ASSERT_EQ(w.liste()->count(), 391);
        EXPECT_FALSE(w.ajouterButton()->isVisibleTo(&w));

        // Tick Ajaccio (already in the club's list) and one other town.
        QList<int> ticked;
        for (int i = 0; i < w.liste()->count(); ++i) {
            if (w.liste()->item(i)->text() == QStringLiteral("20000 Ajaccio"))
                ticked << i;
        }
        ticked << (ticked.value(0) == 6 ? 7 : 6);
        ASSERT_EQ(ticked.size(), 2);
        w.liste()->item(ticked[0])->setCheckState(Qt::Checked);
        EXPECT_TRUE(w.ajouterButton()->isVisibleTo(&w));
        w.liste()->item(ticked[1])->setCheckState(Qt::Checked);
        w.ajouterButton()->click();
        EXPECT_EQ(w.statusLine()->currentMessage(),
                  QStringLiteral("2 codes postaux ont été ajouté dans le logiciel"));

        w.toutDeselectionner()->click();
        EXPECT_FALSE(w.ajouterButton()->isVisibleTo(&w));
        w.liste()->item(10)->setCheckState(Qt::Checked);
        w.ajouterButton()->click();
        EXPECT_EQ(w.statusLine()->currentMessage(),
                  QStringLiteral("1 code postal a été ajouté dans le logiciel"));

        w.toutSelectionner()->click();
        EXPECT_TRUE(w.ajouterButton()->isVisibleTo(&w));
        for (int i = 0; i < w.liste()->count(); ++i)
            ASSERT_EQ(w.liste()->item(i)->checkState(), Qt::Checked);

        w.triBox()->click();
        EXPECT_EQ(QSettings().value(QStringLiteral("RecupCodeTri")).toString(), QStringLiteral("OUI"));
        EXPECT_EQ(w.liste()->item(0)->checkState(), Qt::Unchecked); // filled again
        EXPECT_FALSE(w.ajouterButton()->isVisibleTo(&w));

        ui::ScriptedModals modals;
        modals.push([](QDialog &d) {
            auto &w = as<TRecupCodeForm>(d);
            w.choisirDepartement(QStringLiteral("Ain"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        w.Affiche();
    }
    EXPECT_EQ(QSettings().value(QStringLiteral("RecupCode")).toString(), QStringLiteral("Ain"));
    EXPECT_FALSE(fresh.session().tableExists(RecupCodes::TempoName));
    codes->open();
    EXPECT_EQ(codes->recordCount(), 3); // the two new towns and AJACCIO rewritten
    EXPECT_TRUE(codes->locate(QStringLiteral("Ville"), {QStringLiteral("AJACCIO")}));
}

TEST_F(PostalTest, DepartementWithoutTownsGivesAnEmptyList)
{
    fresh.session().exec(QStringLiteral("DELETE FROM \"CodPostTotale\" WHERE \"Departement\" = 'Paris'"));
    fresh.session().bumpVersion(QStringLiteral("CodPostTotale"));
    TRecupCodeForm w(fresh.md());
    w.choisirDepartement(QStringLiteral("Paris"));
    EXPECT_EQ(w.liste()->count(), 0);
    w.toutSelectionner()->click();
    EXPECT_FALSE(w.ajouterButton()->isVisibleTo(&w));
    w.choisirDepartement(AucunDepartement);
    EXPECT_EQ(w.liste()->count(), 0);
}

TEST_F(PostalTest, ANewUserCopiesFindsEditsAndFindsAgainAfterRestart)
{
    RecupCodes::memoriseDepartement(QStringLiteral("Finistère"));
    {
        TRecupCodeForm copy(fresh.md());
        for (int i = 0; i < copy.liste()->count(); ++i) {
            if (copy.liste()->item(i)->text() == QStringLiteral("29200 Brest"))
                copy.liste()->item(i)->setCheckState(Qt::Checked);
        }
        copy.ajouterButton()->click();
    }
    codes->open();
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        auto &finder = as<TCodePostalForm>(d);
        EXPECT_EQ(finder.villeChoisie(), QStringLiteral("Brest"));
        buttonByText(d, QStringLiteral("Editer"))->click();
    });
    modals.push([](QDialog &d) {
        auto &w = as<TEdCodeForm>(d);
        w.villeEdit()->selectAll();
        QTest::keyClicks(w.villeEdit(), QStringLiteral("Brest Centre"));
        EXPECT_TRUE(w.post());
    });
    TCodePostalForm(fresh.md()).Ouvre(QStringLiteral("Brest"));
    codes->close();

    fresh.reopen();
    codes = fresh.md().table(QStringLiteral("Codepostaux"));
    codes->open();
    TCodePostalForm finder(fresh.md());
    EXPECT_TRUE(finder.positionne(QStringLiteral("Brest Centre")));
    EXPECT_EQ(codes->asString(QStringLiteral("Code postal")), QStringLiteral("29200"));
}
