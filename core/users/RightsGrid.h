#pragma once

#include "data/Table.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QTableView>

namespace corvane::core {

// The rows of a `Droits`/`Profil`-like table as the profile windows show
// them: the function name and its three marks. Heading rows (no mark) on the
// light green of the lists with blue text, function rows on white, the
// selected cell on the selection colour with black text, "-" in red. Read
// with valueAt: painting never moves the cursor.
class RightsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static inline const QColor HeadingColor{225, 255, 244};
    static inline const QColor HeadingTextColor{0, 0, 255};
    static inline const QColor SelectedColor{197, 209, 248};

    explicit RightsModel(data::Table *table, QObject *parent = nullptr);
    void setTable(data::Table *table);
    data::Table *table() const { return table_; }
    bool isHeading(int row) const;
    void setSelectedCell(int row, int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString text(int row, int column) const;
    void reload();

    QPointer<data::Table> table_;
    QList<QMetaObject::Connection> connections_;
    int selectedRow_ = -1;
    int selectedColumn_ = -1;
};

// The read-only grid of the profile windows; a click on a cell of a function
// row emits cellClicked (heading rows ignore clicks). Nothing is typed in it.
class RightsGrid : public QTableView {
    Q_OBJECT
public:
    explicit RightsGrid(data::Table *table, QWidget *parent = nullptr);
    RightsModel *rightsModel() const { return model_; }
    // Emits cellClicked as a mouse click on that cell would.
    void clickCell(int row, int column);

signals:
    void cellClicked(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    RightsModel *model_;
};

// The legend under the profile grids: what each mark means, the "-" sample
// and the heading sample on the heading colours.
QWidget *makeRightsLegend(QWidget *parent);

} // namespace corvane::core
