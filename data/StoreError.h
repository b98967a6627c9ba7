#pragma once

#include <QString>

#include <stdexcept>

namespace corvane::data {

// A failure of the store, with a French message an officer can read.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        General,
        Busy,       // the data are opened by another running copy
        Damaged,    // not a database, or a damaged one
        ReadOnly,   // the folder or the file cannot be written
        DiskFull,
        KeyViolation,
        RequiredField,
        NewerVersion,
        NotDataFolder, // a folder that holds other files but no data file
    };

    StoreError(Kind kind, const QString &message, int code = 0);

    Kind kind() const { return kind_; }
    int code() const { return code_; }
    QString message() const { return message_; }

private:
    Kind kind_;
    int code_;
    QString message_;
};

// Posting a record whose key already exists. The record stays in editing.
class KeyViolation : public StoreError {
public:
    static constexpr int Code = 9729;
    explicit KeyViolation(const QString &table);
    QString table() const { return table_; }

private:
    QString table_;
};

// Posting a record with an empty required field. The record stays in editing.
class RequiredFieldMissing : public StoreError {
public:
    RequiredFieldMissing(const QString &table, const QString &field, const QString &label);
    QString table() const { return table_; }
    QString field() const { return field_; }

private:
    QString table_;
    QString field_;
};

} // namespace corvane::data
