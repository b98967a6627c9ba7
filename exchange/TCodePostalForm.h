#pragma once

#include "exchange/PostalCodes.h"
#include "ui/ListWindow.h"

namespace corvane::data {
class ModuleData;
}
namespace corvane::ui {
class ChoiceComboBox;
}

namespace corvane::exchange {

// "Listes des codes postaux": the club's list of towns (Codepostal), as a
// window of the main menu and as the postal-code finder of the address
// windows. A drop-down filters the list on one département; the filter
// chosen stays for the rest of the run. From here the user edits a town,
// starts a new one, or copies towns from the national list.
//
// Main menu:        TCodePostalForm w(md, letter, this); w.Affiche();
// Address windows:  exchange::choisirVille() (ChoisirVille.h) does the
//                   picker use in one call.
class TCodePostalForm : public ui::ListWindow {
    Q_OBJECT
public:
    TCodePostalForm(data::ModuleData &md, QChar droit = QLatin1Char('T'), QWidget *parent = nullptr);

    // Main-menu use: opens Codepostal, shows the list, closes Codepostal.
    void Affiche();
    // Positions on the first town named exactly `ville` (no move when none
    // is), then shows the window modally. Codepostal must be open.
    int Ouvre(const QString &ville);
    // Positioning alone, without showing; false when no town has the name.
    bool positionne(const QString &ville);
    // The town of the current record: what the user chose (or left on).
    QString villeChoisie() const;
    Town villeCourante() const;
    // Whether the user picked a town (double click in picker use) or moved
    // to another town since Ouvre; false when the window was left where Ouvre
    // put it, even if that is not the caller's town (hidden by the filter).
    bool villeDesignee() const;

    // Picker use: a double click in the grid closes the window instead of
    // opening the town window.
    void setPicker(bool picker) { picker_ = picker; }
    bool isPicker() const { return picker_; }

    ui::ChoiceComboBox *filtre() const { return filtre_; }
    // Filters on the département ("<Aucun>" or an empty name: every town),
    // as choosing it in the drop-down does.
    void filtrer(const QString &departement);
    QToolButton *recupererButton() const { return recuperer_; }

    // The buttons' actions, also for tests.
    void editer();
    void nouveau();
    void recuperer();

    void done(int result) override;

protected:
    void modifyRecord() override;
    void viewRecord() override;
    void addRecord() override { nouveau(); }
    void counted(int tab, int count) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyFilter();
    QString savedFilter() const;

    data::ModuleData &md_;
    data::Table *codes_;
    ui::ChoiceComboBox *filtre_;
    QToolButton *recuperer_;
    bool picker_ = false;
    bool openedHere_ = false;
    bool picked_ = false;
    data::Table::Bookmark openedAt_;
};

} // namespace corvane::exchange
