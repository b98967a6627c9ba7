#include "data/FieldType.h"

namespace corvane::data {

const char *sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::Date:
    case FieldType::Time:
        return "TEXT";
    case FieldType::Int16:
    case FieldType::Int32:
    case FieldType::Bool:
        return "INTEGER";
    case FieldType::Real:
    case FieldType::Money:
        return "REAL";
    case FieldType::Picture:
    case FieldType::Binary:
        return "BLOB";
    }
    return "TEXT";
}

bool isTextual(FieldType type)
{
    return type == FieldType::Text || type == FieldType::Memo;
}

} // namespace corvane::data
