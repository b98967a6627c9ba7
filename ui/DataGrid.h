#pragma once

#include "data/Table.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QTableView>

#include <memory>

namespace corvane::ui {

// One column of a grid: the field, its title (the field's label when empty),
// its width in pixels (fitted to the field when 0) and the alignment of its
// cells (by the field's type when 0: numbers right, dates and Oui/Non
// centred, text left).
struct GridColumn {
    QString field;
    QString title;
    int width = 0;
    Qt::Alignment alignment = {};
};

// The rows of a table in its current order and filter, read with
// valueAt/displayAt so that painting never moves the cursor. The current
// record is painted as the selected row; the others alternate white (odd
// record numbers) and light green.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static inline const QColor OddRowColor{255, 255, 255};
    static inline const QColor EvenRowColor{225, 255, 244};
    static inline const QColor SelectedRowColor{197, 209, 248};
    static inline const QColor SelectedTextColor{0, 0, 255};

    TableModel(data::Table *table, const QList<GridColumn> &columns, QObject *parent = nullptr);

    data::Table *table() const { return table_; }
    const QList<GridColumn> &columns() const { return columns_; }
    int fieldIndexOf(int column) const { return fieldIndexes_.value(column, -1); }
    // Row of the current record, -1 when none (empty, closed, or a new
    // record being typed).
    int currentRow() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void currentRowChanged(int row);

private:
    void tableLayoutChanged();
    void tableCurrentChanged();
    void rowChanged(int row);
    void reset();

    QPointer<data::Table> table_;
    QList<GridColumn> columns_;
    QList<int> fieldIndexes_;
    int shownCurrent_ = -1;
    mutable int reading_ = 0; // inside a read that may make the table reload
    bool resetQueued_ = false;
};

// The sort chosen by clicking column titles: a second click on the title
// sorted last reverses the direction; a click on another title keeps the
// direction. Grids of one window may share one state.
struct SortState {
    QString field;
    bool descending = false;
};

// The list grid of every list window, over a table's cursor:
// whole-row selection following the cursor (a click, the arrow keys and the
// wheel move the cursor, one record per wheel step), the colours of
// TableModel, a click on a column title sorts the table on that field, a
// double click or Enter on a row emits rowActivated(). Fast on large tables:
// nothing walks the cursor.
//
//   auto *grid = new ui::DataGrid(recettes, {{"Date", "Date", 80}, {"Libelle", "Libellé", 220}}, this);
//   connect(grid, &ui::DataGrid::rowActivated, this, &TListeCompta::ModifierClick);
class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(data::Table *table, const QList<GridColumn> &columns, QWidget *parent = nullptr);

    data::Table *table() const { return model_->table(); }
    TableModel *tableModel() const { return model_; }

    void setSortable(bool sortable) { sortable_ = sortable; }
    void setSortState(std::shared_ptr<SortState> state);
    const SortState &sortState() const { return *sort_; }
    // Forgets the field sorted last (a tab change does), keeping the direction.
    void forgetSortField();
    // The title click: sorts on the column's field.
    void sortOnColumn(int column);
    // Puts back the table's order as it was when the grid was made, if a
    // title click changed it.
    void restoreOrder();

    // Posts a pending edit before the cursor moves; false when it failed
    // (the user was told).
    bool leaveRecord();

signals:
    void rowActivated();
    void sorted(const QString &field, bool descending);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followCursor(int row);

    TableModel *model_;
    std::shared_ptr<SortState> sort_;
    bool sortable_ = true;
    bool syncing_ = false;
    int wheelRest_ = 0;
    bool orderChanged_ = false;
    QString savedIndexName_;
    QString savedOrderField_;
    bool savedDescending_ = false;
};

} // namespace corvane::ui
