#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::core {

// One row of a profile: the password row (row 0), a menu heading (no mark)
// or a function with one of its three marks set to "X" ("-" in
// Visualisation for a function without a view-only mode).
struct RightsRow {
    QString options;
    QString aucun;
    QString visualisation;
    QString tous;

    bool isHeading() const { return aucun.isEmpty() && visualisation.isEmpty() && tous.isEmpty(); }
    bool operator==(const RightsRow &) const = default;
};

// The rows of the profile delivered with the program: every right, an
// empty password.
std::vector<RightsRow> administratorProfileRows();

// Passwords are kept as a salted, slow hash in the password row; a row
// written by an older program in clear text is still compared as it is.
QString hashPassword(const QString &password);
bool passwordMatches(const QString &stored, const QString &typed);

// Profile files: a small data file holding the rows of `Profil`, named after
// the profile with the extension ".pfl" in the profiles folder.
class ProfileFiles {
public:
    static QStringList list(const QString &folder); // file names, sorted
    // Throws StoreError with a French message naming the file when it is
    // damaged or is not a profile.
    static std::vector<RightsRow> read(const QString &path);
    // Writes beside the target and renames over it: a failed write never
    // leaves half a profile. Throws StoreError with a French message.
    static void write(const QString &path, const std::vector<RightsRow> &rows);
    // Creates "Administrateur.pfl" when the folder holds no profile.
    static void ensureDelivered(const QString &folder);
};

// Rows of a `Droits`/`Profil` table, and back (the table is emptied first).
std::vector<RightsRow> readRightsTable(data::Table &table);
void writeRightsTable(data::Table &table, const std::vector<RightsRow> &rows);

} // namespace corvane::core
