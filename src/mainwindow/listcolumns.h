#pragma once
#include "mainwindow/cellarfigures.h"
#include "platform/dataset.h"

// Computed columns shared by the lists that show bottle lines and movements.
namespace listcolumns {

// "2010 - 2015" from a begin and an end year column.
inline auto yearRange(const char *begin, const char *end)
{
    return [b = QString::fromLatin1(begin), e = QString::fromLatin1(end)](const Dataset &ds, int row) {
        return QVariant(figures::yearRange(ds.valueAt(row, b), ds.valueAt(row, e)));
    };
}

// An amount in the money format.
inline auto money(const char *field, const QString &currency)
{
    return [f = QString::fromLatin1(field), currency](const Dataset &ds, int row) {
        return QVariant(figures::money(ds.valueAt(row, f), currency));
    };
}

} // namespace listcolumns
