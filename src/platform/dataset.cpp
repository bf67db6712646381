#include "dataset.h"

#include <QRegularExpression>

namespace {

const QString kKey = QStringLiteral("__rowid");

QString bare(QString name)
{
    name = name.trimmed();
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0 && !name.endsWith(u']'))
        name = name.mid(dot + 1);
    if (name.startsWith(u'[') && name.endsWith(u']'))
        name = name.mid(1, name.size() - 2);
    return name;
}

QString bracket(const QString &name)
{
    return u'[' + name + u']';
}

} // namespace

Dataset::Dataset(Connection &connection, const QString &name, const QStringList &sql, QObject *parent)
    : QObject(parent)
    , m_c(connection)
    , m_name(name)
    , m_sql(sql)
{
    setObjectName(name);
}

void Dataset::setSql(const QStringList &lines)
{
    m_sql = lines;
}

void Dataset::setSqlText(const QString &text)
{
    m_sql = text.split(u'\n');
}

int Dataset::findClauseLine(const QString &word) const
{
    const QString w = word.toUpper();
    for (int i = 0; i < m_sql.size(); ++i)
        if (m_sql[i].toUpper().contains(w))
            return i;
    return -1;
}

void Dataset::replaceClauseLine(const QString &word, const QString &line)
{
    const int i = findClauseLine(word);
    if (i >= 0)
        m_sql[i] = line;
    else
        m_sql << line;
}

// A single-table SELECT is editable; its select list maps result names to
// table columns ("Comment as [Color]").
void Dataset::analyse()
{
    m_table.clear();
    m_alias.clear();
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*SELECT\s+(.*?)\s+FROM\s+(\[[^\]]+\]|\w+)\s*(?:WHERE\b.*|ORDER\s+BY\b.*)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QString text = m_sql.join(u' ');
    const auto m = shape.match(text);
    if (!m.hasMatch())
        return;
    const QString list = m.captured(1);
    static const QRegularExpression distinct(QStringLiteral(R"(^\s*(DISTINCT|TOP)\b)"), QRegularExpression::CaseInsensitiveOption);
    if (list.contains(u'(') || distinct.match(list).hasMatch())
        return;
    static const QRegularExpression as(QStringLiteral(R"(^(.*?)\s+as\s+(.*)$)"), QRegularExpression::CaseInsensitiveOption);
    for (const QString &item : list.split(u',')) {
        const auto a = as.match(item.trimmed());
        const QString column = bare(a.hasMatch() ? a.captured(1) : item);
        if (column == u"*")
            continue;
        m_alias.insert(bare(a.hasMatch() ? a.captured(2) : item).toLower(), column);
    }
    m_table = bare(m.captured(2));
}

void Dataset::open()
{
    if (isOpen())
        return;
    analyse();
    QString text = sqlText();
    if (isEditable()) {
        static const QRegularExpression select(QStringLiteral(R"(^\s*SELECT\s)"), QRegularExpression::CaseInsensitiveOption);
        text.replace(select, QStringLiteral("SELECT rowid AS [%1], ").arg(kKey));
    }
    m_rs = m_c.select(text);
    m_fields.clear();
    m_key = -1;
    for (int c = 0; c < m_rs.columnCount(); ++c) {
        if (isEditable() && c == 0) {
            m_key = 0;
            continue;
        }
        m_fields.insert(m_rs.names[c].toLower(), c);
    }
    m_state = State::Browse;
    setCurrent(m_rs.rowCount() > 0 ? 0 : -1);
}

void Dataset::close()
{
    if (!isOpen())
        return;
    m_rs = ResultSet();
    m_fields.clear();
    m_state = State::Inactive;
    m_row = -1;
    m_bof = m_eof = true;
    emit currentRowChanged();
}

void Dataset::execSql(const QString &statement)
{
    close();
    setSqlText(statement);
    m_c.exec(statement);
}

void Dataset::refreshKeepingPosition()
{
    const qint64 id = isOpen() && m_row >= 0 && hasField(QStringLiteral("Id")) ? integer(QStringLiteral("Id"), -1) : -1;
    close();
    open();
    if (id >= 0)
        locate(QStringLiteral("Id"), id);
}

void Dataset::setCurrent(int row)
{
    m_row = row;
    m_bof = row <= 0;
    m_eof = row < 0;
    emit currentRowChanged();
}

void Dataset::first()
{
    postIfEditing();
    setCurrent(recordCount() > 0 ? 0 : -1);
}

void Dataset::last()
{
    postIfEditing();
    setCurrent(recordCount() - 1);
    m_eof = recordCount() == 0;
}

void Dataset::next()
{
    postIfEditing();
    if (m_row + 1 < recordCount()) {
        setCurrent(m_row + 1);
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void Dataset::prior()
{
    postIfEditing();
    if (m_row > 0) {
        setCurrent(m_row - 1);
        m_eof = false;
    } else {
        m_bof = true;
    }
}

bool Dataset::moveTo(int row)
{
    if (row < 0 || row >= recordCount())
        return false;
    postIfEditing();
    setCurrent(row);
    return true;
}

bool Dataset::locate(const QString &field, const QVariant &value)
{
    const int c = column(field);
    if (c < 0)
        return false;
    for (int r = 0; r < recordCount(); ++r) {
        const QVariant &v = m_rs.at(r, c);
        const bool same = (v.isNull() && value.isNull())
                          || (!v.isNull() && !value.isNull()
                              && (v == value || v.toString().compare(value.toString(), Qt::CaseInsensitive) == 0));
        if (same)
            return moveTo(r);
    }
    return false;
}

QStringList Dataset::fieldNames() const
{
    QStringList names;
    for (int c = 0; c < m_rs.columnCount(); ++c)
        if (c != m_key)
            names << m_rs.names[c];
    return names;
}

int Dataset::column(const QString &field) const
{
    return m_fields.value(field.toLower(), -1);
}

int Dataset::fieldIndex(const QString &field) const
{
    const int c = column(field);
    return c < 0 || m_key < 0 ? c : c - 1;
}

int Dataset::require(const QString &field) const
{
    const int c = column(field);
    if (c < 0)
        throw DbError(QStringLiteral("%1 : champ '%2' introuvable.").arg(m_name, field));
    return c;
}

FieldType Dataset::fieldType(const QString &field) const
{
    const int c = column(field);
    return c < 0 ? FieldType::Unknown : m_rs.types[c];
}

QVariant Dataset::value(const QString &field) const
{
    const int c = require(field);
    if (m_row < 0)
        return {};
    return m_rs.at(m_row, c);
}

QVariant Dataset::valueAt(int row, const QString &field) const
{
    const int c = require(field);
    if (row < 0 || row >= recordCount())
        return {};
    return m_rs.at(row, c);
}

qint64 Dataset::integer(const QString &field, qint64 whenNull) const
{
    const QVariant v = value(field);
    return v.isNull() ? whenNull : v.toLongLong();
}

QDate Dataset::date(const QString &field) const
{
    const QVariant v = value(field);
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
        return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

void Dataset::setValue(const QString &field, const QVariant &value)
{
    if (!isEditing())
        throw DbError(QStringLiteral("%1 n'est pas en mode édition.").arg(m_name));
    const int c = require(field);
    cell(m_row, c) = value;
    m_modified[c] = true;
}

void Dataset::edit()
{
    if (isEditing())
        return;
    if (!isOpen() || m_row < 0)
        throw DbError(QStringLiteral("%1 : aucune ligne à modifier.").arg(m_name));
    if (!isEditable())
        throw DbError(QStringLiteral("%1 est en lecture seule.").arg(m_name));
    const int n = m_rs.columnCount();
    m_saved = m_rs.values.mid(qsizetype(m_row) * n, n);
    m_modified = QList<bool>(n, false);
    m_state = State::Edit;
}

void Dataset::startNewRow(int at)
{
    if (!isOpen())
        open();
    postIfEditing();
    if (!isEditable())
        throw DbError(QStringLiteral("%1 est en lecture seule.").arg(m_name));
    const int n = m_rs.columnCount();
    for (int c = 0; c < n; ++c)
        m_rs.values.insert(qsizetype(at) * n + c, QVariant());
    m_saved.clear();
    m_modified = QList<bool>(n, false);
    m_state = State::Insert;
    m_row = at;
    m_bof = m_eof = false;
    if (onNewRecord)
        onNewRecord(*this);
    if (m_postNewRows) {
        post();
        edit();
    }
    emit currentRowChanged();
}

void Dataset::insert()
{
    startNewRow(m_row < 0 ? 0 : m_row);
}

void Dataset::append()
{
    startNewRow(recordCount());
}

void Dataset::post()
{
    if (!isEditing())
        return;
    QStringList columns;
    QVariantList binds;
    for (int c = 0; c < m_rs.columnCount(); ++c) {
        if (c == m_key || !m_modified[c])
            continue;
        columns << bracket(m_alias.value(m_rs.names[c].toLower(), m_rs.names[c]));
        binds << m_rs.at(m_row, c);
    }
    if (m_state == State::Insert) {
        const QString sql = columns.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(bracket(m_table))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(bracket(m_table), columns.join(QStringLiteral(", ")),
                                           QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
        m_c.exec(sql, binds);
        cell(m_row, m_key) = m_c.lastInsertId();
    } else if (!columns.isEmpty()) {
        for (QString &col : columns)
            col += QStringLiteral(" = ?");
        binds << m_rs.at(m_row, m_key);
        m_c.exec(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(bracket(m_table), columns.join(QStringLiteral(", "))), binds);
    }
    m_state = State::Browse;
    reloadRow(m_row);
}

// Takes back what the database made of the row (its Id, column defaults).
void Dataset::reloadRow(int row)
{
    const ResultSet fresh = m_c.select(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(bracket(m_table)),
                                       {m_rs.at(row, m_key)});
    if (fresh.rowCount() == 0)
        return;
    QHash<QString, int> byName;
    for (int c = 0; c < fresh.columnCount(); ++c)
        byName.insert(fresh.names[c].toLower(), c);
    for (int c = 0; c < m_rs.columnCount(); ++c) {
        if (c == m_key)
            continue;
        const QString source = m_alias.value(m_rs.names[c].toLower(), m_rs.names[c]).toLower();
        const int f = byName.value(source, -1);
        if (f >= 0)
            cell(row, c) = fresh.at(0, f);
    }
}

void Dataset::cancel()
{
    if (m_state == State::Insert) {
        const int n = m_rs.columnCount();
        m_rs.values.remove(qsizetype(m_row) * n, n);
        m_state = State::Browse;
        setCurrent(std::min(m_row, recordCount() - 1));
        return;
    }
    if (m_state == State::Edit) {
        const int n = m_rs.columnCount();
        for (int c = 0; c < n; ++c)
            cell(m_row, c) = m_saved[c];
        m_state = State::Browse;
        emit currentRowChanged();
    }
}

void Dataset::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (!isOpen() || m_row < 0)
        throw DbError(QStringLiteral("%1 : aucune ligne à supprimer.").arg(m_name));
    if (!isEditable())
        throw DbError(QStringLiteral("%1 est en lecture seule.").arg(m_name));
    if (m_state == State::Edit)
        cancel();
    // The row and what its cascade removes go together or not at all.
    Transaction t(m_c);
    if (beforeDelete)
        beforeDelete(*this);
    m_c.exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(bracket(m_table)), {m_rs.at(m_row, m_key)});
    t.commit();
    const int n = m_rs.columnCount();
    m_rs.values.remove(qsizetype(m_row) * n, n);
    setCurrent(std::min(m_row, recordCount() - 1));
}

void Dataset::ensureEditing()
{
    if (!isEditing())
        edit();
}

void Dataset::postIfEditing()
{
    if (isEditing())
        post();
}
