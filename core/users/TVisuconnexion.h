#pragma once

#include <QDialog>

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::ui {
class DataGrid;
class Navigator;
} // namespace corvane::ui

namespace corvane::core {

// "Vos dernières connexions": the tell-tale records in a read-only grid,
// printed as "Liste des connexions".
//   core::TVisuconnexion w(md, this); w.Affiche();
class TVisuconnexion : public QDialog {
    Q_OBJECT
public:
    explicit TVisuconnexion(data::ModuleData &md, QWidget *parent = nullptr);
    ~TVisuconnexion() override;

    void Affiche();
    // "Imprimer la liste": through the common print step (preview or printer).
    void imprimer();

    ui::DataGrid *grid() const { return grid_; }
    ui::Navigator *navigator() const { return navigator_; }

private:
    data::Table *mouchard_;
    bool wasOpen_;
    ui::DataGrid *grid_;
    ui::Navigator *navigator_;
};

} // namespace corvane::core
