#include "data/StoreError.h"

namespace corvane::data {

StoreError::StoreError(Kind kind, const QString &message, int code)
    : std::runtime_error(message.toStdString())
    , kind_(kind)
    , code_(code)
    , message_(message)
{
}

KeyViolation::KeyViolation(const QString &table)
    : StoreError(Kind::KeyViolation,
                 QStringLiteral("Violation de clé : cet enregistrement existe déjà dans la table « %1 ».").arg(table),
                 Code)
    , table_(table)
{
}

RequiredFieldMissing::RequiredFieldMissing(const QString &table, const QString &field, const QString &label)
    : StoreError(Kind::RequiredField, QStringLiteral("Le champ « %1 » doit être renseigné.").arg(label))
    , table_(table)
    , field_(field)
{
}

} // namespace corvane::data
