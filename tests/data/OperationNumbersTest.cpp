#include "data/OperationNumbers.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "tests/support/FreshData.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

void setCounter(data::ModuleData &md, const QVariant &value)
{
    data::OpenedTable numoper(md.table(QStringLiteral("NumOper")));
    numoper->first();
    if (numoper->eof())
        numoper->append();
    else
        numoper->edit();
    numoper->setValue(QStringLiteral("Num operation"), value);
    numoper->post();
}

TEST(OperationNumbers, ConsecutiveAndKeptAcrossARestart)
{
    test::FreshData fx;
    setCounter(fx.md(), 41);
    EXPECT_EQ(data::nextOperationNumber(fx.md()), 42);
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 42);
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 43);
    fx.reopen();
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 44);
}

TEST(OperationNumbers, EmptyOrZeroCounterStartsAtOne)
{
    test::FreshData fx;
    setCounter(fx.md(), 0);
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 1);
    {
        data::OpenedTable numoper(fx.md().table(QStringLiteral("NumOper")));
        numoper->emptyTable();
    }
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 1);
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 2);
}

TEST(OperationNumbers, RolledBackWithTheEntryItNumbers)
{
    test::FreshData fx;
    setCounter(fx.md(), 10);
    {
        data::Session::Transaction entry(fx.md().session());
        EXPECT_EQ(data::drawOperationNumber(fx.md()), 11);
        // no commit: the entry is abandoned
    }
    EXPECT_EQ(data::drawOperationNumber(fx.md()), 11);
}

} // namespace
