#include "core/users/ProfileEditor.h"
#include "core/report/TFichePreview.h"
#include "core/users/PasswordChange.h"
#include "core/users/Profiles.h"
#include "core/users/RightsGrid.h"
#include "core/users/TChgMotdepasse.h"
#include "core/users/TListeProfils.h"
#include "core/users/TQconnexions.h"
#include "core/users/TVisuconnexion.h"
#include "core/users/TVoirProfil.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "tests/support/FreshData.h"
#include "ui/DataGrid.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane;
using core::RightsColumn;
using core::RightsRow;

namespace {

const QString X = "X";

// ---- The three-state rule of a click -------------------------------------

struct ClickCase {
    RightsRow before;
    RightsColumn column;
    RightsRow after;
};

void PrintTo(const ClickCase &c, std::ostream *os)
{
    *os << c.before.options.toStdString() << " [" << c.before.aucun.toStdString() << '|'
        << c.before.visualisation.toStdString() << '|' << c.before.tous.toStdString() << "] column "
        << int(c.column);
}

class ClickRules : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickRules, turnTheMarksOfAFunctionRow)
{
    const ClickCase c = GetParam();
    const RightsRow r = core::clickedRow(c.before, c.column);
    EXPECT_EQ(r.options, c.before.options);
    EXPECT_EQ(r.aucun, c.after.aucun);
    EXPECT_EQ(r.visualisation, c.after.visualisation);
    EXPECT_EQ(r.tous, c.after.tous);
}

// {name, aucun, visualisation, tous}
INSTANTIATE_TEST_SUITE_P(
    Cases, ClickRules,
    ::testing::Values(
        // "Aucun droit": set clears "Tous" and the view mark; a second click gives every right.
        ClickCase{{"Joueurs", "", "", "X"}, RightsColumn::Aucun, {"", "X", "", ""}},
        ClickCase{{"Joueurs", "", "X", ""}, RightsColumn::Aucun, {"", "X", "", ""}},
        ClickCase{{"Joueurs", "X", "", ""}, RightsColumn::Aucun, {"", "", "", "X"}},
        ClickCase{{"Bilan", "", "-", "X"}, RightsColumn::Aucun, {"", "X", "-", ""}},
        ClickCase{{"Bilan", "X", "-", ""}, RightsColumn::Aucun, {"", "", "-", "X"}},
        // "Visualisation": set alone; a second click gives no right; "-" never changes.
        ClickCase{{"Joueurs", "", "", "X"}, RightsColumn::Visualisation, {"", "", "X", ""}},
        ClickCase{{"Joueurs", "X", "", ""}, RightsColumn::Visualisation, {"", "", "X", ""}},
        ClickCase{{"Joueurs", "", "X", ""}, RightsColumn::Visualisation, {"", "X", "", ""}},
        ClickCase{{"Bilan", "", "-", "X"}, RightsColumn::Visualisation, {"", "", "-", "X"}},
        ClickCase{{"Bilan", "X", "-", ""}, RightsColumn::Visualisation, {"", "X", "-", ""}},
        // "Tous les droits": set clears "Aucun" and the view mark; a second click gives no right.
        ClickCase{{"Joueurs", "X", "", ""}, RightsColumn::Tous, {"", "", "", "X"}},
        ClickCase{{"Joueurs", "", "X", ""}, RightsColumn::Tous, {"", "", "", "X"}},
        ClickCase{{"Joueurs", "", "", "X"}, RightsColumn::Tous, {"", "X", "", ""}},
        ClickCase{{"Bilan", "", "-", "X"}, RightsColumn::Tous, {"", "X", "-", ""}},
        // Heading rows and the name column ignore clicks.
        ClickCase{{"Menu Saisies", "", "", ""}, RightsColumn::Aucun, {"", "", "", ""}},
        ClickCase{{"Menu Saisies", "", "", ""}, RightsColumn::Visualisation, {"", "", "", ""}},
        ClickCase{{"Menu Saisies", "", "", ""}, RightsColumn::Tous, {"", "", "", ""}},
        ClickCase{{"Joueurs", "", "", "X"}, RightsColumn::Options, {"", "", "", "X"}}));

// ---- Profile files through the editor -------------------------------------

std::vector<RightsRow> tresorierRows()
{
    auto rows = core::administratorProfileRows();
    rows[6] = core::clickedRow(rows[6], RightsColumn::Visualisation); // players view only
    rows[2] = core::clickedRow(rows[2], RightsColumn::Aucun);         // no season closing
    return rows;
}

void expectSameRights(const std::vector<RightsRow> &a, const std::vector<RightsRow> &b, size_t from = 0)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = from; i < a.size(); ++i) {
        EXPECT_EQ(a[i].options, b[i].options) << i;
        EXPECT_EQ(a[i].aucun, b[i].aucun) << i;
        EXPECT_EQ(a[i].visualisation, b[i].visualisation) << i;
        EXPECT_EQ(a[i].tous, b[i].tous) << i;
    }
}

class Users : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = QDir(profils.path()).filePath("Profils");
        QDir().mkpath(folder);
        core::ProfileFiles::write(path("Administrateur.pfl"), core::administratorProfileRows());
        core::writeRightsTable(*md().table("Profil"), core::administratorProfileRows());
        core::writeRightsTable(*md().table("Droits"), core::administratorProfileRows());
    }
    data::ModuleData &md() { return fresh.md(); }
    QString path(const QString &name) const { return QDir(folder).filePath(name); }

    test::FreshData fresh;
    QTemporaryDir profils;
    QString folder;
};

TEST_F(Users, aGeneratedProfileLoadsBackRowForRowWithItsPasswordHashed)
{
    ui::ScriptedMessages messages;
    ui::ScriptedDialogs dialogs;
    {
        core::ProfileEditor editor(md(), folder);
        editor.loadFromProfil();
        ASSERT_EQ(editor.rows().size(), 43u);                 // the password row stays out of the grid
        editor.click(5, RightsColumn::Visualisation);         // "Joueurs"
        editor.click(1, RightsColumn::Aucun);                 // "Clôturer la saison en cours"
        editor.click(0, RightsColumn::Aucun);                 // a heading: nothing
        dialogs.answer(path(QString::fromUtf8("Trésorier"))); // the extension is added
        EXPECT_EQ(editor.generate("volant", nullptr), QString::fromUtf8("Trésorier.pfl"));
        ASSERT_EQ(dialogs.asked().size(), 1u);
        EXPECT_EQ(dialogs.asked()[0].caption, "Enregistrement du profil");
        EXPECT_EQ(dialogs.asked()[0].directory, folder);
        EXPECT_EQ(dialogs.asked()[0].filter, "Fichiers de profil (*.pfl)");
    }
    EXPECT_FALSE(fresh.session().tableExists("Tempo"));
    const auto written = core::ProfileFiles::read(path(QString::fromUtf8("Trésorier.pfl")));
    expectSameRights(written, tresorierRows(), 1);
    EXPECT_FALSE(written[0].options.contains("volant"));
    EXPECT_TRUE(core::passwordMatches(written[0].options, "volant"));

    // Loading it back, in another editor, shows the same rows and puts them in `Profil`.
    core::ProfileEditor editor(md(), folder);
    editor.loadFromProfil();
    dialogs.answer(path(QString::fromUtf8("Trésorier.pfl")));
    EXPECT_EQ(editor.load(nullptr), QString::fromUtf8("Trésorier.pfl"));
    EXPECT_EQ(dialogs.asked().back().caption, "Chargement d'un profil");
    auto shown = editor.rows();
    shown.insert(shown.begin(), written[0]);
    expectSameRights(shown, written);
    expectSameRights(core::readRightsTable(*md().table("Profil")), written);
    EXPECT_TRUE(editor.hasStoredPassword());

    // Generated again without typing a password: the loaded one is kept.
    dialogs.answer(path("Copie.pfl"));
    EXPECT_EQ(editor.generate(QString(), nullptr), "Copie.pfl");
    EXPECT_EQ(core::ProfileFiles::read(path("Copie.pfl"))[0].options, written[0].options);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
}

TEST_F(Users, replacingAProfileAsksFirstAndFailuresAreToldNotIgnored)
{
    ui::ScriptedMessages messages;
    ui::ScriptedDialogs dialogs;
    core::ProfileEditor editor(md(), folder);
    editor.loadFromProfil();
    editor.click(5, RightsColumn::Aucun);

    // "Non": the existing profile is left as it was.
    messages.answer(ui::Button::No);
    dialogs.answer(path("Administrateur.pfl"));
    EXPECT_TRUE(editor.generate("x", nullptr).isEmpty());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0], QString::fromUtf8("Ce profil existe déjà, voulez-vous le remplacer"));
    expectSameRights(core::ProfileFiles::read(path("Administrateur.pfl")), core::administratorProfileRows());

    // A folder that cannot be written: an error, and no name returned.
    messages.clear();
    dialogs.answer(QDir(profils.path()).filePath("Absent/Nouveau.pfl"));
    EXPECT_TRUE(editor.generate("x", nullptr).isEmpty());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Error);
    EXPECT_TRUE(messages.texts()[0].contains("Nouveau.pfl"));

    // A damaged file: an error naming it, the grid keeps its rows.
    messages.clear();
    QFile bad(path("Casse.pfl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("pas un profil");
    bad.close();
    const auto before = editor.rows();
    dialogs.answer(path("Casse.pfl"));
    EXPECT_TRUE(editor.load(nullptr).isEmpty());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains(QString::fromUtf8("« Casse.pfl »")));
    expectSameRights(editor.rows(), before);
}

TEST_F(Users, deletingAProfileAsksAndTheLastOneIsKept)
{
    ui::ScriptedMessages messages;
    ui::ScriptedDialogs dialogs;
    core::ProfileEditor editor(md(), folder);

    dialogs.answer(path("Administrateur.pfl"));
    EXPECT_TRUE(editor.remove(nullptr).isEmpty());
    EXPECT_TRUE(QFile::exists(path("Administrateur.pfl")));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Warning);

    core::ProfileFiles::write(path("Secretaire.pfl"), core::administratorProfileRows());
    messages.clear();
    messages.answer(ui::Button::No);
    dialogs.answer(path("Secretaire.pfl"));
    EXPECT_TRUE(editor.remove(nullptr).isEmpty());
    EXPECT_TRUE(QFile::exists(path("Secretaire.pfl")));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0],
              "Etes-vous sur de vouloir supprimer le\nprofil d'utilisateur Secretaire.pfl");

    messages.answer(ui::Button::Yes);
    dialogs.answer(path("Secretaire.pfl"));
    EXPECT_EQ(editor.remove(nullptr), "Secretaire.pfl");
    EXPECT_FALSE(QFile::exists(path("Secretaire.pfl")));
}

TEST_F(Users, theEditorWindowTurnsMarksOnClicksAndDropsItsScratchTableOnQuitting)
{
    ui::ScriptedMessages messages;
    ui::ScriptedModals modals;
    std::vector<RightsRow> seen;
    modals.push([&](QDialog &d) {
        auto &w = static_cast<core::TListeProfils &>(d);
        EXPECT_EQ(w.windowTitle(), "Gestion des profils utilisateurs");
        QSignalSpy clicks(w.grid(), &core::RightsGrid::cellClicked);
        w.grid()->clickCell(4, 1); // "Menu Saisies": a heading
        EXPECT_EQ(clicks.count(), 0);
        w.grid()->clickCell(5, 2); // "Joueurs", view only
        EXPECT_EQ(clicks.count(), 1);
        seen = w.editor().rows();
        w.button("Quitter")->click();
    });
    {
        core::TListeProfils w(md(), folder);
        w.Affiche();
        EXPECT_EQ(modals.shown(), QStringList{"Gestion des profils utilisateurs"});
    }
    ASSERT_EQ(seen.size(), 43u);
    EXPECT_EQ(seen[5].visualisation, X);
    EXPECT_TRUE(seen[5].tous.isEmpty());
    EXPECT_TRUE(seen[4].isHeading());
    EXPECT_FALSE(fresh.session().tableExists("Tempo"));
}

// ---- Password change --------------------------------------------------------

TEST_F(Users, thePasswordChangeChecksTheStoredHashAndRewritesFileAndTables)
{
    auto rows = tresorierRows();
    rows[0].options = core::hashPassword("ancien");
    const QString name = QString::fromUtf8("Trésorier.pfl");
    core::ProfileFiles::write(path(name), rows);
    core::writeRightsTable(*md().table("Droits"), rows);

    using R = core::PasswordChangeResult;
    EXPECT_EQ(core::changePassword(md(), folder, name, "ancien", "neuf", "neuf2"), R::Mismatch);
    EXPECT_EQ(core::changePassword(md(), folder, name, "faux", "neuf", "neuf"), R::WrongPassword);
    EXPECT_EQ(core::ProfileFiles::read(path(name))[0].options, rows[0].options);

    EXPECT_EQ(core::changePassword(md(), folder, name, "ancien", "neuf", "neuf"), R::Changed);
    const auto file = core::ProfileFiles::read(path(name));
    expectSameRights(file, rows, 1);
    EXPECT_TRUE(core::passwordMatches(file[0].options, "neuf"));
    EXPECT_FALSE(core::passwordMatches(file[0].options, "ancien"));
    EXPECT_FALSE(file[0].options.contains("neuf"));
    const auto droits = core::readRightsTable(*md().table("Droits"));
    expectSameRights(droits, file);
    expectSameRights(core::readRightsTable(*md().table("Profil")), file);
    EXPECT_EQ(core::changePassword(md(), folder, name, "ancien", "autre", "autre"), R::WrongPassword);
}

TEST_F(Users, thePasswordWindowEmptiesBothNewEntriesOnAMismatchAndDisablesOk)
{
    auto rows = core::administratorProfileRows();
    rows[0].options = core::hashPassword("ancien");
    core::ProfileFiles::write(path("Administrateur.pfl"), rows);
    ui::ScriptedMessages messages;
    core::TChgMotdepasse w(md(), folder, "Administrateur.pfl");
    EXPECT_EQ(w.ancien()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(w.ancien()->text().isEmpty());
    EXPECT_FALSE(w.ok()->isEnabled());
    w.ancien()->setText("ancien");
    w.nouveau()->setText("neuf");
    w.verification()->setText("neuve");
    emit w.verification()->textEdited("neuve");
    ASSERT_TRUE(w.ok()->isEnabled());
    w.ok()->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0],
              QString::fromUtf8("Le mot de passe et le mot de passe confirmé ne correspondent "
                                "pas.\nVeuillez recommencer la saisie de votre nouveau mot de "
                                "passe"));
    EXPECT_TRUE(w.nouveau()->text().isEmpty());
    EXPECT_TRUE(w.verification()->text().isEmpty());
    EXPECT_FALSE(w.ok()->isEnabled());

    w.nouveau()->setText("neuf");
    w.verification()->setText("neuf");
    emit w.verification()->textEdited("neuf");
    w.ok()->click();
    EXPECT_EQ(messages.texts().back(), "Le nouveau mot de passe a été pris en compte pour votre profil");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(
        core::passwordMatches(core::ProfileFiles::read(path("Administrateur.pfl"))[0].options, "neuf"));
}

// ---- Viewer and connection log ----------------------------------------------

TEST_F(Users, theViewerHidesThePasswordRowWithoutTouchingDroits)
{
    auto rows = core::administratorProfileRows();
    rows[0].options = core::hashPassword("secret");
    core::writeRightsTable(*md().table("Droits"), rows);
    {
        core::TVoirProfil w(md());
        ASSERT_EQ(w.grid()->model()->rowCount(), 43);
        EXPECT_EQ(w.grid()->model()->index(0, 0).data().toString(), "Menu Dossier");
        // Meanwhile `Droits` still holds the password row first, as a killed
        // program would leave it.
        expectSameRights(core::readRightsTable(*md().table("Droits")), rows);
    }
    fresh.reopen();
    expectSameRights(core::readRightsTable(*md().table("Droits")), rows);
}

TEST_F(Users, theConnectionLogReportListsTheTellTaleRows)
{
    {
        data::OpenedTable m(md().table("Mouchard"));
        m->emptyTable();
        const char *profiles[] = {"Administrateur.pfl", "Trésorier.pfl"};
        for (const char *p : profiles) {
            m->append();
            m->setValue("Jour", QDate(2010, 3, 14));
            m->setValue("Heure entree", QTime(9, 5));
            m->setValue("Heure sortie", QTime(9, 5));
            m->setValue("Type sortie", "Normale");
            m->setValue("Module", "Changement de profil utilisateur");
            m->setValue("Profil", QString::fromUtf8(p));
            m->post();
        }
    }
    data::OpenedTable m(md().table("Mouchard"));
    data::Parametres p;
    p.proprietaire = "Volant Club de Rennes";
    p.saison = "2009-2010";
    auto report = core::makeTQconnexions(*m, p);
    const auto doc = report->layout();
    ASSERT_EQ(doc.pages.size(), 1u);
    const QStringList texts = doc.pages[0].texts();
    EXPECT_TRUE(texts.contains("Liste des connexions"));
    EXPECT_TRUE(texts.contains("Administrateur.pfl"));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Trésorier.pfl")));
    EXPECT_EQ(texts.count("Changement de profil utilisateur"), 2);
    EXPECT_TRUE(texts.contains("14/03/2010")) << texts.join('|').toStdString();
}

TEST_F(Users, theConnectionLogPrintsThroughThePreviewAndLeavesMouchardAsItFoundIt)
{
    data::Table *mouchard = md().table("Mouchard");
    mouchard->close();
    data::Parametres &p = data::parametres();
    const bool preview = p.previsualisation;
    p.previsualisation = true;
    {
        core::TVisuconnexion w(md());
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Vos dernières connexions"));
        EXPECT_TRUE(mouchard->isActive());
        EXPECT_EQ(w.grid()->columnWidth(0), 91);
        EXPECT_EQ(w.grid()->columnWidth(4), 288);
        w.imprimer();
        auto &preview = core::report::TFichePreview::instance();
        EXPECT_EQ(preview.document().title, "Liste des connexions");
        ASSERT_FALSE(preview.document().pages.empty());
        EXPECT_TRUE(preview.document().pages[0].contains(QString::fromUtf8("Vos dernières connexions")) ||
                    preview.document().pages[0].contains("Liste des connexions"));
        preview.action(core::report::TFichePreview::Action::Close)->trigger();
    }
    p.previsualisation = preview;
    EXPECT_FALSE(mouchard->isActive());
}

} // namespace
