#include "app/Startup.h"

#include "app/TellTale.h"
#include "data/AppFolders.h"
#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "data/tables/TableDefs.h"
#include "ui/Messages.h"

#include <QDateTime>
#include <QFileInfo>

namespace corvane::app {

using data::OpenedTable;
using ui::Messages;

int determineAnneeCourante(QDate today, const std::function<bool()> &askNextSeason)
{
    int year = today.month() > 6 ? today.year() + 1 : today.year();
    if ((today.month() == 5 || today.month() == 6) && askNextSeason && askNextSeason())
        year = today.year() + 1;
    return year;
}

data::OpenedData openDataForStartUp(const QString &folder)
{
    data::OpenedData opened = data::openDataFolder(folder);
    // The data module describes its tables from the program's definitions.
    data::allTableDefs();
    // Reading ahead only: a table that cannot be read is reported by the
    // step that needs it, as it would be without this.
    for (const char *name : {"Mouchard", "Parametr", "EXERCICE", "CategorieH", "CategorieF", "Droits"}) {
        try {
            data::Table::readAhead(*opened.session, QString::fromLatin1(name));
        } catch (const data::StoreError &) {
        }
    }
    return opened;
}

bool checkAfterAbnormalExit(data::ModuleData &md, const QString &profile,
                            const std::function<void(const QString &)> &status)
{
    const QString module = abnormalExitModule(md);
    if (module.isEmpty())
        return true;
    Messages::warningYes(QStringLiteral("Une sortie anormale s'est produite lors de la session\rprécédente dans le "
                                        "module ") +
                         module + QStringLiteral("\rUne vérification de l'intégrité des tables va être effectuée"));
    if (status)
        status(QStringLiteral("Vérification des tables en cours ..."));
    const QList<data::Table *> tables = md.tables();
    auto damaged = [](const QString &name) {
        Messages::errorYes(QStringLiteral("La table ") + name +
                           QStringLiteral(" est endommagée.\rImpossible de continuer à travailler.\rVeuillez "
                                          "consultez le manuel utilisateur."));
        return false;
    };
    for (auto it = tables.crbegin(); it != tables.crend(); ++it) {
        data::Table *t = *it;
        try {
            const bool wasOpen = t->isActive();
            t->open();
            if (!wasOpen)
                t->close();
        } catch (const std::exception &) {
            return damaged(t->componentName());
        }
    }
    // Opening reads every record; the data file's own check covers the
    // indexes too.
    try {
        data::Statement check(md.session(), QStringLiteral("PRAGMA quick_check"));
        if (!check.step() || check.columnText(0) != QLatin1String("ok"))
            return damaged(QFileInfo(md.session().path()).fileName());
    } catch (const data::StoreError &) {
        return damaged(QFileInfo(md.session().path()).fileName());
    }
    Messages::informationYes(QStringLiteral("Aucune table n'a été endommagé à la suite de cette sortie anormale\rVous "
                                            "pouvez donc continuer à travailler normalement"));
    OpenedTable mouchard(md.table(QStringLiteral("Mouchard")));
    mouchard->last();
    if (!mouchard->isEmpty()) {
        mouchard->edit();
        mouchard->setValue(QStringLiteral("Type sortie"), QStringLiteral("ANORMALE"));
        mouchard->setValue(QStringLiteral("Profil"), profile);
        mouchard->post();
    }
    return true;
}

void seedFirstRun(data::ModuleData &md, QDate today, const std::function<bool()> &askNextSeason)
{
    data::Session::Transaction tx(md.session());
    OpenedTable param(md.table(QStringLiteral("Param")));
    // The year is asked once, when either table is new.
    int year = 0;
    auto seasonYear = [&] {
        if (year == 0)
            year = determineAnneeCourante(today, askNextSeason);
        return year;
    };
    if (param->isEmpty()) {
        // The other first-run values are the defaults of the table's fields.
        param->append();
        param->setValue(QStringLiteral("Annee courante"), seasonYear());
        param->setValue(QStringLiteral("Version logiciel"), data::VersionText);
        param->post();
        OpenedTable mouchard(md.table(QStringLiteral("Mouchard")));
        mouchard->last();
        if (mouchard->isEmpty())
            mouchard->append();
        else
            mouchard->edit();
        const QTime now = QTime::currentTime();
        mouchard->setValue(QStringLiteral("Jour"), today);
        mouchard->setValue(QStringLiteral("Heure entree"), now);
        mouchard->setValue(QStringLiteral("Heure sortie"), now);
        mouchard->setValue(QStringLiteral("Type sortie"), QStringLiteral("Normale"));
        mouchard->setValue(QStringLiteral("Module"), QStringLiteral("Mise en service"));
        mouchard->setValue(QStringLiteral("Profil"), QStringLiteral("Mise en service"));
        mouchard->post();
    }
    OpenedTable exercice(md.table(QStringLiteral("Exercice")));
    if (exercice->isEmpty()) {
        // A settings record without a season: the season follows the
        // settings' year when it has one.
        int y = int(param->asInt(QStringLiteral("Annee courante")));
        if (y <= 0)
            y = seasonYear();
        exercice->append();
        exercice->setValue(QStringLiteral("Annee"), y);
        exercice->setValue(QStringLiteral("Saison"), QStringLiteral("%1-%2").arg(y - 1).arg(y));
        exercice->setValue(QStringLiteral("Debut"), QDate(y - 1, 7, 1));
        exercice->setValue(QStringLiteral("Fin"), QDate(y, 6, 30));
        for (const char *f : {"Nombre de joueurs", "Nb Jeunes", "Nb Adultes", "Nombre ecriture recette",
                              "Nombre ecriture depense", "Montant recettes", "Montant depenses", "Total subventions",
                              "Bilan total"})
            exercice->setValue(QString::fromLatin1(f), 0);
        exercice->setValue(QStringLiteral("Etat"), QStringLiteral("En cours"));
        exercice->post();
    }
    tx.commit();
}

void storeVersion(data::ModuleData &md)
{
    OpenedTable param(md.table(QStringLiteral("Param")));
    param->first();
    // Nothing is written when the version is already stored: every write
    // waits for the disk, and this runs at each start.
    if (param->isEmpty() || param->asString(QStringLiteral("Version logiciel")) == data::VersionText)
        return;
    param->edit();
    param->setValue(QStringLiteral("Version logiciel"), data::VersionText);
    param->post();
}

QString lateSeasonReminder(const data::Parametres &p, QDate today)
{
    if (!p.finSaison.isValid() || today <= p.finSaison)
        return {};
    return QStringLiteral("Vous devez penser à clore la saison ") + p.saison + QStringLiteral(" dès que possible  ...");
}

} // namespace corvane::app
