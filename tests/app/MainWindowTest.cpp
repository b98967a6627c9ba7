#include "app/HelpWindow.h"
#include "app/Startup.h"
#include "app/TQuarvelForm.h"
#include "core/users/Login.h"
#include "core/users/Profiles.h"
#include "core/users/Rights.h"
#include "core/users/TLoginForm.h"
#include "data/AppFolders.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "tests/support/FreshData.h"
#include "tests/support/Printers.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane;
using app::Cmd;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        data::appFolders().setRoot(d.dir());
        QSettings().remove("Utilisateur");
    }
    void TearDown() override { core::currentRights() = core::Rights::all(); }

    // The login window's part: type the password and press "Valider".
    static void typePassword(ui::ScriptedModals &modals, const QString &password)
    {
        modals.push([password](QDialog &dialog) {
            auto &login = dynamic_cast<core::TLoginForm &>(dialog);
            login.password()->setText(password);
            for (QPushButton *b : login.findChildren<QPushButton *>()) {
                if (b->text() == "&Valider")
                    b->click();
            }
        });
    }

    QString lastModule()
    {
        data::OpenedTable m(d.md().table("Mouchard"));
        m->last();
        return m->asString("Module") + "|" + m->asString("Type sortie");
    }

    test::FreshData d;
};

TEST_F(MainWindow, firstStartSeedsTheDataAsksTheLoginAndShowsTheSeason)
{
    ui::ScriptedMessages messages;
    ui::ScriptedModals modals;
    typePassword(modals, QString());
    app::TQuarvelForm main(d.md());
    ASSERT_TRUE(main.InitialiseApplication());
    const int year = app::determineAnneeCourante(QDate::currentDate(), [] { return false; });
    EXPECT_EQ(main.windowTitle(), QString("Corvane  -  Saison %1-%2").arg(year - 1).arg(year));
    EXPECT_EQ(main.profile(), "Administrateur.pfl");
    // A club not yet described: the wizard follows the login; left without
    // completing it, it comes back at the next start.
    EXPECT_EQ(modals.shown(), (QStringList{"Prise en compte de votre profil", "Assistant de paramétrage de Corvane"}));
    EXPECT_TRUE(data::parametres().premiereFois);
    EXPECT_TRUE(QFile::exists(data::appFolders().profils() + "/Administrateur.pfl"));
    for (const QString &dir : data::appFolders().workingFolders())
        EXPECT_TRUE(QDir(dir).exists()) << dir.toStdString();
    EXPECT_EQ(lastModule(), "Assistant paramétrage|Normale");
    EXPECT_TRUE(main.action(Cmd::Previsualisation)->isChecked());
    EXPECT_TRUE(main.action(Cmd::Quitter)->isEnabled());
    EXPECT_FALSE(main.action(Cmd::Compta)->isEnabled()); // no window behind it yet

    main.quitPath();
    EXPECT_TRUE(main.quitting());
    EXPECT_EQ(lastModule(), "Assistant paramétrage|Normale");
}

// The measured start-up ends where the login would open, having done every
// step before it, and leaves the data as a normal end does.
TEST_F(MainWindow, measuredStartEndsBeforeTheLogin)
{
    ui::ScriptedMessages messages;
    ui::ScriptedModals modals;
    app::TQuarvelForm main(d.md());
    main.setEndBeforeLogin(true);
    ASSERT_TRUE(main.InitialiseApplication());
    EXPECT_TRUE(modals.shown().isEmpty());
    EXPECT_TRUE(main.quitting());
    EXPECT_FALSE(data::parametres().saison.isEmpty());
}

TEST_F(MainWindow, threeWrongPasswordsEndTheProgram)
{
    QDir().mkpath(data::appFolders().profils());
    core::ProfileFiles::ensureDelivered(data::appFolders().profils());
    auto rows = core::ProfileFiles::read(data::appFolders().profils() + "/Administrateur.pfl");
    rows[0].options = core::hashPassword("secret");
    core::ProfileFiles::write(data::appFolders().profils() + "/Administrateur.pfl", rows);
    ui::ScriptedMessages messages;
    ui::ScriptedModals modals;
    QStringList attempts;
    bool closedAfterThird = false;
    modals.push([&](QDialog &dialog) {
        auto &login = dynamic_cast<core::TLoginForm &>(dialog);
        for (int k = 0; k < 3; ++k) {
            login.password()->setText("faux");
            QTest::keyClick(login.password(), Qt::Key_Return);
            if (k < 2)
                attempts << login.attempts()->text();
        }
        closedAfterThird = dialog.result() == QDialog::Rejected && !dialog.isVisible();
    });
    app::TQuarvelForm main(d.md());
    EXPECT_FALSE(main.InitialiseApplication());
    EXPECT_TRUE(main.quitting());
    EXPECT_EQ(attempts, (QStringList{QString::fromUtf8("Deuxième tentative ..."),
                                     QString::fromUtf8("Troisième et dernière tentative ...")}));
    EXPECT_TRUE(closedAfterThird);
}

TEST_F(MainWindow, rightsLettersGreyTheirMenusAndToolButtons)
{
    app::TQuarvelForm main(d.md());
    for (Cmd c : {Cmd::Compta, Cmd::Bilan, Cmd::GestionProfils, Cmd::Joueurs})
        main.setHandler(c, [] {});
    auto rows = core::administratorProfileRows();
    rows[19].tous.clear();
    rows[19].visualisation = "X";
    main.applyRights(core::Rights::fromRows(rows));
    EXPECT_TRUE(main.action(Cmd::Compta)->isEnabled());
    EXPECT_FALSE(main.action(Cmd::GestionProfils)->isEnabled());
    EXPECT_TRUE(main.action(Cmd::Bilan)->isEnabled());

    rows[24].tous.clear();
    rows[24].aucun = "X";
    main.applyRights(core::Rights::fromRows(rows));
    EXPECT_FALSE(main.action(Cmd::Bilan)->isEnabled());
    EXPECT_FALSE(main.toolButton("Bilan")->isEnabled());
    EXPECT_TRUE(main.toolButton("Comptabilite")->isEnabled());

    main.applyRights(core::Rights::all());
    EXPECT_TRUE(main.action(Cmd::GestionProfils)->isEnabled());
    EXPECT_TRUE(main.toolButton("Bilan")->isEnabled());
    EXPECT_FALSE(main.toolButton("Exporter")->isEnabled()); // no window behind it yet
}

TEST_F(MainWindow, aModuleIsRecordedAbnormalWhileItsWindowIsOpen)
{
    app::seedFirstRun(d.md(), QDate(2010, 8, 15), {});
    app::TQuarvelForm main(d.md());
    QString during;
    main.openModule(Cmd::Joueurs, [&] { during = lastModule(); });
    EXPECT_EQ(during, "Saisie des joueurs|ANORMALE");
    EXPECT_EQ(lastModule(), "Saisie des joueurs|Normale");
}

TEST_F(MainWindow, escapeAnsweredNoDoesNothing)
{
    app::TQuarvelForm main(d.md());
    ui::ScriptedMessages messages;
    messages.answer(ui::Button::No);
    QTest::keyClick(&main, Qt::Key_Escape);
    ASSERT_EQ(messages.texts(), QStringList{QString::fromUtf8("Etes-vous sûr de vouloir quitter Corvane ?")});
    EXPECT_EQ(messages.shown()[0].buttons, ui::Button::Yes | ui::Button::No);
    EXPECT_FALSE(main.quitting());
}

TEST_F(MainWindow, thePreviewSwitchIsStoredAtOnce)
{
    app::seedFirstRun(d.md(), QDate(2010, 8, 15), {});
    data::chargeParametres(d.md());
    app::TQuarvelForm main(d.md());
    main.action(Cmd::Previsualisation)->trigger();
    data::OpenedTable param(d.md().table("Param"));
    EXPECT_FALSE(param->asBool("Previsualisation"));
    EXPECT_FALSE(data::parametres().previsualisation);
}

TEST(HelpPages, existForEveryContextTheWindowsOpen)
{
    const QRegularExpression call(QStringLiteral("showHelp\\(\\s*(\\d+)"));
    QDirIterator it(QStringLiteral(CORVANE_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    int found = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains("/build") || path.contains("/tests/"))
            continue;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = call.globalMatch(text); m.hasNext();) {
            const int context = m.next().captured(1).toInt();
            ++found;
            EXPECT_TRUE(app::HelpWindow::hasPage(context)) << "context " << context << " in " << path.toStdString();
        }
    }
    EXPECT_GT(found, 0);
}

} // namespace
