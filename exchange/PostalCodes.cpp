#include "exchange/PostalCodes.h"

#include "data/Table.h"

#include <memory>

namespace corvane::exchange {

const QStringList &departements()
{
    static const QStringList names{
        QStringLiteral("Ain"),
        QStringLiteral("Aisne"),
        QStringLiteral("Allier"),
        QStringLiteral("Alpes de Haute Provence"),
        QStringLiteral("Hautes Alpes"),
        QStringLiteral("Alpes Maritimes"),
        QStringLiteral("Ardèche"),
        QStringLiteral("Ardennes"),
        QStringLiteral("Ariège"),
        QStringLiteral("Aube"),
        QStringLiteral("Aude"),
        QStringLiteral("Aveyron"),
        QStringLiteral("Bouches du Rhône"),
        QStringLiteral("Calvados"),
        QStringLiteral("Cantal"),
        QStringLiteral("Charente"),
        QStringLiteral("Charente Maritime"),
        QStringLiteral("Cher"),
        QStringLiteral("Corrèze"),
        QStringLiteral("Corse"),
        QStringLiteral("Cote d'or"),
        QStringLiteral("Côtes du Nord"),
        QStringLiteral("Creuse"),
        QStringLiteral("Dordogne"),
        QStringLiteral("Doubs"),
        QStringLiteral("Drôme"),
        QStringLiteral("Eure"),
        QStringLiteral("Eure et Loir"),
        QStringLiteral("Finistère"),
        QStringLiteral("Gard"),
        QStringLiteral("Haute Garonne"),
        QStringLiteral("Gers"),
        QStringLiteral("Gironde"),
        QStringLiteral("Hérault"),
        QStringLiteral("Ile et Vilaine"),
        QStringLiteral("Indre"),
        QStringLiteral("Indre et Loire"),
        QStringLiteral("Isère"),
        QStringLiteral("Jura"),
        QStringLiteral("Landes"),
        QStringLiteral("Loir et Cher"),
        QStringLiteral("Loire"),
        QStringLiteral("Haute Loire"),
        QStringLiteral("Loire Atlantique"),
        QStringLiteral("Loiret"),
        QStringLiteral("Lot"),
        QStringLiteral("Lot et Garonne"),
        QStringLiteral("Lozères"),
        QStringLiteral("Maine et Loire"),
        QStringLiteral("Manche"),
        QStringLiteral("Marne"),
        QStringLiteral("Haute Marne"),
        QStringLiteral("Mayenne"),
        QStringLiteral("Meurthe et Moselle"),
        QStringLiteral("Meuse"),
        QStringLiteral("Morbihan"),
        QStringLiteral("Moselle"),
        QStringLiteral("Nièvre"),
        QStringLiteral("Nord"),
        QStringLiteral("Oise"),
        QStringLiteral("Orne"),
        QStringLiteral("Pas de calais"),
        QStringLiteral("Puy de dôme"),
        QStringLiteral("Pyrénées Atlantiques"),
        QStringLiteral("Haute Pyrénées"),
        QStringLiteral("Pyrénées Orientales"),
        QStringLiteral("Bas Rhin"),
        QStringLiteral("Haut Rhin"),
        QStringLiteral("Rhône"),
        QStringLiteral("Haute Saône"),
        QStringLiteral("Saône et Loire"),
        QStringLiteral("Sarthe"),
        QStringLiteral("Savoie"),
        QStringLiteral("Haute Savoie"),
        QStringLiteral("Paris"),
        QStringLiteral("Seine Maritime"),
        QStringLiteral("Seine et Marne"),
        QStringLiteral("Yvelines"),
        QStringLiteral("Deux Sévres"),
        QStringLiteral("Somme"),
        QStringLiteral("Tarn"),
        QStringLiteral("Tarn et Garonne"),
        QStringLiteral("Var"),
        QStringLiteral("Vaucluse"),
        QStringLiteral("Vendée"),
        QStringLiteral("Vienne"),
        QStringLiteral("Haute Vienne"),
        QStringLiteral("Vosges"),
        QStringLiteral("Yonne"),
        QStringLiteral("Territoire de Belfort"),
        QStringLiteral("Essonne"),
        QStringLiteral("Haut de Seine"),
        QStringLiteral("Seine Saint Denis"),
        QStringLiteral("Val de Marne"),
        QStringLiteral("Vald'Oise"),
        QStringLiteral("Guadeloupe"),
        QStringLiteral("Martinique"),
        QStringLiteral("Outre Mer"),
        QStringLiteral("Guyane Française"),
        QStringLiteral("Réunion"),
    };
    return names;
}

QString afficheCodePostal(const QString &stored)
{
    const QString code = stockeCodePostal(stored);
    if (code.size() != 5)
        return stored;
    for (QChar c : code) {
        if (!c.isDigit())
            return stored;
    }
    return code.left(2) + QLatin1Char(' ') + code.mid(2);
}

QString stockeCodePostal(const QString &typed)
{
    QString code = typed;
    code.remove(QLatin1Char(' '));
    return code;
}

Town currentTown(const data::Table &table)
{
    if (!table.isActive() || table.isEmpty())
        return {};
    return Town{table.asString(QStringLiteral("Code postal")), table.asString(QStringLiteral("Ville")),
                table.asString(QStringLiteral("Departement")), table.asString(QStringLiteral("Pays"))};
}

bool positionOnTown(data::Table &table, const QString &ville)
{
    // locate() leaves the cursor where it was when no town matches.
    return table.isActive() && table.locate(QStringLiteral("Ville"), {ville});
}

void filterOnDepartement(data::Table &table, const QString &departement)
{
    // The département compared lives beside the table, so that going from
    // one département to another sorts only the towns shown, instead of
    // clearing the filter (and sorting the whole list) first. Filtering
    // again on the same name changes nothing, not even the position.
    using Target = std::shared_ptr<QString>;
    static const char *const Applied = "corvane.exchange.departement";
    const bool none = departement.isEmpty() || departement == AucunDepartement;
    Target target = table.property(Applied).value<Target>();
    if (none) {
        if (table.filtered())
            table.clearFilter();
        table.setProperty(Applied, QVariant());
        return;
    }
    if (table.filtered() && target) {
        if (*target != departement) {
            *target = departement;
            table.setFiltered(true);
        }
        return;
    }
    target = std::make_shared<QString>(departement);
    table.setProperty(Applied, QVariant::fromValue(target));
    const int field = table.fieldIndex(QStringLiteral("Departement"));
    table.setFilterPredicate(
        [target, field](const data::RecordView &r) { return r.value(field).toString() == *target; });
}

QString finderCaption(const QString &departement)
{
    if (departement.isEmpty() || departement == AucunDepartement)
        return QStringLiteral("Listes des codes postaux");
    return QStringLiteral("Listes des codes postaux pour le département ") + departement;
}

} // namespace corvane::exchange
