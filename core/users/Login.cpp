#include "core/users/Login.h"

#include "core/users/Profiles.h"
#include "core/users/Rights.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>

namespace corvane::core {

LoginProcess::LoginProcess(data::ModuleData &md, const QString &profilesFolder)
    : md_(md)
    , folder_(profilesFolder)
    , profiles_(ProfileFiles::list(profilesFolder))
{
}

QString LoginProcess::initialProfile(QString *warning) const
{
    const QString last = lastUser();
    if (profiles_.contains(last))
        return last;
    // Nothing to warn about before the first login on this computer.
    if (warning && !profiles_.isEmpty() && !last.isEmpty())
        *warning = QStringLiteral("Le profil par défaut n'existe plus dans le répertoire des profils\rLe premier "
                                  "profil trouvé va donc être pris par défaut");
    return profiles_.value(0);
}

void LoginProcess::choose(const QString &profile)
{
    chosen_.clear();
    expected_.clear();
    std::vector<RightsRow> rows;
    try {
        rows = ProfileFiles::read(QDir(folder_).filePath(profile));
    } catch (const data::StoreError &) {
        profiles_.removeAll(profile);
        throw;
    }
    writeRightsTable(*md_.table(QStringLiteral("Profil")), rows);
    chosen_ = profile;
    expected_ = rows.empty() ? QString() : rows.front().options;
}

LoginProcess::Outcome LoginProcess::validate(const QString &password)
{
    if (chosen_.isEmpty() || attempt_ > 3)
        return Outcome::Refused;
    if (passwordMatches(expected_, password)) {
        setLastUser(chosen_);
        return Outcome::Accepted;
    }
    ++attempt_;
    return attempt_ > 3 ? Outcome::Refused : Outcome::Retry;
}

QString LoginProcess::attemptText() const
{
    switch (attempt_) {
    case 2:
        return QString::fromUtf8("Deuxième tentative ...");
    case 3:
        return QString::fromUtf8("Troisième et dernière tentative ...");
    default:
        return {};
    }
}

void applyLogin(data::ModuleData &md, const QString &previousProfile, const QString &profile)
{
    // One commit for the tell-tale line and the rights: one wait for the disk.
    data::Session::Transaction transaction(md.session());
    if (profile != previousProfile) {
        data::OpenedTable mouchard(md.table(QStringLiteral("Mouchard")));
        const QTime now = QTime::currentTime();
        mouchard->append();
        mouchard->setValue(QStringLiteral("Jour"), QDate::currentDate());
        mouchard->setValue(QStringLiteral("Heure entree"), now);
        mouchard->setValue(QStringLiteral("Heure sortie"), now);
        mouchard->setValue(QStringLiteral("Type sortie"), QStringLiteral("Normale"));
        mouchard->setValue(QStringLiteral("Module"), QStringLiteral("Changement de profil utilisateur"));
        mouchard->setValue(QStringLiteral("Profil"), profile);
        mouchard->post();
    }
    const auto rows = readRightsTable(*md.table(QStringLiteral("Profil")));
    writeRightsTable(*md.table(QStringLiteral("Droits")), rows);
    transaction.commit();
    currentRights() = Rights::fromRows(readRightsTable(*md.table(QStringLiteral("Droits"))));
}

QString lastUser()
{
    return QSettings().value(QStringLiteral("Utilisateur")).toString();
}

void setLastUser(const QString &profile)
{
    QSettings().setValue(QStringLiteral("Utilisateur"), profile);
}

} // namespace corvane::core
