#include "data/TableValues.h"

#include "data/Money.h"
#include "data/StoreError.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

#include <cmath>
#include <limits>

namespace corvane::data {

namespace {

[[noreturn]] void badValue(const FieldDef &field, const QString &text, const QString &expected)
{
    throw StoreError(StoreError::Kind::General, QStringLiteral("« %1 » n'est pas %2 valide pour le champ « %3 ».")
                                                    .arg(text, expected, field.displayLabel()));
}

QString stripTrailing(QString s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    s.truncate(n);
    return s;
}

} // namespace

QDate parseStoredDate(const QString &text)
{
    if (text.size() == 10 && text.at(4) == QLatin1Char('-') && text.at(7) == QLatin1Char('-')) {
        auto digits = [&](int from, int count) {
            int v = 0;
            for (int i = from; i < from + count; ++i)
                v = v * 10 + text.at(i).digitValue();
            return v;
        };
        return QDate(digits(0, 4), digits(5, 2), digits(8, 2));
    }
    return QDate::fromString(text, Qt::ISODate);
}

QVariant normaliseValue(const FieldDef &field, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    const bool isString = value.typeId() == QMetaType::QString;
    const QString text = isString ? value.toString().trimmed() : QString();
    if (isString && text.isEmpty() && !isTextual(field.type))
        return {};

    switch (field.type) {
    case FieldType::Text:
    case FieldType::Memo: {
        QString s = stripTrailing(value.toString());
        if (field.size > 0 && s.size() > field.size)
            s = stripTrailing(s.left(field.size));
        if (s.isEmpty())
            return {};
        return s;
    }
    case FieldType::Int16:
    case FieldType::Int32: {
        bool ok = true;
        qint64 v = 0;
        if (isString)
            v = text.toLongLong(&ok);
        else if (value.typeId() == QMetaType::Double)
            v = qint64(std::llround(value.toDouble()));
        else
            v = value.toLongLong(&ok);
        const qint64 lo = field.type == FieldType::Int16 ? std::numeric_limits<qint16>::min()
                                                         : std::numeric_limits<qint32>::min();
        const qint64 hi = field.type == FieldType::Int16 ? std::numeric_limits<qint16>::max()
                                                         : std::numeric_limits<qint32>::max();
        if (!ok || v < lo || v > hi)
            badValue(field, value.toString(), QStringLiteral("un nombre entier"));
        return int(v);
    }
    case FieldType::Bool: {
        if (isString) {
            const QString t = text.toLower();
            if (t == QLatin1String("oui") || t == QLatin1String("true") || t == QLatin1String("vrai") ||
                t == QLatin1String("1"))
                return true;
            if (t == QLatin1String("non") || t == QLatin1String("false") || t == QLatin1String("faux") ||
                t == QLatin1String("0"))
                return false;
            badValue(field, text, QStringLiteral("une valeur Oui/Non"));
        }
        return value.toBool();
    }
    case FieldType::Real:
    case FieldType::Money: {
        if (isString) {
            const auto m = Money::parse(text);
            if (!m)
                badValue(field, text, QStringLiteral("un montant"));
            // Parsing through Money keeps typed amounts exact to the ten-thousandth.
            if (field.type == FieldType::Money)
                return m->toDouble();
            bool ok = false;
            QString t = text;
            t.replace(QLatin1Char(','), QLatin1Char('.'));
            const double d = t.toDouble(&ok);
            return ok ? d : m->toDouble();
        }
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            badValue(field, value.toString(), QStringLiteral("un nombre"));
        return d;
    }
    case FieldType::Date: {
        QDate d;
        if (value.typeId() == QMetaType::QDate)
            d = value.toDate();
        else if (value.typeId() == QMetaType::QDateTime)
            d = value.toDateTime().date();
        else {
            d = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
            if (!d.isValid())
                d = parseStoredDate(text);
        }
        if (!d.isValid())
            badValue(field, value.toString(), QStringLiteral("une date"));
        return d;
    }
    case FieldType::Time: {
        QTime t;
        if (value.typeId() == QMetaType::QTime)
            t = value.toTime();
        else if (value.typeId() == QMetaType::QDateTime)
            t = value.toDateTime().time();
        else {
            t = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
            if (!t.isValid())
                t = QTime::fromString(text, QStringLiteral("HH:mm"));
        }
        if (!t.isValid())
            badValue(field, value.toString(), QStringLiteral("une heure"));
        return QTime(t.hour(), t.minute(), t.second());
    }
    case FieldType::Picture:
    case FieldType::Binary: {
        const QByteArray bytes = value.toByteArray();
        if (bytes.isEmpty())
            return {};
        return bytes;
    }
    }
    return value;
}

QString displayValue(const FieldDef &field, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (field.type) {
    case FieldType::Bool:
        return value.toBool() ? QStringLiteral("Oui") : QStringLiteral("Non");
    case FieldType::Date:
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case FieldType::Time:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case FieldType::Money:
        return Money::fromDouble(value.toDouble()).format();
    case FieldType::Real:
        return QLocale(QLocale::French, QLocale::France).toString(value.toDouble(), 'g', 15);
    case FieldType::Picture:
        return QStringLiteral("(image)");
    case FieldType::Binary:
        return QStringLiteral("(données)");
    default:
        return value.toString();
    }
}

} // namespace corvane::data
