#include "ui/Search.h"

#include "data/Table.h"
#include "ui/Messages.h"

#include <QLocale>

namespace corvane::ui {

using data::FieldType;

QString searchableText(data::Table &table, int row, int fieldIndex)
{
    const data::FieldDef &f = table.definition().fields.at(fieldIndex);
    if (f.type == FieldType::Money || f.type == FieldType::Real) {
        const QVariant v = table.valueAt(row, fieldIndex);
        if (v.isNull() || !v.isValid())
            return {};
        QLocale plain(QLocale::French, QLocale::France);
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(v.toDouble(), 'g', 15);
    }
    return table.displayAt(row, fieldIndex);
}

bool searchRecords(data::Table &table, const QString &field, const QString &text, QWidget *parent)
{
    const int index = table.fieldIndex(field);
    const data::Table::Bookmark start = table.bookmark();
    data::Table::Bookmark found;
    const QString upper = text.toUpper();
    const int count = table.recordCount();
    for (int row = 0; row < count; ++row) {
        const QString value = searchableText(table, row, index);
        if (!value.contains(text) && !value.toUpper().contains(upper))
            continue;
        table.setRecNo(row + 1);
        found = table.bookmark();
        if (!Messages::confirm(QStringLiteral("Continuer la recherche ?"), parent))
            return true;
    }
    const QString quoted = QLatin1Char('"') + text + QLatin1Char('"');
    if (found.valid())
        Messages::warning(QStringLiteral("Plus d'autres ") + quoted + QStringLiteral(" trouvé ..."), parent);
    else
        Messages::information(quoted + QStringLiteral(" non trouvé"), parent);
    if (found.valid())
        table.gotoBookmark(found);
    else if (start.valid())
        table.gotoBookmark(start);
    return found.valid();
}

} // namespace corvane::ui
