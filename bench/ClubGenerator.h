#pragma once

#include <QString>

namespace corvane::bench {

// Size of the generated club.
inline constexpr int kMembers = 3000;
inline constexpr int kReceipts = 20000;
inline constexpr int kExpenses = 20000; // receipts and expenses: 40 000 ledger entries
inline constexpr int kCategories = 200;
inline constexpr int kClosedSeasons = 10;

// The club is in its 2024-2025 season. Every date is drawn from this year and
// a fixed seed, never from today, so that two runs write the same records.
inline constexpr int kSeasonYear = 2025;

// Creates the data folder `dir` (missing or empty) with every table, then
// fills, in one transaction, the members, both ledgers, the accounting
// categories, the closed seasons and the operation counter of a large club.
// Throws StoreError when the folder cannot be created or written.
void generateLargeClub(const QString &dir);

} // namespace corvane::bench
