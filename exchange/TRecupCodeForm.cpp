#include "exchange/TRecupCodeForm.h"

#include "data/StoreError.h"
#include "ui/ChoiceComboBox.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::exchange {

namespace {

// More lines than any département has; a bound on what one list shows.
constexpr int MaxLignes = 40001;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

TRecupCodeForm::TRecupCodeForm(data::ModuleData &md, QWidget *parent)
    : BaseWindow(parent)
    , md_(md)
    , recup_(md)
{
    setWindowTitle(QStringLiteral("Récupération de codes postaux"));
    setHelpContext(252);
    setStatusDuration(0);
    calculatorButton()->hide();

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 8, 10, 4);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Choisissez le département"), body));
    departement_ = new ui::ChoiceComboBox(body);
    departement_->addItem(AucunDepartement);
    departement_->addItems(departements());
    departement_->setMaxVisibleItems(25);
    departement_->setMinimumWidth(220);
    top->addWidget(departement_);
    top->addSpacing(16);
    tri_ = new QCheckBox(QStringLiteral("Trier par ville"), body);
    top->addWidget(tri_);
    top->addStretch(1);
    layout->addLayout(top);

    liste_ = new QListWidget(body);
    liste_->setUniformItemSizes(true);
    layout->addWidget(liste_, 1);

    auto *buttons = new QHBoxLayout;
    tout_ = new QPushButton(QStringLiteral("Tout sélectionner"), body);
    rien_ = new QPushButton(QStringLiteral("Tout désélectionner"), body);
    ajouter_ = new QPushButton(QStringLiteral("Ajouter dans le logiciel"), body);
    buttons->addWidget(tout_);
    buttons->addWidget(rien_);
    buttons->addStretch(1);
    buttons->addWidget(ajouter_);
    layout->addLayout(buttons);
    mainLayout()->insertWidget(1, body, 1);

    // Opening: the remembered choices, then the list.
    const QString saved = RecupCodes::departementMemorise();
    departement_->setShownText(departements().contains(saved) ? saved : AucunDepartement);
    tri_->setChecked(RecupCodes::triMemorise());
    recup_.trier(tri_->isChecked());
    charger();

    connect(departement_, &QComboBox::activated, this,
            [this](int index) { choisirDepartement(departement_->itemText(index)); });
    connect(tri_, &QCheckBox::clicked, this, &TRecupCodeForm::trierParVille);
    connect(tout_, &QPushButton::clicked, this, [this] { selectionnerTout(true); });
    connect(rien_, &QPushButton::clicked, this, [this] { selectionnerTout(false); });
    connect(ajouter_, &QPushButton::clicked, this, &TRecupCodeForm::ajouter);
    connect(liste_, &QListWidget::itemChanged, this, [this] { updateAjouter(); });
    resize(560, 600);
}

TRecupCodeForm::~TRecupCodeForm()
{
    if (!saved_) {
        RecupCodes::memoriseDepartement(departement_->currentText());
        RecupCodes::memoriseTri(tri_->isChecked());
    }
}

int TRecupCodeForm::Affiche()
{
    return showModal();
}

void TRecupCodeForm::charger()
{
    const QString dep = departement_->currentText();
    {
        WaitCursor wait;
        statusLine()->showMessage(RecupCodes::rechercheText(dep));
        try {
            recup_.charger(dep == AucunDepartement ? QString() : dep);
        } catch (const data::StoreError &e) {
            statusLine()->clearMessage();
            ui::Messages::error(e.message(), this);
        }
        statusLine()->clearMessage();
    }
    remplir();
}

void TRecupCodeForm::remplir()
{
    lignes_ = recup_.lignes();
    if (lignes_.size() > MaxLignes)
        lignes_.resize(MaxLignes);
    const QSignalBlocker block(liste_);
    liste_->setUpdatesEnabled(false);
    liste_->clear();
    for (const Town &t : std::as_const(lignes_)) {
        auto *item = new QListWidgetItem(t.codePostal + QLatin1Char(' ') + t.ville);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
        liste_->addItem(item);
    }
    liste_->setUpdatesEnabled(true);
    updateAjouter();
}

void TRecupCodeForm::updateAjouter()
{
    bool any = false;
    for (int i = 0; i < liste_->count() && !any; ++i)
        any = liste_->item(i)->checkState() == Qt::Checked;
    ajouter_->setVisible(any);
}

void TRecupCodeForm::choisirDepartement(const QString &departement)
{
    departement_->setShownText(departement);
    charger();
}

void TRecupCodeForm::trierParVille(bool parVille)
{
    tri_->setChecked(parVille);
    RecupCodes::memoriseTri(parVille);
    recup_.trier(parVille);
    remplir();
}

void TRecupCodeForm::selectionnerTout(bool tick)
{
    {
        const QSignalBlocker block(liste_);
        for (int i = 0; i < liste_->count(); ++i)
            liste_->item(i)->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
    }
    liste_->viewport()->update();
    updateAjouter();
}

void TRecupCodeForm::ajouter()
{
    QList<Town> choisies;
    for (int i = 0; i < liste_->count(); ++i) {
        if (liste_->item(i)->checkState() == Qt::Checked)
            choisies.append(lignes_.at(i));
    }
    if (choisies.isEmpty())
        return;
    int count = 0;
    try {
        WaitCursor wait;
        count = RecupCodes::ajouter(md_, choisies);
    } catch (const data::StoreError &e) {
        // Nothing was added: the copying runs as one transaction.
        ui::Messages::error(e.message(), this);
        return;
    }
    showStatus(RecupCodes::ajoutText(count));
}

void TRecupCodeForm::quit()
{
    RecupCodes::memoriseDepartement(departement_->currentText());
    RecupCodes::memoriseTri(tri_->isChecked());
    saved_ = true;
    BaseWindow::quit();
}

} // namespace corvane::exchange
