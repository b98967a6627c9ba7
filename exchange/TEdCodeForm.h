#pragma once

#include "ui/RecordWindow.h"

namespace corvane::data {
class ModuleData;
}
namespace corvane::ui {
class FieldComboBox;
class FieldLineEdit;
} // namespace corvane::ui

namespace corvane::exchange {

class PostalCodeEdit;

// "Saisie des villes et codes postaux": one town of the club's list
// (Codepostal). Its navigator inserts, deletes, edits, posts and cancels; a
// town saved twice gets the table's duplicate warning and stays in editing.
//
//   TEdCodeForm w(md, this);
//   w.Affiche(QStringLiteral("Rennes")); // that town, or a new one
class TEdCodeForm : public ui::RecordWindow {
    Q_OBJECT
public:
    TEdCodeForm(data::ModuleData &md, QWidget *parent = nullptr);

    // Edits the first town named exactly `ville`, or a new town when none
    // is (an empty name always gives a new town). Returns the window's result.
    int Affiche(const QString &ville);

    PostalCodeEdit *codeEdit() const { return code_; }
    ui::FieldLineEdit *villeEdit() const { return ville_; }
    ui::FieldComboBox *departementBox() const { return departement_; }

private:
    data::ModuleData &md_;
    PostalCodeEdit *code_;
    ui::FieldLineEdit *ville_;
    ui::FieldComboBox *departement_;
};

} // namespace corvane::exchange
