#include "members/fee/FeeLedger.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Table.h"

namespace corvane::members::fee {

const std::array<PaymentGroup, 6> &paymentGroups()
{
    static const std::array<PaymentGroup, 6> groups = [] {
        std::array<PaymentGroup, 6> g;
        g[0] = {QStringLiteral("Cotisation"),     QStringLiteral("Paye"),
                QStringLiteral("Num cotisation"), QStringLiteral("Date de paiement"),
                QStringLiteral("Compte"),         QStringLiteral("Cotisation")};
        for (int k = 1; k <= 5; ++k) {
            g[k] = {QStringLiteral("Accompte %1").arg(k),     QStringLiteral("Paye acc%1").arg(k),
                    QStringLiteral("Num Accompte %1").arg(k), QStringLiteral("Date accompte %1").arg(k),
                    QStringLiteral("Compte %1").arg(k),       QStringLiteral("Acompte %1").arg(k)};
        }
        return g;
    }();
    return groups;
}

bool locateFeeReceipt(data::Table &recettes, int num)
{
    if (num <= 0)
        return false;
    return recettes.locate(QStringLiteral("Num;Poste"), {num, FeePoste});
}

namespace {

// A cursor of our own over the ledger: the shared one may be filtered or
// placed by a list window, and must not move under it.
std::unique_ptr<data::Table> ledgerCursor(data::ModuleData &md)
{
    const QString name = md.table(QStringLiteral("Recettes"))->tableName();
    auto t = std::make_unique<data::Table>(&md.session(), name);
    t->open();
    return t;
}

} // namespace

bool feeReceiptReconciled(data::ModuleData &md, int num)
{
    if (num <= 0)
        return false;
    auto recettes = ledgerCursor(md);
    return locateFeeReceipt(*recettes, num) && recettes->asString(QStringLiteral("Rapprochement"))
                                                       .trimmed()
                                                       .compare(QLatin1String("R"), Qt::CaseInsensitive) == 0;
}

bool removeFeeReceipt(data::ModuleData &md, int num)
{
    if (num <= 0)
        return false;
    auto recettes = ledgerCursor(md);
    if (!locateFeeReceipt(*recettes, num))
        return false;
    recettes->remove();
    return true;
}

} // namespace corvane::members::fee
