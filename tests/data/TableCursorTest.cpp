#include "data/StoreError.h"
#include "data/Table.h"
#include "tests/support/TempDataFolder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace corvane::data;
using corvane::test::TempSession;

namespace {

class Cursor : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = db.open("Personnes");
        TempSession::addPerson(*t, "Martin", "Paul", 30);
        TempSession::addPerson(*t, "Émile", "Zoé", 12, false);
        TempSession::addPerson(*t, "Dupont", "Anne", 45);
        TempSession::addPerson(*t, "eloi", "Jean", 12);
        t->first();
    }

    QStringList names()
    {
        QStringList out;
        for (t->first(); !t->eof(); t->next())
            out << t->asString("Nom");
        return out;
    }

    TempSession db;
    std::unique_ptr<Table> t;
};

TEST_F(Cursor, walksForwardAndBackwardWithEofAndBof)
{
    EXPECT_TRUE(t->bof());
    EXPECT_FALSE(t->eof());
    EXPECT_EQ(t->recordCount(), 4);
    EXPECT_EQ(t->recNo(), 1);
    int seen = 0;
    while (!t->eof()) {
        ++seen;
        t->next();
    }
    EXPECT_EQ(seen, 4);
    EXPECT_EQ(t->recNo(), 4); // the cursor stays on the last record
    t->last();
    EXPECT_TRUE(t->eof());
    seen = 0;
    while (!t->bof()) {
        ++seen;
        t->prior();
    }
    EXPECT_EQ(seen, 4);
    t->setRecNo(3);
    EXPECT_EQ(t->moveBy(5), 1);
    EXPECT_EQ(t->recNo(), 4);
    EXPECT_EQ(t->moveBy(-2), -2);
    EXPECT_EQ(t->recNo(), 2);
}

TEST_F(Cursor, emptyTableIsBothEofAndBof)
{
    auto l = db.open("Liste");
    EXPECT_TRUE(l->eof());
    EXPECT_TRUE(l->bof());
    EXPECT_TRUE(l->isEmpty());
    EXPECT_EQ(l->recNo(), 0);
    EXPECT_EQ(l->asString("Nom"), QString());
}

TEST_F(Cursor, keyedTableListsInKeyOrderWithAccentsAndCaseFolded)
{
    EXPECT_EQ(names(), (QStringList{"Dupont", "eloi", "Émile", "Martin"}));
}

TEST_F(Cursor, namedIndexAndOneFieldDescendingKeepTheCurrentRecord)
{
    ASSERT_TRUE(t->locate("Nom", {"Martin"}));
    t->setIndexName("ParAge");
    EXPECT_EQ(t->asString("Nom"), "Martin");
    EXPECT_EQ(names(), (QStringList{"eloi", "Émile", "Martin", "Dupont"}));
    t->setOrderField("Prenom", true);
    EXPECT_EQ(names(), (QStringList{"Émile", "Martin", "eloi", "Dupont"}));
    t->setIndexName(QString());
    EXPECT_EQ(names(), (QStringList{"Dupont", "eloi", "Émile", "Martin"}));
    EXPECT_THROW(t->setIndexName("Inconnu"), StoreError);
}

TEST_F(Cursor, filterPredicateAndConditionCombineWithOrder)
{
    t->setIndexName("ParAge");
    t->setFilterPredicate([](const RecordView &r) { return r.asInt("Age") < 40; });
    EXPECT_EQ(names(), (QStringList{"eloi", "Émile", "Martin"}));
    t->addFilterCondition("Actif", Table::Compare::Equal, true);
    EXPECT_EQ(names(), (QStringList{"eloi", "Martin"}));
    EXPECT_EQ(t->recordCount(), 2);
    t->setFiltered(false);
    EXPECT_EQ(t->recordCount(), 4);
    t->setFiltered(true);
    EXPECT_EQ(t->recordCount(), 2);
    t->clearFilter();
    EXPECT_EQ(t->recordCount(), 4);
    t->addFilterCondition("Nom", Table::Compare::StartsWith, "e");
    EXPECT_EQ(names(), (QStringList{"eloi", "Émile"}));
}

TEST_F(Cursor, locateFindsTheFirstMatchOrLeavesThePosition)
{
    t->setRecNo(2);
    EXPECT_TRUE(t->locate("Age;Actif", {12, false}));
    EXPECT_EQ(t->asString("Prenom"), "Zoé");
    EXPECT_FALSE(t->locate("Nom;Prenom", {"Martin", "Pierre"}));
    EXPECT_EQ(t->asString("Prenom"), "Zoé");
    EXPECT_FALSE(t->locate("Nom", {"MARTIN"}));
    EXPECT_TRUE(t->locate("Nom", {"MARTIN"}, true));
    // The value is compared as stored: trailing blanks do not count.
    EXPECT_TRUE(t->locate("Nom", {"Dupont  "}));
}

TEST_F(Cursor, bookmarksSurviveReorderingButNotDeletion)
{
    ASSERT_TRUE(t->locate("Nom", {"eloi"}));
    const Table::Bookmark mark = t->bookmark();
    t->setOrderField("Age", true);
    t->first();
    EXPECT_TRUE(t->gotoBookmark(mark));
    EXPECT_EQ(t->asString("Nom"), "eloi");
    t->remove();
    EXPECT_FALSE(t->gotoBookmark(mark));
}

TEST_F(Cursor, displayTextShowsFrenchForms)
{
    ASSERT_TRUE(t->locate("Nom", {"Martin"}));
    t->edit();
    t->setValue("Naissance", QDate(2001, 3, 9));
    t->setValue("Solde", "1250,5");
    t->post();
    EXPECT_EQ(t->displayText("Actif"), "Oui");
    EXPECT_EQ(t->displayText("Naissance"), "09/03/2001");
    EXPECT_EQ(t->displayText("Solde"), QString::fromUtf8("1\u00A0250,50\u00A0€"));
    ASSERT_TRUE(t->locate("Nom", {"Émile"}));
    EXPECT_EQ(t->displayText("Actif"), "Non");
}

TEST_F(Cursor, aSecondCursorSeesChangesMadeThroughTheFirst)
{
    auto other = db.open("Personnes");
    EXPECT_EQ(other->recordCount(), 4);
    TempSession::addPerson(*t, "Bernard", "Luc", 50);
    EXPECT_EQ(other->recordCount(), 5);
    ASSERT_TRUE(other->locate("Nom", {"Martin"}));
    ASSERT_TRUE(t->locate("Nom", {"Martin"}));
    t->edit();
    t->setValue("Age", 31);
    t->post();
    EXPECT_EQ(other->asInt("Age"), 31);
    EXPECT_EQ(other->asString("Nom"), "Martin");
}

TEST_F(Cursor, controlsSuspendedDuringALongWalkAreToldOnceAtTheEnd)
{
    QSignalSpy current(t.get(), &Table::currentChanged);
    t->disableControls();
    for (t->first(); !t->eof(); t->next()) {
    }
    EXPECT_EQ(current.count(), 0);
    t->enableControls();
    EXPECT_EQ(current.count(), 1);
    t->next();
    t->prior();
    EXPECT_EQ(current.count(), 2); // next() at the last record does not move
}

TEST_F(Cursor, detailFollowsItsMasterAndNewRecordsTakeTheLink)
{
    db.session().createTable(TableBuilder("Cles").text("Local", 10).text("Detenteur", 20).build());
    auto keys = db.open("Cles");
    for (auto [local, who] : {std::pair{"Martin", "A"}, {"Martin", "B"}, {"Dupont", "C"}}) {
        keys->append();
        keys->setValue("Local", local);
        keys->setValue("Detenteur", who);
        keys->post();
    }
    keys->setMasterLink(t.get(), "Local", "Nom");
    ASSERT_TRUE(t->locate("Nom", {"Martin"}));
    EXPECT_EQ(keys->recordCount(), 2);
    ASSERT_TRUE(t->locate("Nom", {"Dupont"}));
    EXPECT_EQ(keys->recordCount(), 1);
    keys->append();
    EXPECT_EQ(keys->asString("Local"), "Dupont");
    keys->setValue("Detenteur", "D");
    keys->post();
    EXPECT_EQ(keys->recordCount(), 2);
    ASSERT_TRUE(t->locate("Nom", {"eloi"}));
    EXPECT_TRUE(keys->isEmpty());
}

TEST_F(Cursor, recordsReadAheadServeTheFirstOpeningUnlessSomethingWasWrittenSince)
{
    t->close();
    const QStringList all = {"Dupont", "eloi", "Émile", "Martin"};
    Table::readAhead(db.session(), "Personnes");
    t->open();
    EXPECT_EQ(names(), all);
    t->close();
    t->open(); // the records read ahead were taken once: read again
    EXPECT_EQ(names(), all);
    t->close();

    // A change made after the read-ahead, here straight to the file, is
    // seen by the opening.
    Table::readAhead(db.session(), "Personnes");
    db.session().exec("DELETE FROM \"Personnes\" WHERE \"Nom\"='Martin'");
    t->open();
    EXPECT_EQ(names(), QStringList({"Dupont", "eloi", "Émile"}));
}

} // namespace
