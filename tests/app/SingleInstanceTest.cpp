#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

using namespace corvane;

namespace {

TEST(SingleInstance, aSecondCopyWakesTheFirstAndTheNameIsFreedWithIt)
{
    const QString key = QStringLiteral("Corvane test ") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto first = std::make_unique<app::SingleInstance>(key);
    EXPECT_FALSE(first->otherIsRunning());
    QSignalSpy woken(first.get(), &app::SingleInstance::activationRequested);

    app::SingleInstance second(key);
    EXPECT_TRUE(second.otherIsRunning());
    const QDeadlineTimer deadline(5000);
    while (woken.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(woken.size(), 1);

    // Nothing is left behind once the first copy is gone, even killed: the
    // next start is the first again.
    first.reset();
    app::SingleInstance next(key);
    EXPECT_FALSE(next.otherIsRunning());
}

} // namespace
