#pragma once

#include "members/playerlist/PlayerTabs.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace corvane::data {
struct Parametres;
class Table;
} // namespace corvane::data

namespace corvane::members::playerlist {

// The player workbook "Joueurs.xlsx": one sheet per tab of the player list
// but "Tous", 50 columns per member, unpaid members shaded grey.

inline const QString PlayerWorkbookName = QStringLiteral("Joueurs.xlsx");
inline constexpr int WorkbookSheetCount = 20;
inline constexpr int WorkbookGrey = 15; // palette index of the unpaid rows and the legend

struct WorkbookColumn {
    QString title;
    QString field;
    double width = 0; // characters; 0 keeps the spreadsheet's default
    bool centred = false;
};

// Columns A to AX.
const std::vector<WorkbookColumn> &workbookColumns();

// The tab of the player list each sheet shows: the men's categories, the
// women's, "Bureau", "Educateurs-Dirigeants", "Arbitres", "Loisirs".
int sheetTab(int sheet);

// Sheet names, in order, from the tabs (category captions from the slots).
QStringList workbookSheetNames(const std::vector<PlayerTab> &tabs);

// The sheets (0-based, ascending) on which the member gets a line: his
// category's (the first category sheet of that name, left out as on screen
// for a coach or committee member without a team), then "Bureau",
// "Educateurs-Dirigeants", "Arbitres" as his roles say.
std::vector<int> memberSheets(const std::vector<PlayerTab> &tabs, const MemberFields &f,
                              const data::RecordView &member);

// Writes the workbook from the records of `joueurs` in its current order and
// filter (the window shows "Tous" first) through the common workbook
// procedure. True when the file was written; `doneText` then receives the
// status text "Ecriture du fichier Joueurs.xlsx terminé.".
bool exportPlayerWorkbook(data::Table &joueurs, const data::Parametres &p, QWidget *parent = nullptr,
                          QString *doneText = nullptr, const QString &folder = {});

} // namespace corvane::members::playerlist
