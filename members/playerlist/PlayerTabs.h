#pragma once

#include "data/Table.h"

#include <QColor>
#include <QString>

#include <vector>

namespace corvane::data {
struct Parametres;
}

namespace corvane::members::playerlist {

// The player list shows one tab per group of members: everyone, the
// committee, the eight men's categories, the coaches and officials, the
// umpires, the eight women's categories and the leisure members. No widget
// here: the window and the tests use the same filters.

inline const QString NoTeam = QStringLiteral("xxxxxxxx");
inline const QString LoisirsCategory = QStringLiteral("Loisirs");

enum class TabKind { Tous, Bureau, Categorie, Educateurs, Arbitres };

struct PlayerTab {
    QString caption;
    QColor titleColour; // the grid's column titles
    TabKind kind = TabKind::Tous;
    QString category; // a category tab's category
};

// Tab indexes the window and the workbook name.
inline constexpr int TabTous = 0;
inline constexpr int TabBureau = 1;
inline constexpr int TabEducateurs = 10;
inline constexpr int TabArbitres = 11;
inline constexpr int TabLoisirs = 20;
inline constexpr int TabCount = 21;

// The 21 tabs, the category captions taken from the category slots (men's
// 1 to 8 on tabs 2 to 9, women's 21 to 28 on tabs 12 to 19).
std::vector<PlayerTab> playerTabs(const data::Parametres &p);

// Field positions read by the filters, looked up once per table.
struct MemberFields {
    explicit MemberFields(const data::Table &joueurs);
    int categorie, equipe, membreBureau, educateur, arbitre, arbitreDelegue, arbitreTable, paye;
};

// A coach or committee member without a team is shown on his own tabs only,
// not on his category's.
bool onTab(const PlayerTab &tab, const MemberFields &f, const data::RecordView &member);

// The filter of a tab over `Joueurs`; empty for "Tous".
data::Table::Predicate tabFilter(const PlayerTab &tab, const data::Table &joueurs);

// The sort choice: the table's own order (its key, by name), or the indexes
// `ParCategorie` and `ParEquipe`.
enum class PlayerSort { Nom, Categorie, Equipe };
QString indexName(PlayerSort sort);
// The field the sort and the printed groups go by.
QString sortField(PlayerSort sort);

// Quick search: the first record, in the table's current order (which goes
// by `field`, ascending or descending), whose field is at or after `text` in
// that order (letter case and accents ignored), or the last record when none
// is. Reads rows without walking the cursor. -1 when the table is empty;
// else the row (from 0).
int nearestRow(const data::Table &table, const QString &field, const QString &text, bool descending = false);

} // namespace corvane::members::playerlist
