#include "exchange/TCodePostalForm.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "exchange/TEdCodeForm.h"
#include "exchange/TRecupCodeForm.h"
#include "ui/ChoiceComboBox.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>

namespace corvane::exchange {

namespace {

// The filter chosen lasts for the run; it is kept on the data module, so a
// new data folder (a test, a restore) starts without one.
const char *const FilterProperty = "corvane.exchange.filtreDepartement";

} // namespace

TCodePostalForm::TCodePostalForm(data::ModuleData &md, QChar droit, QWidget *parent)
    : ListWindow(parent)
    , md_(md)
    , codes_(md.table(QStringLiteral("Codepostaux")))
{
    setWindowTitle(finderCaption({}));
    setHelpContext(25);
    addTab(QString(), codes_,
           {{QStringLiteral("Code postal"), QStringLiteral("Code postal"), 90},
            {QStringLiteral("Ville"), QStringLiteral("Ville"), 260},
            {QStringLiteral("Departement"), QStringLiteral("Département"), 200}},
           QStringLiteral("ville"), QStringLiteral("villes"));
    // Sky-blue column titles.
    grid(0)->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(166, 202, 240); }"));

    navigator()->setVisibleButtons(ui::MoveButtons | ui::NavButton::Delete);
    navigator()->setHint(ui::NavButton::Delete,
                         QStringLiteral("Supprimer le code postal ou la ville sélectionnée"));
    setButtonVisible(Action::Supprimer, false);
    setButtonVisible(Action::Imprimer, false);
    setButtonVisible(Action::Chercher, false);
    setButtonVisible(Action::Exporter, false);
    setButtonVisible(Action::Calculatrice, false);
    setHint(Action::Modifier, QStringLiteral("Modifier le code postal ou la ville sélectionnée"));
    button(Action::Ajouter)->setText(QStringLiteral("Nouveau code postal"));
    setHint(Action::Ajouter, QStringLiteral("Ajouter un nouveau code postal"));
    recuperer_ =
        addToolButton(QStringLiteral("Récuperer un code postal parmi\nla liste des codes postaux français"),
                      ui::icon(ui::Icon::Search),
                      QStringLiteral("Récupérer des villes de la liste nationale"), Action::Quitter);
    connect(recuperer_, &QToolButton::clicked, this, &TCodePostalForm::recuperer);

    auto *label = new QLabel(QStringLiteral("Filtrer cette liste sur"), this);
    filtre_ = new ui::ChoiceComboBox(this);
    filtre_->addItem(AucunDepartement);
    filtre_->addItems(departements());
    filtre_->setMaxVisibleItems(25);
    filtre_->setMinimumWidth(220);
    topBand()->addWidget(label);
    topBand()->addWidget(filtre_);
    topBand()->addStretch(1);
    topBand()->parentWidget()->show();
    connect(filtre_, &QComboBox::activated, this, [this](int index) { filtrer(filtre_->itemText(index)); });
    setRights(droit);
    if (viewOnly()) {
        navigator()->setVisibleButtons(ui::MoveButtons);
        recuperer_->setEnabled(false);
    }
    resize(820, 580);
}

QString TCodePostalForm::savedFilter() const
{
    return md_.property(FilterProperty).toString();
}

void TCodePostalForm::filtrer(const QString &departement)
{
    const QString name = departement.isEmpty() ? AucunDepartement : departement;
    md_.setProperty(FilterProperty, name);
    applyFilter();
}

void TCodePostalForm::applyFilter()
{
    const QString name = savedFilter().isEmpty() ? AucunDepartement : savedFilter();
    filtre_->setShownText(name);
    setWindowTitle(finderCaption(name));
    if (codes_->isActive() && !codes_->isEditing())
        filterOnDepartement(*codes_, name);
}

bool TCodePostalForm::positionne(const QString &ville)
{
    applyFilter();
    return positionOnTown(*codes_, ville);
}

int TCodePostalForm::Ouvre(const QString &ville)
{
    positionne(ville);
    openedAt_ = codes_->bookmark();
    picked_ = false;
    return showModal();
}

void TCodePostalForm::Affiche()
{
    data::OpenedTable opened(codes_);
    Ouvre(QString());
}

bool TCodePostalForm::villeDesignee() const
{
    return picked_ || (codes_->isActive() && codes_->bookmark().rowid != openedAt_.rowid);
}

QString TCodePostalForm::villeChoisie() const
{
    return villeCourante().ville;
}

Town TCodePostalForm::villeCourante() const
{
    return currentTown(*codes_);
}

void TCodePostalForm::showEvent(QShowEvent *event)
{
    // Shown by itself (not through Ouvre): the list is opened here.
    if (!codes_->isActive()) {
        codes_->open();
        openedHere_ = true;
        applyFilter();
    }
    ListWindow::showEvent(event);
}

void TCodePostalForm::modifyRecord()
{
    if (picker_ && sender() == grid(0)) {
        picked_ = true;
        done(QDialog::Accepted);
        return;
    }
    editer();
}

void TCodePostalForm::viewRecord()
{
    // View only: the list is all there is to see, but the picker still closes.
    if (picker_ && sender() == grid(0)) {
        picked_ = true;
        done(QDialog::Accepted);
    }
}

void TCodePostalForm::editer()
{
    if (!codes_->isActive() || codes_->isEmpty())
        return;
    TEdCodeForm w(md_, this);
    w.Affiche(villeChoisie());
}

void TCodePostalForm::nouveau()
{
    TEdCodeForm w(md_, this);
    w.Affiche(QString());
}

void TCodePostalForm::recuperer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TRecupCodeForm w(md_, this);
    QApplication::restoreOverrideCursor();
    w.Affiche();
    // Towns were perhaps added: the list and its filter follow.
    applyFilter();
}

void TCodePostalForm::counted(int tab, int count)
{
    Q_UNUSED(tab);
    Q_UNUSED(count);
    if (!viewOnly())
        button(Action::Modifier)->setText(QStringLiteral("Editer"));
}

void TCodePostalForm::done(int result)
{
    // The shared table goes back unfiltered; the filter is put back at the next showing.
    if (codes_->isActive() && !codes_->isEditing() && codes_->filtered()) {
        // The town left on stays current: the picker's caller reads it.
        const data::Table::Bookmark here = codes_->bookmark();
        filterOnDepartement(*codes_, {});
        codes_->gotoBookmark(here);
    }
    ListWindow::done(result);
    if (openedHere_ && codes_->isActive() && !codes_->isEditing()) {
        openedHere_ = false;
        codes_->close();
    }
}

} // namespace corvane::exchange
