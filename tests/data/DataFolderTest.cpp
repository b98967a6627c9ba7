#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/Schema.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/tables/TableDefs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane::data;

namespace {

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList storedColumns(Session &s, const QString &table)
{
    QStringList cols;
    Statement st(s, QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)));
    while (st.step())
        cols << st.columnText(1);
    cols.removeAll(QStringLiteral("_ordre"));
    return cols;
}

// Shared by the tests that only read: creating a folder loads the national
// postal-code list, which is worth doing once.
class NewDataFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        opened = new OpenedData(openDataFolder(QDir(dir->path()).filePath("Corvane")));
    }
    static void TearDownTestSuite()
    {
        delete opened;
        delete dir;
    }
    static int count(const QString &table)
    {
        Statement st(*opened->session, QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table)));
        return st.step() ? int(st.columnInt(0)) : -1;
    }
    static QTemporaryDir *dir;
    static OpenedData *opened;
};
QTemporaryDir *NewDataFolder::dir = nullptr;
OpenedData *NewDataFolder::opened = nullptr;

TEST_F(NewDataFolder, holdsEveryTableWithItsExactStoredFieldNames)
{
    ASSERT_TRUE(opened->created);
    Session &s = *opened->session;
    EXPECT_EQ(allTableDefs().size(), 67u);
    for (const TableDef &def : allTableDefs()) {
        ASSERT_TRUE(s.tableExists(def.name)) << def.name.toStdString();
        QStringList names;
        for (const FieldDef &f : def.fields)
            names << f.name;
        EXPECT_EQ(storedColumns(s, def.name), names) << def.name.toStdString();
    }
    EXPECT_EQ(s.schemaVersion(), CurrentSchemaVersion);
    Statement titleIndex(s, "SELECT count(*) FROM sqlite_master WHERE type='index' AND name='Joueurs#Titre'");
    ASSERT_TRUE(titleIndex.step());
    EXPECT_EQ(titleIndex.columnInt(0), 1);
    // A few names whose blanks, accents and signs matter to later windows.
    EXPECT_GE(findTableDef("Joueurs")->fieldIndex("Date de naissance"), 0);
    EXPECT_GE(findTableDef("Param")->fieldIndex(QString::fromUtf8("N° de compte1")), 0);
    EXPECT_GE(findTableDef("Recettes")->fieldIndex("Montant recette"), 0);
    EXPECT_GE(findTableDef("Bilcompte")->fieldIndex(QString::fromUtf8("Débit")), 0);
}

TEST_F(NewDataFolder, theTablesThatRefuseDuplicatesAreKeyed)
{
    for (const char *name :
         {"Joueurs", "SimuJoueurs", "Recettes", "Rapprochement", "Depenses", "BBanque", "BEspeces", "Clubs", "Dettes",
          "Codepostal", "Divisions", "Equipes", "Bureau", "Locaux", "Cles", "Droits", "Profil", "Courriers", "Modeles",
          "Adresses", "Convocations", "Distinctions", "Banque", "CategorieF", "CategorieH", "MatTailles"}) {
        const TableDef *def = findTableDef(QString::fromLatin1(name));
        ASSERT_NE(def, nullptr) << name;
        EXPECT_TRUE(def->keyed()) << name;
    }
}

TEST_F(NewDataFolder, comesWithItsSeedContent)
{
    EXPECT_EQ(count("CategorieH"), 8);
    EXPECT_EQ(count("CategorieF"), 8);
    EXPECT_EQ(count("CodPostTotale"), 35684);
    EXPECT_EQ(count("Numoper"), 1);
    EXPECT_EQ(count("Joueurs"), 0);
    Table titres(opened->session.get(), "Titres");
    titres.open();
    for (const char *t : {"Président", "Trésorier", "Secrétaire"})
        EXPECT_TRUE(titres.locate("Nom", {QString::fromUtf8(t)})) << t;
    // Categories are youngest first, with different names for each sex.
    Table h(opened->session.get(), "CategorieH");
    Table f(opened->session.get(), "CategorieF");
    h.open();
    f.open();
    qint64 previous = -1;
    for (; !h.eof(); h.next(), f.next()) {
        EXPECT_GT(h.asInt("Age Fin"), previous);
        previous = h.asInt("Age Fin");
        EXPECT_NE(h.asString("Nom"), f.asString("Nom"));
    }
}

TEST_F(NewDataFolder, nationalListsAndRightsAreNotUserData)
{
    for (const char *name : {"CodPostTotale", "ClubsTotale", "TableListe", "Droits", "Profil"})
        EXPECT_FALSE(findTableDef(QString::fromLatin1(name))->userData) << name;
    EXPECT_TRUE(findTableDef("Joueurs")->userData);
}

TEST_F(NewDataFolder, dataModuleHasEveryComponentAndThePostErrorMessages)
{
    ModuleData md(*opened->session);
    for (const char *c : {"Param", "Exercice", "Codepostaux", "NumOper", "BilPoste", "Bilan", "CodePostot", "BilCompte",
                          "ClubTot", "Convocs", "Rapproche", "NomBanque", "ClassementsNom", "Joueurs", "Depuis", "Vers"})
        EXPECT_NE(md.find(QString::fromLatin1(c)), nullptr) << c;
    EXPECT_EQ(md.table("Parametr"), md.table("Param"));
    EXPECT_EQ(md.tables().size(), 67);
    EXPECT_EQ(ModuleData::postErrorMessage("Droits"),
              QString::fromUtf8("Impossible de valider ce nouvel\renregistrement, car il existe déjà  !"));
    EXPECT_EQ(ModuleData::postErrorHandler("SimuJoueurs"), "JoueursPostError");
    EXPECT_EQ(ModuleData::postErrorHandler("Rapproche"), "RecettesPostError");
    EXPECT_TRUE(ModuleData::postErrorMessage("BBanque").isEmpty());
}

TEST(DataFolders, aFolderWithOtherFilesButNoDataIsRefused)
{
    QTemporaryDir dir;
    QFile other(dir.filePath("lettre.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("bonjour");
    other.close();
    try {
        openDataFolder(dir.path());
        FAIL();
    } catch (const StoreError &e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::NotDataFolder);
        EXPECT_TRUE(e.message().startsWith("Impossible de localiser les données de l'application"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("Corvane.db")));
}

TEST(DataFolders, aDamagedDataFileIsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Corvane.db");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'z'));
    f.close();
    const QByteArray before = fileHash(path);
    try {
        openDataFolder(dir.path());
        FAIL();
    } catch (const StoreError &e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::Damaged);
        EXPECT_TRUE(e.message().contains("endommagé"));
    }
    EXPECT_EQ(fileHash(path), before);
}

TEST(DataFolders, anotherProgramsDatabaseIsNotTakenOver)
{
    QTemporaryDir dir;
    {
        auto s = Session::open(dir.filePath("Corvane.db"), true);
        s->exec("CREATE TABLE autre(x)");
    }
    EXPECT_THROW(openDataFolder(dir.path()), StoreError);
}

TEST(DataFolders, aFolderThatCannotBeCreatedGivesAClearError)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("fichier"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        openDataFolder(dir.filePath("fichier/Corvane"));
        FAIL();
    } catch (const StoreError &e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::ReadOnly);
        EXPECT_TRUE(e.message().contains("Impossible de créer le dossier"));
    }
}

TEST(DataFolders, dataOfANewerProgramAreRefused)
{
    QTemporaryDir dir;
    {
        auto s = Session::open(dir.filePath("Corvane.db"), true);
        s->createTable(*findTableDef("Joueurs"));
        s->setSchemaVersion(CurrentSchemaVersion + 1);
    }
    try {
        openDataFolder(dir.path());
        FAIL();
    } catch (const StoreError &e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::NewerVersion);
    }
}

TEST(DataFolders, dataOfTheFirstVersionGetTheIndexOfTheMembersTitle)
{
    QTemporaryDir dir;
    {
        OpenedData d = openDataFolder(dir.path());
        // The members' table as the first version wrote it: no lookup index.
        TableDef old = *findTableDef("Joueurs");
        for (FieldDef &f : old.fields)
            f.lookup = false;
        d.session->createTable(old);
        d.session->setSchemaVersion(1);
        d.session->exec(
            QString::fromUtf8("INSERT INTO \"Joueurs\"(\"Nom\", \"Titre\") VALUES('MARTIN', 'Présidente')"));
    }
    const auto plan = [](Session &s) {
        Statement q(s, "EXPLAIN QUERY PLAN SELECT rowid FROM \"Joueurs\" WHERE \"Titre\" = 'x'");
        QString text;
        while (q.step())
            text += q.columnText(3) + ' ';
        return text;
    };
    {
        auto s = Session::open(dir.filePath("Corvane.db"), false);
        EXPECT_FALSE(plan(*s).contains("Joueurs#Titre"));
    }
    OpenedData again = openDataFolder(dir.path());
    Session &s = *again.session;
    EXPECT_EQ(s.schemaVersion(), CurrentSchemaVersion);
    EXPECT_TRUE(plan(s).contains("Joueurs#Titre")) << plan(s).toStdString();
    EXPECT_TRUE(s.definition("Joueurs").field("Titre").lookup);
    EXPECT_FALSE(s.definition("Joueurs").field("Nom").lookup);
    Statement members(s, QString::fromUtf8("SELECT \"Nom\" FROM \"Joueurs\" WHERE \"Titre\" = 'Présidente'"));
    ASSERT_TRUE(members.step());
    EXPECT_EQ(members.columnText(0), "MARTIN");
}

TEST(DataFolders, reopeningKeepsWhatWasWritten)
{
    QTemporaryDir dir;
    {
        OpenedData d = openDataFolder(dir.path());
        Table t(d.session.get(), "Titres");
        t.open();
        t.append();
        t.setValue("Nom", "Capitaine");
        t.post();
    }
    OpenedData again = openDataFolder(dir.path());
    EXPECT_FALSE(again.created);
    Table t(again.session.get(), "Titres");
    t.open();
    EXPECT_TRUE(t.locate("Nom", {"Capitaine"}));
}

} // namespace
