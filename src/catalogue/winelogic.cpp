#include "winelogic.h"

#include "mainwindow/cellarfigures.h"
#include "platform/jetsql.h"


namespace wine {

namespace {
const QString kAppellationSelect = QStringLiteral(
    "SELECT WINE_COUNTRY.Id as [CountryId], WINE_COUNTRY.Title as [CountryTitle], WINE_REGION.Id as [RegionId], "
    "WINE_REGION.Title as [RegionTitle], WINE_APPELLATION.Id as [AppellationId], WINE_APPELLATION.Title as "
    "[AppellationTitle] FROM WINE_APPELLATION LEFT JOIN (WINE_REGION LEFT JOIN WINE_COUNTRY ON WINE_REGION.Id_Country "
    "= WINE_COUNTRY.Id) ON WINE_APPELLATION.Id_Region = WINE_REGION.Id");
const QString kSeparator = QStringLiteral(", ");
} // namespace

QString countryList()
{
    return QStringLiteral("SELECT Id, Title FROM WINE_COUNTRY ORDER BY Title");
}

QString countryByTitle(const QString &title)
{
    return QStringLiteral("SELECT Id, Title FROM WINE_COUNTRY WHERE Title=") + jetsql::quote(title);
}

QStringList regionList(qint64 country)
{
    QStringList lines{QStringLiteral("SELECT Id, Id_Country, Title FROM WINE_REGION")};
    if (country >= 0)
        lines << QStringLiteral(" WHERE Id_Country=") + QString::number(country);
    lines << QStringLiteral(" ORDER BY Title");
    return lines;
}

QStringList appellationList(qint64 region, qint64 country)
{
    QStringList lines{kAppellationSelect};
    if (region >= 0)
        lines << QStringLiteral(" WHERE WINE_REGION.Id=") + QString::number(region);
    else if (country >= 0)
        lines << QStringLiteral(" WHERE WINE_COUNTRY.Id=") + QString::number(country);
    lines << QStringLiteral(" ORDER BY WINE_APPELLATION.Title");
    return lines;
}

QString appellationById(qint64 appellation)
{
    return kAppellationSelect + QStringLiteral(" WHERE WINE_APPELLATION.Id=") + QString::number(appellation);
}

QString regionWithCountry(qint64 region)
{
    return QStringLiteral("SELECT WINE_COUNTRY.Id as [CountryId], WINE_COUNTRY.Title as [CountryTitle], WINE_REGION.Id "
                          "as [RegionId], WINE_REGION.Title as [RegionTitle] FROM WINE_REGION LEFT JOIN WINE_COUNTRY ON "
                          "WINE_REGION.Id_Country = WINE_COUNTRY.Id WHERE WINE_REGION.Id=")
           + QString::number(region);
}

QString producerList()
{
    return QStringLiteral("SELECT Id, Title FROM COMPAGNY WHERE CoType=2 ORDER BY Title");
}

QString titleOf(const QString &table, qint64 id)
{
    return QStringLiteral("SELECT Title FROM %1 WHERE ID=%2").arg(table).arg(id);
}

QString joinFood(const QStringList &entries)
{
    return entries.join(kSeparator);
}

QStringList splitFood(const QString &stored)
{
    if (stored.isEmpty())
        return {};
    return stored.split(kSeparator);
}

QString bottleSortExpression(const QString &key)
{
    static const QStringList columns{
        QStringLiteral("Quantity"),     QStringLiteral("Vintage"),          QStringLiteral("BottleCode"),
        QStringLiteral("Format"),       QStringLiteral("DrinkYear"),        QStringLiteral("BestYear"),
        QStringLiteral("PurchaseDate"), QStringLiteral("PurchaseCompagny"), QStringLiteral("PurchasePrice"),
        QStringLiteral("PurchaseValue")};
    return columns.contains(key) ? figures::sortExpression(key) : QStringLiteral("WINE.Id");
}

} // namespace wine
