#pragma once

#include "exchange/PostalCodes.h"

#include <QPointer>
#include <QToolButton>

#include <optional>

namespace corvane::data {
class ModuleData;
class Table;
} // namespace corvane::data

namespace corvane::exchange {

// The postal-code finder in one call, for every address window: shows the
// club's list of towns positioned on `villeActuelle`; a double click in the
// list picks a town and closes it. Returns the town the user left on when
// it differs from `villeActuelle` (picked by a double click, or moved to and
// left with "&Quitter"), nothing otherwise: left without moving, or an
// empty list.
//
//   if (auto t = exchange::choisirVille(md, this, table->asString("Ville"))) { ... t->codePostal ... }
std::optional<Town> choisirVille(data::ModuleData &md, QWidget *parent, const QString &villeActuelle);

// A small button beside an address's postal code and town: runs the finder
// on the record's town and, when another town is chosen, writes its code and
// name (and its département when a field is given) into the record, putting
// it in editing first. One line in an address window:
//
//   addRow("Ville", new exchange::ChoixVilleButton(md, table(), "Code postal", "Ville"));
class ChoixVilleButton : public QToolButton {
    Q_OBJECT
public:
    ChoixVilleButton(data::ModuleData &md, data::Table *table, const QString &codeField,
                     const QString &villeField, QWidget *parent = nullptr);
    // Also copies the town's département into this field.
    void setDepartementField(const QString &field) { departementField_ = field; }

    // What a click does; true when the record took another town.
    bool choisir();

signals:
    void villeChoisie(const corvane::exchange::Town &town);

private:
    data::ModuleData &md_;
    QPointer<data::Table> table_;
    QString codeField_;
    QString villeField_;
    QString departementField_;
};

} // namespace corvane::exchange
