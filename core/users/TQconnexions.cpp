#include "core/users/TQconnexions.h"

#include "core/report/StandardFrame.h"
#include "data/Table.h"

namespace corvane::core {

std::unique_ptr<report::Report> makeTQconnexions(data::Table &mouchard, const data::Parametres &p)
{
    using namespace report;
    auto r = std::make_unique<Report>(QStringLiteral("Liste des connexions"));
    addStandardFrame(*r, p);
    r->setSource(&mouchard);
    addColumns(*r, {{QStringLiteral("Jour"), QStringLiteral("Jour"), 24, Qt::AlignHCenter},
                    {QString::fromUtf8("Entrée"), QStringLiteral("Heure entree"), 20, Qt::AlignHCenter},
                    {QStringLiteral("Sortie"), QStringLiteral("Heure sortie"), 20, Qt::AlignHCenter},
                    {QStringLiteral("Type de sortie"), QStringLiteral("Type sortie"), 26},
                    {QStringLiteral("Module"), QStringLiteral("Module"), 62},
                    {QStringLiteral("Profil"), QStringLiteral("Profil"), 38}});
    return r;
}

} // namespace corvane::core
