#pragma once
#include "jetsql.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <stdexcept>
#include <vector>

struct sqlite3;

// A database error, carrying the engine's own message for the user.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

enum class FieldType { Unknown, Integer, Double, Text, Memo, Blob, Bool, DateTime };

// Field kind of a declared SQLite column type (INTEGER, VARCHAR(128), LONGTEXT...).
FieldType fieldTypeOf(const QString &declaredType);

// The rows of one SELECT: column names and types, values row after row.
// Dates come back as QDate, or QDateTime when a time is stored.
struct ResultSet {
    QStringList names;
    std::vector<FieldType> types;
    QVariantList values; // row-major

    int columnCount() const { return int(names.size()); }
    int rowCount() const { return names.isEmpty() ? 0 : int(values.size() / names.size()); }
    const QVariant &at(int row, int column) const { return values[qsizetype(row) * names.size() + column]; }
};

// The one connection to the cellar database. Statements are written in Jet
// SQL and translated just before they run. A SQLite file is driven through
// the SQLite C API (with the functions and collation of sqlfunctions.h); an
// ODBC data source through QODBC, with the built-in fallbacks.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void openFile(const QString &path);       // throws DbError
    void openOdbc(const QString &dataSource); // throws DbError
    void close();
    bool isOpen() const;
    bool isOdbc() const { return m_odbc; }
    QString fileName() const { return m_file; }

    QString translate(const QString &jet) const;

    ResultSet select(const QString &jet, const QVariantList &binds = {}) const;
    // Runs a statement; returns the number of rows it changed.
    qint64 exec(const QString &jet, const QVariantList &binds = {});
    qint64 lastInsertId() const { return m_lastInsertId; }
    // First column of the first row; an invalid QVariant when there is none.
    QVariant scalar(const QString &jet, const QVariantList &binds = {}) const;

    QStringList tables() const;
    // Column names and declared types of a table, in table order.
    std::vector<std::pair<QString, QString>> columns(const QString &table) const;

    // Transactions nest: only the outermost begin/commit reach the database.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }
    // Runs action once the outermost transaction commits (at once when there
    // is none); a rollback drops it. Files tied to deleted rows go this way.
    void afterCommit(std::function<void()> action);

    sqlite3 *handle() const { return m_sqlite; }

private:
    ResultSet selectSqlite(const QString &sql, const QVariantList &binds) const;
    ResultSet selectOdbc(const QString &sql, const QVariantList &binds) const;
    QSqlQuery runOdbc(const QString &sql, const QVariantList &binds) const;
    void requireOpen() const;
    void run(const QString &sql);

    void learnColumns();

    QString m_name;
    QSqlDatabase m_db;
    jetsql::ColumnKinds m_columns; // what the translator knows of the schema
    sqlite3 *m_sqlite = nullptr;
    bool m_odbc = false;
    QString m_file;
    qint64 m_lastInsertId = -1;
    int m_depth = 0;
    bool m_rollbackOnly = false;
    std::vector<std::function<void()>> m_deferred;
};

// Runs a group of statements as one: rolled back unless commit() was called.
class Transaction
{
public:
    explicit Transaction(Connection &c)
        : m_c(c)
    {
        m_c.begin();
    }
    ~Transaction()
    {
        if (!m_done)
            m_c.rollback();
    }
    void commit()
    {
        m_c.commit();
        m_done = true;
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Connection &m_c;
    bool m_done = false;
};
