#pragma once

#include <QString>

#include <memory>

namespace corvane::data {

class Session;

inline const QString DataFileName = QStringLiteral("Corvane.db");

enum class FolderKind {
    New,     // missing or empty: the program creates the data there
    Data,    // holds the data file
    Foreign, // holds other files but no data file
};

FolderKind inspectDataFolder(const QString &dir);

struct OpenedData {
    std::unique_ptr<Session> session;
    bool created = false; // the folder was new and has just been filled
};

// Opens the data of `dir`, creating the folder, every table and the seed
// content when the folder is new. Throws StoreError with a French message;
// the existing data are never written before they were checked.
OpenedData openDataFolder(const QString &dir);

} // namespace corvane::data
