#include "ui/DataGrid.h"

#include "data/StoreError.h"
#include "ui/Messages.h"
#include "ui/Posting.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

namespace corvane::ui {

using data::FieldType;
using data::Table;

namespace {

Qt::Alignment defaultAlignment(FieldType type)
{
    switch (type) {
    case FieldType::Money:
    case FieldType::Real:
    case FieldType::Int16:
    case FieldType::Int32:
        return Qt::AlignRight;
    case FieldType::Bool:
    case FieldType::Date:
    case FieldType::Time:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Paints each cell from the model's roles alone: background, text colour,
// text 2 px from the left edge, 3 px from the right, or centred.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QColor>());
        const QVariant fg = index.data(Qt::ForegroundRole);
        painter->setPen(fg.isValid() ? fg.value<QColor>() : option.palette.color(QPalette::Text));
        painter->setFont(option.font);
        const Qt::Alignment align = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QRect r = option.rect.adjusted(2, 0, -3, 0);
        const QString text =
            option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, r.width());
        painter->drawText(r, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, text);
        painter->restore();
    }
};

} // namespace

// ---------------------------------------------------------------- TableModel

TableModel::TableModel(Table *table, const QList<GridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent)
    , table_(table)
    , columns_(columns)
{
    const data::TableDef &def = table->definition();
    for (GridColumn &c : columns_) {
        const int i = table->fieldIndex(c.field); // throws on a misspelt field
        fieldIndexes_.append(i);
        const data::FieldDef &f = def.fields.at(i);
        if (c.title.isEmpty())
            c.title = f.displayLabel();
        if (!c.alignment)
            c.alignment = defaultAlignment(f.type);
    }
    connect(table, &Table::layoutChanged, this, &TableModel::tableLayoutChanged);
    connect(table, &Table::currentChanged, this, &TableModel::tableCurrentChanged);
    connect(table, &Table::stateChanged, this, [this] {
        // Editing shows the edit buffer in the current row; a new record
        // has no row until it is posted.
        tableCurrentChanged();
        rowChanged(currentRow());
    });
    connect(table, &Table::fieldChanged, this, [this] { rowChanged(currentRow()); });
    shownCurrent_ = currentRow();
}

int TableModel::currentRow() const
{
    if (!table_ || !table_->isActive())
        return -1;
    ++reading_;
    const int r = table_->recNo() - 1;
    --reading_;
    return r;
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !table_)
        return 0;
    ++reading_;
    const int n = table_->recordCount();
    --reading_;
    return n;
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !table_)
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        ++reading_;
        const QString text = table_->displayAt(row, fieldIndexes_.at(index.column()));
        --reading_;
        return text;
    }
    case Qt::EditRole: {
        ++reading_;
        const QVariant v = table_->valueAt(row, fieldIndexes_.at(index.column()));
        --reading_;
        return v;
    }
    case Qt::TextAlignmentRole:
        return int(columns_.at(index.column()).alignment | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (row == shownCurrent_)
            return SelectedRowColor;
        // Record numbers count from 1: the first row is odd, so white.
        return (row + 1) % 2 == 1 ? OddRowColor : EvenRowColor;
    case Qt::ForegroundRole:
        if (row == shownCurrent_)
            return SelectedTextColor;
        return {};
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columns_.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TableModel::reset()
{
    resetQueued_ = false;
    beginResetModel();
    shownCurrent_ = currentRow();
    endResetModel();
    emit currentRowChanged(shownCurrent_);
}

void TableModel::tableLayoutChanged()
{
    // A read of the view may find the table changed by another cursor and
    // reload it: the view is then in the middle of painting, so the reset
    // waits for the event loop.
    if (reading_ > 0) {
        if (!resetQueued_) {
            resetQueued_ = true;
            QMetaObject::invokeMethod(this, &TableModel::reset, Qt::QueuedConnection);
        }
        return;
    }
    reset();
}

void TableModel::tableCurrentChanged()
{
    const int now = currentRow();
    if (now == shownCurrent_)
        return;
    const int before = shownCurrent_;
    shownCurrent_ = now;
    rowChanged(before);
    rowChanged(now);
    emit currentRowChanged(now);
}

void TableModel::rowChanged(int row)
{
    if (row < 0 || row >= rowCount() || columns_.isEmpty())
        return;
    emit dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
}

// ---------------------------------------------------------------- DataGrid

DataGrid::DataGrid(Table *table, const QList<GridColumn> &columns, QWidget *parent)
    : QTableView(parent)
    , model_(new TableModel(table, columns, this))
    , sort_(std::make_shared<SortState>())
{
    setModel(model_);
    setItemDelegate(new RowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setGridStyle(Qt::SolidLine);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setToolTip(QStringLiteral("Cliquez sur l'entête de colonne pour trier"));

    const data::TableDef &def = table->definition();
    for (int c = 0; c < model_->columns().size(); ++c) {
        const GridColumn &col = model_->columns().at(c);
        int width = col.width;
        if (width <= 0) {
            const data::FieldDef &f = def.fields.at(model_->fieldIndexOf(c));
            const int chars = f.type == FieldType::Text ? qBound(6, f.size, 30) : 10;
            width = qMax(fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars,
                         fontMetrics().horizontalAdvance(col.title) + 16) +
                    8;
        }
        setColumnWidth(c, width);
    }

    // The text of the selected row is drawn by the model's colours; the
    // style's own highlight would hide them.
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, TableModel::SelectedRowColor);
    pal.setColor(QPalette::HighlightedText, TableModel::SelectedTextColor);
    setPalette(pal);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::sortOnColumn);
    connect(model_, &TableModel::currentRowChanged, this, &DataGrid::followCursor);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { followCursor(model_->currentRow()); });

    savedIndexName_ = table->indexName();
    savedOrderField_ = table->orderField();
    savedDescending_ = table->orderDescending();
    followCursor(model_->currentRow());
}

void DataGrid::setSortState(std::shared_ptr<SortState> state)
{
    sort_ = state ? std::move(state) : std::make_shared<SortState>();
}

void DataGrid::forgetSortField()
{
    sort_->field.clear();
}

void DataGrid::sortOnColumn(int column)
{
    Table *t = table();
    if (!sortable_ || !t || !t->isActive() || column < 0 || column >= model_->columns().size())
        return;
    const QString field = model_->columns().at(column).field;
    const FieldType type = t->definition().fields.at(model_->fieldIndexOf(column)).type;
    if (type == FieldType::Picture || type == FieldType::Binary)
        return;
    if (!leaveRecord())
        return;
    if (sort_->field == field)
        sort_->descending = !sort_->descending;
    sort_->field = field;
    t->setOrderField(field, sort_->descending);
    orderChanged_ = true;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column,
                                         sort_->descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    emit sorted(field, sort_->descending);
}

void DataGrid::restoreOrder()
{
    Table *t = table();
    if (!orderChanged_ || !t)
        return;
    orderChanged_ = false;
    horizontalHeader()->setSortIndicatorShown(false);
    if (!t->isActive() || t->isEditing())
        return;
    if (!savedOrderField_.isEmpty())
        t->setOrderField(savedOrderField_, savedDescending_);
    else
        t->setIndexName(savedIndexName_);
}

bool DataGrid::leaveRecord()
{
    Table *t = table();
    if (!t || !t->isEditing())
        return true;
    return postRecord(*t, this);
}

void DataGrid::followCursor(int row)
{
    syncing_ = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const QModelIndex i = model_->index(row, qMax(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // Before the grid has its size, scrolling would leave the first rows
        // out of sight for good; showEvent scrolls instead.
        if (isVisible())
            scrollTo(i, QAbstractItemView::EnsureVisible);
    }
    syncing_ = false;
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (syncing_ || !current.isValid())
        return;
    Table *t = table();
    if (!t || !t->isActive() || current.row() == model_->currentRow())
        return;
    if (!leaveRecord()) {
        followCursor(model_->currentRow());
        return;
    }
    try {
        t->setRecNo(current.row() + 1);
    } catch (const data::StoreError &e) {
        Messages::error(e.message(), this);
        followCursor(model_->currentRow());
    }
}

void DataGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    // After the layout has given the grid its size.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QModelIndex i = currentIndex();
            if (i.isValid())
                scrollTo(i, QAbstractItemView::EnsureVisible);
        },
        Qt::QueuedConnection);
}

void DataGrid::wheelEvent(QWheelEvent *event)
{
    Table *t = table();
    event->accept();
    if (!t || !t->isActive())
        return;
    // One record per step of the wheel; small steps of a touchpad add up.
    wheelRest_ += event->angleDelta().y();
    int steps = wheelRest_ / 120;
    wheelRest_ %= 120;
    if (steps == 0 || !leaveRecord())
        return;
    try {
        t->moveBy(-steps);
    } catch (const data::StoreError &e) {
        Messages::error(e.message(), this);
    }
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex i = indexAt(event->position().toPoint());
    event->accept();
    if (!i.isValid())
        return;
    // The press before it normally made the row current already.
    if (i.row() != model_->currentRow())
        setCurrentIndex(i);
    if (i.row() == model_->currentRow())
        emit rowActivated();
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && model_->currentRow() >= 0) {
        emit rowActivated();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace corvane::ui
