#include "data/StoreError.h"
#include "data/Table.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

using namespace corvane::data;
using corvane::test::TempSession;

namespace {

class Editing : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = db.open("Personnes");
        TempSession::addPerson(*t, "Martin", "Paul", 30);
        TempSession::addPerson(*t, "Dupont", "Anne", 45);
        t->first();
    }
    TempSession db;
    std::unique_ptr<Table> t;
};

TEST_F(Editing, editThenCancelRestoresTheStoredValues)
{
    t->edit();
    EXPECT_EQ(t->state(), Table::State::Edit);
    t->setValue("Age", 99);
    EXPECT_TRUE(t->modified());
    EXPECT_EQ(t->asInt("Age"), 99);
    t->cancel();
    EXPECT_EQ(t->state(), Table::State::Browse);
    EXPECT_EQ(t->asInt("Age"), 45);
}

TEST_F(Editing, appendTakesDefaultsAndPostPlacesTheRecordInOrder)
{
    t->append();
    EXPECT_EQ(t->state(), Table::State::Insert);
    EXPECT_EQ(t->asString("Ville"), "Rennes");
    t->setValue("Nom", "Laurent");
    t->post();
    EXPECT_EQ(t->state(), Table::State::Browse);
    EXPECT_EQ(t->recNo(), 2);
    EXPECT_EQ(t->asString("Nom"), "Laurent");
    auto again = db.open("Personnes");
    EXPECT_EQ(again->recordCount(), 3);
}

TEST_F(Editing, cancelledAppendLeavesNothingAndReturnsToTheRecord)
{
    t->last();
    t->append();
    t->setValue("Nom", "Oubli");
    t->cancel();
    EXPECT_EQ(t->recordCount(), 2);
    EXPECT_EQ(t->asString("Nom"), "Martin");
}

TEST_F(Editing, navigationPostsAPendingChange)
{
    t->edit();
    t->setValue("Age", 46);
    t->next();
    EXPECT_EQ(t->state(), Table::State::Browse);
    t->first();
    EXPECT_EQ(t->asInt("Age"), 46);
}

TEST_F(Editing, duplicateKeyThrows9729AndKeepsTheRecordInEditing)
{
    t->append();
    t->setValue("Nom", "Martin");
    t->setValue("Prenom", "Paul  "); // trailing blanks are not part of the value
    t->setValue("Age", 7);
    try {
        t->post();
        FAIL() << "duplicate accepted";
    } catch (const KeyViolation &e) {
        EXPECT_EQ(e.code(), 9729);
        EXPECT_EQ(e.table(), "Personnes");
    }
    EXPECT_EQ(t->state(), Table::State::Insert);
    EXPECT_EQ(t->asInt("Age"), 7);
    t->setValue("Prenom", "Pierre");
    t->post();
    EXPECT_EQ(t->recordCount(), 3);
}

TEST_F(Editing, changingAKeyOntoAnotherRecordIsRefusedToo)
{
    t->edit(); // Dupont
    t->setValue("Nom", "Martin");
    t->setValue("Prenom", "Paul");
    EXPECT_THROW(t->post(), KeyViolation);
    EXPECT_EQ(t->state(), Table::State::Edit);
    t->cancel();
    EXPECT_EQ(t->asString("Nom"), "Dupont");
}

TEST_F(Editing, textIsCutToItsSizeAndTrailingBlanksAreNotStored)
{
    t->edit();
    t->setValue("Prenom", "Marie-Christine");
    t->setValue("Ville", "Loisirs   ");
    t->post();
    auto fresh = db.open("Personnes");
    ASSERT_TRUE(fresh->locate("Nom", {"Dupont"}));
    EXPECT_EQ(fresh->asString("Prenom"), "Marie-Chri");
    EXPECT_EQ(fresh->asString("Ville"), "Loisirs");
    EXPECT_TRUE(fresh->locate("Ville", {"Loisirs"}));
}

TEST_F(Editing, emptyRequiredFieldIsRefusedWithAFrenchMessageNamingIt)
{
    t->append();
    t->setValue("Nom", "   ");
    try {
        t->post();
        FAIL() << "empty required field accepted";
    } catch (const RequiredFieldMissing &e) {
        EXPECT_EQ(e.field(), "Nom");
        EXPECT_EQ(e.message(), QString::fromUtf8("Le champ « Nom » doit être renseigné."));
    }
    EXPECT_EQ(t->state(), Table::State::Insert);
}

TEST_F(Editing, wrongTypedValuesAreRefusedWithoutChangingTheRecord)
{
    t->edit();
    EXPECT_THROW(t->setValue("Age", "trente"), StoreError);
    EXPECT_THROW(t->setValue("Naissance", "31/02/2001"), StoreError);
    EXPECT_FALSE(t->modified());
    t->setValue("Naissance", "01/02/2001");
    EXPECT_EQ(t->asDate("Naissance"), QDate(2001, 2, 1));
}

TEST_F(Editing, writingOutsideEditingIsAnError)
{
    EXPECT_THROW(t->setValue("Age", 3), StoreError);
}

TEST_F(Editing, removeMovesToTheNextRecord)
{
    TempSession::addPerson(*t, "Bernard", "Luc", 50);
    t->first(); // Bernard
    t->remove();
    EXPECT_EQ(t->asString("Nom"), "Dupont");
    t->last();
    t->remove();
    EXPECT_EQ(t->asString("Nom"), "Dupont");
    t->remove();
    EXPECT_TRUE(t->isEmpty());
    EXPECT_EQ(db.open("Personnes")->recordCount(), 0);
}

TEST_F(Editing, windowHooksSetDefaultsAndStopAPostUntilTheyAreRemoved)
{
    int counter = 100;
    {
        HookGuard defaults(*t, Table::Event::NewRecord, [&](Table &tb) { tb.setValue("Age", ++counter); });
        HookGuard check(*t, Table::Event::BeforePost, [](Table &tb) {
            if (tb.asInt("Age") > 101)
                throw Aborted{};
        });
        t->append();
        EXPECT_EQ(t->asInt("Age"), 101);
        t->setValue("Nom", "Laurent");
        t->post();
        t->append();
        EXPECT_EQ(t->asInt("Age"), 102);
        t->setValue("Nom", "Girard");
        EXPECT_THROW(t->post(), Aborted);
        EXPECT_EQ(t->state(), Table::State::Insert);
        t->cancel();
    }
    t->append();
    EXPECT_TRUE(t->isNull("Age"));
    t->setValue("Nom", "Girard");
    t->setValue("Age", 500);
    t->post();
    EXPECT_EQ(t->recordCount(), 4);
}

TEST(UnkeyedEditing, insertPutsTheRecordBeforeTheCurrentOneForGood)
{
    TempSession db;
    auto l = db.open("Liste");
    for (const char *v : {"un", "trois"}) {
        l->append();
        l->setValue("Nom", v);
        l->post();
    }
    l->last();
    l->insert();
    l->setValue("Nom", "deux");
    l->post();
    l->first();
    l->insert();
    l->setValue("Nom", "zéro");
    l->post();
    auto again = db.open("Liste");
    QStringList seen;
    for (; !again->eof(); again->next())
        seen << again->asString("Nom");
    EXPECT_EQ(seen, (QStringList{"zéro", "un", "deux", "trois"}));
}

TEST(UnkeyedEditing, emptyTableRemovesEveryRecord)
{
    TempSession db;
    auto l = db.open("Liste");
    for (int i = 0; i < 3; ++i) {
        l->append();
        l->setValue("Nom", QString::number(i));
        l->post();
    }
    l->emptyTable();
    EXPECT_TRUE(l->isEmpty());
    EXPECT_TRUE(db.open("Liste")->isEmpty());
}

TEST(ScratchTables, createdWithAnotherTablesDefinitionAndDropped)
{
    TempSession db;
    Table tempo(&db.session(), "Tempo");
    tempo.createTableLike(TempSession::personnesDef());
    tempo.open();
    TempSession::addPerson(tempo, "Martin", "Paul", 3);
    tempo.append();
    tempo.setValue("Nom", "Martin");
    tempo.setValue("Prenom", "Paul");
    EXPECT_THROW(tempo.post(), KeyViolation);
    tempo.cancel();
    EXPECT_TRUE(tempo.definition().index("ParAge"));
    tempo.dropTable();
    EXPECT_FALSE(db.session().tableExists("Tempo"));
    EXPECT_THROW(tempo.open(), StoreError);
}

} // namespace
