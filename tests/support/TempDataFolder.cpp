#include "tests/support/TempDataFolder.h"

#include <QDir>

namespace corvane::test {

using namespace corvane::data;

TableDef TempSession::personnesDef()
{
    return TableBuilder("Personnes")
        .text("Nom", 10)
        .required()
        .text("Prenom", 10)
        .label("Prénom")
        .int32("Age")
        .boolean("Actif")
        .date("Naissance")
        .money("Solde")
        .text("Ville", 20)
        .defaultValue(QStringLiteral("Rennes"))
        .key({"Nom", "Prenom"})
        .index("ParAge", {"Age", "Nom"})
        .index("ParVilleDesc", {"Ville"}, true)
        .build();
}

TableDef TempSession::listeDef()
{
    return TableBuilder("Liste").text("Nom", 15).build();
}

TempSession::TempSession()
{
    session_ = Session::open(dbPath(), true);
    session_->createTable(personnesDef());
    session_->createTable(listeDef());
}

QString TempSession::dbPath() const
{
    return QDir(dir_.path()).filePath(QStringLiteral("Corvane.db"));
}

std::unique_ptr<Table> TempSession::open(const QString &table)
{
    auto t = std::make_unique<Table>(session_.get(), table);
    t->open();
    return t;
}

void TempSession::addPerson(Table &t, const QString &nom, const QString &prenom, int age, bool actif)
{
    t.append();
    t.setValue("Nom", nom);
    t.setValue("Prenom", prenom);
    t.setValue("Age", age);
    t.setValue("Actif", actif);
    t.post();
}

} // namespace corvane::test
