#pragma once

#include <QString>

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

// The password change of the logged-in profile, without its window.
enum class PasswordChangeResult { Changed, Mismatch, WrongPassword };

// Checks `current` against the password stored in the profile's file (the
// hash, or a clear-text password of an older file), then stores the new one
// hashed in the file and in the password row of `Droits` and `Profil`.
// Throws StoreError (French) when the file cannot be read or written; then
// nothing was changed.
PasswordChangeResult changePassword(data::ModuleData &md, const QString &profilesFolder,
                                    const QString &profile, const QString &current,
                                    const QString &newPassword, const QString &confirmation);

} // namespace corvane::core
