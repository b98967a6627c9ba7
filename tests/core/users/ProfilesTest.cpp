#include "core/users/Profiles.h"
#include "data/StoreError.h"
#include "data/tables/TableDefs.h"
#include "tests/support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane;
using core::ProfileFiles;
using core::RightsRow;

namespace {

TEST(Passwords, areStoredHashedAndCheckedAgainstTheHash)
{
    const QString stored = core::hashPassword("volant2010");
    EXPECT_FALSE(stored.contains("volant2010"));
    EXPECT_LE(stored.size(), 50); // fits the Options field
    EXPECT_TRUE(core::passwordMatches(stored, "volant2010"));
    EXPECT_FALSE(core::passwordMatches(stored, "volant2011"));
    EXPECT_FALSE(core::passwordMatches(stored, QString()));
    EXPECT_NE(core::hashPassword("volant2010"), stored); // salted
    // An empty password stays empty, and a profile written in clear text
    // by an older program still opens.
    EXPECT_TRUE(core::hashPassword(QString()).isEmpty());
    EXPECT_TRUE(core::passwordMatches(QString(), QString()));
    EXPECT_TRUE(core::passwordMatches("secret", "secret"));
    EXPECT_FALSE(core::passwordMatches("secret", "Secret"));
}

TEST(ProfileFiles, theDeliveredProfileHasEveryRightInTheFixedOrder)
{
    QTemporaryDir dir;
    ProfileFiles::ensureDelivered(dir.path());
    ASSERT_EQ(ProfileFiles::list(dir.path()), QStringList{"Administrateur.pfl"});
    const auto rows = ProfileFiles::read(dir.filePath("Administrateur.pfl"));
    ASSERT_EQ(rows.size(), 44u);
    EXPECT_TRUE(rows[0].options.isEmpty());
    EXPECT_EQ(rows[6].options, "Joueurs");
    EXPECT_EQ(rows[19].options, QString::fromUtf8("Recettes et dépenses"));
    EXPECT_EQ(rows[24].options, QString::fromUtf8("Bilan général"));
    EXPECT_EQ(rows[43].options, QString::fromUtf8("Vos dernières connexions"));
    for (int heading : {1, 5, 10, 15, 18, 31, 37, 42})
        EXPECT_TRUE(rows[heading].isHeading()) << heading;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (!rows[i].isHeading()) {
            EXPECT_EQ(rows[i].tous, "X") << i;
        }
    }
    // A second call leaves an existing profile alone.
    QFile::remove(dir.filePath("Administrateur.pfl"));
    ProfileFiles::write(dir.filePath("Tresorier.pfl"), rows);
    ProfileFiles::ensureDelivered(dir.path());
    EXPECT_EQ(ProfileFiles::list(dir.path()), QStringList{"Tresorier.pfl"});
}

TEST(ProfileFiles, aDamagedOrForeignFileIsNamedInTheError)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("Casse.pfl"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ceci n'est pas un profil");
    f.close();
    try {
        ProfileFiles::read(dir.filePath("Casse.pfl"));
        FAIL();
    } catch (const data::StoreError &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8("« Casse.pfl »"))) << e.message().toStdString();
    }
}

TEST(ProfileFiles, aFailedWriteKeepsThePreviousProfile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Blocage/Admin.pfl");
    QFile blocker(dir.filePath("Blocage"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(ProfileFiles::write(path, core::administratorProfileRows()), data::StoreError);

    const QString good = dir.filePath("Admin.pfl");
    auto rows = core::administratorProfileRows();
    ProfileFiles::write(good, rows);
    rows[0].options = core::hashPassword("nouveau");
    ProfileFiles::write(good, rows);
    EXPECT_TRUE(core::passwordMatches(ProfileFiles::read(good)[0].options, "nouveau"));
    EXPECT_FALSE(QFile::exists(good + ".ecriture"));
}

TEST(RightsTables, keepTheirRowsInTheOrderWritten)
{
    test::TempSession db;
    db.session().createTable(*data::findTableDef("Droits"));
    auto droits = db.open("Droits");
    droits->close();
    core::writeRightsTable(*droits, core::administratorProfileRows());
    const auto back = core::readRightsTable(*droits);
    ASSERT_EQ(back.size(), 44u);
    EXPECT_EQ(back[2].options, QString::fromUtf8("Clôturer la saison en cours"));
    EXPECT_EQ(back[43].options, QString::fromUtf8("Vos dernières connexions"));
}

} // namespace
