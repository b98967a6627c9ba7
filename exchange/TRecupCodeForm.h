#pragma once

#include "exchange/RecupCodes.h"
#include "ui/BaseWindow.h"

#include <memory>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace corvane::data {
class ModuleData;
}
namespace corvane::ui {
class ChoiceComboBox;
}

namespace corvane::exchange {

// "Récupération de codes postaux": copies towns of one département from the
// national list into the club's list. The département and the sort by town
// are remembered for the user ("RecupCode", "RecupCodeTri"). The work is
// done by RecupCodes; this window shows its lines as a check list.
//
//   TRecupCodeForm w(md, this);
//   w.Affiche();
class TRecupCodeForm : public ui::BaseWindow {
    Q_OBJECT
public:
    // Creates "Tempo" and loads the remembered département.
    TRecupCodeForm(data::ModuleData &md, QWidget *parent = nullptr);
    ~TRecupCodeForm() override;

    int Affiche();

    ui::ChoiceComboBox *departementBox() const { return departement_; }
    QCheckBox *triBox() const { return tri_; }
    QListWidget *liste() const { return liste_; }
    QPushButton *toutSelectionner() const { return tout_; }
    QPushButton *toutDeselectionner() const { return rien_; }
    QPushButton *ajouterButton() const { return ajouter_; }

    // The actions, as the controls run them.
    void choisirDepartement(const QString &departement);
    void trierParVille(bool parVille);
    void selectionnerTout(bool tick);
    void ajouter();

protected:
    void quit() override;

private:
    void charger();
    void remplir();
    void updateAjouter();

    data::ModuleData &md_;
    RecupCodes recup_;
    QList<Town> lignes_;
    ui::ChoiceComboBox *departement_;
    QCheckBox *tri_;
    QListWidget *liste_;
    QPushButton *tout_;
    QPushButton *rien_;
    QPushButton *ajouter_;
    bool saved_ = false;
};

} // namespace corvane::exchange
