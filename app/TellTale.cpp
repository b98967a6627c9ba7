#include "app/TellTale.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"

#include <QDateTime>

namespace corvane::app {

using data::OpenedTable;

namespace {

data::Table *mouchard(data::ModuleData &md)
{
    return md.table(QStringLiteral("Mouchard"));
}

} // namespace

void espionne(data::ModuleData &md, const QString &module, const QString &profile)
{
    OpenedTable t(mouchard(md));
    t->append();
    t->setValue(QStringLiteral("Jour"), QDate::currentDate());
    t->setValue(QStringLiteral("Heure entree"), QTime::currentTime());
    t->setValue(QStringLiteral("Type sortie"), QStringLiteral("ANORMALE"));
    t->setValue(QStringLiteral("Module"), module);
    t->setValue(QStringLiteral("Profil"), profile);
    t->post();
}

void majEspion(data::ModuleData &md, const QString &profile)
{
    OpenedTable t(mouchard(md));
    t->last();
    if (t->isEmpty())
        return;
    t->edit();
    t->setValue(QStringLiteral("Heure sortie"), QTime::currentTime());
    t->setValue(QStringLiteral("Type sortie"), QStringLiteral("Normale"));
    t->setValue(QStringLiteral("Profil"), profile);
    t->post();
}

void closeTellTale(data::ModuleData &md, const QString &profile)
{
    OpenedTable t(mouchard(md));
    t->last();
    if (t->isEmpty())
        return;
    // Already closed by this profile: nothing to wait for the disk for.
    if (t->asString(QStringLiteral("Type sortie")) == QLatin1String("Normale") &&
        t->asString(QStringLiteral("Profil")) == profile)
        return;
    t->edit();
    t->setValue(QStringLiteral("Type sortie"), QStringLiteral("Normale"));
    t->setValue(QStringLiteral("Profil"), profile);
    t->post();
}

void trimTellTale(data::ModuleData &md)
{
    OpenedTable t(mouchard(md));
    const int count = t->recordCount();
    if (count <= 502)
        return;
    data::Session::Transaction tx(*t->session());
    data::ControlsDisabled quiet(*t);
    t->first();
    t->next();
    for (int i = 0; i < count - 500; ++i)
        t->remove();
    tx.commit();
}

QString abnormalExitModule(data::ModuleData &md)
{
    OpenedTable t(mouchard(md));
    t->last();
    if (t->isEmpty() || t->asString(QStringLiteral("Type sortie")) == QLatin1String("Normale"))
        return {};
    const QString module = t->asString(QStringLiteral("Module"));
    return module.isEmpty() ? QStringLiteral("?") : module;
}

} // namespace corvane::app
