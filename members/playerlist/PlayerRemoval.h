#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::members::playerlist {

// Deleting a member also takes his paid fee receipts out of the ledger, so
// that the accounts do not keep money from nobody. No widget here but the
// questions of deletePlayer(), which go through ui::Messages.

// Whether one of the member's six fee receipts (whole fee, instalments 1 to
// 5, by their stored numbers) is pointed against the bank: such a member
// cannot be deleted this season.
bool hasReconciledReceipt(data::ModuleData &md, const data::Table &joueurs);

// Whether the whole fee or one of the instalments is marked paid.
bool hasPaidPayment(const data::Table &joueurs);

// Numbers of the receipts of the payments marked paid.
std::vector<int> paidReceiptNumbers(const data::Table &joueurs);

// The member's photo files that exist in `photoFolder` (the record window's
// rule: the family name and first name joined, ".jpg" or ".bmp" in any
// case; none for a name that would reach outside the folder). None either
// when another member's names join into the same file name: the photo is
// his as much.
QStringList photoFiles(data::ModuleData &md, const data::Table &joueurs, const QString &photoFolder);

// Deletes the current member of `joueurs` and, with `withReceipts`, the
// receipts of his paid payments (never one pointed against the bank), in one
// transaction. Returns how many receipts went.
int removeMember(data::ModuleData &md, data::Table &joueurs, bool withReceipts);

enum class RemovalOutcome { Refused, Cancelled, Removed };

// "Supprimer" of the player list on the current member: the refusal when a
// receipt is reconciled, the questions (deletion, paid receipts, photo),
// then the deletion. `status` receives the progress texts.
RemovalOutcome deletePlayer(data::ModuleData &md, data::Table &joueurs, const QString &photoFolder,
                            QWidget *parent = nullptr,
                            const std::function<void(const QString &)> &status = {});

} // namespace corvane::members::playerlist
