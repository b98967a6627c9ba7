#include "members/fee/CotisationTab.h"

#include "data/ModuleData.h"
#include "data/Parametres.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "members/fee/FeeCalculation.h"
#include "members/fee/FeeLedger.h"
#include "members/fee/FeePayments.h"
#include "ui/Fields.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>
#include <vector>

namespace corvane::members::fee {

namespace {

const QString kPaye = QStringLiteral("Paye");

// Locked amounts and dates are silver, as everywhere a value can no longer
// be typed.
void setLocked(ui::FieldLineEdit *edit, bool locked)
{
    edit->setReadOnly(locked);
    edit->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    edit->setStyleSheet(locked ? QStringLiteral("QLineEdit { background-color: silver; }") : QString());
}

void setLocked(ui::FieldDateEdit *date, bool locked)
{
    date->setReadOnly(locked);
    date->lineEdit()->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    date->lineEdit()->setStyleSheet(locked ? QStringLiteral("QLineEdit { background-color: silver; }")
                                           : QStringLiteral("QLineEdit { background-color: white; }"));
}

// A click whose write was refused (a rule stopped the edit) leaves the
// record browsing: the tab's steps then do nothing.
bool editing(const data::Table &t)
{
    return t.isActive() && t.isEditing();
}

} // namespace

struct CotisationTab::Private {
    explicit Private(data::ModuleData &m)
        : md(m)
        , t(*m.table(QStringLiteral("Joueurs")))
        , payments(m, t, data::parametres())
    {}

    data::ModuleData &md;
    data::Table &t;
    FeePayments payments;

    std::array<QLabel *, 6> caption{};
    std::array<ui::FieldLineEdit *, 6> amount{};
    std::array<ui::FieldDateEdit *, 6> date{};
    std::array<ui::FieldComboBox *, 6> account{};
    std::array<ui::FieldCheckBox *, 6> paid{};
    ui::FieldCheckBox *reduction = nullptr;
    ui::FieldCheckBox *demiTarif = nullptr;
    ui::FieldCheckBox *bureau = nullptr;
    ui::FieldCheckBox *etudiant = nullptr;
    ui::FieldLineEdit *payeur = nullptr;
    ui::FieldComboBox *banque = nullptr;
    ui::FieldLineEdit *restant = nullptr;

    std::array<bool, 6> reconciled{};
    bool newRecord = false;
    bool busy = false; // the tab's own changes of `Cotisation`
    std::vector<int> hooks;
    QList<QMetaObject::Connection> connections;
};

CotisationTab::CotisationTab(data::ModuleData &md, QWidget *parent)
    : QWidget(parent)
    , d_(std::make_unique<Private>(md))
{
    data::Table *t = &d_->t;
    d_->payments.setStatusSink([this](const QString &text) { emit statusMessage(text); });

    auto *outer = new QVBoxLayout(this);

    // The fee and its discounts.
    auto *feeBox = new QGroupBox(QStringLiteral("Cotisation"), this);
    auto *fee = new QGridLayout(feeBox);
    d_->caption[0] = new QLabel(QStringLiteral("Montant cotisation"), feeBox);
    d_->amount[0] = new ui::FieldLineEdit(t, QStringLiteral("Cotisation"), feeBox);
    d_->amount[0]->setMaximumWidth(110);
    d_->account[0] = new ui::FieldComboBox(t, QStringLiteral("Compte"), feeBox);
    d_->account[0]->setMinimumWidth(160);
    fee->addWidget(d_->caption[0], 0, 0);
    fee->addWidget(d_->amount[0], 0, 1);
    fee->addWidget(new QLabel(QStringLiteral("Compte"), feeBox), 0, 2);
    fee->addWidget(d_->account[0], 0, 3);

    d_->reduction =
        new ui::FieldCheckBox(t, QStringLiteral("Reduction"), QStringLiteral("Réduction famille"), feeBox);
    d_->demiTarif =
        new ui::FieldCheckBox(t, QStringLiteral("Demi tarif"), QStringLiteral("Demi saison"), feeBox);
    d_->bureau =
        new ui::FieldCheckBox(t, QStringLiteral("Membre bureau"), QStringLiteral("Membre du bureau"), feeBox);
    d_->etudiant = new ui::FieldCheckBox(t, QStringLiteral("Etudiant"), QStringLiteral("Etudiant"), feeBox);
    auto *ticks = new QHBoxLayout;
    for (ui::FieldCheckBox *w : {d_->reduction, d_->demiTarif, d_->bureau, d_->etudiant}) {
        w->setObjectName(w->binding().field()); // found by its field, whatever its caption
        ticks->addWidget(w);
    }
    ticks->addStretch();
    fee->addLayout(ticks, 1, 0, 1, 5);

    d_->date[0] = new ui::FieldDateEdit(t, QStringLiteral("Date de paiement"), feeBox);
    d_->paid[0] = new ui::FieldCheckBox(t, kPaye, QStringLiteral("Cotisation payée"), feeBox);
    fee->addWidget(new QLabel(QStringLiteral("Date de paiement"), feeBox), 2, 0);
    fee->addWidget(d_->date[0], 2, 1);
    fee->addWidget(d_->paid[0], 2, 3);

    d_->payeur = new ui::FieldLineEdit(t, QStringLiteral("Nom du payeur"), feeBox);
    d_->payeur->setInputFilter(ui::InputFilter::NoSemicolon);
    d_->payeur->setMinimumWidth(220);
    d_->banque = new ui::FieldComboBox(t, QStringLiteral("Banque"), feeBox);
    d_->banque->setMinimumWidth(160);
    fee->addWidget(new QLabel(QStringLiteral("Nom du payeur"), feeBox), 3, 0);
    fee->addWidget(d_->payeur, 3, 1);
    fee->addWidget(new QLabel(QStringLiteral("Banque du payeur"), feeBox), 3, 2);
    fee->addWidget(d_->banque, 3, 3);
    fee->setColumnStretch(4, 1);
    outer->addWidget(feeBox);

    // The five instalments.
    auto *instBox = new QGroupBox(QStringLiteral("Acomptes"), this);
    auto *inst = new QGridLayout(instBox);
    inst->addWidget(new QLabel(QStringLiteral("Montant"), instBox), 0, 1);
    inst->addWidget(new QLabel(QStringLiteral("Date"), instBox), 0, 2);
    inst->addWidget(new QLabel(QStringLiteral("Compte"), instBox), 0, 3);
    for (int k = 1; k <= 5; ++k) {
        const PaymentGroup &g = paymentGroups()[k];
        d_->caption[k] = new QLabel(g.caption, instBox);
        d_->amount[k] = new ui::FieldLineEdit(t, g.amount, instBox);
        d_->amount[k]->setMaximumWidth(110);
        d_->date[k] = new ui::FieldDateEdit(t, g.date, instBox);
        d_->account[k] = new ui::FieldComboBox(t, g.account, instBox);
        d_->account[k]->setMinimumWidth(160);
        d_->paid[k] = new ui::FieldCheckBox(t, g.paid, QStringLiteral("payé"), instBox);
        inst->addWidget(d_->caption[k], k, 0);
        inst->addWidget(d_->amount[k], k, 1);
        inst->addWidget(d_->date[k], k, 2);
        inst->addWidget(d_->account[k], k, 3);
        inst->addWidget(d_->paid[k], k, 4);
    }
    inst->setColumnStretch(5, 1);
    outer->addWidget(instBox);

    auto *rest = new QHBoxLayout;
    rest->addWidget(new QLabel(QStringLiteral("Montant restant dû"), this));
    d_->restant = new ui::FieldLineEdit(t, QStringLiteral("Restant du"), this);
    d_->restant->setMaximumWidth(110);
    setLocked(d_->restant, true);
    rest->addWidget(d_->restant);
    rest->addStretch();
    outer->addLayout(rest);

    auto *notice = new QLabel(
        QStringLiteral(
            "Attention à la qualité de votre saisie, ces éléments sont mis automatiquement en comptabilité."),
        this);
    notice->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; }"));
    notice->setWordWrap(true);
    outer->addWidget(notice);
    outer->addStretch();

    // The bound boxes wrote their value first; these handlers follow.
    for (int g = 0; g < 6; ++g)
        connect(d_->paid[g], &QCheckBox::clicked, this, [this, g] { paidClicked(g); });
    connect(d_->reduction, &QCheckBox::clicked, this, [this] {
        discountClicked([](data::Table &m, const data::Parametres &p) {
            reductionToggled(m, p, m.asBool(QStringLiteral("Reduction")));
        });
    });
    connect(d_->demiTarif, &QCheckBox::clicked, this, [this] {
        discountClicked([](data::Table &m, const data::Parametres &) {
            demiTarifToggled(m, m.asBool(QStringLiteral("Demi tarif")));
        });
    });
    connect(d_->bureau, &QCheckBox::clicked, this, [this] {
        discountClicked([](data::Table &m, const data::Parametres &p) {
            bureauToggled(m, p, m.asBool(QStringLiteral("Membre bureau")));
        });
    });
    connect(d_->etudiant, &QCheckBox::clicked, this, [this] {
        discountClicked([](data::Table &m, const data::Parametres &p) {
            etudiantToggled(m, p, m.asBool(QStringLiteral("Etudiant")));
        });
    });
    // A key typed in an instalment amount dates it today when it has no date.
    for (int k = 1; k <= 5; ++k) {
        connect(d_->amount[k], &QLineEdit::textEdited, this, [this, k] {
            const PaymentGroup &g = paymentGroups()[k];
            if (editing(d_->t) && d_->t.isNull(g.date))
                d_->t.setValue(g.date, QDate::currentDate());
        });
    }
}

CotisationTab::~CotisationTab()
{
    closed();
}

void CotisationTab::opened(bool newRecord)
{
    closed();
    const data::Parametres &p = data::parametres();
    QStringList accounts{QString()};
    for (int k = 1; k <= 5; ++k) {
        if (!p.compte[k].trimmed().isEmpty())
            accounts << p.compte[k];
    }
    for (ui::FieldComboBox *c : d_->account)
        c->setItems(accounts);
    d_->banque->setReferenceTable(d_->md.table(QStringLiteral("NomBanque")), {QString()});
    d_->newRecord = newRecord;

    data::Table &t = d_->t;
    // The ledger changes of an edit go with the member's post or cancel.
    d_->hooks.push_back(t.addHook(data::Table::Event::AfterPost, [this](data::Table &) {
        d_->payments.finish();
        d_->newRecord = false;
    }));
    d_->hooks.push_back(t.addHook(data::Table::Event::AfterCancel, [this](data::Table &) {
        d_->payments.abandon();
        d_->newRecord = false;
        readReconciled();
        applyLock();
    }));
    d_->connections << connect(&t, &data::Table::fieldChanged, this, [this](int index) {
        if (!d_->busy && index == d_->t.fieldIndex(QStringLiteral("Cotisation")) && editing(d_->t) &&
            !d_->t.asBool(kPaye))
            fee::recomputeRemaining(d_->t);
    });
    d_->connections << connect(&t, &data::Table::currentChanged, this, [this] {
        readReconciled();
        applyLock();
    });
    d_->connections << connect(&t, &data::Table::stateChanged, this, [this](data::Table::State s) {
        if (s == data::Table::State::Browse)
            applyLock();
    });
    readReconciled();
    applyLock();
}

void CotisationTab::closed()
{
    if (!d_)
        return;
    for (int id : d_->hooks)
        d_->t.removeHook(id);
    d_->hooks.clear();
    for (const auto &c : std::as_const(d_->connections))
        disconnect(c);
    d_->connections.clear();
}

bool CotisationTab::feePaid() const
{
    return d_->t.isActive() && d_->t.asBool(kPaye);
}

void CotisationTab::categoryChanged()
{
    if (!editing(d_->t) || feePaid())
        return;
    d_->busy = true;
    applyFullFee(d_->t, data::parametres());
    d_->busy = false;
}

void CotisationTab::educateurToggled(bool on)
{
    if (!editing(d_->t) || feePaid())
        return;
    d_->busy = true;
    fee::educateurToggled(d_->t, data::parametres(), on);
    d_->busy = false;
}

void CotisationTab::loisirsToggled(bool on)
{
    if (!editing(d_->t) || feePaid())
        return;
    d_->busy = true;
    fee::loisirsToggled(d_->md, d_->t, data::parametres(), on);
    d_->busy = false;
}

void CotisationTab::recomputeRemaining()
{
    if (!editing(d_->t) || feePaid())
        return;
    fee::recomputeRemaining(d_->t);
}

void CotisationTab::applyPayerDefault(const QString &prenomShown)
{
    applyDefaultPayer(d_->t, prenomShown);
}

void CotisationTab::quitting()
{
    try {
        d_->payments.settleIfCovered();
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void CotisationTab::discountClicked(const std::function<void(data::Table &, const data::Parametres &)> &step)
{
    if (!editing(d_->t))
        return;
    d_->busy = true;
    step(d_->t, data::parametres());
    d_->busy = false;
}

void CotisationTab::paidClicked(int g)
{
    data::Table &t = d_->t;
    if (!editing(t))
        return;
    const bool on = t.asBool(paymentGroups()[g].paid);
    std::optional<Refusal> refusal;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        if (g == 0 && on)
            refusal = d_->payments.tickWholeFee();
        else if (g == 0)
            d_->payments.untickWholeFee();
        else if (on)
            refusal = d_->payments.tickInstalment(g, [this](const QString &question) {
                QApplication::restoreOverrideCursor();
                const bool yes = ui::Messages::confirm(question, this);
                QApplication::setOverrideCursor(Qt::WaitCursor);
                return yes;
            });
        else
            d_->payments.untickInstalment(g);
    } catch (const data::StoreError &e) {
        refusal = Refusal{Refusal::Kind::Warning, e.message()};
    }
    QApplication::restoreOverrideCursor();
    if (refusal) {
        if (refusal->kind == Refusal::Kind::Information)
            ui::Messages::information(refusal->text, this);
        else
            ui::Messages::warning(refusal->text, this);
    }
    applyLock();
}

void CotisationTab::readReconciled()
{
    d_->reconciled = {};
    if (d_->newRecord)
        return;
    try {
        d_->reconciled = d_->payments.reconciled();
    } catch (const data::StoreError &) {
        // Unreadable ledger: no box is held back for it.
    }
}

void CotisationTab::applyLock()
{
    data::Table &t = d_->t;
    const bool has = t.isActive() && (t.isEditing() || !t.isEmpty());
    const bool locked = has && t.asBool(kPaye);
    const auto &rec = d_->reconciled;

    setLocked(d_->amount[0], locked);
    setLocked(d_->date[0], locked);
    d_->account[0]->setEnabled(!locked);
    for (ui::FieldCheckBox *c : {d_->reduction, d_->demiTarif, d_->bureau, d_->etudiant})
        c->setEnabled(!locked);
    d_->paid[0]->setEnabled(d_->newRecord || !rec[0]);

    for (int k = 1; k <= 5; ++k) {
        const bool rowPaid = has && t.asBool(paymentGroups()[k].paid);
        const bool rowLocked = locked || rowPaid;
        d_->caption[k]->setStyleSheet(rowLocked ? QStringLiteral("QLabel { color: grey; }")
                                                : QStringLiteral("QLabel { color: black; }"));
        setLocked(d_->amount[k], rowLocked);
        setLocked(d_->date[k], rowLocked);
        d_->account[k]->setEnabled(!rowLocked);
        d_->paid[k]->setEnabled(!locked && !rec[k]);
    }
}

QCheckBox *CotisationTab::paidBox(int group) const
{
    return d_->paid.at(group);
}

QCheckBox *CotisationTab::discountBox(Discount which) const
{
    switch (which) {
    case Discount::Reduction:
        return d_->reduction;
    case Discount::DemiTarif:
        return d_->demiTarif;
    case Discount::Bureau:
        return d_->bureau;
    case Discount::Etudiant:
        break;
    }
    return d_->etudiant;
}

QLineEdit *CotisationTab::amountEdit(int group) const
{
    return d_->amount.at(group);
}

QWidget *CotisationTab::dateEdit(int group) const
{
    return d_->date.at(group);
}

QComboBox *CotisationTab::accountList(int group) const
{
    return d_->account.at(group);
}

QComboBox *CotisationTab::bankList() const
{
    return d_->banque;
}

} // namespace corvane::members::fee
