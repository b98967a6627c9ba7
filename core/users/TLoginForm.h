#pragma once

#include "core/users/Login.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace corvane::core {

// "Prise en compte de votre profil": the officer picks a profile and types
// its password; three attempts.
class TLoginForm : public QDialog {
    Q_OBJECT
public:
    TLoginForm(data::ModuleData &md, const QString &profilesFolder, QWidget *parent = nullptr);

    // Prepares the window (profiles, the last user's one, its password) and
    // shows it modally. True when a profile was accepted.
    bool Affiche();
    QString profile() const { return profile_; }

    QComboBox *profiles() const { return profiles_; }
    QLineEdit *password() const { return password_; }
    QLabel *attempts() const { return attempts_; }

private:
    void chooseProfile(const QString &name);
    void valider();

    LoginProcess process_;
    QComboBox *profiles_;
    QLineEdit *password_;
    QLabel *attempts_;
    QString profile_;
    bool success_ = false;
};

} // namespace corvane::core
