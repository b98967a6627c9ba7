#include "members/fee/FeeCalculation.h"

#include "data/Parametres.h"
#include "data/Table.h"
#include "members/Categorie.h"
#include "members/fee/FeeLedger.h"

#include <cstdint>

namespace corvane::members::fee {

namespace {

const QString kCotisation = QStringLiteral("Cotisation");
const QString kRestantDu = QStringLiteral("Restant du");

// a × num / den rounded half away from zero, in ten-thousandths.
std::int64_t scaled(std::int64_t a, std::int64_t num, std::int64_t den)
{
    const std::int64_t p = a * num;
    const std::int64_t q = p / den;
    const std::int64_t r = p % den;
    if (2 * (r < 0 ? -r : r) >= den)
        return q + ((p < 0) != (den < 0) ? -1 : 1);
    return q;
}

void setFee(data::Table &m, data::Money fee)
{
    m.setValue(kCotisation, fee.toDouble());
}

data::Money fee(const data::Table &m)
{
    return m.asMoney(kCotisation);
}

// Percentage ticks ("Membre du bureau", "Etudiant"): a tick takes the share
// off, an un-tick gives it back, or at 100 % starts again from the category.
void percentToggled(data::Table &m, const data::Parametres &p, int percent, bool on)
{
    if (percent == 0)
        return;
    if (on) {
        const data::Money c = fee(m);
        setFee(m, c > data::Money() ? lessPercent(c, percent) : data::Money());
    } else if (percent == 100) {
        if (auto c = categoryFee(p, m.asString(QStringLiteral("Categorie")),
                                 m.asString(QStringLiteral("Type activite"))))
            setFee(m, *c);
    } else {
        setFee(m, beforePercent(fee(m), percent));
    }
    recomputeRemaining(m);
}

} // namespace

data::Money lessPercent(data::Money amount, int percent)
{
    return amount - data::Money::fromUnits(scaled(amount.units(), percent, 100));
}

data::Money beforePercent(data::Money amount, int percent)
{
    return data::Money::fromUnits(scaled(amount.units(), 100, 100 - percent));
}

data::Money half(data::Money amount)
{
    return data::Money::fromUnits(scaled(amount.units(), 1, 2));
}

std::optional<data::Money> categoryFee(const data::Parametres &p, const QString &categorie,
                                       const QString &typeActivite)
{
    const std::array<data::Money, 31> *prices = nullptr;
    if (typeActivite == QLatin1String("COMPETITION"))
        prices = &p.prix;
    else if (typeActivite == QLatin1String("LOISIRS"))
        prices = &p.prixLoisirs;
    else
        return std::nullopt;
    // The same search as the category rule: the men's slots from the tenth
    // down, then the women's, the last match giving the fee.
    std::optional<data::Money> found;
    for (int first : {1, 21}) {
        for (int slot = first + 9; slot >= first; --slot) {
            if (!categorie.isEmpty() && p.categories[slot] == categorie)
                found = (*prices)[slot];
        }
    }
    return found;
}

data::Money feeWithDiscounts(data::Money categorie, const Discounts &d, const data::Parametres &p)
{
    if (d.educateur)
        return p.prixEducateurs;
    data::Money c = categorie;
    if (d.reduction)
        c -= p.reduction;
    if (d.bureau)
        c = lessPercent(c, p.pourcentageBureau);
    if (d.etudiant)
        c = lessPercent(c, p.pourcentageEtudiant);
    if (d.demiTarif)
        c = half(c);
    return c;
}

data::Money paidInstalments(const data::Table &m)
{
    data::Money sum;
    for (int k = 1; k <= 5; ++k) {
        const PaymentGroup &g = paymentGroups()[k];
        if (m.asBool(g.paid))
            sum += m.asMoney(g.amount);
    }
    return sum;
}

data::Money remainingDue(const data::Table &m)
{
    return fee(m) - paidInstalments(m);
}

void recomputeRemaining(data::Table &m)
{
    m.setValue(kRestantDu, remainingDue(m).toDouble());
}

void applyFullFee(data::Table &m, const data::Parametres &p)
{
    Discounts d;
    d.reduction = m.asBool(QStringLiteral("Reduction"));
    d.bureau = m.asBool(QStringLiteral("Membre bureau"));
    d.etudiant = m.asBool(QStringLiteral("Etudiant"));
    d.demiTarif = m.asBool(QStringLiteral("Demi tarif"));
    d.educateur = m.asBool(QStringLiteral("Educateur"));
    setFee(m, feeWithDiscounts(fee(m), d, p));
    recomputeRemaining(m);
}

void reductionToggled(data::Table &m, const data::Parametres &p, bool on)
{
    setFee(m, on ? fee(m) - p.reduction : fee(m) + p.reduction);
    recomputeRemaining(m);
}

void bureauToggled(data::Table &m, const data::Parametres &p, bool on)
{
    const QString titre = QStringLiteral("Titre");
    if (!on)
        m.setValue(titre, QString());
    else if (m.asString(titre).isEmpty())
        m.setValue(titre, QStringLiteral("Président"));
    percentToggled(m, p, p.pourcentageBureau, on);
}

void etudiantToggled(data::Table &m, const data::Parametres &p, bool on)
{
    percentToggled(m, p, p.pourcentageEtudiant, on);
}

void demiTarifToggled(data::Table &m, bool on)
{
    const data::Money c = fee(m);
    if (on)
        setFee(m, c > data::Money() ? half(c) : data::Money());
    else
        setFee(m, c + c);
    recomputeRemaining(m);
}

void educateurToggled(data::Table &m, const data::Parametres &p, bool on)
{
    if (on) {
        setFee(m, p.prixEducateurs);
    } else if (auto c = categoryFee(p, m.asString(QStringLiteral("Categorie")),
                                    m.asString(QStringLiteral("Type activite")))) {
        setFee(m, *c);
    }
    recomputeRemaining(m);
}

void loisirsToggled(data::ModuleData &md, data::Table &m, const data::Parametres &p, bool on)
{
    const QString categorie = QStringLiteral("Categorie");
    if (on) {
        setFee(m, p.prixFootLoisirs);
        m.setValue(categorie, QStringLiteral("Loisirs"));
        recomputeRemaining(m);
        return;
    }
    const QDate naissance = m.asDate(QStringLiteral("Date de naissance"));
    if (!naissance.isValid())
        return;
    m.setValue(categorie, TrouveLaCategorie(md, m, p, m.asString(QStringLiteral("Sexe")), naissance.year(),
                                            m.asString(QStringLiteral("Type activite"))));
    applyFullFee(m, p);
}

QString defaultPayer(const QString &nom, const QString &prenom)
{
    const QString first = prenom.size() > 8 ? prenom.left(7) + QLatin1Char('.') : prenom;
    return nom + QLatin1Char(' ') + first;
}

bool applyDefaultPayer(data::Table &m, const QString &prenom)
{
    const QString payeur = QStringLiteral("Nom du payeur");
    const QString nom = m.asString(QStringLiteral("Nom"));
    if (!m.isActive() || (!m.isEditing() && m.isEmpty()) || !m.asString(payeur).isEmpty() || nom.isEmpty())
        return false;
    if (!m.isEditing())
        m.edit();
    m.setValue(payeur, defaultPayer(nom, prenom));
    return true;
}

} // namespace corvane::members::fee
