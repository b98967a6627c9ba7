#pragma once

#include <QString>
#include <QStringList>

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

// The work of the login window: the profiles offered, the one chosen and
// copied into `Profil`, and the three attempts.
class LoginProcess {
public:
    enum class Outcome { Accepted, Retry, Refused };

    LoginProcess(data::ModuleData &md, const QString &profilesFolder);

    QStringList profiles() const { return profiles_; }
    // The profile of the last successful login (registry "Utilisateur"), or
    // the first one with `warning` set when it no longer exists.
    QString initialProfile(QString *warning) const;
    // Copies the profile into `Profil` and keeps its password. Throws
    // StoreError (French, naming the file) for a damaged file, which is then
    // no longer offered.
    void choose(const QString &profile);
    QString chosen() const { return chosen_; }

    Outcome validate(const QString &password);
    int attempt() const { return attempt_; } // 1, 2, 3; 4 once refused
    QString attemptText() const;              // "", "Deuxième tentative ...", "Troisième et dernière tentative ..."

private:
    data::ModuleData &md_;
    QString folder_;
    QStringList profiles_;
    QString chosen_;
    QString expected_;
    int attempt_ = 1;
};

// After a successful login: a tell-tale record when the profile changed,
// the profile's rows copied into `Droits`, and the rights letters reloaded.
void applyLogin(data::ModuleData &md, const QString &previousProfile, const QString &profile);

// Registry value "Utilisateur".
QString lastUser();
void setLastUser(const QString &profile);

} // namespace corvane::core
