#pragma once

#include "data/BulkCopy.h"
#include "data/Table.h"

#include <QHash>
#include <QObject>

namespace corvane::data {

class Session;

// The data module: one cursor per table component, shared by every window,
// plus the two transfer cursors of the bulk copier.
class ModuleData : public QObject {
    Q_OBJECT
public:
    explicit ModuleData(Session &session, QObject *parent = nullptr);

    Session &session() const { return session_; }

    // By component name ("Param", "Joueurs", "NomBanque") or stored table
    // name ("Parametr"); throws when unknown.
    Table *table(const QString &name) const;
    Table *find(const QString &name) const; // nullptr when unknown
    QList<Table *> tables() const { return tables_; } // every table component, transfer cursors excluded

    Table *depuis() const { return depuis_; }
    Table *vers() const { return vers_; }
    // Copies every record of the table named on Depuis into the one named on
    // Vers (the caller names both, and clears the names afterwards).
    BulkCopyResult tranferts(BulkMode mode = BulkMode::AppendUpdate, const QString &problemsTable = {});

    // The warning shown when a post on this component is refused for a
    // duplicate key; empty when the component has no handler.
    static QString postErrorMessage(const QString &componentName);
    // Handler name of the component ("JoueursPostError"), empty when none.
    static QString postErrorHandler(const QString &componentName);

    void closeAll();

private:
    Session &session_;
    QList<Table *> tables_;
    QHash<QString, Table *> byName_;
    Table *depuis_;
    Table *vers_;
};

} // namespace corvane::data
