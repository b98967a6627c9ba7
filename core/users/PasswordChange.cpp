#include "core/users/PasswordChange.h"

#include "core/users/Profiles.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/StoreError.h"
#include "data/Table.h"

#include <QDir>

namespace corvane::core {

namespace {

// The password row is the first row; the others keep their place.
void setPasswordRow(data::Table &table, const QString &stored)
{
    data::OpenedTable t(&table);
    t->first();
    if (t->eof())
        return;
    t->edit();
    t->setValue(QStringLiteral("Options"), stored);
    t->post();
}

} // namespace

PasswordChangeResult changePassword(data::ModuleData &md, const QString &profilesFolder,
                                    const QString &profile, const QString &current,
                                    const QString &newPassword, const QString &confirmation)
{
    if (newPassword != confirmation)
        return PasswordChangeResult::Mismatch;
    const QString path = QDir(profilesFolder).filePath(profile);
    std::vector<RightsRow> rows = ProfileFiles::read(path);
    if (rows.empty())
        rows.push_back({});
    if (!passwordMatches(rows.front().options, current))
        return PasswordChangeResult::WrongPassword;
    rows.front().options = hashPassword(newPassword);
    ProfileFiles::write(path, rows);
    // `Droits` holds the logged-in profile; `Profil` may hold one loaded in
    // the profile editor since, so it takes the whole profile again.
    setPasswordRow(*md.table(QStringLiteral("Droits")), rows.front().options);
    writeRightsTable(*md.table(QStringLiteral("Profil")), rows);
    return PasswordChangeResult::Changed;
}

} // namespace corvane::core
