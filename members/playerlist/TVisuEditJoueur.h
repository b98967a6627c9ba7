#pragma once

#include <QDialog>
#include <QHash>

class QLabel;
class QToolButton;
class QGridLayout;

namespace corvane::data {
class Table;
}

namespace corvane::members {

// "Fiche du joueur": the current member of `joueurs`, read only, as plain
// labels under the captions of the record window, with the member's photo.
// Used under the view-only right on players, and for archived members.
//
//   members::TVisuEditJoueur w(*md.table("Joueurs"), this); w.Affiche();
class TVisuEditJoueur : public QDialog {
    Q_OBJECT
public:
    explicit TVisuEditJoueur(data::Table &joueurs, QWidget *parent = nullptr,
                             const QString &photoFolder = QString());

    // Shows the window modally; returns when it is closed.
    void Affiche();

    // The text shown after a caption ("Nom", "Cotisation payée", ...); empty
    // when the window has no such caption.
    QString shownValue(const QString &caption) const;
    bool hasPhoto() const;
    QToolButton *quitButton() const { return quit_; }
    QToolButton *printButton() const { return print_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *photo_;
    QLabel *photoHelp_;
    QToolButton *quit_;
    QToolButton *help_;
    QToolButton *print_;
    QHash<QString, QLabel *> values_;
};

} // namespace corvane::members
