#include "exchange/ChoisirVille.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/StoreError.h"
#include "exchange/TCodePostalForm.h"
#include "ui/Messages.h"

namespace corvane::exchange {

std::optional<Town> choisirVille(data::ModuleData &md, QWidget *parent, const QString &villeActuelle)
{
    data::OpenedTable codes(md.table(QStringLiteral("Codepostaux")));
    TCodePostalForm finder(md, QLatin1Char('T'), parent);
    finder.setPicker(true);
    finder.Ouvre(villeActuelle);
    const Town chosen = finder.villeCourante();
    // Leaving without moving never changes the address, even when the
    // caller's town was not in the list shown (another département filtered).
    if (!finder.villeDesignee() || chosen.ville.isEmpty() || chosen.ville == villeActuelle)
        return std::nullopt;
    return chosen;
}

ChoixVilleButton::ChoixVilleButton(data::ModuleData &md, data::Table *table, const QString &codeField,
                                   const QString &villeField, QWidget *parent)
    : QToolButton(parent)
    , md_(md)
    , table_(table)
    , codeField_(codeField)
    , villeField_(villeField)
{
    setText(QStringLiteral("..."));
    setToolTip(QStringLiteral("Choisir la ville dans la liste des codes postaux"));
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] { choisir(); });
}

bool ChoixVilleButton::choisir()
{
    if (!table_ || !table_->isActive())
        return false;
    const auto town = choisirVille(md_, window(), table_->asString(villeField_));
    if (!town)
        return false;
    try {
        if (!table_->isEditing())
            table_->edit();
        table_->setValue(codeField_, town->codePostal);
        table_->setValue(villeField_, town->ville);
        if (!departementField_.isEmpty())
            table_->setValue(departementField_, town->departement);
    } catch (const data::Aborted &) {
        // A rule of the window keeps this record as it is.
        return false;
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), window());
        return false;
    }
    emit villeChoisie(*town);
    return true;
}

} // namespace corvane::exchange
