#pragma once
#include "connection.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>

// A named dataset: SQL held as a list of lines, the rows of its last open,
// a current row, and editing of that row. A dataset over one table
// ("SELECT ... FROM WINE ...") writes its changes back to that table by row;
// datasets over joins are read-only.
//
// Navigation follows the usual pattern:
//     for (ds.first(); !ds.eof(); ds.next()) ...
class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Dataset(Connection &connection, const QString &name, const QStringList &sql = {}, QObject *parent = nullptr);

    QString name() const { return m_name; }
    Connection &connection() const { return m_c; }

    // SQL text
    const QStringList &sql() const { return m_sql; }
    void setSql(const QStringList &lines);
    void setSqlText(const QString &text); // one line per text line
    QString sqlText() const { return m_sql.join(u'\n'); }
    // Index of the first line whose upper-cased text contains word, or -1.
    int findClauseLine(const QString &word) const;
    // Replaces that line (or appends one when there is none).
    void replaceClauseLine(const QString &word, const QString &line);
    void setFilterLine(const QString &line) { replaceClauseLine(QStringLiteral("WHERE"), line); }

    // Opening and running
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Closes, takes statement as the whole SQL, runs it and closes again.
    void execSql(const QString &statement);
    // Reopens and moves back to the row that had the same Id.
    void refreshKeepingPosition();

    // Navigation
    int recordCount() const { return m_rs.rowCount(); }
    int recNo() const { return m_row; } // 0-based, -1 when empty
    bool isEmpty() const { return recordCount() == 0; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    void first();
    void last();
    void next();
    void prior();
    bool moveTo(int row);
    bool locate(const QString &field, const QVariant &value);

    // Fields of the current row
    QStringList fieldNames() const;
    int fieldIndex(const QString &field) const; // -1 when unknown
    bool hasField(const QString &field) const { return fieldIndex(field) >= 0; }
    FieldType fieldType(const QString &field) const;
    QVariant value(const QString &field) const;
    QString text(const QString &field) const { return value(field).toString(); }
    qint64 integer(const QString &field, qint64 whenNull = 0) const;
    double number(const QString &field) const { return value(field).toDouble(); }
    QDate date(const QString &field) const;
    bool isNull(const QString &field) const { return value(field).isNull(); }
    void setValue(const QString &field, const QVariant &value);
    // Value of a field in any row, without moving.
    QVariant valueAt(int row, const QString &field) const;
    // Every row of the last open (the hidden row key included when editable).
    const ResultSet &rows() const { return m_rs; }

    // Editing
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool isEditable() const { return !m_table.isEmpty(); }
    QString tableName() const { return m_table; }
    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void remove();
    // Edit mode unless already inserting or editing.
    void ensureEditing();
    // Posts when inserting or editing.
    void postIfEditing();
    // A new row is posted at once and put back into edit mode, so that it
    // has its Id while its editor is open.
    void setPostNewRows(bool on) { m_postNewRows = on; }

    std::function<void(Dataset &)> onNewRecord;
    std::function<void(Dataset &)> beforeDelete;

signals:
    void currentRowChanged();

private:
    void analyse();
    int column(const QString &field) const;
    int require(const QString &field) const;
    void setCurrent(int row);
    void startNewRow(int at);
    QVariant &cell(int row, int col) { return m_rs.values[qsizetype(row) * m_rs.columnCount() + col]; }
    void reloadRow(int row);

    Connection &m_c;
    QString m_name;
    QStringList m_sql;

    // What the SQL says
    QString m_table;                 // table written to, empty when read-only
    QHash<QString, QString> m_alias; // lower-case result name -> table column

    // What the last open gave
    ResultSet m_rs;
    int m_key = -1;                  // column of the hidden row key
    QHash<QString, int> m_fields;    // lower-case name -> column
    int m_row = -1;
    bool m_bof = true;
    bool m_eof = true;

    State m_state = State::Inactive;
    QVariantList m_saved;            // row before edit
    QList<bool> m_modified;
    bool m_postNewRows = false;
};
