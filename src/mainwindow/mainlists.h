#pragma once
#include "platform/connection.h"

#include <QDate>
#include <QHash>
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
// WineMainList also carries what a wine card shows beyond the list's own
// columns (AlarmStock, Alcohol, Food) and the wine's amounts (PurchaseTotal,
// ValueTotal), so that one statement feeds the cards, their stocks and the
// heading of the pane. (Its select lines hold no WHERE: the filter line is
// found as the first line that does.)
QStringList wineMainList();
QStringList bottleMainList();
// The colours, to paint each card with its wine's: Title, BackGroundColor, Intensity.
QString colourList();
// The small pictures of the dossier's wines (or of one wine): Id, ImgMini2.
QString wineThumbnails(qint64 dossier, qint64 wine = -1);
// The query of the wine list window and the bottle list window.
QStringList wineList();
QStringList bottleList();
// HAVING line of the wines whose stock is below the threshold column
// ("AlarmStock" or "PurchaseStock").
QString belowHaving(const QString &thresholdColumn);
// Whether a wine of the dossier is below its alarm stock: the rows of the
// alarm list, at most one, without what the list shows.
QString alarmCheck(qint64 dossier);
// Totals of the bottle pane: bottles, purchase cost and estimated value.
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

// Colours by lower-case title, as a wine's colour text matches them.
struct Colour {
    QVariant background, intensity;
};
using Colours = QHash<QString, Colour>;
Colours colours(const ResultSet &colourList);

// The cards of the rows of WineMainList, or the card of row r.
std::vector<WineCard> wineCards(const ResultSet &rows, const Colours &colours);
WineCard wineCard(const ResultSet &rows, int r, const Colours &colours);
// The card of row r of BottleMainList.
BottleCard bottleCard(const ResultSet &rows, int r, const QString &currency, int year);

} // namespace mainlists
