#pragma once

#include "ui/BaseWindow.h"

#include <QList>

class QPushButton;

namespace corvane::data {
class ModuleData;
}

namespace corvane::members {

// "Saisie d'éléments divers": one button per reference list, each opening
// the list editor on its table. Help context 28.
class TSaisieDivers : public ui::BaseWindow {
    Q_OBJECT
public:
    static constexpr int HelpContext = 28;

    struct Entree {
        QString libelle;   // the button's caption
        QString composant; // the table component it edits
    };
    // The lists offered, in the panel's order.
    static const QList<Entree> &entrees();

    explicit TSaisieDivers(data::ModuleData &md, QWidget *parent = nullptr);

    // Shows the panel modally.
    void Affiche();

    // The button of a table component ("Divisions", "NomBanque" …), nullptr when absent.
    QPushButton *bouton(const QString &composant) const;

private:
    void ouvre(const QString &composant);

    data::ModuleData &md_;
};

} // namespace corvane::members
