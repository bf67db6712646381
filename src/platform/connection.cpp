#include "connection.h"
#include "sqlfunctions.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>
#include <QUuid>
#include <sqlite3.h>
#include <utility>

FieldType fieldTypeOf(const QString &declaredType)
{
    const QString t = declaredType.trimmed().toUpper();
    if (t.isEmpty())
        return FieldType::Unknown;
    if (t.startsWith(u"BOOL") || t == u"BIT")
        return FieldType::Bool;
    if (t.contains(u"INT") || t == u"COUNTER")
        return FieldType::Integer;
    if (t.startsWith(u"DATE") || t.startsWith(u"TIME"))
        return FieldType::DateTime;
    if (t == u"LONGTEXT" || t == u"MEMO" || t == u"TEXT" || t == u"CLOB")
        return FieldType::Memo;
    if (t.contains(u"CHAR") || t.startsWith(u"TEXT"))
        return FieldType::Text;
    if (t.contains(u"BLOB") || t.contains(u"BINARY") || t == u"IMAGE" || t == u"OLEOBJECT")
        return FieldType::Blob;
    if (t.contains(u"DOUB") || t.contains(u"REAL") || t.contains(u"FLOA") || t.startsWith(u"NUMERIC")
        || t.startsWith(u"DECIMAL") || t == u"CURRENCY")
        return FieldType::Double;
    return FieldType::Unknown;
}

namespace {

QVariant dateFromText(const QString &text)
{
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant(text);
    }
    const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (dt.isValid())
        return dt.time() == QTime(0, 0) ? QVariant(dt.date()) : QVariant(dt);
    return text;
}

QString dateToText(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    const QDateTime dt = v.toDateTime();
    if (dt.time() == QTime(0, 0))
        return dt.date().toString(Qt::ISODate);
    return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// Values go to the database in the forms it stores: dates as ISO text,
// booleans as 0/1.
QVariant storable(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return dateToText(v);
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    default:
        return v;
    }
}

class Statement
{
public:
    Statement(sqlite3 *db, const char *&sql, const char *end)
    {
        const char *tail = nullptr;
        if (sqlite3_prepare_v2(db, sql, int(end - sql), &m_stmt, &tail) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
        sql = tail;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    sqlite3_stmt *get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

    void bind(const QVariantList &binds)
    {
        for (int i = 0; i < binds.size() && i < sqlite3_bind_parameter_count(m_stmt); ++i) {
            const QVariant v = storable(binds[i]);
            const int p = i + 1;
            if (!v.isValid()) {
                sqlite3_bind_null(m_stmt, p);
                continue;
            }
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::Short:
            case QMetaType::Long:
                sqlite3_bind_int64(m_stmt, p, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                sqlite3_bind_double(m_stmt, p, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                sqlite3_bind_blob64(m_stmt, p, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                sqlite3_bind_text64(m_stmt, p, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
            }
            }
        }
    }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

QVariant columnValue(sqlite3_stmt *st, int c, FieldType type)
{
    switch (sqlite3_column_type(st, c)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return type == FieldType::Bool ? QVariant(sqlite3_column_int64(st, c) != 0)
                                       : QVariant(qlonglong(sqlite3_column_int64(st, c)));
    case SQLITE_FLOAT:
        return sqlite3_column_double(st, c);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(st, c)), sqlite3_column_bytes(st, c));
    default: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(st, c));
        const QString text = QString::fromUtf8(p, sqlite3_column_bytes(st, c));
        return type == FieldType::DateTime ? dateFromText(text) : QVariant(text);
    }
    }
}

FieldType fieldTypeOfMeta(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Double;
    case QMetaType::QByteArray:
        return FieldType::Blob;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return FieldType::DateTime;
    case QMetaType::Bool:
        return FieldType::Bool;
    default:
        return FieldType::Text;
    }
}

bool isIsoDate(const QVariant &v)
{
    static const QRegularExpression iso(QStringLiteral(R"(^\d{4}-\d\d-\d\d( \d\d:\d\d:\d\d)?$)"));
    return v.typeId() == QMetaType::QString && iso.match(v.toString()).hasMatch();
}

// An expression column (Min(PurchaseDate), a #date# literal) has no declared
// type: it takes the type of its values, dates included.
void typeFromValues(ResultSet &rs, int c)
{
    bool dates = false;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QVariant &v = rs.at(r, c);
        if (v.isNull())
            continue;
        if (!isIsoDate(v)) {
            rs.types[c] = fieldTypeOfMeta(v.typeId());
            return;
        }
        dates = true;
    }
    if (!dates)
        return;
    rs.types[c] = FieldType::DateTime;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QVariant &v = rs.values[qsizetype(r) * rs.columnCount() + c];
        if (!v.isNull())
            v = dateFromText(v.toString());
    }
}

} // namespace

Connection::Connection()
    : m_name(QStringLiteral("tonnel-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

Connection::~Connection()
{
    close();
}

void Connection::openFile(const QString &path)
{
    close();
    const QByteArray name = path.toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DbError(QStringLiteral("%1 : %2").arg(path, message));
    }
    m_sqlite = db;
    m_file = path;
    sqlite3_busy_timeout(db, 3000);
    sqlfunctions::registerAll(db);
    // A file that is not a database only shows itself at the first read.
    try {
        learnColumns();
    } catch (const DbError &e) {
        close();
        throw DbError(QStringLiteral("%1 : %2").arg(path, e.message()));
    }
}

// Names that hold text in every table that has them, and names that never do.
void Connection::learnColumns()
{
    QSet<QString> text, other;
    const ResultSet rs = select(QStringLiteral(
        "SELECT p.name, p.type FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type='table'"));
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString name = rs.at(r, 0).toString().toLower();
        const FieldType type = fieldTypeOf(rs.at(r, 1).toString());
        (type == FieldType::Text || type == FieldType::Memo ? text : other).insert(name);
    }
    m_columns.text = text - other;
    m_columns.other = other - text;
}

void Connection::openOdbc(const QString &dataSource)
{
    close();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    m_db.setDatabaseName(dataSource);
    if (!m_db.open()) {
        const QString message = m_db.lastError().text();
        close();
        throw DbError(message);
    }
    m_odbc = true;
    m_file = dataSource;
    try {
        learnColumns();
    } catch (const DbError &) {
        m_columns = {}; // not our schema: comparisons stay as written
    }
}

void Connection::close()
{
    if (m_sqlite) {
        sqlite3_close_v2(m_sqlite);
        m_sqlite = nullptr;
    }
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    m_odbc = false;
    m_columns = {};
    m_depth = 0;
    m_rollbackOnly = false;
}

bool Connection::isOpen() const
{
    return m_sqlite || (m_odbc && m_db.isOpen());
}

QString Connection::translate(const QString &jet) const
{
    return jetsql::translate(jet, m_odbc ? jetsql::Dialect::Builtin : jetsql::Dialect::Native, &m_columns);
}

ResultSet Connection::select(const QString &jet, const QVariantList &binds) const
{
    requireOpen();
    const QString sql = translate(jet);
    return m_odbc ? selectOdbc(sql, binds) : selectSqlite(sql, binds);
}

ResultSet Connection::selectSqlite(const QString &sql, const QVariantList &binds) const
{
    const QByteArray utf8 = sql.toUtf8();
    const char *p = utf8.constData();
    Statement st(m_sqlite, p, utf8.constData() + utf8.size());
    ResultSet rs;
    if (!st)
        return rs;
    st.bind(binds);
    const int n = sqlite3_column_count(st.get());
    for (int c = 0; c < n; ++c) {
        rs.names << QString::fromUtf8(sqlite3_column_name(st.get(), c));
        rs.types.push_back(fieldTypeOf(QString::fromUtf8(sqlite3_column_decltype(st.get(), c))));
    }
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
        for (int c = 0; c < n; ++c)
            rs.values.append(columnValue(st.get(), c, rs.types[c]));
    if (rc != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_sqlite)));
    for (int c = 0; c < n; ++c)
        if (rs.types[c] == FieldType::Unknown)
            typeFromValues(rs, c);
    return rs;
}

QSqlQuery Connection::runOdbc(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(q.lastError().text());
    for (const QVariant &b : binds)
        q.addBindValue(storable(b));
    if (!q.exec())
        throw DbError(q.lastError().text());
    return q;
}

void Connection::requireOpen() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("La base de données n'est pas ouverte."));
}

ResultSet Connection::selectOdbc(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery q = runOdbc(sql, binds);
    ResultSet rs;
    const QSqlRecord rec = q.record();
    for (int c = 0; c < rec.count(); ++c) {
        rs.names << rec.fieldName(c);
        rs.types.push_back(fieldTypeOfMeta(rec.field(c).metaType().id()));
    }
    while (q.next())
        for (int c = 0; c < rec.count(); ++c) {
            QVariant v = q.value(c);
            if (v.typeId() == QMetaType::QDateTime && v.toDateTime().time() == QTime(0, 0))
                v = v.toDate();
            rs.values.append(v.isNull() ? QVariant() : v);
        }
    return rs;
}

qint64 Connection::exec(const QString &jet, const QVariantList &binds)
{
    requireOpen();
    const QString sql = translate(jet);
    if (m_odbc) {
        const QSqlQuery q = runOdbc(sql, binds);
        const QVariant id = q.lastInsertId();
        if (id.isValid())
            m_lastInsertId = id.toLongLong();
        return q.numRowsAffected();
    }
    const QByteArray utf8 = sql.toUtf8();
    const char *p = utf8.constData();
    const char *end = p + utf8.size();
    qint64 changed = 0;
    while (p < end) {
        Statement st(m_sqlite, p, end);
        if (!st)
            break;
        st.bind(binds);
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(m_sqlite)));
        changed += sqlite3_changes64(m_sqlite);
    }
    m_lastInsertId = sqlite3_last_insert_rowid(m_sqlite);
    return changed;
}

void Connection::run(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    char *error = nullptr;
    if (sqlite3_exec(m_sqlite, utf8.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        throw DbError(message);
    }
}

QVariant Connection::scalar(const QString &jet, const QVariantList &binds) const
{
    const ResultSet rs = select(jet, binds);
    if (rs.rowCount() == 0 || rs.columnCount() == 0)
        return {};
    return rs.at(0, 0);
}

QStringList Connection::tables() const
{
    if (m_odbc)
        return m_db.tables(QSql::Tables);
    QStringList names;
    const ResultSet rs = select(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
    for (int r = 0; r < rs.rowCount(); ++r)
        names << rs.at(r, 0).toString();
    return names;
}

std::vector<std::pair<QString, QString>> Connection::columns(const QString &table) const
{
    std::vector<std::pair<QString, QString>> out;
    const ResultSet rs = select(QStringLiteral("SELECT name, type FROM pragma_table_info(%1)").arg(jetsql::quote(table)));
    for (int r = 0; r < rs.rowCount(); ++r)
        out.emplace_back(rs.at(r, 0).toString(), rs.at(r, 1).toString());
    return out;
}

void Connection::begin()
{
    if (m_depth++ > 0)
        return;
    m_rollbackOnly = false;
    if (m_odbc) {
        if (!m_db.transaction())
            throw DbError(m_db.lastError().text());
        return;
    }
    run(QStringLiteral("BEGIN"));
}

void Connection::commit()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0)
        return;
    if (m_rollbackOnly) {
        m_depth = 1;
        rollback();
        throw DbError(QStringLiteral("Transaction annulée."));
    }
    if (m_odbc) {
        if (!m_db.commit())
            throw DbError(m_db.lastError().text());
    } else {
        run(QStringLiteral("COMMIT"));
    }
    const auto deferred = std::exchange(m_deferred, {});
    for (const auto &action : deferred)
        action();
}

void Connection::afterCommit(std::function<void()> action)
{
    if (m_depth == 0)
        action();
    else
        m_deferred.push_back(std::move(action));
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        m_rollbackOnly = true;
        return;
    }
    m_rollbackOnly = false;
    m_deferred.clear();
    if (m_odbc) {
        m_db.rollback();
        return;
    }
    if (m_sqlite && !sqlite3_get_autocommit(m_sqlite))
        sqlite3_exec(m_sqlite, "ROLLBACK", nullptr, nullptr, nullptr);
}
