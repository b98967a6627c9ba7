#pragma once

#include "members/playerlist/PlayerTabs.h"
#include "ui/ListWindow.h"

#include <QHash>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QTabBar;

namespace corvane::data {
class ModuleData;
}

namespace corvane::members {

// "Saisie des joueurs": every member of the club in one grid, with a tab per
// category and per role (committee, coaches and officials, umpires), the
// sort choice, quick search by typing in the grid, the record window on
// Modifier/Ajouter, the deletion with the member's fee receipts, the printed
// list and the player workbook.
//
//   members::TListeJoueurs w(md, core::currentRights().letter(6), this);
//   w.Affiche();
class TListeJoueurs : public ui::ListWindow {
    Q_OBJECT
public:
    TListeJoueurs(data::ModuleData &md, QChar droit, QWidget *parent = nullptr);
    ~TListeJoueurs() override;

    // Opens the members, selects "Tous" sorted by name and shows the window
    // modally; returns when it is closed.
    void Affiche();
    // Everything Affiche() does but showing the window.
    void prepare();

    QTabBar *playerTabBar() const { return tabBar_; }
    int playerTab() const { return tab_; }
    void setPlayerTab(int tab);
    const std::vector<playerlist::PlayerTab> &playerTabs() const { return tabs_; }

    playerlist::PlayerSort sort() const { return sort_; }
    void setSort(playerlist::PlayerSort sort);
    QRadioButton *sortButton(playerlist::PlayerSort sort) const;

    QString quickSearchText() const { return quickText_; }
    bool searchCleared() const { return searchCleared_; }

protected:
    void addRecord() override;
    void modifyRecord() override;
    void viewRecord() override;
    void deleteRecord() override;
    void printList() override;
    void exportList() override;
    void search() override;
    void counted(int tab, int count) override;
    void quit() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTab();
    void afterRecordWindow(const data::Table::Bookmark &back);
    void typed(const QString &text);
    void escapePressed();
    void stateChanged();

    data::ModuleData &md_;
    data::Table *joueurs_;
    std::vector<playerlist::PlayerTab> tabs_;
    QTabBar *tabBar_;
    QGroupBox *sortBox_;
    QButtonGroup *sortGroup_;
    int tab_ = playerlist::TabTous;
    playerlist::PlayerSort sort_ = playerlist::PlayerSort::Nom;
    QString quickText_;
    bool searchCleared_ = true;
    bool openedJoueurs_ = false;
    bool openedCodes_ = false;
    QString savedIndex_;
    QMetaObject::Connection stateHook_;
};

} // namespace corvane::members
