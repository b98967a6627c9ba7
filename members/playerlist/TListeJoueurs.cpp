#include "members/playerlist/TListeJoueurs.h"

#include "core/report/PrintStep.h"
#include "core/workbook/WorkbookExport.h"
#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/Parametres.h"
#include "data/StoreError.h"
#include "members/player/TEditJoueurs.h"
#include "members/playerlist/PlayerRemoval.h"
#include "members/playerlist/PlayerReports.h"
#include "members/playerlist/PlayerWorkbook.h"
#include "members/playerlist/TVisuEditJoueur.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Search.h"
#include "ui/TChercherDlg.h"
#include "ui/TRenseignement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace corvane::members {

using namespace playerlist;

namespace {

// The grid's columns; `Type activite` stays hidden after "Mixte".
QList<ui::GridColumn> gridColumns()
{
    auto c = [](const char *field, const char *title = nullptr, int width = 0) {
        return ui::GridColumn{
            QString::fromUtf8(field), title ? QString::fromUtf8(title) : QString(), width, {}};
    };
    return {c("Nom", nullptr, 130),
            c("Prenom", nullptr, 110),
            c("Date de naissance", "Naissance", 80),
            c("Num license", nullptr, 90),
            c("Date de paiement", "Date paiement", 105),
            c("Cotisation", nullptr, 80),
            c("Paye", nullptr, 50),
            c("Restant du", nullptr, 80),
            c("Categorie", nullptr, 100),
            c("Equipe", nullptr, 90),
            c("Classement S", "Simple", 55),
            c("Classement D", "Double", 55),
            c("Classement DM", "Mixte", 55),
            c("Type activite"),
            c("Num licence educateur"),
            c("Poste joue"),
            c("Num maillot"),
            c("Pied"),
            c("Dispo"),
            c("Date modification"),
            c("Autorisation parentale"),
            c("Date entree"),
            c("Date sortie"),
            c("Num bordereau"),
            c("Nepasenvoyer"),
            c("Survetement", "Survêtement"),
            c("Taille survetement"),
            c("Autorisation publ Web"),
            c("Educateur"),
            c("Nom du payeur"),
            c("Distinction"),
            c("Arbitre"),
            c("ArbitreDelegue"),
            c("Membre bureau"),
            c("Titre"),
            c("Mutation"),
            c("Departement origine"),
            c("Sigle club origine")};
}

constexpr int HiddenColumn = 13; // `Type activite`

// Remembers the hourglass for the length of a routine.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TListeJoueurs::TListeJoueurs(data::ModuleData &md, QChar droit, QWidget *parent)
    : ListWindow(parent)
    , md_(md)
    , joueurs_(md.table(QStringLiteral("Joueurs")))
    , tabs_(playerlist::playerTabs(data::parametres()))
{
    setWindowTitle(QStringLiteral("Saisie des joueurs"));
    setHelpContext(21);
    setWindowState(windowState() | Qt::WindowMaximized);

    // One grid for every tab: a tab is a filter on the same members.
    addTab(QStringLiteral("Joueurs"), joueurs_, gridColumns(), QStringLiteral("joueur"),
           QStringLiteral("joueurs"));
    grid(0)->setColumnHidden(HiddenColumn, true);
    grid(0)->installEventFilter(this);

    tabBar_ = new QTabBar(this);
    tabBar_->setObjectName(QStringLiteral("Onglets"));
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(true);
    tabBar_->setFocusPolicy(Qt::NoFocus);
    for (const PlayerTab &t : tabs_)
        tabBar_->addTab(t.caption);
    // Above the grid, under the count.
    if (auto *page = qobject_cast<QVBoxLayout *>(grid(0)->parentWidget()->layout()))
        page->insertWidget(page->indexOf(grid(0)), tabBar_);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index != tab_)
            setPlayerTab(index);
    });

    sortBox_ = new QGroupBox(QStringLiteral(" Options de tri "), this);
    auto *sortLayout = new QHBoxLayout(sortBox_);
    sortGroup_ = new QButtonGroup(this);
    const struct {
        PlayerSort sort;
        const char *text;
    } sorts[] = {
        {PlayerSort::Nom, "Nom"}, {PlayerSort::Categorie, "Catégorie"}, {PlayerSort::Equipe, "Equipe"}};
    for (const auto &s : sorts) {
        auto *b = new QRadioButton(QString::fromUtf8(s.text), sortBox_);
        b->setFocusPolicy(Qt::NoFocus);
        sortGroup_->addButton(b, int(s.sort));
        sortLayout->addWidget(b);
    }
    sortGroup_->button(int(PlayerSort::Nom))->setChecked(true);
    connect(sortGroup_, &QButtonGroup::idClicked, this, [this](int id) { setSort(PlayerSort(id)); });
    topBand()->addWidget(sortBox_);
    topBand()->addStretch(1);

    setButtonVisible(Action::Calculatrice, false);
    setHint(Action::Supprimer, QStringLiteral("Supprimer le joueur sélectionné"));
    setHint(Action::Modifier, QStringLiteral("Modifier le joueur sélectionné"));
    setHint(Action::Ajouter, QStringLiteral("Ajouter un joueur"));
    setHint(Action::Imprimer, QStringLiteral("Imprimer la liste des joueurs"));
    setHint(Action::Chercher, QStringLiteral("Effectuer une recherche"));
    setHint(Action::Exporter, QStringLiteral("Exporter la liste des joueurs vers Excel"));
    setViewHint(QStringLiteral("Voir la fiche du joueur sélectionné"));
    setRights(droit);
}

TListeJoueurs::~TListeJoueurs()
{
    // A window closed by other means than "&Quitter" still leaves the shared
    // table unfiltered and in its own order.
    if (stateHook_)
        disconnect(stateHook_);
    if (joueurs_ && joueurs_->isActive() && !joueurs_->isEditing()) {
        joueurs_->clearFilter();
        if (joueurs_->indexName() != savedIndex_ || !joueurs_->orderField().isEmpty())
            joueurs_->setIndexName(savedIndex_);
    }
}

void TListeJoueurs::prepare()
{
    BusyCursor busy;
    openedJoueurs_ = !joueurs_->isActive();
    joueurs_->open();
    data::Table *codes = md_.table(QStringLiteral("Codepostal"));
    openedCodes_ = !codes->isActive();
    codes->open();
    savedIndex_ = joueurs_->indexName();

    tabs_ = playerlist::playerTabs(data::parametres());
    for (int i = 0; i < int(tabs_.size()); ++i)
        tabBar_->setTabText(i, tabs_[std::size_t(i)].caption);
    quickText_.clear();
    searchCleared_ = true;
    sortGroup_->button(int(PlayerSort::Nom))->setChecked(true);
    sort_ = PlayerSort::Nom;
    if (joueurs_->indexName() != indexName(sort_) || !joueurs_->orderField().isEmpty())
        joueurs_->setIndexName(indexName(sort_));
    tab_ = TabTous;
    tabBar_->setCurrentIndex(TabTous);
    applyTab();
    if (!stateHook_)
        stateHook_ = connect(joueurs_, &data::Table::stateChanged, this, &TListeJoueurs::stateChanged);
    stateChanged();
    setRights(rights());
}

void TListeJoueurs::Affiche()
{
    prepare();
    showModal();
}

QRadioButton *TListeJoueurs::sortButton(PlayerSort sort) const
{
    return qobject_cast<QRadioButton *>(sortGroup_->button(int(sort)));
}

void TListeJoueurs::setPlayerTab(int tab)
{
    if (tab < 0 || tab >= int(tabs_.size()))
        return;
    if (joueurs_->isEditing() && !grid(0)->leaveRecord()) {
        tabBar_->setCurrentIndex(tab_);
        return;
    }
    tab_ = tab;
    if (tabBar_->currentIndex() != tab)
        tabBar_->setCurrentIndex(tab);
    applyTab();
}

void TListeJoueurs::applyTab()
{
    const PlayerTab &t = tabs_.at(std::size_t(tab_));
    if (joueurs_->isActive()) {
        data::Table::Predicate filter = tabFilter(t, *joueurs_);
        if (filter) {
            joueurs_->setFilterPredicate(std::move(filter));
        } else {
            joueurs_->clearFilter();
            joueurs_->setFiltered(true);
        }
    }
    // The blue of the leisure tab needs light text to stay readable.
    const QColor &c = t.titleColour;
    const bool dark = 299 * c.red() + 587 * c.green() + 114 * c.blue() < 128000;
    const QColor text = dark ? QColor(Qt::white) : QColor(Qt::black);
    grid(0)->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2; border: 1px solid #a0a0a0;"
                       " padding: 2px; }")
            .arg(t.titleColour.name(), text.name()));
    recount();
}

void TListeJoueurs::setSort(PlayerSort sort)
{
    if (joueurs_->isEditing() && !grid(0)->leaveRecord()) {
        sortGroup_->button(int(sort_))->setChecked(true);
        return;
    }
    sort_ = sort;
    if (!sortGroup_->button(int(sort))->isChecked())
        sortGroup_->button(int(sort))->setChecked(true);
    grid(0)->forgetSortField();
    if (joueurs_->isActive())
        joueurs_->setIndexName(indexName(sort));
}

void TListeJoueurs::stateChanged()
{
    const bool browsing = joueurs_->isActive() && !joueurs_->isEditing();
    sortBox_->setEnabled(browsing);
    recount();
}

void TListeJoueurs::counted(int tab, int count)
{
    Q_UNUSED(tab);
    Q_UNUSED(count);
    // Printing and sorting wait for a pending edit to end.
    if (joueurs_->isEditing())
        button(Action::Imprimer)->setEnabled(false);
}

void TListeJoueurs::afterRecordWindow(const data::Table::Bookmark &back)
{
    // The record window works on the whole table: the tab's filter and the
    // grid come back, on the member that was shown.
    if (!joueurs_->isActive() || joueurs_->isEditing())
        return;
    joueurs_->refresh();
    applyTab();
    if (back.valid())
        joueurs_->gotoBookmark(back);
    recount();
}

void TListeJoueurs::modifyRecord()
{
    if (!joueurs_->isActive() || joueurs_->isEmpty())
        return;
    const data::Table::Bookmark back = joueurs_->bookmark();
    {
        TEditJoueurs w(md_, this);
        w.Affiche();
    }
    afterRecordWindow(back);
}

void TListeJoueurs::viewRecord()
{
    if (!joueurs_->isActive() || joueurs_->isEmpty())
        return;
    TVisuEditJoueur w(*joueurs_, this);
    w.Affiche();
}

void TListeJoueurs::addRecord()
{
    setPlayerTab(TabTous);
    {
        TEditJoueurs w(md_, this);
        w.AfficheNouveau();
    }
    afterRecordWindow(joueurs_->isActive() ? joueurs_->bookmark() : data::Table::Bookmark());
}

void TListeJoueurs::deleteRecord()
{
    if (viewOnly() || !joueurs_->isActive() || joueurs_->isEmpty() || joueurs_->isEditing())
        return;
    try {
        const RemovalOutcome outcome = deletePlayer(md_, *joueurs_, data::appFolders().photos(), this,
                                                    [this](const QString &text) { showStatus(text); });
        if (outcome != RemovalOutcome::Removed)
            return;
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
        return;
    }
    BusyCursor busy;
    joueurs_->refresh();
    quickText_.clear();
    recount();
}

void TListeJoueurs::printList()
{
    if (!joueurs_->isActive() || joueurs_->isEmpty() || joueurs_->isEditing())
        return;
    const data::Table::Bookmark back = joueurs_->bookmark();
    auto report = makeTQjoueurs(*joueurs_, sort_);
    core::report::printReport(*report, data::parametres(), this);
    joueurs_->gotoBookmark(back);
}

void TListeJoueurs::exportList()
{
    if (!joueurs_->isActive() || joueurs_->isEditing())
        return;
    setPlayerTab(TabTous);
    QString done;
    if (exportPlayerWorkbook(*joueurs_, data::parametres(), this, &done))
        statusLine()->showMessage(done, core::workbook::WorkbookExport::DoneTextDuration);
}

void TListeJoueurs::search()
{
    // The last field and text are offered again for the whole run.
    static int lastField = 0;
    static QString lastText;
    if (!joueurs_->isActive() || joueurs_->isEmpty())
        return;
    const QList<ui::SearchField> fields{{QStringLiteral("Nom"), QStringLiteral("Nom")},
                                        {QStringLiteral("N° de licence"), QStringLiteral("Num license")},
                                        {QStringLiteral("Prénom"), QStringLiteral("Prenom")}};
    QStringList labels;
    for (const ui::SearchField &f : fields)
        labels.append(f.label);
    ui::TChercherDlg dlg(this);
    dlg.setFields(labels);
    dlg.setFieldIndex(lastField);
    dlg.setText(lastText);
    if (ui::runModal(dlg) != QDialog::Accepted || dlg.text().isEmpty())
        return;
    lastField = qBound(0, dlg.fieldIndex(), int(fields.size()) - 1);
    lastText = dlg.text();
    ui::searchRecords(*joueurs_, fields.at(lastField).field, lastText, grid(0));
}

void TListeJoueurs::quit()
{
    if (stateHook_) {
        disconnect(stateHook_);
        stateHook_ = {};
    }
    recount();
    showStatus(QStringLiteral("Mise à jour des données en cours ..."));
    grid(0)->restoreOrder();
    if (joueurs_->isActive() && !joueurs_->isEditing()) {
        joueurs_->clearFilter();
        if (joueurs_->indexName() != savedIndex_ || !joueurs_->orderField().isEmpty())
            joueurs_->setIndexName(savedIndex_);
    }
    if (openedJoueurs_)
        joueurs_->close();
    if (openedCodes_)
        md_.table(QStringLiteral("Codepostal"))->close();
    openedJoueurs_ = openedCodes_ = false;
    showStatus(QStringLiteral("Mise à jour terminée."));
    ListWindow::quit();
}

void TListeJoueurs::typed(const QString &text)
{
    searchCleared_ = false;
    quickText_ += text;
    if (!joueurs_->isActive() || joueurs_->isEmpty())
        return;
    const bool byTitle = !joueurs_->orderField().isEmpty();
    const QString field = byTitle ? joueurs_->orderField() : sortField(sort_);
    const int row = nearestRow(*joueurs_, field, quickText_, byTitle && joueurs_->orderDescending());
    if (row >= 0 && row + 1 != joueurs_->recNo())
        joueurs_->setRecNo(row + 1);
}

void TListeJoueurs::escapePressed()
{
    if (searchCleared_) {
        reject(); // "&Quitter" when it is enabled, else the warning
        return;
    }
    // A first Escape forgets the typed text and goes back to the top.
    quickText_.clear();
    searchCleared_ = true;
    if (joueurs_->isActive() && !joueurs_->isEditing())
        joueurs_->first();
}

void TListeJoueurs::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        escapePressed();
        return;
    }
    ListWindow::keyPressEvent(event);
}

bool TListeJoueurs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid(0) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            escapePressed();
            return true;
        }
        if (key->key() == Qt::Key_Backspace) {
            if (!quickText_.isEmpty()) {
                quickText_.chop(1);
                searchCleared_ = false;
                if (quickText_.isEmpty())
                    joueurs_->first();
                else {
                    const QString t = quickText_;
                    quickText_.clear();
                    typed(t);
                }
            }
            return true;
        }
        const QString text = key->text();
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!control && !text.isEmpty() && text.at(0).isPrint() && key->key() != Qt::Key_Return &&
            key->key() != Qt::Key_Enter) {
            if (!joueurs_->isEditing())
                typed(text);
            return true;
        }
    }
    return ListWindow::eventFilter(watched, event);
}

} // namespace corvane::members
