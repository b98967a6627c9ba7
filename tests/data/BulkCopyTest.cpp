#include "data/BulkCopy.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

using namespace corvane::data;
using corvane::test::TempSession;

namespace {

// The source names its fields differently: the copy matches them by position.
class BulkCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.session().createTable(TableBuilder("Import")
                                     .text("A", 30)
                                     .text("B", 30)
                                     .text("C", 10)
                                     .build());
        src = db.open("Import");
        dst = db.open("Personnes");
        TempSession::addPerson(*dst, "Martin", "Paul", 30);
        add("Martin", "Paul", "31");
        add("Dupont", "Anne", "45");
        add("Dupont", "Anne", "46");
        add("", "Sans nom", "1");
        add("Durand", "Léa", "douze");
    }
    void add(const QString &a, const QString &b, const QString &c)
    {
        src->append();
        src->setValue("A", a);
        src->setValue("B", b);
        src->setValue("C", c);
        src->post();
    }
    TempSession db;
    std::unique_ptr<Table> src;
    std::unique_ptr<Table> dst;
};

TEST_F(BulkCopy, appendOrUpdateReplacesExistingKeysAndAppendsTheRest)
{
    const BulkCopyResult r = bulkCopy(db.session(), "Import", "Personnes", BulkMode::AppendUpdate, "PROBLEMES");
    EXPECT_EQ(r.appended, 1);
    EXPECT_EQ(r.updated, 2); // Martin Paul, then the second Dupont Anne over the first
    EXPECT_EQ(r.refused, 2); // empty required name, "douze" in a number
    EXPECT_EQ(dst->recordCount(), 2);
    ASSERT_TRUE(dst->locate("Nom;Prenom", {"Martin", "Paul"}));
    EXPECT_EQ(dst->asInt("Age"), 31);
    EXPECT_EQ(dst->asString("Ville"), "Rennes"); // not among the copied positions: kept
    ASSERT_TRUE(dst->locate("Nom", {"Dupont"}));
    EXPECT_EQ(dst->asInt("Age"), 46);
    auto problems = db.open("PROBLEMES");
    EXPECT_EQ(problems->recordCount(), 2);
}

TEST_F(BulkCopy, appendOnlyRefusesExistingKeysIntoTheProblemsTable)
{
    const BulkCopyResult r = bulkCopy(db.session(), "Import", "Personnes", BulkMode::Append, "PROBLEMES");
    EXPECT_EQ(r.appended, 1);
    EXPECT_EQ(r.updated, 0);
    EXPECT_EQ(r.refused, 4);
    ASSERT_TRUE(dst->locate("Nom;Prenom", {"Martin", "Paul"}));
    EXPECT_EQ(dst->asInt("Age"), 30);
    ASSERT_TRUE(dst->locate("Nom", {"Dupont"}));
    EXPECT_EQ(dst->asInt("Age"), 45);
    auto problems = db.open("PROBLEMES");
    EXPECT_EQ(problems->recordCount(), 4);
    EXPECT_TRUE(problems->locate("Nom;Prenom", {"Martin", "Paul"}));
    // A later copy without problems leaves no stale problems behind.
    src->emptyTable();
    bulkCopy(db.session(), "Import", "Personnes", BulkMode::Append, "PROBLEMES");
    EXPECT_FALSE(db.session().tableExists("PROBLEMES"));
}

TEST_F(BulkCopy, intoAnUnkeyedTableEverythingValidIsAppended)
{
    const BulkCopyResult r = bulkCopy(db.session(), "Import", "Liste", BulkMode::AppendUpdate);
    EXPECT_EQ(r.appended, 5);
    EXPECT_EQ(db.open("Liste")->recordCount(), 5);
}

} // namespace
