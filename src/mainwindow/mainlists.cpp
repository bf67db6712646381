#include "mainlists.h"
#include "cellarfigures.h"

namespace mainlists {
namespace {

const QString kJoins = QStringLiteral(
    "WINE LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = "
    "WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id) LEFT JOIN BOTTLE ON "
    "WINE.Id = BOTTLE.Id_Wine) LEFT JOIN COMPAGNY AS PURCHASECOMPAGNY ON BOTTLE.Id_PurchaseCompagny = "
    "PURCHASECOMPAGNY.Id) LEFT JOIN COMPAGNY AS PRODUCER ON WINE.Id_Producer = PRODUCER.Id");

using Columns = std::initializer_list<std::pair<const char *, const char *>>;

// "expression as [name]," lines, the last without its comma.
QStringList selectLines(Columns columns)
{
    QStringList lines;
    for (const auto &[expression, name] : columns)
        lines << QStringLiteral("%1 as [%2],").arg(QLatin1String(expression), QString::fromUtf8(name));
    lines.first().prepend(QStringLiteral("SELECT "));
    lines.last().chop(1);
    return lines;
}

constexpr std::pair<const char *, const char *> kWineSide[] = {
    {"WINE.Code", "WineCode"}, {"WINE.Title", "Title"}, {"WINE.Cepage", "Cepage"}, {"WINE.Color", "Color"},
    {"WINE.Classification", "Classification"}, {"WINE.Category", "Category"},
    {"WINE.CellarTemperature", "CellarTemperature"}, {"WINE.ServeTemperature", "ServeTemperature"},
    {"WINE_COUNTRY.Title", "Country"}, {"WINE_REGION.Title", "Region"}, {"WINE_APPELLATION.Title", "Appellation"},
    {"PRODUCER.Title", "Producer"}};

QStringList lines(std::initializer_list<QString> parts)
{
    return QStringList(parts);
}

QString column(const ResultSet &rows, int r, const char *name)
{
    const int c = int(rows.names.indexOf(QLatin1String(name)));
    return c < 0 ? QString() : rows.at(r, c).toString();
}

QVariant value(const ResultSet &rows, int r, const char *name)
{
    const int c = int(rows.names.indexOf(QLatin1String(name)));
    return c < 0 ? QVariant() : rows.at(r, c);
}

} // namespace

QString wineFrom()
{
    return QStringLiteral("FROM (((((") + kJoins;
}

QString bottleFrom()
{
    return QStringLiteral("FROM ((((((") + kJoins + QStringLiteral(") LEFT JOIN WINE_COLOR ON WINE.Color = WINE_COLOR.Title");
}

QStringList wineMainList()
{
    QStringList out = selectLines({{"WINE.Id", "Id"}, {"WINE.Code", "WineCode"}, {"WINE.Title", "Title"},
                                   {"WINE.Cepage", "Cepage"}, {"WINE.Color", "Color"}, {"WINE.Rate", "Rate"},
                                   {"WINE.Classification", "Classification"}, {"WINE.Category", "Category"},
                                   {"WINE.CellarTemperature", "CellarTemperature"},
                                   {"WINE.ServeTemperature", "ServeTemperature"}, {"WINE_COUNTRY.Title", "Country"},
                                   {"WINE_REGION.Title", "Region"}, {"WINE_APPELLATION.Title", "Appellation"},
                                   {"WINE.Remark1", "Remark1"}, {"PRODUCER.Title", "Producer"},
                                   {"Sum(BOTTLE.Quantity)", "Quantity"}});
    out << wineFrom() << QStringLiteral("WHERE WINE.Id_File=-1")
        << QStringLiteral("GROUP BY WINE.Id, WINE.Code, WINE.Reference, WINE.Title, WINE.Cepage, WINE.Color, WINE.Rate, "
                          "WINE.Classification, WINE.Category, WINE.CellarTemperature, WINE.ServeTemperature, "
                          "WINE_COUNTRY.Title, WINE_REGION.Title, WINE_APPELLATION.Title, WINE.Remark1, PRODUCER.Title")
        << QStringLiteral("ORDER BY WINE.Title");
    return out;
}

QStringList bottleMainList()
{
    QStringList out;
    for (const auto &[expression, name] : kWineSide)
        out << QStringLiteral("%1 as [%2],").arg(QLatin1String(expression), QLatin1String(name));
    out.first().prepend(QStringLiteral("SELECT "));
    out << selectLines({{"BOTTLE.Id", "Id"}, {"BOTTLE.Code", "BottleCode"}, {"BOTTLE.Vintage", "Vintage"},
                        {"BOTTLE.DrinkYearBegin", "DrinkYearBegin"}, {"BOTTLE.DrinkYearEnd", "DrinkYearEnd"},
                        {"BOTTLE.BestYearBegin", "BestYearBegin"}, {"BOTTLE.BestYearEnd", "BestYearEnd"},
                        {"BOTTLE.Format", "Format"}, {"BOTTLE.Location", "Location"},
                        {"BOTTLE.PurchaseDate", "PurchaseDate"}, {"BOTTLE.PurchasePrice", "PurchasePrice"},
                        {"BOTTLE.PurchaseValue", "PurchaseValue"},
                        {"BOTTLE.PurchasePrice*BOTTLE.Quantity", "TotalPurchasePrice"},
                        {"BOTTLE.PurchaseValue*BOTTLE.Quantity", "TotalPurchaseValue"},
                        {"PURCHASECOMPAGNY.Title", "PurchaseCompagny"}, {"BOTTLE.Quantity", "Quantity"},
                        {"WINE_COLOR.BackGroundColor", "BackGroundColor"}, {"WINE_COLOR.Intensity", "Intensity"}})
               .replaceInStrings(QStringLiteral("SELECT "), QString());
    out << bottleFrom() << QStringLiteral("WHERE BOTTLE.ID_FILE=-1") << QStringLiteral("ORDER BY BOTTLE.VINTAGE");
    return out;
}

QString refreshWineQuery(const QString &whereLine, const QString &orderLine, qint64 wine)
{
    QString sql = QStringLiteral(
        "SELECT WINE.Id, WINE.Code, WINE.Title, WINE.Cepage, WINE.Color, WINE.Rate, WINE.Classification, WINE.Category, "
        "WINE.CellarTemperature, WINE.ServeTemperature, WINE.AlarmStock, WINE_COUNTRY.Title as [Country], "
        "WINE_REGION.Title as [Region], WINE_APPELLATION.Title as [Appellation], WINE.Remark1, WINE.ImgMini2, "
        "PRODUCER.Title as [Producer], WINE_COLOR.BackGroundColor, WINE_COLOR.Intensity, WINE.Alcohol, WINE.Food "
        "FROM ((((WINE LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON "
        "WINE.Id_Region = WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id) "
        "LEFT JOIN COMPAGNY AS PRODUCER ON WINE.Id_Producer = PRODUCER.Id) LEFT JOIN WINE_COLOR ON WINE.Color = "
        "WINE_COLOR.Title\n");
    sql += whereLine;
    if (wine >= 0)
        sql += QStringLiteral(" AND WINE.Id=") + QString::number(wine);
    return sql + u'\n' + orderLine;
}

QStringList wineList()
{
    QStringList out = selectLines({{"WINE.Id", "WineId"}, {"WINE.Code", "WineCode"}, {"WINE.Reference", "WineReference"},
                                   {"WINE.AlarmStock", "AlarmStock"}, {"WINE.PurchaseStock", "PurchaseStock"},
                                   {"WINE.Title", "Title"}, {"WINE.Cepage", "Cepage"}, {"WINE.Color", "Color"},
                                   {"WINE.Classification", "Classification"}, {"WINE.Category", "Category"},
                                   {"WINE.CellarTemperature", "CellarTemperature"},
                                   {"WINE.ServeTemperature", "ServeTemperature"}, {"WINE_COUNTRY.Title", "Country"},
                                   {"WINE_REGION.Title", "Region"}, {"WINE_APPELLATION.Title", "Appellation"},
                                   {"PRODUCER.Title", "Producer"}, {"Sum(BOTTLE.Quantity)", "Quantity"}});
    out << wineFrom() << QStringLiteral("WHERE WINE.Id_File=-1")
        << QStringLiteral("GROUP BY WINE.Id, WINE.Code, WINE.Reference, WINE.Title, WINE.Cepage, WINE.Color, "
                          "WINE.Classification, WINE.Category, WINE.CellarTemperature, WINE.ServeTemperature, "
                          "WINE_COUNTRY.Title, WINE_REGION.Title, WINE_APPELLATION.Title, WINE.AlarmStock, "
                          "WINE.PurchaseStock, PRODUCER.Title")
        << QStringLiteral("HAVING 1=1") << QStringLiteral("ORDER BY WINE.Title");
    return out;
}

QStringList bottleList()
{
    QStringList out;
    out << QStringLiteral("SELECT WINE.Id as [WineId],");
    for (const auto &[expression, name] : kWineSide)
        out << QStringLiteral("%1 as [%2],").arg(QLatin1String(expression), QLatin1String(name));
    out << selectLines({{"BOTTLE.Id", "BottleId"}, {"BOTTLE.Code", "BottleCode"}, {"BOTTLE.Vintage", "Vintage"},
                        {"BOTTLE.DrinkYearBegin", "DrinkYearBegin"}, {"BOTTLE.DrinkYearEnd", "DrinkYearEnd"},
                        {"BOTTLE.BestYearBegin", "BestYearBegin"}, {"BOTTLE.BestYearEnd", "BestYearEnd"},
                        {"BOTTLE.Format", "Format"}, {"BOTTLE.Quantity", "Quantity"},
                        {"BOTTLE.PurchaseDate", "PurchaseDate"}, {"BOTTLE.PurchasePrice", "PurchasePrice"},
                        {"BOTTLE.PurchaseValue", "PurchaseValue"},
                        {"BOTTLE.PurchasePrice*BOTTLE.Quantity", "TotalPurchasePrice"},
                        {"BOTTLE.PurchaseValue*BOTTLE.Quantity", "TotalPurchaseValue"},
                        {"PURCHASECOMPAGNY.Title", "PurchaseCompagny"}})
               .replaceInStrings(QStringLiteral("SELECT "), QString());
    out << wineFrom() << QStringLiteral("WHERE WINE.Id_File=-1") << QStringLiteral("ORDER BY BOTTLE.Vintage");
    return out;
}

QString belowHaving(const QString &thresholdColumn)
{
    return QStringLiteral("HAVING ((Sum([BOTTLE].[Quantity])<WINE.%1) or ((Sum([BOTTLE].[Quantity]) is null) and (0<WINE.%1)))")
        .arg(thresholdColumn);
}

QString wineSummary(const QString &whereLine)
{
    return lines({QStringLiteral("Select WINE.Id_File, Sum(0) + Sum(BOTTLE.Quantity) as Quantity, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice) AS PurchasePrice, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue) AS PurchaseValue "),
                  wineFrom(), whereLine, QStringLiteral("GROUP BY WINE.Id_File")})
        .join(u'\n');
}

QString bottleSummary(const QString &whereLine)
{
    return lines({QStringLiteral("Select BOTTLE.Id_File, Sum(0) + Sum(BOTTLE.Quantity) as Quantity, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice) AS PurchasePrice, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue) AS PurchaseValue"),
                  wineFrom(), whereLine, QStringLiteral("GROUP BY BOTTLE.Id_File")})
        .join(u'\n');
}

WineCard wineCard(const ResultSet &rows, int r, const QVariant &stock, bool withThumbnail)
{
    WineCard card;
    card.id = value(rows, r, "Id").toLongLong();
    card.stock = stock.isNull() ? 0 : qint64(stock.toDouble());
    card.code = column(rows, r, "Code");
    card.title = column(rows, r, "Title");
    card.cepage = column(rows, r, "Cepage");
    card.color = column(rows, r, "Color");
    card.classification = column(rows, r, "Classification");
    card.category = column(rows, r, "Category");
    card.cellarTemperature = value(rows, r, "CellarTemperature");
    card.serveTemperature = value(rows, r, "ServeTemperature");
    card.country = column(rows, r, "Country");
    card.region = column(rows, r, "Region");
    card.appellation = column(rows, r, "Appellation");
    card.producer = column(rows, r, "Producer");
    card.alarm = figures::belowThreshold(card.stock, value(rows, r, "AlarmStock"));
    card.rate = int(value(rows, r, "Rate").toLongLong());
    card.background = value(rows, r, "BackGroundColor");
    card.intensity = value(rows, r, "Intensity");
    card.alcohol = value(rows, r, "Alcohol");
    card.food = column(rows, r, "Food");
    if (withThumbnail) {
        const QByteArray picture = value(rows, r, "ImgMini2").toByteArray();
        if (!picture.isEmpty())
            card.thumbnail = QImage::fromData(picture);
    }
    return card;
}

BottleCard bottleCard(const ResultSet &rows, int r, const QString &currency, int year)
{
    BottleCard card;
    card.id = value(rows, r, "Id").toLongLong();
    card.quantity = value(rows, r, "Quantity").toLongLong();
    card.code = column(rows, r, "BottleCode");
    card.vintage = value(rows, r, "Vintage");
    card.format = column(rows, r, "Format");
    card.drinkYear = figures::yearRange(value(rows, r, "DrinkYearBegin"), value(rows, r, "DrinkYearEnd"));
    card.bestYear = figures::yearRange(value(rows, r, "BestYearBegin"), value(rows, r, "BestYearEnd"));
    card.purchaseDate = value(rows, r, "PurchaseDate").toDate();
    card.supplier = column(rows, r, "PurchaseCompagny");
    card.price = figures::money(value(rows, r, "PurchasePrice"), currency);
    card.value = figures::money(value(rows, r, "PurchaseValue"), currency);
    card.status = figures::drinkingStatus(value(rows, r, "DrinkYearBegin"), value(rows, r, "DrinkYearEnd"), year);
    card.location = column(rows, r, "Location");
    card.background = value(rows, r, "BackGroundColor");
    card.intensity = value(rows, r, "Intensity");
    return card;
}

} // namespace mainlists
