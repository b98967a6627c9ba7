#include "members/fee/FeePayments.h"

#include "data/ModuleData.h"
#include "data/OperationNumbers.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "members/fee/FeeCalculation.h"
#include "members/fee/FeeLedger.h"

#include <QDate>

namespace corvane::members::fee {

namespace {

const QString kNom = QStringLiteral("Nom");
const QString kPrenom = QStringLiteral("Prenom");
const QString kRestantDu = QStringLiteral("Restant du");

Refusal warning(const QString &text)
{
    return {Refusal::Kind::Warning, text};
}

bool anyInstalmentPaid(const data::Table &m)
{
    for (int k = 1; k <= 5; ++k) {
        if (m.asBool(paymentGroups()[k].paid))
            return true;
    }
    return false;
}

std::unique_ptr<data::Table> ledger(data::ModuleData &md)
{
    auto t = std::make_unique<data::Table>(&md.session(), md.table(QStringLiteral("Recettes"))->tableName());
    t->open();
    return t;
}

} // namespace

struct FeePayments::Edit {
    explicit Edit(data::Session &s)
        : tx(s)
    {}
    data::Session::Transaction tx;
};

FeePayments::FeePayments(data::ModuleData &md, data::Table &membre, const data::Parametres &p)
    : md_(md)
    , m_(membre)
    , p_(p)
{}

FeePayments::~FeePayments() = default;

void FeePayments::status(const QString &text) const
{
    if (status_)
        status_(text);
}

void FeePayments::openEdit()
{
    if (!edit_)
        edit_ = std::make_unique<Edit>(md_.session());
}

void FeePayments::finish()
{
    // Released before the commit: a failed commit has rolled back anyway.
    std::unique_ptr<Edit> edit = std::move(edit_);
    if (edit)
        edit->tx.commit();
}

void FeePayments::abandon()
{
    edit_.reset();
}

std::optional<Refusal> FeePayments::checkMember() const
{
    if (m_.asString(kNom).trimmed().isEmpty() || m_.asString(kPrenom).trimmed().isEmpty())
        return warning(
            QStringLiteral("Vous devez d'abord saisir le nom et le prénom du joueur avant de valider "
                           "un règlement"));
    if (!m_.asDate(QStringLiteral("Date de naissance")).isValid())
        return warning(
            QStringLiteral("Vous devez d'abord mettre la date de naissance avant\rde vouloir traiter "
                           "les aspects cotisations"));
    return std::nullopt;
}

std::optional<Refusal> FeePayments::writeReceipt(int g, const QString &libelle)
{
    const PaymentGroup &grp = paymentGroups()[g];
    const data::Money amount = m_.asMoney(grp.amount);
    if (amount <= data::Money()) {
        m_.clear(grp.number);
        return std::nullopt;
    }
    applyDefaultPayer(m_, m_.asString(kPrenom));
    openEdit();
    try {
        // The number, its receipt and nothing else: a refused receipt gives
        // its number back.
        data::Session::Transaction tx(md_.session());
        const int num = data::drawOperationNumber(md_);
        auto r = ledger(md_);
        r->append();
        r->setValue(QStringLiteral("Date"), m_.asDate(grp.date));
        r->setValue(QStringLiteral("Poste"), FeePoste);
        r->setValue(QStringLiteral("Genre"), QStringLiteral("Recette"));
        r->setValue(QStringLiteral("Compte"), m_.asString(grp.account));
        r->setValue(QStringLiteral("Libelle"), libelle);
        r->setValue(QStringLiteral("Montant recette"), amount.toDouble());
        r->setValue(QStringLiteral("Montant depense"), 0.0);
        r->setValue(QStringLiteral("Num"), num);
        r->setValue(QStringLiteral("Justificatif"), true);
        r->setValue(QStringLiteral("Nom du payeur"), m_.asString(QStringLiteral("Nom du payeur")));
        r->setValue(QStringLiteral("Banque"), m_.asString(QStringLiteral("Banque")));
        r->setValue(QStringLiteral("Sur bordereau banque"), false);
        r->setValue(QStringLiteral("Activite"),
                    QStringLiteral("Licence ") + m_.asString(QStringLiteral("Categorie")));
        r->post();
        r.reset();
        tx.commit();
        m_.setValue(grp.number, num);
    } catch (const data::KeyViolation &) {
        return warning(data::ModuleData::postErrorMessage(QStringLiteral("Recettes")));
    } catch (const data::StoreError &e) {
        return warning(e.message());
    }
    return std::nullopt;
}

void FeePayments::removeReceipt(int g)
{
    const PaymentGroup &grp = paymentGroups()[g];
    const int num = int(m_.asInt(grp.number));
    if (num > 0) {
        openEdit();
        removeFeeReceipt(md_, num);
    }
    // The number goes with its receipt: kept, it could one day designate an
    // entry renumbered into its place.
    m_.clear(grp.number);
}

std::optional<Refusal> FeePayments::tickWholeFee()
{
    const PaymentGroup &g = paymentGroups()[0];
    auto refuse = [&](const Refusal &r) {
        m_.setValue(g.paid, false);
        return std::optional<Refusal>(r);
    };
    if (m_.asString(g.account).trimmed().isEmpty())
        return refuse(
            warning(QStringLiteral("Vous devez mettre un compte avant de le valider le réglement")));
    // The stored remaining due may be stale: the payments decide.
    const data::Money rest = remainingDue(m_);
    if (rest > data::Money() && anyInstalmentPaid(m_))
        return refuse(warning(
            QStringLiteral("Impossible de valider le réglement, le total des accomptes ne suffit pas.")));
    if (m_.isNull(g.date))
        m_.setValue(g.date, QDate::currentDate());
    if (m_.asMoney(g.amount) < data::Money())
        return refuse(
            warning(QStringLiteral("Vous devez mettre un montant avant de le valider le réglement")));
    if (rest > data::Money()) {
        if (auto r = checkMember())
            return refuse(*r);
        status(QStringLiteral("Ajout de l'opération en comptabilité ..."));
        const QString libelle =
            QStringLiteral("Cotisation de ") + m_.asString(kNom) + QLatin1Char(' ') + m_.asString(kPrenom);
        if (auto r = writeReceipt(0, libelle))
            return refuse(*r);
        m_.setValue(kRestantDu, 0.0);
    } else {
        // Settled by the instalments (or nothing to pay): no receipt, and
        // nothing due even if the instalments went beyond the fee.
        m_.clear(g.number);
        m_.setValue(kRestantDu, 0.0);
    }
    return std::nullopt;
}

void FeePayments::untickWholeFee()
{
    recomputeRemaining(m_);
    status(QStringLiteral("Retrait de l'opération en comptabilité ..."));
    removeReceipt(0);
}

std::optional<Refusal> FeePayments::tickInstalment(int n,
                                                   const std::function<bool(const QString &)> &askToday)
{
    const PaymentGroup &g = paymentGroups()[n];
    auto refuse = [&](const Refusal &r) {
        m_.setValue(g.paid, false);
        return std::optional<Refusal>(r);
    };
    if (m_.isNull(g.date)) {
        const QString question =
            QStringLiteral("Vous devez mettre la date de l'") + g.caption +
            QStringLiteral(" avant de le valider\rVoulez-vous mettre la date d'aujourd'hui ?");
        if (!askToday || !askToday(question)) {
            m_.setValue(g.paid, false);
            return std::nullopt;
        }
        m_.setValue(g.date, QDate::currentDate());
    }
    const data::Money amount = m_.asMoney(g.amount);
    if (amount <= data::Money())
        return refuse(
            warning(QStringLiteral("Vous devez mettre un montant avant de le valider l'") + g.caption));
    // What was due before this instalment (its flag is already set).
    if (amount > remainingDue(m_) + amount)
        return refuse(warning(QStringLiteral("Le montant ne doit pas être supérieur au restant dû")));
    if (m_.asString(g.account).trimmed().isEmpty())
        return refuse(
            warning(QStringLiteral("Vous devez sélectionner le compte avant de valider l'acompte")));
    if (auto r = checkMember())
        return refuse(*r);
    status(QStringLiteral("Ajout de l'acompte en comptabilité ..."));
    const QString libelle = g.caption + QStringLiteral(" cotisation de ") + m_.asString(kNom) +
                            QLatin1Char(' ') + m_.asString(kPrenom);
    if (auto r = writeReceipt(n, libelle)) {
        refuse(*r);
        recomputeRemaining(m_);
        return r;
    }
    recomputeRemaining(m_);
    return std::nullopt;
}

void FeePayments::untickInstalment(int n)
{
    recomputeRemaining(m_);
    status(QStringLiteral("Retrait de l'acompte en comptabilité ..."));
    removeReceipt(n);
    m_.setValue(paymentGroups()[0].paid, false);
}

bool FeePayments::settleIfCovered()
{
    const PaymentGroup &g = paymentGroups()[0];
    if (!m_.isActive() || m_.isEditing() || m_.isEmpty() || m_.asBool(g.paid) || !remainingDue(m_).isZero())
        return false;
    m_.edit();
    m_.setValue(g.paid, true);
    m_.setValue(kRestantDu, 0.0);
    m_.clear(g.number);
    m_.post();
    return true;
}

std::array<bool, 6> FeePayments::reconciled() const
{
    std::array<bool, 6> marks{};
    if (!m_.isActive() || m_.state() == data::Table::State::Insert || m_.isEmpty())
        return marks;
    auto r = ledger(md_);
    for (int g = 0; g < 6; ++g) {
        const int num = int(m_.asInt(paymentGroups()[g].number));
        marks[g] = num > 0 && locateFeeReceipt(*r, num) &&
                   r->asString(QStringLiteral("Rapprochement"))
                           .trimmed()
                           .compare(QLatin1String("R"), Qt::CaseInsensitive) == 0;
    }
    return marks;
}

} // namespace corvane::members::fee
