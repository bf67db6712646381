#pragma once
#include "mainwindow/cellarfigures.h"
#include "platform/dataset.h"
#include "shell/datasetmodel.h"

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

// The columns of a grid of bottle lines, as the main window and the wine
// editor show them.
inline QList<DatasetModel::Column> bottleLines(const QString &currency)
{
    return {{QStringLiteral("Quantity"), QStringLiteral("Stock"), 5},
            {QStringLiteral("Vintage"), QStringLiteral("Millésime"), 4},
            {QStringLiteral("BottleCode"), QStringLiteral("Code"), 10},
            {QStringLiteral("Format"), QStringLiteral("Format"), 20},
            {QStringLiteral("DrinkYear"), QStringLiteral("Boire"), 10, yearRange("DrinkYearBegin", "DrinkYearEnd")},
            {QStringLiteral("BestYear"), QStringLiteral("Apogée"), 10, yearRange("BestYearBegin", "BestYearEnd")},
            {QStringLiteral("PurchaseDate"), QStringLiteral("Date d'achat"), 10},
            {QStringLiteral("PurchaseCompagny"), QStringLiteral("Fournisseur"), 20},
            {QStringLiteral("PurchasePrice"), QStringLiteral("Prix d'achat (unit.)"), 0, money("PurchasePrice", currency)},
            {QStringLiteral("PurchaseValue"), QStringLiteral("Valeur estimée (unit.)"), 0, money("PurchaseValue", currency)}};
}

} // namespace listcolumns
