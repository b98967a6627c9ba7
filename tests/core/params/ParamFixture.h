#pragma once

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "tests/support/FreshData.h"

#include <QDate>

#include <gtest/gtest.h>

namespace corvane::test {

// A data folder whose settings record holds the first-run defaults.
class ParamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data::OpenedTable p(param());
        p->append(); // the definition's defaults: "Compte courant", "CAISSE" as cash, first run
        p->post();
    }

    data::Table *param() { return fresh.md().table(QStringLiteral("Param")); }
    QVariant setting(const QString &field)
    {
        data::OpenedTable p(param());
        p->first();
        return p->value(field);
    }

    struct Entry {
        QString compte;
        double montant;
        int num;
    };
    // The opening entries of a ledger, as stored.
    std::vector<Entry> openings(const QString &ledger)
    {
        std::vector<Entry> out;
        data::OpenedTable t(fresh.md().table(ledger));
        const QString amount = ledger == QLatin1String("Recettes") ? QStringLiteral("Montant recette")
                                                                   : QStringLiteral("Montant depense");
        for (t->first(); !t->eof(); t->next()) {
            if (t->asString(QStringLiteral("Poste")) == QStringLiteral("En caisse début saison:"))
                out.push_back({t->asString(QStringLiteral("Compte")), t->asDouble(amount),
                               int(t->asInt(QStringLiteral("Num")))});
        }
        return out;
    }
    int count(const QString &table)
    {
        data::OpenedTable t(fresh.md().table(table));
        return t->recordCount();
    }

    FreshData fresh;
};

} // namespace corvane::test
