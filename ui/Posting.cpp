#include "ui/Posting.h"

#include "data/ModuleData.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "ui/Messages.h"

namespace corvane::ui {

QString duplicateKeyMessage(const data::Table &table)
{
    QString text = data::ModuleData::postErrorMessage(table.componentName());
    // A cursor of its own over a module table answers like the module's.
    if (text.isEmpty() && !table.tableName().isEmpty())
        text = data::ModuleData::postErrorMessage(table.definition().component);
    if (text.isEmpty())
        text = QStringLiteral("Impossible de valider cet enregistrement,\rcar il existe déjà.");
    return text;
}

bool postRecord(data::Table &table, QWidget *parent)
{
    if (!table.isEditing())
        return true;
    try {
        table.post();
        return true;
    } catch (const data::KeyViolation &) {
        Messages::warning(duplicateKeyMessage(table), parent);
    } catch (const data::RequiredFieldMissing &e) {
        Messages::warning(e.message(), parent);
    } catch (const data::StoreError &e) {
        Messages::error(e.message(), parent);
    } catch (const data::Aborted &) {
    }
    return false;
}

} // namespace corvane::ui
