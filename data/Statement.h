#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace corvane::data {

class Session;

// One prepared SQL statement; finalised by its destructor.
class Statement {
public:
    Statement(Session &session, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    Statement(Statement &&other) noexcept;

    // Binds from 1. A null QVariant binds NULL; QDate, QTime, bool, numbers,
    // strings and byte arrays bind their stored forms.
    Statement &bind(int position, const QVariant &value);
    Statement &bindText(int position, const QString &value);
    Statement &bindInt(int position, qint64 value);
    Statement &bindDouble(int position, double value);
    Statement &bindNull(int position);

    bool step(); // true while a row is available; throws on failure
    void exec(); // step to the end
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    qint64 columnInt(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;
    QVariant column(int column) const; // by its SQLite type

    sqlite3_stmt *handle() const { return stmt_; }

private:
    Session *session_;
    sqlite3_stmt *stmt_ = nullptr;
};

} // namespace corvane::data
