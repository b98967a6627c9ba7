#include "data/OperationNumbers.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"

namespace corvane::data {

namespace {
const QString Counter = QStringLiteral("Num operation");
}

int drawOperationNumber(ModuleData &md)
{
    Session::Transaction transaction(md.session());
    OpenedTable numoper(md.table(QStringLiteral("NumOper")));
    numoper->first();
    int next = 1;
    if (numoper->eof()) {
        numoper->append();
    } else {
        next = static_cast<int>(numoper->asInt(Counter)) + 1;
        numoper->edit();
    }
    // A counter damaged to zero or below starts again at one.
    next = std::max(next, 1);
    numoper->setValue(Counter, next);
    numoper->post();
    transaction.commit();
    return next;
}

int nextOperationNumber(ModuleData &md)
{
    OpenedTable numoper(md.table(QStringLiteral("NumOper")));
    numoper->first();
    return numoper->eof() ? 1 : std::max(static_cast<int>(numoper->asInt(Counter)) + 1, 1);
}

} // namespace corvane::data
