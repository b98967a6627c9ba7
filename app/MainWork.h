#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <functional>

namespace corvane::data {
class ModuleData;
class AppFolders;
class RecordView;
} // namespace corvane::data

namespace corvane::app {

// The work behind the main window's menus that is not a window of its own.

// Quitting proposes a backup when the last backup is more than `delayDays`
// older than the last change of the members, ledgers or letters.
bool backupReminderDue(data::ModuleData &md, int delayDays);
QString backupReminderText(int delayDays);
// Closing a season needs a backup newer than every change of the members,
// ledgers and debts.
bool closingNeedsBackup(data::ModuleData &md);

// After the parameters window: rewrites the renamed accounts in the ledgers
// and slips. Names are indexed 1 to 5.
using AccountNames = std::array<QString, 6>;
void propagateAccountNames(data::ModuleData &md, const AccountNames &before, const AccountNames &after);

// After the player list: the distinctions in use, in order of first use.
void rebuildDistinctions(data::ModuleData &md);

// Before the follow-up lists: `TableListe` holds the active members that
// meet the condition (every active member when it is empty).
void fillTableListe(data::ModuleData &md, const std::function<bool(const data::RecordView &)> &condition = {});

// Before the label generator: one label per member who accepts mail.
void ajouteJoueursInEtiquette(data::ModuleData &md);

QString workingFoldersMessage(const data::AppFolders &folders);
QString dateTimeMessage(const QDateTime &now);

} // namespace corvane::app
