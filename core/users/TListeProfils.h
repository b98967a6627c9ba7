#pragma once

#include "core/users/ProfileEditor.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane::core {

class RightsGrid;

// "Gestion des profils utilisateurs": the rights of a profile in a grid
// whose clicks turn the marks, written to and read from the profile files.
// Opened from the menu (full rights only):
//   core::TListeProfils w(md, data::appFolders().profils(), this); w.Affiche();
class TListeProfils : public QDialog {
    Q_OBJECT
public:
    TListeProfils(data::ModuleData &md, const QString &profilesFolder, QWidget *parent = nullptr);
    ~TListeProfils() override;

    // Loads the profile held in `Profil` and shows the window modally.
    void Affiche();

    ProfileEditor &editor() { return *editor_; }
    RightsGrid *grid() const { return grid_; }
    QLineEdit *password() const { return password_; }
    QLabel *status() const { return status_; }
    QPushButton *button(const QString &text) const;

private:
    void generer();
    void charger();
    void supprimer();
    void showPasswordHint();

    std::unique_ptr<ProfileEditor> editor_;
    RightsGrid *grid_;
    QLineEdit *password_;
    QLabel *status_;
};

} // namespace corvane::core
