#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

// Readable values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}

inline void PrintTo(const QVariant &v, std::ostream *os)
{
    *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}
