#pragma once

#include "data/ModuleData.h"
#include "data/Table.h"
#include "exchange/PostalCodes.h"
#include "tests/support/FreshData.h"

#include <QAbstractButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace corvane::test {

// A fresh data folder (the national list seeded, the club's list empty)
// with helpers to fill the club's list and find buttons.
class PostalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().remove(QStringLiteral("RecupCode"));
        QSettings().remove(QStringLiteral("RecupCodeTri"));
        codes = fresh.md().table(QStringLiteral("Codepostaux"));
    }
    void TearDown() override
    {
        if (codes->isActive())
            codes->close();
    }

    void addTown(const QString &code, const QString &ville, const QString &departement)
    {
        const bool wasOpen = codes->isActive();
        codes->open();
        codes->append();
        codes->setValue(QStringLiteral("Code postal"), code);
        codes->setValue(QStringLiteral("Ville"), ville);
        codes->setValue(QStringLiteral("Departement"), departement);
        codes->setValue(QStringLiteral("Pays"), QStringLiteral("France"));
        codes->post();
        if (!wasOpen)
            codes->close();
    }

    QStringList villes()
    {
        QStringList out;
        const int v = codes->fieldIndex(QStringLiteral("Ville"));
        for (int row = 0; row < codes->recordCount(); ++row)
            out << codes->valueAt(row, v).toString();
        return out;
    }

    static QAbstractButton *buttonByText(QWidget &w, const QString &text)
    {
        for (QAbstractButton *b : w.findChildren<QAbstractButton *>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }

    FreshData fresh;
    data::Table *codes = nullptr;
};

} // namespace corvane::test
