#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace corvane::data {
class Table;
}
namespace corvane::ui {
class FilteredTextEdit;
}

namespace corvane::members {

// The reference-list editor: the whole list in a text box, one entry a line
// (';' refused, typed or pasted), the longest entry allowed shown under it.
// "Fermer" checks the lines and replaces the table in one go, staying open
// with the text as typed when a line is empty, too long or refused by the
// table (a duplicate in a keyed list); "Annuler" leaves the table untouched.
// Help context 71.
class TFicheModifListe : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 71;

    explicit TFicheModifListe(QWidget *parent = nullptr);

    // Loads the table into the text box and shows the editor modally
    // (runModal); true when the list was saved.
    bool Affiche(data::Table &table);
    // Loads without showing (Affiche does it first).
    void charge(data::Table &table);

    ui::FilteredTextEdit *texte() const { return texte_; }
    QLabel *tailleLabel() const { return taille_; }
    QPushButton *fermerButton() const { return fermer_; }
    QPushButton *annulerButton() const { return annuler_; }
    QPushButton *aideButton() const { return aide_; }

public slots:
    void FermerClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void selectLine(int line);

    QPointer<data::Table> table_;
    ui::FilteredTextEdit *texte_;
    QLabel *taille_;
    QPushButton *fermer_;
    QPushButton *annuler_;
    QPushButton *aide_;
};

// Makes this editor the one the kit's choice lists open on a double click.
void registerListEditor();

} // namespace corvane::members
