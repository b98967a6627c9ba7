#pragma once

#include "data/TableDef.h"

#include <QByteArray>

namespace corvane::data {

// The stored form of a table definition, kept in the data file beside the
// table it describes.
QByteArray definitionToJson(const TableDef &def);
TableDef definitionFromJson(const QByteArray &json); // throws StoreError on a damaged text

} // namespace corvane::data
