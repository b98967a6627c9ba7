#include "ui/ListWindow.h"

#include "ui/Modal.h"
#include "ui/TChercherDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace corvane::ui {

namespace {

constexpr int ActionCount = 9;

int slot(ListWindow::Action a)
{
    return int(a);
}

} // namespace

ListWindow::ListWindow(QWidget *parent)
    : BaseWindow(parent)
    , sort_(std::make_shared<SortState>())
{
    resize(900, 560);
    setStatusDuration(3000);

    navigator_ = new Navigator(nullptr, MoveButtons, this);
    insertToolButton(navigator_);

    buttons_.resize(ActionCount);
    struct Made {
        Action action;
        const char *text;
        Icon icon;
    };
    const Made made[] = {
        {Action::Supprimer, "Supprimer", Icon::Remove}, {Action::Modifier, "Modifier", Icon::Modify},
        {Action::Ajouter, "Ajouter", Icon::Add},        {Action::Imprimer, "Imprimer", Icon::Print},
        {Action::Chercher, "Chercher", Icon::Search},
    };
    for (const Made &m : made) {
        QToolButton *b = makeToolButton(QString::fromUtf8(m.text), icon(m.icon));
        b->setObjectName(QString::fromUtf8(m.text));
        insertToolButton(b);
        buttons_[slot(m.action)] = b;
    }
    QToolButton *exporter = makeToolButton(QStringLiteral("Exporter"), icon(Icon::Export));
    exporter->setObjectName(QStringLiteral("Exporter"));
    insertToolButton(exporter, quitButton());
    buttons_[slot(Action::Exporter)] = exporter;
    buttons_[slot(Action::Calculatrice)] = calculatorButton();
    buttons_[slot(Action::Quitter)] = quitButton();
    buttons_[slot(Action::Aide)] = helpButton();
    button(Action::Supprimer)->setToolTip(QStringLiteral("Supprimer la fiche sélectionnée"));
    button(Action::Ajouter)->setToolTip(QStringLiteral("Ajouter une fiche"));
    button(Action::Chercher)->setToolTip(QStringLiteral("Effectuer une recherche"));
    button(Action::Imprimer)->setToolTip(QStringLiteral("Imprimer la liste"));
    button(Action::Exporter)->setToolTip(QStringLiteral("Exporter les données vers un classeur"));
    modifyHint_ = QStringLiteral("Modifier la fiche sélectionnée");
    viewHint_ = QStringLiteral("Voir la fiche sélectionnée");

    for (Action a : {Action::Supprimer, Action::Modifier, Action::Ajouter, Action::Imprimer, Action::Chercher,
                     Action::Exporter}) {
        connect(button(a), &QToolButton::clicked, this, [this, a] { runAction(a); });
    }

    topBandWidget_ = new QWidget(this);
    topBand_ = new QHBoxLayout(topBandWidget_);
    topBand_->setContentsMargins(8, 4, 8, 4);
    topBandWidget_->hide();

    tabs_ = new QTabWidget(this);
    tabs_->setTabBarAutoHide(true);
    tabs_->setDocumentMode(true);
    connect(tabs_, &QTabWidget::currentChanged, this, &ListWindow::currentTabChanged);

    mainLayout()->insertWidget(1, topBandWidget_);
    mainLayout()->insertWidget(2, tabs_, 1);
}

int ListWindow::addTab(const QString &title, data::Table *table, const QList<GridColumn> &columns,
                       const QString &singular, const QString &plural)
{
    auto *page = new QWidget(tabs_);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 0);
    pageLayout->setSpacing(4);
    auto *band = new QHBoxLayout;
    band->setContentsMargins(4, 0, 4, 0);
    auto *count = new QLabel(page);
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    band->addWidget(count);
    band->addStretch(1);
    pageLayout->addLayout(band);
    auto *grid = new DataGrid(table, columns, page);
    grid->setSortState(sort_);
    pageLayout->addWidget(grid, 1);

    const int index = int(tabList_.size());
    tabList_.append(Tab{grid, count, band, singular, plural, {}});
    connect(grid, &DataGrid::rowActivated, this, &ListWindow::openRecord);
    connect(table, &data::Table::layoutChanged, this, [this, index] {
        if (index == currentTab())
            recount();
    });
    connect(table, &data::Table::stateChanged, this, [this, index] {
        if (index == currentTab()) {
            updateQuit();
            recount();
        }
    });
    tabs_->addTab(page, title);
    if (index == 0)
        currentTabChanged(0);
    return index;
}

QToolButton *ListWindow::button(Action action) const
{
    return buttons_.at(slot(action));
}

void ListWindow::setButtonVisible(Action action, bool visible)
{
    // No calculator on this desktop stays no calculator.
    if (action == Action::Calculatrice && calculatorButton()->isHidden() && visible)
        return;
    button(action)->setVisible(visible);
}

void ListWindow::setHint(Action action, const QString &hint)
{
    if (action == Action::Modifier)
        modifyHint_ = hint;
    button(action)->setToolTip(action == Action::Modifier && viewOnly() && !viewHint_.isEmpty() ? viewHint_
                                                                                                : hint);
}

void ListWindow::setViewHint(const QString &hint)
{
    viewHint_ = hint;
    recount();
}

QToolButton *ListWindow::addToolButton(const QString &text, const QIcon &icon, const QString &hint,
                                       Action before)
{
    QToolButton *b = makeToolButton(text, icon, hint);
    insertToolButton(b, button(before));
    return b;
}

void ListWindow::setRights(QChar letter)
{
    rights_ = letter;
    recount();
}

void ListWindow::setSearchFields(int tab, const QList<SearchField> &fields)
{
    tabList_[tab].searchFields = fields;
}

int ListWindow::currentTab() const
{
    return tabList_.isEmpty() ? -1 : tabs_->currentIndex();
}

void ListWindow::setCurrentTab(int tab)
{
    tabs_->setCurrentIndex(tab);
}

DataGrid *ListWindow::grid(int tab) const
{
    return tab >= 0 && tab < tabList_.size() ? tabList_.at(tab).grid : nullptr;
}

data::Table *ListWindow::table(int tab) const
{
    DataGrid *g = grid(tab);
    return g ? g->table() : nullptr;
}

QLabel *ListWindow::countLabel(int tab) const
{
    return tabList_.at(tab).count;
}

QHBoxLayout *ListWindow::tabBand(int tab) const
{
    return tabList_.at(tab).band;
}

QString ListWindow::countText(int tab, int count) const
{
    const Tab &t = tabList_.at(tab);
    // Below 2 the word stays singular, so "0 recette" too.
    return QString::number(count) + QLatin1Char(' ') + (count < 2 ? t.singular : t.plural);
}

void ListWindow::recount()
{
    const int tab = currentTab();
    data::Table *t = table(tab);
    const int count = t && t->isActive() ? t->recordCount() : 0;
    if (tab >= 0)
        tabList_[tab].count->setText(countText(tab, count));
    const bool canChange = !viewOnly();
    button(Action::Supprimer)->setEnabled(count >= 1 && canChange);
    button(Action::Modifier)->setEnabled(count > 0);
    button(Action::Imprimer)->setEnabled(count > 0);
    button(Action::Chercher)->setEnabled(count > 0);
    button(Action::Ajouter)->setEnabled(canChange);
    QToolButton *modify = button(Action::Modifier);
    modify->setIcon(icon(viewOnly() ? Icon::View : Icon::Modify));
    modify->setText(viewOnly() ? QStringLiteral("Voir") : QStringLiteral("Modifier"));
    modify->setToolTip(viewOnly() && !viewHint_.isEmpty() ? viewHint_ : modifyHint_);
    updateQuit();
    if (tab >= 0)
        counted(tab, count);
}

void ListWindow::updateQuit()
{
    data::Table *t = currentTable();
    quitButton()->setEnabled(!t || !t->isEditing());
}

void ListWindow::currentTabChanged(int tab)
{
    if (tab < 0 || tab >= tabList_.size())
        return;
    for (const Tab &t : std::as_const(tabList_))
        t.grid->forgetSortField();
    navigator_->setTable(table(tab));
    recount();
    tabChanged(tab);
}

void ListWindow::openRecord()
{
    data::Table *t = currentTable();
    if (!t || !t->isActive() || t->recordCount() == 0)
        return;
    if (viewOnly())
        viewRecord();
    else
        modifyRecord();
    recount();
}

void ListWindow::runAction(Action action)
{
    switch (action) {
    case Action::Supprimer:
        deleteRecord();
        break;
    case Action::Modifier:
        openRecord();
        return;
    case Action::Ajouter:
        if (viewOnly())
            return;
        addRecord();
        break;
    case Action::Imprimer:
        printList();
        break;
    case Action::Chercher:
        search();
        break;
    case Action::Exporter:
        exportList();
        break;
    default:
        return;
    }
    recount();
}

void ListWindow::search()
{
    const int tab = currentTab();
    data::Table *t = table(tab);
    if (!t || !t->isActive())
        return;
    QList<SearchField> fields = tabList_.at(tab).searchFields;
    if (fields.isEmpty()) {
        for (const GridColumn &c : grid(tab)->tableModel()->columns())
            fields.append({c.title, c.field});
    }
    QStringList labels;
    for (const SearchField &f : std::as_const(fields))
        labels.append(f.label);
    TChercherDlg dlg(this);
    dlg.setFields(labels);
    dlg.setFieldIndex(lastSearchField_);
    dlg.setText(lastSearchText_);
    if (runModal(dlg) != QDialog::Accepted || dlg.text().isEmpty())
        return;
    lastSearchField_ = dlg.fieldIndex();
    lastSearchText_ = dlg.text();
    if (lastSearchField_ >= 0 && lastSearchField_ < fields.size())
        searchRecords(*t, fields.at(lastSearchField_).field, lastSearchText_, this);
}

void ListWindow::showEvent(QShowEvent *event)
{
    topBandWidget_->setVisible(topBand_->count() > 0);
    BaseWindow::showEvent(event);
}

void ListWindow::done(int result)
{
    for (const Tab &t : std::as_const(tabList_))
        t.grid->restoreOrder();
    BaseWindow::done(result);
}

} // namespace corvane::ui
