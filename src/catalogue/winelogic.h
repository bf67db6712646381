#pragma once
#include <QString>
#include <QStringList>

// Rules of the wine editor that need no window: the statements behind its
// reference pick lists, the food-pairing text and the bottle grid's order.
namespace wine {

// Reference pick lists, rows in the order the list offers them.
QString countryList();
QString countryByTitle(const QString &title); // the title is quoted, quotes doubled
QStringList regionList(qint64 country);        // every region when country < 0
QStringList appellationList(qint64 region, qint64 country);
QString appellationById(qint64 appellation);   // with its region and country
QString regionWithCountry(qint64 region);
QString producerList();
// The title of a referenced row ("WINE_COUNTRY", "COMPAGNY"...).
QString titleOf(const QString &table, qint64 id);

// Food pairings: the entries joined with ", "; read back by splitting there.
QString joinFood(const QStringList &entries);
QStringList splitFood(const QString &stored);

// ORDER BY expression of a bottle grid column; "WINE.Id" for any other key.
QString bottleSortExpression(const QString &key);

} // namespace wine
