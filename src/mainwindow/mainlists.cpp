#include "mainlists.h"
#include "cellarfigures.h"

#include <map>
#include <string_view>

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
                                   {"Sum(BOTTLE.Quantity)", "Quantity"},
                                   {"WINE.AlarmStock", "AlarmStock"}, {"WINE.Alcohol", "Alcohol"}, {"WINE.Food", "Food"},
                                   {"Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice)", "PurchaseTotal"},
                                   {"Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue)", "ValueTotal"}});
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

QString colourList()
{
    return QStringLiteral("SELECT Title, BackGroundColor, Intensity FROM WINE_COLOR");
}

QString wineThumbnails(qint64 dossier, qint64 wine)
{
    QString sql = QStringLiteral("SELECT Id, ImgMini2 FROM WINE WHERE Id_File=%1 AND ImgMini2 IS NOT NULL").arg(dossier);
    return wine >= 0 ? sql + QStringLiteral(" AND Id=%1").arg(wine) : sql;
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

QString alarmCheck(qint64 dossier)
{
    return QStringLiteral("SELECT WINE.Id FROM WINE LEFT JOIN BOTTLE ON WINE.Id = BOTTLE.Id_Wine\n"
                          "WHERE WINE.Id_File=%1 AND WINE.AlarmStock IS NOT NULL\n"
                          "GROUP BY WINE.Id, WINE.AlarmStock\n%2\nLIMIT 1")
        .arg(dossier)
        .arg(belowHaving(QStringLiteral("AlarmStock")));
}

QString bottleSummary(const QString &whereLine)
{
    return lines({QStringLiteral("Select BOTTLE.Id_File, Sum(0) + Sum(BOTTLE.Quantity) as Quantity, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice) AS PurchasePrice, "
                                 "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue) AS PurchaseValue"),
                  wineFrom(), whereLine, QStringLiteral("GROUP BY BOTTLE.Id_File")})
        .join(u'\n');
}

namespace {

// Columns of a result found once by name, -1 when absent.
class ColumnIndex
{
public:
    explicit ColumnIndex(const ResultSet &rows)
        : m_rows(rows)
    {
    }
    QVariant operator()(int r, const char *name)
    {
        auto it = m_index.find(name);
        if (it == m_index.end())
            it = m_index.emplace(name, int(m_rows.names.indexOf(QLatin1String(name)))).first;
        return it->second < 0 ? QVariant() : m_rows.at(r, it->second);
    }

private:
    const ResultSet &m_rows;
    std::map<std::string_view, int> m_index;
};

WineCard makeWineCard(ColumnIndex &v, int r, const Colours &colours)
{
    WineCard card;
    card.id = v(r, "Id").toLongLong();
    const QVariant stock = v(r, "Quantity");
    card.stock = stock.isNull() ? 0 : qint64(stock.toDouble());
    card.code = v(r, "WineCode").toString();
    card.title = v(r, "Title").toString();
    card.cepage = v(r, "Cepage").toString();
    card.color = v(r, "Color").toString();
    card.classification = v(r, "Classification").toString();
    card.category = v(r, "Category").toString();
    card.cellarTemperature = v(r, "CellarTemperature");
    card.serveTemperature = v(r, "ServeTemperature");
    card.country = v(r, "Country").toString();
    card.region = v(r, "Region").toString();
    card.appellation = v(r, "Appellation").toString();
    card.producer = v(r, "Producer").toString();
    card.alarm = figures::belowThreshold(card.stock, v(r, "AlarmStock"));
    card.rate = int(v(r, "Rate").toLongLong());
    const auto colour = colours.find(card.color.toLower());
    if (colour != colours.end()) {
        card.background = colour->background;
        card.intensity = colour->intensity;
    }
    card.alcohol = v(r, "Alcohol");
    card.food = v(r, "Food").toString();
    return card;
}

} // namespace

Colours colours(const ResultSet &rows)
{
    Colours out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out.insert(rows.at(r, 0).toString().toLower(), {rows.at(r, 1), rows.at(r, 2)});
    return out;
}

WineCard wineCard(const ResultSet &rows, int r, const Colours &colours)
{
    ColumnIndex index(rows);
    return makeWineCard(index, r, colours);
}

std::vector<WineCard> wineCards(const ResultSet &rows, const Colours &colours)
{
    ColumnIndex index(rows);
    std::vector<WineCard> cards;
    cards.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r)
        cards.push_back(makeWineCard(index, r, colours));
    return cards;
}

BottleCard bottleCard(const ResultSet &rows, int r, const QString &currency, int year)
{
    ColumnIndex v(rows);
    BottleCard card;
    card.id = v(r, "Id").toLongLong();
    card.quantity = v(r, "Quantity").toLongLong();
    card.code = v(r, "BottleCode").toString();
    card.vintage = v(r, "Vintage");
    card.format = v(r, "Format").toString();
    card.drinkYear = figures::yearRange(v(r, "DrinkYearBegin"), v(r, "DrinkYearEnd"));
    card.bestYear = figures::yearRange(v(r, "BestYearBegin"), v(r, "BestYearEnd"));
    card.purchaseDate = v(r, "PurchaseDate").toDate();
    card.supplier = v(r, "PurchaseCompagny").toString();
    card.price = figures::money(v(r, "PurchasePrice"), currency);
    card.value = figures::money(v(r, "PurchaseValue"), currency);
    card.status = figures::drinkingStatus(v(r, "DrinkYearBegin"), v(r, "DrinkYearEnd"), year);
    card.location = v(r, "Location").toString();
    card.background = v(r, "BackGroundColor");
    card.intensity = v(r, "Intensity");
    return card;
}

} // namespace mainlists
