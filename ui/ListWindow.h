#pragma once

#include "ui/BaseWindow.h"
#include "ui/DataGrid.h"
#include "ui/Navigator.h"
#include "ui/Search.h"

#include <QBoxLayout>
#include <QList>

class QLabel;
class QTabWidget;

namespace corvane::ui {

// Base of the list windows (TListe…). The tool bar holds a navigator and the
// buttons Supprimer, Modifier, Ajouter, Imprimer, Chercher, Calculatrice,
// Exporter, "&Quitter" and Aide; under it one tab per list, each with a
// band showing the count ("1 recette", "2 recettes", "0 recette") and a
// DataGrid. The base keeps the conventions:
//  - buttons follow the count of the current list and the rights letter:
//    Supprimer needs a record and the right to change, Modifier and Imprimer
//    a record, Ajouter the right to change; under "V" (view only) Modifier
//    shows the viewing picture and hint and opens viewRecord();
//  - the count is redone on every change of the list's records;
//  - a double click or Enter on a row opens the record (modifyRecord() or
//    viewRecord());
//  - Chercher runs the shared search dialog over the tab's search fields
//    (its grid's columns unless setSearchFields() says otherwise);
//  - "&Quitter" is enabled while the current list is not being edited;
//    Escape follows BaseWindow's rule; the sort made by column titles is
//    undone when the window closes.
// The subclass builds its tabs in its constructor, sets the hints, and
// overrides the actions it offers (hiding the buttons it does not).
class ListWindow : public BaseWindow {
    Q_OBJECT
public:
    enum class Action {
        Supprimer,
        Modifier,
        Ajouter,
        Imprimer,
        Chercher,
        Calculatrice,
        Exporter,
        Quitter,
        Aide
    };

    explicit ListWindow(QWidget *parent = nullptr);

    // A tab with its grid; the count texts are the words after the number
    // ("recette", "recettes"). Returns the tab's index.
    int addTab(const QString &title, data::Table *table, const QList<GridColumn> &columns,
               const QString &singular, const QString &plural);

    QToolButton *button(Action action) const;
    void setButtonVisible(Action action, bool visible);
    void setHint(Action action, const QString &hint);
    // Hint of Modifier under the view-only right ("Voir la recette sélectionnée").
    void setViewHint(const QString &hint);
    // A button of the window's own ("Bilan"), placed before `before`.
    QToolButton *addToolButton(const QString &text, const QIcon &icon, const QString &hint, Action before);

    // The rights letter of the user on this window's module: "V" is view only.
    void setRights(QChar letter);
    QChar rights() const { return rights_; }
    bool viewOnly() const { return rights_ == QLatin1Char('V'); }

    void setSearchFields(int tab, const QList<SearchField> &fields);

    Navigator *navigator() const { return navigator_; }
    QTabWidget *tabs() const { return tabs_; }
    int tabCount() const { return int(tabList_.size()); }
    int currentTab() const;
    void setCurrentTab(int tab);
    DataGrid *grid(int tab) const;
    DataGrid *currentGrid() const { return grid(currentTab()); }
    data::Table *table(int tab) const;
    data::Table *currentTable() const { return table(currentTab()); }
    QLabel *countLabel(int tab) const;
    // The band above a tab's grid: the count label, then room for totals.
    QHBoxLayout *tabBand(int tab) const;
    // The band between the tool bar and the tabs (empty and hidden unless
    // the window puts something there).
    QHBoxLayout *topBand() const { return topBand_; }

public slots:
    // Counts the current list again and enables the buttons.
    void recount();
    // Modifier, a double click or Enter: the record, or its view under "V".
    void openRecord();

public:
    // Undoes the sort made by the column titles, however the window closes.
    void done(int result) override;

protected:
    // The actions. The base does nothing for those the window does not
    // offer; search() runs the shared search dialog.
    virtual void addRecord() {}
    virtual void modifyRecord() {}
    virtual void viewRecord() {}
    virtual void deleteRecord() {}
    virtual void printList() {}
    virtual void exportList() {}
    virtual void search();
    // After a tab became current (navigator, buttons and count already follow it).
    virtual void tabChanged(int tab) { Q_UNUSED(tab); }
    // After each count; the place to redo totals.
    virtual void counted(int tab, int count)
    {
        Q_UNUSED(tab);
        Q_UNUSED(count);
    }
    virtual QString countText(int tab, int count) const;
    void showEvent(QShowEvent *event) override;

private:
    struct Tab {
        DataGrid *grid;
        QLabel *count;
        QHBoxLayout *band;
        QString singular;
        QString plural;
        QList<SearchField> searchFields;
    };
    void currentTabChanged(int tab);
    void updateQuit();
    void runAction(Action action);

    QList<Tab> tabList_;
    Navigator *navigator_;
    QTabWidget *tabs_;
    QWidget *topBandWidget_;
    QHBoxLayout *topBand_;
    QList<QToolButton *> buttons_;
    QString modifyHint_;
    QString viewHint_;
    QChar rights_ = QLatin1Char('T');
    std::shared_ptr<SortState> sort_;
    int lastSearchField_ = 0;
    QString lastSearchText_;
};

} // namespace corvane::ui
