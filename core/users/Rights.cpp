#include "core/users/Rights.h"

namespace corvane::core {

Rights Rights::fromRows(const std::vector<RightsRow> &rows)
{
    Rights r;
    const QString x = QStringLiteral("X");
    for (size_t i = 0; i < rows.size() && int(i) < MaxRows; ++i) {
        const RightsRow &row = rows[i];
        QChar c = QLatin1Char('-');
        // Several marks: the later test wins.
        if (row.aucun == x)
            c = QLatin1Char('A');
        if (row.visualisation == x)
            c = QLatin1Char('V');
        if (row.tous == x)
            c = QLatin1Char('T');
        if (row.aucun == x || row.visualisation == x)
            r.full_ = false;
        r.letters_.append(c);
    }
    return r;
}

Rights Rights::all()
{
    return fromRows(administratorProfileRows());
}

QChar Rights::letter(int row) const
{
    if (row < 0 || row >= letters_.size())
        return QLatin1Char('-');
    return letters_.at(row);
}

Rights &currentRights()
{
    static Rights rights = Rights::all();
    return rights;
}

} // namespace corvane::core
