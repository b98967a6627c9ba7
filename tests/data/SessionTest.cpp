#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "tests/support/TempDataFolder.h"

#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace corvane::data;
using corvane::test::TempSession;

namespace {

int countRows(Session &s, const QString &table)
{
    Statement st(s, QStringLiteral("SELECT count(*) FROM %1").arg(quoted(table)));
    return st.step() ? int(st.columnInt(0)) : -1;
}

TEST(Transactions, anExceptionRollsBackEveryWriteAndCursorsSeeTheOldData)
{
    TempSession db;
    auto t = db.open("Personnes");
    TempSession::addPerson(*t, "Martin", "Paul", 30);
    try {
        Session::Transaction tx(db.session());
        TempSession::addPerson(*t, "Dupont", "Anne", 45);
        t->first();
        t->edit();
        t->setValue("Age", 1);
        t->post();
        throw std::runtime_error("coupure");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(countRows(db.session(), "Personnes"), 1);
    EXPECT_EQ(t->recordCount(), 1);
    t->first();
    EXPECT_EQ(t->asString("Nom"), "Martin");
    EXPECT_EQ(t->asInt("Age"), 30);
}

TEST(Transactions, anInnerRollbackKeepsTheOuterWork)
{
    TempSession db;
    auto t = db.open("Personnes");
    {
        Session::Transaction outer(db.session());
        TempSession::addPerson(*t, "Martin", "Paul", 30);
        try {
            Session::Transaction inner(db.session());
            TempSession::addPerson(*t, "Dupont", "Anne", 45);
            TempSession::addPerson(*t, "Dupont", "Anne", 46); // key violation
            inner.commit();
        } catch (const KeyViolation &) {
            t->cancel();
        }
        outer.commit();
    }
    EXPECT_EQ(countRows(db.session(), "Personnes"), 1);
    EXPECT_EQ(t->recordCount(), 1);
}

TEST(Transactions, aProcessKilledInTheMiddleLeavesThePreviousData)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Corvane.db");
    {
        auto s = Session::open(path, true);
        s->createTable(TempSession::personnesDef());
        Table t(s.get(), "Personnes");
        t.open();
        TempSession::addPerson(t, "Martin", "Paul", 30);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto s = Session::open(path, false);
        Table t(s.get(), "Personnes");
        t.open();
        Session::Transaction tx(*s);
        for (int i = 0; i < 200; ++i)
            TempSession::addPerson(t, QString::number(i), "X", i);
        t.first();
        t.edit();
        t.setValue("Age", 99);
        t.post();
        raise(SIGKILL);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    auto s = Session::open(path, false);
    EXPECT_EQ(countRows(*s, "Personnes"), 1);
    Table t(s.get(), "Personnes");
    t.open();
    EXPECT_EQ(t.asInt("Age"), 30);
}

TEST(Sessions, aSecondProcessOnTheSameDataGetsAClearError)
{
    TempSession db;
    int pipefd[2];
    ASSERT_EQ(pipe(pipefd), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipefd[0]);
        char verdict = 'o';
        try {
            auto s = Session::open(db.dbPath(), false);
        } catch (const StoreError &e) {
            verdict = e.kind() == StoreError::Kind::Busy && e.message().contains("autre exemplaire") ? 'b' : 'e';
        }
        (void)!write(pipefd[1], &verdict, 1);
        _exit(0);
    }
    close(pipefd[1]);
    char verdict = 0;
    ASSERT_EQ(read(pipefd[0], &verdict, 1), 1);
    close(pipefd[0]);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(verdict, 'b');
}

TEST(Sessions, postsStampTheirTableAndReadsDoNot)
{
    TempSession db;
    const QDateTime created = db.session().modifiedAt("Personnes");
    ASSERT_TRUE(created.isValid());
    QThread::msleep(5);
    auto liste = db.open("Liste");
    liste->append();
    liste->setValue("Nom", "a");
    liste->post();
    auto t = db.open("Personnes");
    for (t->first(); !t->eof(); t->next()) {
    }
    EXPECT_EQ(db.session().modifiedAt("Personnes"), created);
    EXPECT_GT(db.session().modifiedAt("Liste"), created);
    QThread::msleep(5);
    TempSession::addPerson(*t, "Martin", "Paul", 30);
    EXPECT_GT(db.session().modifiedAt("Personnes"), db.session().modifiedAt("Liste"));
}

TEST(Sessions, aFullDiskRefusesThePostAndKeepsTheData)
{
    TempSession db;
    auto t = db.open("Liste");
    t->append();
    t->setValue("Nom", "gardé");
    t->post();
    Statement pages(db.session(), "PRAGMA page_count");
    ASSERT_TRUE(pages.step());
    const qint64 count = pages.columnInt(0);
    pages.reset();
    db.session().exec(QStringLiteral("PRAGMA max_page_count=%1").arg(count));
    try {
        for (int i = 0; i < 500; ++i) {
            t->append();
            t->setValue("Nom", QString(15, QLatin1Char('x')) + QString::number(i));
            t->post();
        }
        FAIL() << "the disk never filled";
    } catch (const StoreError &e) {
        EXPECT_EQ(e.kind(), StoreError::Kind::DiskFull);
        EXPECT_TRUE(e.message().startsWith("Le disque est plein"));
    }
    EXPECT_TRUE(t->isEditing());
    t->cancel();
    const int stored = countRows(db.session(), "Liste");
    EXPECT_EQ(t->recordCount(), stored);
    t->first();
    EXPECT_EQ(t->asString("Nom"), "gardé");
}

} // namespace
