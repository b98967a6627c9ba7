#include "data/tables/TableDefs.h"

namespace corvane::data {

const std::vector<TableDef> &allTableDefs()
{
    static const std::vector<TableDef> all = [] {
        std::vector<TableDef> out;
        for (auto part : {coreTableDefs, memberTableDefs, financeTableDefs, competitionTableDefs,
                          correspondenceTableDefs, equipmentTableDefs, exchangeTableDefs}) {
            for (TableDef &d : part())
                out.push_back(std::move(d));
        }
        return out;
    }();
    return all;
}

const TableDef *findTableDef(const QString &name)
{
    for (const TableDef &d : allTableDefs()) {
        if (d.name.compare(name, Qt::CaseInsensitive) == 0 || d.component.compare(name, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

} // namespace corvane::data
