#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

// "Changement de mot de passe de votre profil": the officer types the
// current password (never shown) and the new one twice; the new password is
// stored hashed in the profile's file, `Droits` and `Profil`.
//   core::TChgMotdepasse w(md, data::appFolders().profils(), profile(), this); w.Affiche();
class TChgMotdepasse : public QDialog {
    Q_OBJECT
public:
    TChgMotdepasse(data::ModuleData &md, const QString &profilesFolder, const QString &profile,
                   QWidget *parent = nullptr);

    bool Affiche(); // true when the password was changed

    QLineEdit *ancien() const { return ancien_; }
    QLineEdit *nouveau() const { return nouveau_; }
    QLineEdit *verification() const { return verification_; }
    QPushButton *ok() const { return ok_; }

private:
    void valider();

    data::ModuleData &md_;
    QString folder_;
    QString profile_;
    QLineEdit *ancien_;
    QLineEdit *nouveau_;
    QLineEdit *verification_;
    QPushButton *ok_;
};

} // namespace corvane::core
