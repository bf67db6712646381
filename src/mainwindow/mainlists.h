#pragma once
#include "platform/connection.h"

#include <QDate>
#include <QImage>
#include <QStringList>
#include <vector>

// The queries behind the main window's two panes and its lists, and the
// card records the panes draw from.
namespace mainlists {

// FROM line shared by the wine queries: wines with their geography, bottle
// lines, suppliers and producer, all LEFT JOINs.
QString wineFrom();
// The same with the colour of the wine joined last.
QString bottleFrom();

// Lines of WineMainList and BottleMainList, filtered on no dossier.
QStringList wineMainList();
QStringList bottleMainList();
// The card query of the wine pane: one row per wine of the view, or only
// wine when it is 0 or more.
QString refreshWineQuery(const QString &whereLine, const QString &orderLine, qint64 wine = -1);
// The query of the wine list window and the bottle list window.
QStringList wineList();
QStringList bottleList();
// HAVING line of the wines whose stock is below the threshold column
// ("AlarmStock" or "PurchaseStock").
QString belowHaving(const QString &thresholdColumn);
// Totals of the view: bottles, purchase cost and estimated value.
QString wineSummary(const QString &whereLine);
QString bottleSummary(const QString &whereLine);

struct WineCard {
    qint64 id = -1;
    qint64 stock = 0;
    QString code, title, cepage, color, classification, category;
    QVariant cellarTemperature, serveTemperature;
    QString country, region, appellation, producer;
    bool alarm = false;
    int rate = 0;
    QVariant background, intensity, alcohol;
    QString food;
    QImage thumbnail; // 65 × 65, null for the default picture
};

struct BottleCard {
    qint64 id = -1;
    qint64 quantity = 0;
    QString code;
    QVariant vintage;
    QString format, drinkYear, bestYear;
    QDate purchaseDate;
    QString supplier, price, value;
    int status = 0;
    QString location;
    QVariant background, intensity;
};

// The card of row r of the refresh query; stock is the wine's summed quantity.
WineCard wineCard(const ResultSet &rows, int r, const QVariant &stock, bool withThumbnail);
// The card of row r of BottleMainList.
BottleCard bottleCard(const ResultSet &rows, int r, const QString &currency, int year);

} // namespace mainlists
