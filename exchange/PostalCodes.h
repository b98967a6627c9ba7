#pragma once

#include <QString>
#include <QStringList>

namespace corvane::data {
class Table;
}

namespace corvane::exchange {

// One town of the club's list (table Codepostal) or of the national list
// (CodPostTotale): both share these four fields.
struct Town {
    QString codePostal;
    QString ville;
    QString departement;
    QString pays;
    bool operator==(const Town &) const = default;
};

// The first entry of the département choices: no filter, no département.
inline const QString AucunDepartement = QStringLiteral("<Aucun>");

// The 100 départements in the order of every choice list of the program.
// The filters compare the stored Departement with these names exactly.
const QStringList &departements();

// "75001" shown as "75 001"; other values (foreign codes) as they are.
QString afficheCodePostal(const QString &stored);
// What the user typed ("75 001", " 75001 ") as it is stored: without blanks.
QString stockeCodePostal(const QString &typed);

// The four fields of the table's current record.
Town currentTown(const data::Table &table);

// Places the cursor on the first record, in the current order and filter,
// whose Ville equals `ville` exactly; leaves it where it was when none does.
bool positionOnTown(data::Table &table, const QString &ville);

// Shows only the towns of the département (its exact name), or every town
// for an empty name or "<Aucun>".
void filterOnDepartement(data::Table &table, const QString &departement);

// The finder's caption for a filter.
QString finderCaption(const QString &departement);

} // namespace corvane::exchange
