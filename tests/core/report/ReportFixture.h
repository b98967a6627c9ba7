#pragma once

#include "core/report/Report.h"
#include "core/report/StandardFrame.h"
#include "data/Parametres.h"
#include "tests/support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane::test {

// A "Personnes" table of `count` people spread over a few towns, ordered by
// town then name, and the settings a report reads.
class ReportFixture : public ::testing::Test {
protected:
    static inline const QStringList Villes = {QStringLiteral("Brest"), QStringLiteral("Lorient"),
                                              QStringLiteral("Quimper"), QStringLiteral("Rennes"),
                                              QStringLiteral("Vannes")};

    // Replaces the table's records.
    void fill(int count)
    {
        people->emptyTable();
        for (int i = 0; i < count; ++i) {
            people->append();
            people->setValue("Nom", QStringLiteral("Nom%1").arg(i, 4, 10, QLatin1Char('0')));
            people->setValue("Prenom", QStringLiteral("Prenom%1").arg(i));
            people->setValue("Age", 20 + i % 50);
            people->setValue("Ville", Villes[(i * Villes.size()) / count]);
            people->post();
        }
        people->setOrderField("Ville");
        people->first();
    }

    void SetUp() override
    {
        people = temp.open("Personnes");
        params.proprietaire = QStringLiteral("Volant Club de Rennes");
        params.saison = QStringLiteral("2009-2010");
        params.ligneEnregistrement =
            QString::fromUtf8("N° agrément DDJS: 35-123       N° affiliation FFBA: 0512");
        params.previsualisation = false;
        params.nombre = 1;
    }

    // A list of people grouped by town with a count in the summary.
    std::unique_ptr<core::report::Report>
    listReport(const QString &title = QStringLiteral("Liste des personnes"))
    {
        using namespace core::report;
        auto r = std::make_unique<Report>(title);
        addStandardFrame(*r, params);
        r->setSource(people.get());
        r->addGroup(QStringLiteral("Ville"))
            .field(QStringLiteral("Ville"), QRectF(0, 1, 80, 6), groupHeaderStyle());
        addColumns(*r, {{QStringLiteral("Nom"), QStringLiteral("Nom"), 50},
                        {QString::fromUtf8("Prénom"), QStringLiteral("Prenom"), 50},
                        {QStringLiteral("Age"), QStringLiteral("Age"), 20, Qt::AlignRight}});
        auto counted = std::make_shared<int>(0);
        r->setBeforeRecord([counted] { ++*counted; });
        r->summary(8).computed([counted] { return QStringLiteral("Total: %1 personnes").arg(*counted); },
                               QRectF(0, 1, 120, 6), TextStyle().bold());
        return r;
    }

    TempSession temp;
    std::unique_ptr<data::Table> people;
    data::Parametres params;
};

} // namespace corvane::test
