#pragma once

#include <QByteArray>
#include <QString>

namespace corvane::data {

class Session;

// Version of the tables' layout written by this program. Each version after
// the first has an upgrade step, so that newer programs open older data.
constexpr int CurrentSchemaVersion = 2;

// Creates every table with its seed content, in one transaction.
void createSchema(Session &session);
// Brings older data up to CurrentSchemaVersion; refuses newer data.
void upgradeSchema(Session &session);

// Appends the records of a seed text (UTF-8, ';' separated, first line the
// stored field names) to a table. Returns the number of records.
int loadSeed(Session &session, const QString &table, const QByteArray &csv);

} // namespace corvane::data
