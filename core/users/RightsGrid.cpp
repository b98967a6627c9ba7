#include "core/users/RightsGrid.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyledItemDelegate>

namespace corvane::core {

namespace {

const char *const Fields[] = {"Options", "Aucun", "Visualisation", "Tous"};

// The selected cell is shown by its colour alone: no focus frame on the
// view's current cell, which the clicks do not follow.
class NoFocusDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

RightsModel::RightsModel(data::Table *table, QObject *parent)
    : QAbstractTableModel(parent)
{
    setTable(table);
}

void RightsModel::setTable(data::Table *table)
{
    beginResetModel();
    for (const auto &c : connections_)
        disconnect(c);
    connections_.clear();
    table_ = table;
    if (table) {
        connections_ << connect(table, &data::Table::layoutChanged, this, &RightsModel::reload)
                     << connect(table, &data::Table::fieldChanged, this, &RightsModel::reload)
                     << connect(table, &data::Table::stateChanged, this, &RightsModel::reload);
    }
    endResetModel();
}

void RightsModel::reload()
{
    beginResetModel();
    endResetModel();
}

void RightsModel::setSelectedCell(int row, int column)
{
    selectedRow_ = row;
    selectedColumn_ = column;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int RightsModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !table_ || !table_->isActive())
        return 0;
    return table_->recordCount();
}

int RightsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString RightsModel::text(int row, int column) const
{
    return table_->valueAt(row, table_->fieldIndex(QString::fromLatin1(Fields[column]))).toString();
}

bool RightsModel::isHeading(int row) const
{
    if (!table_ || row < 0 || row >= rowCount())
        return false;
    return text(row, 1).isEmpty() && text(row, 2).isEmpty() && text(row, 3).isEmpty();
}

QVariant RightsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    const bool selected = row == selectedRow_ && column == selectedColumn_;
    switch (role) {
    case Qt::DisplayRole:
        return text(row, column);
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (selected)
            return SelectedColor;
        return isHeading(row) ? HeadingColor : QColor(Qt::white);
    case Qt::ForegroundRole:
        if (selected)
            return QColor(Qt::black);
        if (isHeading(row))
            return HeadingTextColor;
        return text(row, column) == QLatin1String("-") ? QColor(Qt::red) : QColor(Qt::black);
    case Qt::FontRole:
        if (isHeading(row) || column > 0) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant RightsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return QStringLiteral("Options");
    case 1:
        return QStringLiteral("Aucun droit");
    case 2:
        return QStringLiteral("Visualisation");
    case 3:
        return QStringLiteral("Tous les droits");
    default:
        return {};
    }
}

Qt::ItemFlags RightsModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

RightsGrid::RightsGrid(data::Table *table, QWidget *parent)
    : QTableView(parent)
    , model_(new RightsModel(table, this))
{
    setModel(model_);
    setItemDelegate(new NoFocusDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    // Wide enough for the longest function name and the column titles.
    setColumnWidth(0, 310);
    for (int c = 1; c < 4; ++c)
        setColumnWidth(c, 100);
    setMinimumWidth(310 + 3 * 100 + 24);
    setCornerButtonEnabled(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            clickCell(index.row(), index.column());
    });
}

void RightsGrid::clickCell(int row, int column)
{
    if (model_->isHeading(row))
        return;
    model_->setSelectedCell(row, column);
    emit cellClicked(row, column);
}

void RightsGrid::keyPressEvent(QKeyEvent *event)
{
    // Moving is allowed; nothing is typed in the cells.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QTableView::keyPressEvent(event);
        return;
    default:
        event->ignore();
    }
}

QWidget *makeRightsLegend(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto bold = [box](const QString &text) {
        auto *l = new QLabel(text, box);
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
        return l;
    };
    grid->addWidget(bold(QStringLiteral("Aucun droit: ")), 0, 0);
    grid->addWidget(
        new QLabel(QString::fromUtf8("L'utilisateur ne pas pas avoir accès au menu concerné"), box), 0, 1);
    grid->addWidget(bold(QStringLiteral("Visualisation:")), 1, 0);
    grid->addWidget(
        new QLabel(QString::fromUtf8("L'utilisateur peut voir les données mais ne peut pas les modifier"),
                   box),
        1, 1);
    grid->addWidget(bold(QStringLiteral("Tous droits:")), 2, 0);
    grid->addWidget(new QLabel(QString::fromUtf8("L'utilisateur peut voir et modifier les données"), box), 2,
                    1);
    auto *dash = new QLabel(QStringLiteral("   -   "), box);
    dash->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    grid->addWidget(dash, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("   Pas de visualisation possible"), box), 3, 1);
    auto *heading = new QLabel(QString::fromUtf8("            Elément du menu principal"), box);
    heading->setAutoFillBackground(true);
    heading->setStyleSheet(
        QStringLiteral("background-color: rgb(225, 255, 244); color: blue; font-weight: bold;"));
    grid->addWidget(heading, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

} // namespace corvane::core
