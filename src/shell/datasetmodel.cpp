#include "datasetmodel.h"

#include <QColor>
#include <QDate>

DatasetModel::DatasetModel(Dataset &dataset, QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_ds(dataset)
    , m_columns(std::move(columns))
{
    reload();
}

void DatasetModel::reload()
{
    beginResetModel();
    m_rows = m_ds.isOpen() ? m_ds.recordCount() : 0;
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    const Column &c = m_columns[index.column()];
    const auto value = [&] {
        if (c.compute)
            return c.compute(m_ds, index.row());
        return m_ds.hasField(c.name) ? m_ds.valueAt(index.row(), c.name) : QVariant();
    };
    switch (role) {
    case Qt::DisplayRole: {
        const QVariant v = value();
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        if (v.typeId() == QMetaType::Double)
            return QString::number(v.toDouble(), 'g', 12);
        return v;
    }
    case Qt::TextAlignmentRole: {
        const int type = value().typeId();
        const bool number = type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Double;
        return int(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
        if (index.column() == m_marked)
            return index.row() % 2 ? markColor : QColor(Qt::white);
        return {};
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].label;
    return {};
}

void DatasetModel::setMarkedColumn(int c)
{
    m_marked = c;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1), {Qt::BackgroundRole});
}
