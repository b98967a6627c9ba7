#pragma once

#include "data/Session.h"
#include "data/Table.h"
#include "tests/support/TempDataFolder.h"

#include <QAbstractButton>
#include <QDialog>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace corvane::test {

// A session with the two small tables of TempSession, "Personnes" filled
// with a few people, and helpers to find the buttons of a window by text.
class KitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        personnes = db.open(QStringLiteral("Personnes"));
        TempSession::addPerson(*personnes, QStringLiteral("Martin"), QStringLiteral("Léa"), 12);
        TempSession::addPerson(*personnes, QStringLiteral("Bernard"), QStringLiteral("Hugo"), 35);
        TempSession::addPerson(*personnes, QStringLiteral("Durand"), QStringLiteral("Zoé"), 8);
        personnes->first(); // Bernard, Durand, Martin in key order
    }

    static QAbstractButton *buttonByText(QWidget &w, const QString &text)
    {
        for (QAbstractButton *b : w.findChildren<QAbstractButton *>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }

    TempSession db;
    std::unique_ptr<data::Table> personnes;
};

} // namespace corvane::test
