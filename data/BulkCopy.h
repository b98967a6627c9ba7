#pragma once

#include <QString>

namespace corvane::data {

class Session;

enum class BulkMode {
    AppendUpdate, // a record whose key exists replaces it, any other is appended
    Append,       // a record whose key exists is refused
};

struct BulkCopyResult {
    int appended = 0;
    int updated = 0;
    int refused = 0; // key violations, empty required fields, values of the wrong type
};

// Copies every record of `source` into `destination`, fields matched by
// position, in one transaction. Refused records do not stop the copy; they
// are written to `problemsTable` (created with the destination's fields,
// without key) when a name is given.
BulkCopyResult bulkCopy(Session &session, const QString &source, const QString &destination, BulkMode mode,
                        const QString &problemsTable = {});

} // namespace corvane::data
