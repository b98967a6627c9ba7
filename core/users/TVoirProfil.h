#pragma once

#include <QDialog>

#include <memory>

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::core {

class RightsGrid;

// "Profil de l'utilisateur": the rights of the logged-in profile, read only.
// The window reads `Droits` through a cursor of its own whose filter leaves
// the password row out: `Droits` itself is never changed, so nothing is lost
// if the program stops while the window is open.
//   core::TVoirProfil w(md, this); w.Affiche();
class TVoirProfil : public QDialog {
    Q_OBJECT
public:
    explicit TVoirProfil(data::ModuleData &md, QWidget *parent = nullptr);
    ~TVoirProfil() override;

    void Affiche();
    RightsGrid *grid() const { return grid_; }
    data::Table *rows() const { return droits_.get(); }

private:
    std::unique_ptr<data::Table> droits_;
    RightsGrid *grid_;
};

} // namespace corvane::core
