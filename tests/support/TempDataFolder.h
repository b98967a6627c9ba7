#pragma once

#include "data/Session.h"
#include "tests/support/Printers.h"
#include "data/Table.h"

#include <QTemporaryDir>

#include <memory>

namespace corvane::test {

// A session on a fresh data file in a temporary folder, with two small
// tables: "Personnes" (keyed on Nom, Prenom; index "ParAge") and "Liste"
// (unkeyed, one text field of 15 characters).
class TempSession {
public:
    TempSession();
    data::Session &session() { return *session_; }
    QString dir() const { return dir_.path(); }
    QString dbPath() const;
    std::unique_ptr<data::Table> open(const QString &table);
    // Appends and posts one "Personnes" record.
    static void addPerson(data::Table &t, const QString &nom, const QString &prenom, int age, bool actif = true);

    static data::TableDef personnesDef();
    static data::TableDef listeDef();

private:
    QTemporaryDir dir_;
    std::unique_ptr<data::Session> session_;
};

} // namespace corvane::test
