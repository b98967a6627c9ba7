#pragma once

#include "core/users/Profiles.h"

#include <QString>

#include <vector>

namespace corvane::core {

// The rights letters of the logged-in profile, one per row of `Droits`:
// 'A' none, 'V' view only, 'T' all, '-' heading or unset.
class Rights {
public:
    static constexpr int MaxRows = 150;

    static Rights fromRows(const std::vector<RightsRow> &rows);
    static Rights all(); // every right, before any login

    QChar letter(int row) const;
    bool none(int row) const { return letter(row) == QLatin1Char('A'); }
    bool viewOnly(int row) const { return letter(row) == QLatin1Char('V'); }
    // No row marked "Aucun" or "Visualisation": may manage the profiles.
    bool fullRights() const { return full_; }

private:
    QString letters_;
    bool full_ = true;
};

// The rights of the running program, replaced at each login.
Rights &currentRights();

} // namespace corvane::core
