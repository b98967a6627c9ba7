#pragma once

namespace corvane::data {

// The store's field types. Text and memo map to TEXT, integers and booleans
// to INTEGER, real and money to REAL, date to "yyyy-MM-dd", time to
// "HH:mm:ss", picture and binary to BLOB.
enum class FieldType {
    Text,
    Memo,
    Int16,
    Int32,
    Real,
    Money,
    Bool,
    Date,
    Time,
    Picture,
    Binary,
};

const char *sqlType(FieldType type);
bool isTextual(FieldType type);

} // namespace corvane::data
