#include "data/Statement.h"

#include "data/Session.h"

#include <QDate>
#include <QTime>

#include <sqlite3.h>

namespace corvane::data {

Statement::Statement(Session &session, const QString &sql)
    : session_(&session)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(session.handle(), utf8.constData(), int(utf8.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        session.raise(rc, sql);
}

Statement::~Statement()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
}

Statement::Statement(Statement &&other) noexcept
    : session_(other.session_)
    , stmt_(other.stmt_)
{
    other.stmt_ = nullptr;
}

Statement &Statement::bindText(int position, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(stmt_, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement &Statement::bindInt(int position, qint64 value)
{
    sqlite3_bind_int64(stmt_, position, value);
    return *this;
}

Statement &Statement::bindDouble(int position, double value)
{
    sqlite3_bind_double(stmt_, position, value);
    return *this;
}

Statement &Statement::bindNull(int position)
{
    sqlite3_bind_null(stmt_, position);
    return *this;
}

Statement &Statement::bind(int position, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return bindNull(position);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return bindInt(position, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return bindInt(position, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return bindDouble(position, value.toDouble());
    case QMetaType::QDate:
        return bindText(position, value.toDate().toString(Qt::ISODate));
    case QMetaType::QTime:
        return bindText(position, value.toTime().toString(QStringLiteral("HH:mm:ss")));
    case QMetaType::QDateTime:
        return bindText(position, value.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(stmt_, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        return *this;
    }
    default:
        return bindText(position, value.toString());
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    session_->raise(rc);
}

void Statement::exec()
{
    while (step()) {
    }
    reset();
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

qint64 Statement::columnInt(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

double Statement::columnDouble(int column) const
{
    return sqlite3_column_double(stmt_, column);
}

QString Statement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column));
}

QByteArray Statement::columnBlob(int column) const
{
    const void *data = sqlite3_column_blob(stmt_, column);
    return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(stmt_, column));
}

QVariant Statement::column(int column) const
{
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return QVariant(columnInt(column));
    case SQLITE_FLOAT:
        return QVariant(columnDouble(column));
    case SQLITE_TEXT:
        return QVariant(columnText(column));
    case SQLITE_BLOB:
        return QVariant(columnBlob(column));
    default:
        return {};
    }
}

} // namespace corvane::data
