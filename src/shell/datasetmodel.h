#pragma once
#include "platform/dataset.h"

#include <QAbstractTableModel>
#include <functional>

// A read-only table over the rows of a dataset, showing chosen columns with
// their labels; a column may compute its text from the row.
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column {
        QString name;  // field, or the name of a computed column
        QString label;
        int widthChars = 0; // 0: as wide as the label
        std::function<QVariant(const Dataset &, int row)> compute = {};
    };

    DatasetModel(Dataset &dataset, QList<Column> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Column &column(int c) const { return m_columns[c]; }
    // Call after the dataset was reopened.
    void reload();
    // The column drawn with alternating rows (the sort column), -1 for none.
    void setMarkedColumn(int c);
    int markedColumn() const { return m_marked; }
    QColor markColor = QColor(0xE8, 0xF3, 0xFF);

private:
    Dataset &m_ds;
    QList<Column> m_columns;
    int m_rows = 0;
    int m_marked = -1;
};
