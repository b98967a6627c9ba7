#include "core/users/Login.h"
#include "core/users/Profiles.h"
#include "core/users/Rights.h"
#include "data/StoreError.h"
#include "data/OpenedTable.h"
#include "tests/support/FreshData.h"
#include "tests/support/Printers.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane;
using core::LoginProcess;

namespace {

class Login : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto rows = core::administratorProfileRows();
        core::ProfileFiles::write(QDir(profiles.path()).filePath("Administrateur.pfl"), rows);
        rows[0].options = core::hashPassword("compta");
        rows[19].tous.clear();
        rows[19].visualisation = "X";
        rows[24].tous.clear();
        rows[24].aucun = "X";
        core::ProfileFiles::write(QDir(profiles.path()).filePath("Tresorier.pfl"), rows);
        core::setLastUser("Tresorier.pfl");
    }
    void TearDown() override { QSettings().remove("Utilisateur"); }
    QTemporaryDir profiles;
    test::FreshData d;
};

TEST_F(Login, threeWrongPasswordsAreRefusedWithTheAttemptTexts)
{
    LoginProcess login(d.md(), profiles.path());
    QString warning;
    EXPECT_EQ(login.initialProfile(&warning), "Tresorier.pfl");
    EXPECT_TRUE(warning.isEmpty());
    login.choose("Tresorier.pfl");
    EXPECT_EQ(login.validate("faux"), LoginProcess::Outcome::Retry);
    EXPECT_EQ(login.attemptText(), QString::fromUtf8("Deuxième tentative ..."));
    EXPECT_EQ(login.validate("faux"), LoginProcess::Outcome::Retry);
    EXPECT_EQ(login.attemptText(), QString::fromUtf8("Troisième et dernière tentative ..."));
    EXPECT_EQ(login.validate("compta"), LoginProcess::Outcome::Accepted);
    LoginProcess again(d.md(), profiles.path());
    again.choose("Tresorier.pfl");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(again.validate("x"), LoginProcess::Outcome::Retry);
    EXPECT_EQ(again.validate("x"), LoginProcess::Outcome::Refused);
    EXPECT_EQ(again.validate("compta"), LoginProcess::Outcome::Refused);
}

TEST_F(Login, aDeletedDefaultProfileFallsBackToTheFirstWithAWarning)
{
    core::setLastUser("Parti.pfl");
    LoginProcess login(d.md(), profiles.path());
    QString warning;
    EXPECT_EQ(login.initialProfile(&warning), "Administrateur.pfl");
    EXPECT_EQ(warning, QString::fromUtf8("Le profil par défaut n'existe plus dans le répertoire des profils\rLe "
                                         "premier profil trouvé va donc être pris par défaut"));
    // Before any login on this computer there is nothing to warn about.
    QSettings().remove("Utilisateur");
    warning.clear();
    EXPECT_EQ(login.initialProfile(&warning), "Administrateur.pfl");
    EXPECT_TRUE(warning.isEmpty());
}

TEST_F(Login, theAcceptedProfileGivesItsRightsAndATellTaleRecord)
{
    LoginProcess login(d.md(), profiles.path());
    login.choose("Tresorier.pfl");
    ASSERT_EQ(login.validate("compta"), LoginProcess::Outcome::Accepted);
    EXPECT_EQ(core::lastUser(), "Tresorier.pfl");
    core::applyLogin(d.md(), QString(), "Tresorier.pfl");
    const core::Rights &r = core::currentRights();
    EXPECT_EQ(r.letter(19), QLatin1Char('V'));
    EXPECT_EQ(r.letter(24), QLatin1Char('A'));
    EXPECT_EQ(r.letter(6), QLatin1Char('T'));
    EXPECT_EQ(r.letter(5), QLatin1Char('-'));
    EXPECT_FALSE(r.fullRights());
    data::OpenedTable m(d.md().table("Mouchard"));
    m->last();
    EXPECT_EQ(m->asString("Module"), "Changement de profil utilisateur");
    EXPECT_EQ(m->asString("Profil"), "Tresorier.pfl");
    // The same profile again writes no record.
    const int count = m->recordCount();
    core::applyLogin(d.md(), "Tresorier.pfl", "Tresorier.pfl");
    EXPECT_EQ(m->recordCount(), count);
    core::currentRights() = core::Rights::all();
}

TEST_F(Login, aDamagedProfileIsNoLongerOffered)
{
    QFile f(QDir(profiles.path()).filePath("Casse.pfl"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("rien");
    f.close();
    LoginProcess login(d.md(), profiles.path());
    EXPECT_EQ(login.profiles().size(), 3);
    EXPECT_THROW(login.choose("Casse.pfl"), data::StoreError);
    EXPECT_EQ(login.profiles(), (QStringList{"Administrateur.pfl", "Tresorier.pfl"}));
    EXPECT_EQ(login.validate(""), LoginProcess::Outcome::Refused);
}

TEST(RightsLetters, theLaterMarkWinsAndHeadingsAreDashes)
{
    std::vector<core::RightsRow> rows{{"pw", "", "", ""}, {"Menu", "", "", ""}, {"a", "X", "X", ""},
                                      {"b", "X", "", "X"}, {"c", "X", "", ""},  {"d", "", "-", "X"}};
    const core::Rights r = core::Rights::fromRows(rows);
    EXPECT_EQ(r.letter(0), QLatin1Char('-'));
    EXPECT_EQ(r.letter(1), QLatin1Char('-'));
    EXPECT_EQ(r.letter(2), QLatin1Char('V'));
    EXPECT_EQ(r.letter(3), QLatin1Char('T'));
    EXPECT_EQ(r.letter(4), QLatin1Char('A'));
    EXPECT_EQ(r.letter(5), QLatin1Char('T'));
    EXPECT_EQ(r.letter(99), QLatin1Char('-'));
    EXPECT_FALSE(r.fullRights());
    EXPECT_TRUE(core::Rights::all().fullRights());
}

} // namespace
