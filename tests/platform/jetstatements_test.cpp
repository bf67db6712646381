// Every statement the program sends is Jet SQL; these tests run the texts of
// the windows, lists, searches and reports through the translator against a
// fresh copy of the template database (sample dossier 1), then check a few
// answers that a wrong translation would change.
#include "support/fixtures.h"

#include "platform/connection.h"
#include "platform/jetsql.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <sqlite3.h>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Statement {
    std::string name;
    QString jet;
};

QString lines(const QStringList &l)
{
    return l.join(u'\n');
}

// A select list written one column a line, "expression as [alias],".
using Columns = std::vector<std::pair<QString, QString>>;

QString selectLines(const Columns &columns, const QString &head = QStringLiteral("SELECT"))
{
    QStringList out{head};
    for (size_t i = 0; i < columns.size(); ++i)
        out << columns[i].first + QStringLiteral(" as [") + columns[i].second + u']'
                + QLatin1StringView(i + 1 < columns.size() ? "," : "");
    return lines(out);
}

// The wine-and-bottle join of the main lists, the searches and the reports.
QString wineJoin()
{
    return QStringLiteral(
        "(((((WINE LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = "
        "WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id) LEFT JOIN BOTTLE ON WINE.Id "
        "= BOTTLE.Id_Wine) LEFT JOIN COMPAGNY AS PURCHASECOMPAGNY ON BOTTLE.Id_PurchaseCompagny = PURCHASECOMPAGNY.Id) LEFT "
        "JOIN COMPAGNY AS PRODUCER ON WINE.Id_Producer = PRODUCER.Id");
}

QString wineFrom()
{
    return QStringLiteral("FROM ") + wineJoin();
}

// The bottle pane's line: one more parenthesis and the colour at the end.
QString bottleFrom()
{
    return QStringLiteral("FROM (") + wineJoin() + QStringLiteral(") LEFT JOIN WINE_COLOR ON WINE.Color = WINE_COLOR.Title");
}

QString historicFrom()
{
    return QStringLiteral(
        "FROM ((((HISTORIC LEFT JOIN WINE ON HISTORIC.Id_Wine = WINE.Id) LEFT JOIN COMPAGNY AS PRODUCER ON WINE.Id_Producer = "
        "PRODUCER.Id) LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = "
        "WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id");
}

// The wine columns every list shows under the same names.
Columns wineColumns()
{
    return {{"WINE.Code", "WineCode"},
            {"WINE.Title", "Title"},
            {"WINE.Cepage", "Cepage"},
            {"WINE.Color", "Color"},
            {"WINE.Classification", "Classification"},
            {"WINE.Category", "Category"},
            {"WINE.CellarTemperature", "CellarTemperature"},
            {"WINE.ServeTemperature", "ServeTemperature"},
            {"WINE_COUNTRY.Title", "Country"},
            {"WINE_REGION.Title", "Region"},
            {"WINE_APPELLATION.Title", "Appellation"},
            {"PRODUCER.Title", "Producer"}};
}

Columns bottleColumns(const QString &idAlias)
{
    return {{"BOTTLE.Id", idAlias},
            {"BOTTLE.Code", "BottleCode"},
            {"BOTTLE.Vintage", "Vintage"},
            {"BOTTLE.DrinkYearBegin", "DrinkYearBegin"},
            {"BOTTLE.DrinkYearEnd", "DrinkYearEnd"},
            {"BOTTLE.BestYearBegin", "BestYearBegin"},
            {"BOTTLE.BestYearEnd", "BestYearEnd"},
            {"BOTTLE.Format", "Format"}};
}

Columns operator+(Columns a, const Columns &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

QString wineMainList(const QString &where, const QString &orderBy)
{
    const Columns columns = Columns{{"WINE.Id", "Id"},
                                    {"WINE.Code", "WineCode"},
                                    {"WINE.Title", "Title"},
                                    {"WINE.Cepage", "Cepage"},
                                    {"WINE.Color", "Color"},
                                    {"WINE.Rate", "Rate"},
                                    {"WINE.Classification", "Classification"},
                                    {"WINE.Category", "Category"},
                                    {"WINE.CellarTemperature", "CellarTemperature"},
                                    {"WINE.ServeTemperature", "ServeTemperature"},
                                    {"WINE_COUNTRY.Title", "Country"},
                                    {"WINE_REGION.Title", "Region"},
                                    {"WINE_APPELLATION.Title", "Appellation"},
                                    {"WINE.Remark1", "Remark1"},
                                    {"PRODUCER.Title", "Producer"},
                                    {"Sum(BOTTLE.Quantity)", "Quantity"}};
    return lines({selectLines(columns), wineFrom(), where,
                  "GROUP BY WINE.Id, WINE.Code, WINE.Reference, WINE.Title, WINE.Cepage, WINE.Color, WINE.Rate, "
                  "WINE.Classification, WINE.Category, WINE.CellarTemperature, WINE.ServeTemperature, WINE_COUNTRY.Title, "
                  "WINE_REGION.Title, WINE_APPELLATION.Title, WINE.Remark1, PRODUCER.Title",
                  orderBy});
}

QString bottleMainList(const QString &where, const QString &orderBy)
{
    const Columns columns = wineColumns() + bottleColumns("Id")
        + Columns{{"BOTTLE.Location", "Location"},
                  {"BOTTLE.PurchaseDate", "PurchaseDate"},
                  {"BOTTLE.PurchasePrice", "PurchasePrice"},
                  {"BOTTLE.PurchaseValue", "PurchaseValue"},
                  {"BOTTLE.PurchasePrice*BOTTLE.Quantity", "TotalPurchasePrice"},
                  {"BOTTLE.PurchaseValue*BOTTLE.Quantity", "TotalPurchaseValue"},
                  {"PURCHASECOMPAGNY.Title", "PurchaseCompagny"},
                  {"BOTTLE.Quantity", "Quantity"},
                  {"WINE_COLOR.BackGroundColor", "BackGroundColor"},
                  {"WINE_COLOR.Intensity", "Intensity"}};
    return lines({selectLines(columns), bottleFrom(), where, orderBy});
}

// The card query of the wine pane; a single-card refresh appends " AND WINE.Id=".
QString refreshWineQuery(const QString &where, const QString &orderBy)
{
    return lines({"SELECT WINE.Id, WINE.Code, WINE.Title, WINE.Cepage, WINE.Color, WINE.Rate, WINE.Classification, WINE.Category, "
                  "WINE.CellarTemperature, WINE.ServeTemperature, WINE.AlarmStock, WINE_COUNTRY.Title as [Country], "
                  "WINE_REGION.Title as [Region], WINE_APPELLATION.Title as [Appellation], WINE.Remark1, WINE.ImgMini2, "
                  "PRODUCER.Title as [Producer], WINE_COLOR.BackGroundColor, WINE_COLOR.Intensity, WINE.Alcohol, WINE.Food FROM "
                  "((((WINE LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = "
                  "WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id) LEFT JOIN COMPAGNY AS "
                  "PRODUCER ON WINE.Id_Producer = PRODUCER.Id) LEFT JOIN WINE_COLOR ON WINE.Color = WINE_COLOR.Title",
                  where, orderBy});
}

QString wineSummary(const QString &where)
{
    return lines({"Select WINE.Id_File, Sum(0) + Sum(BOTTLE.Quantity) as Quantity, "
                  "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice) AS PurchasePrice, "
                  "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue) AS PurchaseValue ",
                  wineFrom(), where, "GROUP BY WINE.Id_File"});
}

QString bottleSummary(const QString &where)
{
    return lines({"Select BOTTLE.Id_File, Sum(0) + Sum(BOTTLE.Quantity) as Quantity, "
                  "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchasePrice) AS PurchasePrice, "
                  "Sum(0)+Sum(BOTTLE.Quantity*BOTTLE.PurchaseValue) AS PurchaseValue",
                  wineFrom(), where, "GROUP BY BOTTLE.Id_File"});
}

// The wine list window's query; the report "WineStocklist" has the same shape.
QString wineList(const QString &where, const QString &having, const QString &orderBy)
{
    const Columns wine = wineColumns();
    const Columns columns = Columns{{"WINE.Id", "WineId"},
                                    {"WINE.Code", "WineCode"},
                                    {"WINE.Reference", "WineReference"},
                                    {"WINE.AlarmStock", "AlarmStock"},
                                    {"WINE.PurchaseStock", "PurchaseStock"}}
        + Columns(wine.begin() + 1, wine.end()) + Columns{{"Sum(BOTTLE.Quantity)", "Quantity"}};
    QStringList out{selectLines(columns), wineFrom(), where,
                    "GROUP BY WINE.Id, WINE.Code, WINE.Reference, WINE.Title, WINE.Cepage, WINE.Color, WINE.Classification, "
                    "WINE.Category, WINE.CellarTemperature, WINE.ServeTemperature, WINE_COUNTRY.Title, WINE_REGION.Title, "
                    "WINE_APPELLATION.Title, WINE.AlarmStock, WINE.PurchaseStock, PRODUCER.Title"};
    if (!having.isEmpty())
        out << having;
    out << orderBy;
    return lines(out);
}

// The bottle list window's query; the reports "Bottlelist" and "WineFich" too.
QString bottleList(const QString &where, const QString &orderBy)
{
    const Columns columns = Columns{{"WINE.Id", "WineId"}} + wineColumns() + bottleColumns("BottleId")
        + Columns{{"BOTTLE.Quantity", "Quantity"},
                  {"BOTTLE.PurchaseDate", "PurchaseDate"},
                  {"BOTTLE.PurchasePrice", "PurchasePrice"},
                  {"BOTTLE.PurchaseValue", "PurchaseValue"},
                  {"BOTTLE.PurchasePrice*BOTTLE.Quantity", "TotalPurchasePrice"},
                  {"BOTTLE.PurchaseValue*BOTTLE.Quantity", "TotalPurchaseValue"},
                  {"PURCHASECOMPAGNY.Title", "PurchaseCompagny"}};
    return lines({selectLines(columns), wineFrom(), where, orderBy});
}

// The history window's query; the history reports have the same shape.
QString historicList(const QString &where, const QString &orderBy)
{
    Columns columns{{"HISTORIC.Id", "Id"},
                    {"HISTORIC.Id_File", "Id_File"},
                    {"HISTORIC.Id_Bottle", "Id_Bottle"},
                    {"HISTORIC.Id_Wine", "Id_Wine"},
                    {"HISTORIC.ActionDate", "Historic_ActionDate"},
                    {"HISTORIC.Code", "Historic_BottleCode"},
                    {"HISTORIC.Vintage", "Historic_Vintage"},
                    {"HISTORIC.Format", "Historic_Format"},
                    {"HISTORIC.Quantity", "Historic_Quantity"},
                    {"HISTORIC.PurchaseDate", "Historic_PurchaseDate"},
                    {"HISTORIC.PurchasePrice*HISTORIC.Quantity", "Historic_PurchasePrice"},
                    {"HISTORIC.PurchaseValue*HISTORIC.Quantity", "Historic_PurchaseValue"},
                    {"HISTORIC.PurchasePrice*HISTORIC.Quantity", "Historic_TotalPurchasePrice"},
                    {"HISTORIC.PurchaseValue*HISTORIC.Quantity", "Historic_TotalPurchaseValue"},
                    {"HISTORIC.PurchaseCompagny", "Historic_PurchaseCompagny"},
                    {"HISTORIC.Event", "Historic_Event"},
                    {"HISTORIC.Appreciation", "Historic_Appreciation"},
                    {"HISTORIC.Guest", "Historic_Guest"},
                    {"HISTORIC.Dish", "Historic_Dish"},
                    {"HISTORIC.Remark", "Historic_Remark"},
                    {"WINE.Id", "Id"}};
    columns = columns + wineColumns();
    // Two columns named Id: the history's and the wine's, as the window has them.
    return lines({selectLines(columns), historicFrom(), where, orderBy});
}

QString bottleExitList(const QString &where)
{
    const Columns columns{{"BOTTLE.Id", "Id"},
                          {"BOTTLE.Code", "BottleCode"},
                          {"BOTTLE.Reference", "BottleReference"},
                          {"BOTTLE.Vintage", "Vintage"},
                          {"BOTTLE.DrinkYearBegin", "DrinkYearBegin"},
                          {"BOTTLE.DrinkYearEnd", "DrinkYearEnd"},
                          {"BOTTLE.BestYearBegin", "BestYearBegin"},
                          {"BOTTLE.BestYearEnd", "BestYearEnd"},
                          {"BOTTLE.Format", "Format"},
                          {"BOTTLE.Quantity", "Quantity"},
                          {"BOTTLE.Exit", "Exit"},
                          {"BOTTLE.PurchaseDate", "PurchaseDate"},
                          {"BOTTLE.PurchasePrice", "PurchasePrice"},
                          {"BOTTLE.PurchaseValue", "PurchaseValue"},
                          {"BOTTLE.PurchasePrice*BOTTLE.Quantity", "TotalPurchasePrice"},
                          {"BOTTLE.PurchaseValue*BOTTLE.Quantity", "TotalPurchaseValue"},
                          {"COMPAGNY.Title", "PurchaseCompagny"}};
    return lines({selectLines(columns), "FROM BOTTLE LEFT JOIN COMPAGNY ON [BOTTLE].[Id_PurchaseCompagny]=[COMPAGNY].[Id]", where,
                  "ORDER BY BOTTLE.VINTAGE"});
}

QString searchQuery(const QString &where)
{
    Columns columns{{"WINE.Id", "WineId"},
                    {"WINE.Code", "WineCode"},
                    {"WINE.Title", "Title"},
                    {"WINE.Cepage", "Cepage"},
                    {"WINE.Color", "Color"},
                    {"WINE.Classification", "Classification"},
                    {"WINE.Category", "Category"},
                    {"WINE.CellarTemperature", "CellarTemperature"},
                    {"WINE.ServeTemperature", "ServeTemperature"},
                    {"WINE_COUNTRY.Title", "Country"},
                    {"WINE_REGION.Title", "Region"},
                    {"WINE_APPELLATION.Title", "Appellation"},
                    {"WINE.AlarmStock", "AlarmStock"},
                    {"WINE.PurchaseStock", "PurchaseStock"}};
    for (int i = 1; i <= 12; ++i) {
        const QString misc = QStringLiteral("Misc%1").arg(i, 2, 10, QChar(u'0'));
        columns.emplace_back(QStringLiteral("WINE.") + misc, misc);
    }
    columns = columns + Columns{{"PRODUCER.Title", "Producer"}} + bottleColumns("BottleId")
        + Columns{{"BOTTLE.Quantity", "Quantity"},
                  {"BOTTLE.PurchaseDate", "PurchaseDate"},
                  {"BOTTLE.PurchasePrice", "PurchasePrice"},
                  {"BOTTLE.PurchaseValue", "PurchaseValue"},
                  {"PURCHASECOMPAGNY.Title", "PurchaseCompagny"}};
    return lines({selectLines(columns, "SELECT "), "FROM ", wineJoin(), where, "ORDER BY WINE.Title, BOTTLE.Vintage"});
}

// A fast-search clause: the dossier test and the criteria, each " AND ...".
QString fastSearch(const QString &criteria)
{
    return searchQuery(QStringLiteral("WHERE WINE.Id_File=1 AND ") + criteria);
}

QString appellationPick(const QString &where)
{
    return QStringLiteral(
               "SELECT WINE_COUNTRY.Id as [CountryId], WINE_COUNTRY.Title as [CountryTitle], WINE_REGION.Id as [RegionId], "
               "WINE_REGION.Title as [RegionTitle], WINE_APPELLATION.Id as [AppellationId], WINE_APPELLATION.Title as "
               "[AppellationTitle] FROM WINE_APPELLATION LEFT JOIN (WINE_REGION LEFT JOIN WINE_COUNTRY ON "
               "WINE_REGION.Id_Country = WINE_COUNTRY.Id) ON WINE_APPELLATION.Id_Region = WINE_REGION.Id")
        + where + QStringLiteral(" ORDER BY WINE_APPELLATION.Title");
}

QString historyPage(int actionType, const QString &begin, const QString &end)
{
    return QStringLiteral(
               "SELECT HISTORIC.ActionDate,HISTORIC.Vintage,HISTORIC.Format,HISTORIC.Quantity,HISTORIC.PurchaseDate,"
               "HISTORIC.PurchasePrice,HISTORIC.PurchaseValue,HISTORIC.PurchaseCompagny,HISTORIC.Event,HISTORIC.Appreciation,"
               "HISTORIC.Guest,HISTORIC.Dish,WINE.Title as [Title],WINE.Category as [Category],WINE_APPELLATION.Title as "
               "[Appellation],PRODUCER.Title as [Producer]FROM ((((HISTORIC LEFT JOIN WINE ON HISTORIC.Id_Wine = WINE.Id) LEFT "
               "JOIN COMPAGNY AS PRODUCER ON WINE.Id_Producer = PRODUCER.Id) LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = "
               "WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = WINE_REGION.Id) LEFT JOIN WINE_APPELLATION ON "
               "WINE.Id_Appellation = WINE_APPELLATION.Id WHERE HISTORIC.Id_File=1")
        + QStringLiteral(" AND HISTORIC.ActionType=%1 AND ActionDate>=#%2# AND ActionDate<=#%3#").arg(actionType).arg(begin, end);
}

// A query builder statement: select and group on the same columns.
QString builtQuery(const QString &columns, const QString &where, const QString &orderBy = {})
{
    QStringList out{QStringLiteral("SELECT ") + columns, wineFrom(), where, QStringLiteral("GROUP BY ") + columns};
    if (!orderBy.isEmpty())
        out << orderBy;
    return lines(out);
}

const QString kAlarmHaving = QStringLiteral(
    "HAVING ((Sum([BOTTLE].[Quantity])<WINE.AlarmStock) or ((Sum([BOTTLE].[Quantity]) is null) and (0<WINE.AlarmStock)))");
const QString kPurchaseHaving = QStringLiteral(
    "HAVING ((Sum([BOTTLE].[Quantity])<WINE.PurchaseStock) or ((Sum([BOTTLE].[Quantity]) is null) and (0<WINE.PurchaseStock)))");

// Wine conditions of the filter bar, in their order, after the dossier test.
const QString kWineFilters = QStringLiteral(
    "WHERE WINE.Id_File=1 AND WINE.Category='Vin tranquille' AND WINE.Id_Country=1 AND WINE.Id_Region=4 AND "
    "WINE.Id_Appellation=422 AND WINE.Cepage='Chardonnay' AND WINE.Id_Producer=2 AND WINE.Color='Blanc' AND "
    "WINE.Classification='Premier cru'");
// Bottle conditions of the filter bar: format, supplier, vintage.
const QString kBottleFilters =
    QStringLiteral("WHERE Id_Wine=4 AND BOTTLE.Format='Bouteille (75 cl)' AND BOTTLE.Id_PurchaseCompagny=12 AND BOTTLE.Vintage=2016");
const QString kSelection = QStringLiteral("WHERE WINE.Id_File=1 AND [WINE_COUNTRY].[Title]='France' AND [BOTTLE].[Vintage]>=1995");

// ORDER BY expressions of the list windows' column sort map, run on the list
// that shows the column.
std::vector<Statement> sortMap()
{
    const QStringList wineSide{
        "WINE.Code", "WINE.Title", "WINE.Cepage", "WINE.Color", "WINE.Classification", "WINE.Category",
        "WINE.CellarTemperature", "WINE.ServeTemperature", "WINE.AlarmStock", "WINE.PurchaseStock", "WINE.Misc01",
        "WINE.Misc11", "WINE.Alcohol", "WINE.Rate", "WINE.Food", "WINE_COUNTRY.Title", "WINE_REGION.Title",
        "WINE_APPELLATION.Title", "PRODUCER.Title", "WINE.Id"};
    const QStringList bottleSide{
        "BOTTLE.Code", "BOTTLE.Vintage", "BOTTLE.DrinkYearBegin", "BOTTLE.DrinkYearEnd", "BOTTLE.BestYearBegin",
        "BOTTLE.BestYearEnd", "BOTTLE.Format", "BOTTLE.PurchaseDate", "BOTTLE.PurchasePrice", "BOTTLE.PurchaseValue",
        "Quantity", "PURCHASECOMPAGNY.Title"};
    const QStringList historicSide{
        "HISTORIC.Code", "HISTORIC.ActionDate", "HISTORIC.Vintage", "HISTORIC.Format", "HISTORIC.Quantity",
        "HISTORIC.PurchaseDate", "HISTORIC.PurchasePrice", "HISTORIC.PurchaseValue", "HISTORIC.PurchaseCompagny",
        "HISTORIC.Event", "HISTORIC.Appreciation", "HISTORIC.Guest", "HISTORIC.Dish", "HISTORIC.Remark"};
    std::vector<Statement> out;
    const auto add = [&](const char *list, const QString &expression, const QString &jet) {
        out.push_back({std::string(list) + " ORDER BY " + expression.toStdString(), jet});
    };
    for (const QString &e : wineSide) {
        add("wineList", e, wineList("WHERE WINE.Id_File=1", kAlarmHaving, "ORDER BY " + e));
        add("bottleList", e, bottleList("WHERE WINE.Id_File=1", "ORDER BY " + e));
        add("historicList", e, historicList("WHERE WINE.Id_File=1", "ORDER BY " + e));
    }
    for (const QString &e : bottleSide)
        add("bottleList", e, bottleList("WHERE WINE.Id_File=1", "ORDER BY " + e));
    add("wineList", "Quantity", wineList("WHERE WINE.Id_File=1", kPurchaseHaving, "ORDER BY Quantity"));
    for (const QString &e : historicSide)
        add("historicList", e, historicList("WHERE WINE.Id_File=1", "ORDER BY " + e));
    return out;
}

std::vector<Statement> dataModule()
{
    QStringList bottleBase{"SELECT "};
    const QStringList bottleColumnNames{
        "Id", "Id_File", "Id_PurchaseCompagny", "Id_Wine", "Code", "Reference", "Vintage", "DrinkYearBegin", "DrinkYearEnd",
        "BestYearBegin", "BestYearEnd", "Format", "Quantity", "Exit", "PurchaseDate", "PurchasePrice", "PurchaseValue",
        "Location", "Remark1", "Remark2"};
    for (const QString &c : bottleColumnNames)
        bottleBase << QStringLiteral("  BOTTLE.") + c + QLatin1StringView(c == u"Remark2" ? "" : ",");
    const QString compagnyColumns = QStringLiteral(
        "SELECT Id, Id_File, CoType, Title, Name, Address, City, CP, Region, Country, Phone, Fax, Email, WebSite, Remark1, "
        "ImgMini1, Img1, Misc01, Misc02, Misc03, Misc04, Misc05, Misc06, Misc07, Misc08, Misc09, Misc10, Misc11, Misc12");
    std::vector<Statement> out{
        {"mainFile", "SELECT ID, FullName, LoginName, LoginPassword, Administrator, Image, Comment as [Color], Custom00144243 as "
                     "[Size] FROM PROFILES"},
        {"wineBase", lines({"SELECT * FROM WINE", "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"wineOfDossier", lines({"SELECT * FROM WINE", "WHERE Id_File=1", "ORDER BY TITLE"})},
        {"bottleBase", lines(bottleBase + QStringList{"FROM BOTTLE", "WHERE ID_FILE=-1", "ORDER BY VINTAGE"})},
        {"bottleOfDossier", lines(bottleBase + QStringList{"FROM BOTTLE", "WHERE Id_File=1", "ORDER BY VINTAGE"})},
        {"historicBase", lines({"SELECT * FROM HISTORIC", "WHERE ID_FILE=-1", "ORDER BY ACTIONDATE"})},
        {"historicOfDossier", lines({"SELECT * FROM HISTORIC", "WHERE Id_File=1", "ORDER BY ACTIONDATE"})},
        {"compagnyList", lines({compagnyColumns, "FROM COMPAGNY", "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"producerList", lines({compagnyColumns, "FROM COMPAGNY", "WHERE CoType=2", "ORDER BY TITLE"})},
        {"wineCountry", lines({"SELECT Id, Id_File, Title", "FROM WINE_COUNTRY", "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"wineRegion", lines({"SELECT Id, Id_File, Id_Country, Title", "FROM WINE_REGION", "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"wineRegionOfCountry", lines({"SELECT Id, Id_File, Id_Country, Title", "FROM WINE_REGION", "WHERE Id_Country=1", "ORDER BY TITLE"})},
        {"wineAppellation",
         lines({"SELECT Id, Id_File, Id_Region, Id_Color, Title", "FROM WINE_APPELLATION", "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"wineAppellationOfRegion",
         lines({"SELECT Id, Id_File, Id_Region, Id_Color, Title", "FROM WINE_APPELLATION", "WHERE Id_Region=3", "ORDER BY TITLE"})},
        {"wineColors", lines({"SELECT Id, Id_File, Title, BackGroundColor, TextColor, Intensity, Comment", "FROM WINE_COLOR",
                              "WHERE ID_FILE=-1", "ORDER BY TITLE"})},
        {"treeMisc", "SELECT * FROM TREE_MISC"},
        {"treeLocation", "SELECT * FROM TREE_LOCATION"},
        {"comboItems", "SELECT * FROM COMBOITEMS"},
        {"customLabel", lines({"SELECT * FROM CUSTOMLAB", "WHERE Id_File=-1"})},
        {"customLabOfDossier", "SELECT * FROM CustomLab WHERE Id_File=1"},
        {"documentImg", lines({"SELECT * FROM DOCUMENTIMG", "WHERE ID_REF=-1"})},
        {"documentFile", lines({"SELECT * FROM DOCUMENTFILE", "WHERE Id_Ref=-1"})},
        {"documentImgOfWine", lines({"SELECT * FROM DOCUMENTIMG", "WHERE DoType=1 and Id_Ref=1"})},
        {"documentFileOfWine", lines({"SELECT * FROM DOCUMENTFILE", "WHERE DoType=1 and Id_Ref=1"})},
        {"backup", "SELECT * FROM BACKUP"},
        {"sqlTree", lines({"SELECT * ", "FROM SQL_TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"})},
        {"sqlQuery", lines({"SELECT * ", "FROM SQL_QUERY", "WHERE Id_Tree=-1"})},
        {"statTree", lines({"SELECT * ", "FROM STAT_TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"})},
        {"statQuery", lines({"SELECT * ", "FROM STAT_QUERY", "WHERE Id_Tree=-1"})},
        {"distinctOfDossier", "SELECT DISTINCT [Color] FROM [WINE] WHERE Id_File=1"},
        {"distinctWithCondition", "SELECT DISTINCT [Title] FROM [COMPAGNY] WHERE coType=2"},
        {"distinctOfDossierWithCondition", "SELECT DISTINCT [Format] FROM [BOTTLE] WHERE Id_File=1 AND Quantity>0"},
        {"deleteWineBottles", "DELETE FROM BOTTLE WHERE Id_Wine=1"},
        {"deleteWineHistory", "DELETE FROM HISTORIC WHERE Id_Wine=1"},
    };
    for (const char *table : {"CUSTOMLAB", "COMBOITEMS", "TREE_LOCATION", "TREE_MISC"})
        out.push_back({std::string("deleteDossier_") + table,
                       QStringLiteral("DELETE FROM %1 WHERE %1.Id_File=1").arg(QLatin1StringView(table))});
    for (const char *table : {"OBJECT_VAL_BIT", "OBJECT_VAL_INT", "OBJECT_VAL_MEMO", "OBJECT_VAL_OLE", "OBJECT_VAL_REAL", "OBJECT_VAL_STR"})
        out.push_back({std::string("deleteDossier_") + table,
                       QStringLiteral("DELETE FROM %1 WHERE %1.USERID=1").arg(QLatin1StringView(table))});
    return out;
}

std::vector<Statement> wineEditor()
{
    std::vector<Statement> out{
        {"countryTitle", "SELECT Title FROM WINE_COUNTRY WHERE ID=1"},
        {"regionTitle", "SELECT Title FROM WINE_REGION WHERE ID=3"},
        {"appellationTitle", "SELECT Title FROM WINE_APPELLATION WHERE ID=310"},
        {"producerTitle", "SELECT Title FROM COMPAGNY WHERE ID=1"},
        {"countryPick", "SELECT Id, Title FROM WINE_COUNTRY ORDER BY Title"},
        {"countryByTitle", "SELECT Id, Title FROM WINE_COUNTRY WHERE Title='France'"},
        {"regionPick", lines({"SELECT Id, Id_Country, Title FROM WINE_REGION", " ORDER BY Title"})},
        {"regionPickOfCountry", lines({"SELECT Id, Id_Country, Title FROM WINE_REGION", " WHERE Id_Country=1", " ORDER BY Title"})},
        {"appellationPick", appellationPick({})},
        {"appellationPickOfRegion", appellationPick(" WHERE WINE_REGION.Id=3")},
        {"appellationPickOfCountry", appellationPick(" WHERE WINE_COUNTRY.Id=1")},
        {"appellationChosen", appellationPick(" WHERE WINE_APPELLATION.Id=310")},
        {"producerPick", "SELECT Id, Title FROM COMPAGNY WHERE CoType=2 ORDER BY Title"},
        {"regionCountry",
         "SELECT WINE_COUNTRY.Id as [CountryId], WINE_COUNTRY.Title as [CountryTitle], WINE_REGION.Id as [RegionId], "
         "WINE_REGION.Title as [RegionTitle] FROM WINE_REGION LEFT JOIN WINE_COUNTRY ON WINE_REGION.Id_Country = "
         "WINE_COUNTRY.Id WHERE WINE_REGION.Id=3"},
        {"colourPick", "SELECT * FROM WINE_COLOR WHERE Id_File=-1 ORDER BY Id"},
        {"picturePrintList", "SELECT WINE.Id as [Id], WINE.Title as [Title] FROM WINE WHERE WINE.Id=1"},
        {"entryHistory", historicList("WHERE ActionType=1 AND Id_Wine=1", "ORDER BY HISTORIC.ActionDate")},
        {"exitHistory", historicList("WHERE ActionType=2 AND Id_Wine=1", "ORDER BY HISTORIC.ActionDate")},
        {"deleteHistoryRow", "DELETE FROM HISTORIC WHERE Id=18"},
    };
    // The bottle grid of the editor, under each sort expression of its columns.
    for (const char *e : {"Quantity", "BOTTLE.Vintage", "BOTTLE.Code", "BOTTLE.Format", "BOTTLE.DrinkYearBegin",
                          "BOTTLE.BestYearBegin", "BOTTLE.PurchaseDate", "PURCHASECOMPAGNY.Title", "BOTTLE.PurchasePrice",
                          "BOTTLE.PurchaseValue", "WINE.Id"})
        out.push_back({std::string("bottleGrid ORDER BY ") + e, bottleMainList("WHERE Id_Wine=1", QStringLiteral("ORDER BY ") + e)});
    return out;
}

std::vector<Statement> mainWindow()
{
    return {
        {"wineListInitial", wineMainList("WHERE WINE.Id_File=-1", "ORDER BY WINE.Title")},
        {"wineListOfDossier", wineMainList("WHERE WINE.Id_File=1", "ORDER BY WINE.Title")},
        {"wineListDefaultOrder", wineMainList("WHERE WINE.Id_File=1", "ORDER BY WINE.Id")},
        {"wineListFiltered", wineMainList(kWineFilters, "ORDER BY WINE.Title")},
        {"wineListSortFile",
         wineMainList("WHERE WINE.Id_File=1",
                      "ORDER BY WINE.Title, WINE.Code, WINE.Category, WINE.Color, WINE.Cepage, WINE.Classification, "
                      "WINE_COUNTRY.Title, WINE_REGION.Title, PRODUCER.Title, WINE.Rate DESC")},
        {"wineListSortFileRest",
         wineMainList("WHERE WINE.Id_File=1", "ORDER BY WINE_APPELLATION.Title, WINE.Alcohol, WINE.AlarmStock, WINE.PurchaseStock")},
        {"bottleListInitial", bottleMainList("WHERE BOTTLE.ID_FILE=-1", "ORDER BY BOTTLE.VINTAGE")},
        {"bottleListOfWine", bottleMainList("WHERE Id_Wine=1", "ORDER BY BOTTLE.Vintage")},
        {"bottleListDefaultOrder", bottleMainList("WHERE Id_Wine=1", "ORDER BY BOTTLE.Id")},
        {"bottleListFiltered",
         bottleMainList(kBottleFilters,
                        "ORDER BY BOTTLE.Vintage, BOTTLE.Format, BOTTLE.Code, BOTTLE.Quantity, BOTTLE.PurchaseDate, "
                        "BOTTLE.PurchasePrice, BOTTLE.PurchaseValue, BOTTLE.DrinkYearBegin, BOTTLE.DrinkYearEnd, "
                        "BOTTLE.BestYearBegin")},
        {"bottleListSortFileRest",
         bottleMainList("WHERE Id_Wine=1", "ORDER BY BOTTLE.BestYearEnd, BOTTLE.Location, PURCHASECOMPAGNY.Title")},
        {"wineCards", refreshWineQuery("WHERE WINE.Id_File=1", "ORDER BY WINE.Title")},
        {"wineCardsFiltered", refreshWineQuery(kWineFilters, "ORDER BY WINE.Title")},
        {"oneWineCard", refreshWineQuery("WHERE WINE.Id_File=1 AND WINE.Id=4", "ORDER BY WINE.Title")},
    };
}

std::vector<Statement> summaries()
{
    std::vector<Statement> out{
        {"wineSummary", wineSummary("WHERE WINE.Id_File=1")},
        {"wineSummaryFiltered", wineSummary(kWineFilters)},
        {"bottleSummary", bottleSummary("WHERE Id_Wine=1")},
        {"bottleSummaryFiltered", bottleSummary(kBottleFilters)},
        {"wineAlarm", wineList("WHERE WINE.Id_File=1", kAlarmHaving, "ORDER BY WINE.Title")},
        {"winesToBuy", wineList("WHERE WINE.Id_File=1", kPurchaseHaving, "ORDER BY WINE.Title")},
        {"bottlesToDrink",
         bottleList("WHERE WINE.Id_File=1 AND BOTTLE.DrinkYearBegin<=2026 AND BOTTLE.DrinkYearEnd>=2026", "ORDER BY BOTTLE.Vintage")},
        {"bottlesAtPeak",
         bottleList("WHERE WINE.Id_File=1 AND BOTTLE.BestYearBegin<=2026 AND BOTTLE.BestYearEnd>=2026", "ORDER BY BOTTLE.Vintage")},
    };
    for (Statement &s : sortMap())
        out.push_back(std::move(s));
    return out;
}

std::vector<Statement> movements()
{
    return {
        {"resetExitMarks", "UPDATE BOTTLE SET Exit=0 WHERE Id_Wine=1"},
        {"exitList", bottleExitList("WHERE Id_Wine=1")},
        {"entrySupplier", "SELECT Title FROM Compagny WHERE Id=10"},
        {"exitLine", "SELECT Quantity, Exit FROM BOTTLE WHERE Id=1"},
        {"deleteEmptiedLines", "DELETE FROM BOTTLE WHERE Quantity=0 AND Id_Wine=1"},
        {"recordExit",
         "INSERT INTO HISTORIC (Id_File, Id_Wine, Id_Bottle, ActionType, ActionDate, Quantity, Code, Vintage, Format, "
         "PurchaseDate, PurchaseCompagny, PurchasePrice, PurchaseValue, Event, Appreciation, Guest, Dish, Remark) VALUES (1, 1, "
         "1, 2, #1/15/2026#, 1, '', 2015, 'Bouteille (75 cl)', #3/15/2018#, 'Le Comptoir des Millésimes', 68.0, 95.0, 'Noël', "
         "'Excellent', 'Toute la famille', 'Gigot d''agneau', '')"},
        {"historyInitial", historicList("WHERE HISTORIC.ID_FILE=-1", "ORDER BY ACTIONDATE")},
        {"entriesOfYear", historicList("WHERE WINE.Id_File=1 AND ActionType=1 AND Year(HISTORIC.ActionDate)=2025",
                                       "ORDER BY HISTORIC.ActionDate")},
        {"exitsOfYear", historicList("WHERE WINE.Id_File=1 AND ActionType=2 AND Year(HISTORIC.ActionDate)=2025",
                                     "ORDER BY HISTORIC.ActionDate")},
    };
}

std::vector<Statement> htmlPages()
{
    return {
        {"wineSheet", bottleList("WHERE WINE.Id=1", "ORDER BY BOTTLE.Vintage")},
        {"sheetCaptions", "SELECT * FROM CUSTOMLAB WHERE Id_File=1"},
        {"wineListComplete", wineList("WHERE WINE.Id_File=1", {}, "ORDER BY WINE.Title")},
        {"wineListSelection", wineList(kSelection, {}, "ORDER BY WINE.Title")},
        {"wineListView", wineList(kWineFilters, {}, "ORDER BY WINE.Title")},
        {"bottleListComplete", bottleList("WHERE BOTTLE.Id_File=1 AND [WINE].[Id] <> null", "ORDER BY WINE.Title")},
        {"bottleListSelection", bottleList(kSelection + " AND [WINE].[Id] <> null", "ORDER BY WINE.Title")},
        {"bottleListView", bottleList(kWineFilters + " AND [WINE].[Id] <> null", "ORDER BY WINE.Title")},
        {"entryPeriod", "SELECT * FROM HISTORIC WHERE HISTORIC.Id_File=1 AND ActionType=1 ORDER BY ActionDate"},
        {"exitPeriod", "SELECT * FROM HISTORIC WHERE HISTORIC.Id_File=1 AND ActionType=2 ORDER BY ActionDate"},
        {"entryPage", historyPage(1, "3/5/2005", "12/31/2025")},
        {"exitPage", historyPage(2, "12/1/2025", "12/31/2025")},
        {"producers", "SELECT * FROM COMPAGNY WHERE CoType=2 ORDER BY COMPAGNY.Title"},
        {"suppliers", "SELECT * FROM COMPAGNY WHERE CoType=1 ORDER BY COMPAGNY.Title"},
    };
}

std::vector<Statement> fastSearches()
{
    std::vector<Statement> out{
        {"placeholder", searchQuery("WHERE WINE.Id=-1")},
        {"dossierOnly", searchQuery("WHERE WINE.Id_File=1")},
        {"example", fastSearch("[WINE].[Title] LIKE 'Ch%' AND [BOTTLE].[Vintage]=1990")},
        {"likeWhateverOperator", fastSearch("[WINE].[Title] LIKE 'Bor%'")},
        {"quoteDoubled", fastSearch("[WINE].[Title]='Château d''Yquem'")},
        {"wineCode", fastSearch("[WINE].[Code]='BX-001'")},
        {"bottleCode", fastSearch("[BOTTLE].[Code]>='A'")},
        {"category", fastSearch("[WINE].[Category]='Champagne'")},
        {"country", fastSearch("[WINE_COUNTRY].[Title]='France'")},
        {"region", fastSearch("[WINE_REGION].[Title]='Bourgogne'")},
        {"appellation", fastSearch("[WINE_APPELLATION].[Title]<='Pauillac'")},
        {"cepage", fastSearch("[WINE].[Cepage]='Chardonnay'")},
        {"color", fastSearch("[WINE].[Color]>'Blanc'")},
        {"alcohol", fastSearch("[WINE].[Alcohol]>=13.5")},
        {"rate", fastSearch("[WINE].[Rate]<3")},
        {"food", fastSearch("[WINE].[Food] LIKE '%Agneau%'")},
        {"classification", fastSearch("[WINE].[Classification]='AOP'")},
        {"producer", fastSearch("[PRODUCER].[Title]='Domaine Jacquemart-Roussot'")},
        {"vintage", fastSearch("[BOTTLE].[Vintage]>=1990")},
        {"format", fastSearch("[BOTTLE].[Format]='Magnum (1,5 l)'")},
        {"supplier", fastSearch("[PURCHASECOMPAGNY].[Title]='Au Tire-Bouchon d''Or'")},
        {"purchaseDate", fastSearch("[BOTTLE].[PurchaseDate]=#3/7/2004#")},
        {"purchaseDateFirstOfMonth", fastSearch("[BOTTLE].[PurchaseDate]>#3/1/2004#")},
        {"purchasePrice", fastSearch("[BOTTLE].[PurchasePrice]<12.5")},
        {"purchaseValue", fastSearch("[BOTTLE].[PurchaseValue]>12.50")},
        {"customField", fastSearch("[WINE].[Misc03]='Robe'")},
        {"sameFieldTwice", fastSearch("[BOTTLE].[Vintage]>=2010 AND [BOTTLE].[Vintage]<=2020")},
        {"selectionExample", searchQuery(kSelection)},
        {"selectionWithOr", fastSearch("[WINE].[Color]='Rouge' OR [WINE].[Color]='Blanc'")},
        {"customCaptions", "SELECT * FROM CustomLab"},
    };
    // Value lists of the catalogue's fields.
    const std::vector<std::pair<const char *, const char *>> perDossier{
        {"WINE", "Code"}, {"BOTTLE", "Code"}, {"WINE", "Title"}, {"WINE", "Alcohol"}, {"WINE", "Rate"}, {"BOTTLE", "Vintage"},
        {"BOTTLE", "PurchaseDate"}, {"BOTTLE", "PurchasePrice"}, {"BOTTLE", "PurchaseValue"}};
    for (const auto &[table, column] : perDossier)
        out.push_back({std::string("values_") + table + '_' + column,
                       QStringLiteral("SELECT DISTINCT [%1] FROM [%2] WHERE Id_File=1")
                           .arg(QLatin1StringView(column), QLatin1StringView(table))});
    for (int i = 1; i <= 10; ++i)
        out.push_back({"values_WINE_Misc" + std::to_string(i),
                       QStringLiteral("SELECT DISTINCT [Misc%1] FROM [WINE] WHERE Id_File=1").arg(i, 2, 10, QChar(u'0'))});
    for (const char *table : {"WINE_COUNTRY", "WINE_REGION", "WINE_APPELLATION", "WINE_COLOR"})
        out.push_back({std::string("values_") + table, QStringLiteral("SELECT DISTINCT [Title] FROM [%1]").arg(QLatin1StringView(table))});
    out.push_back({"values_producers", "SELECT DISTINCT [Title] FROM [COMPAGNY] WHERE coType=2"});
    out.push_back({"values_suppliers", "SELECT DISTINCT [Title] FROM [COMPAGNY] WHERE coType=1"});
    return out;
}

std::vector<Statement> queryBuilder()
{
    const QString titleVintage = QStringLiteral("WINE.[Title], BOTTLE.[Vintage]");
    return {
        {"tree", lines({"SELECT * ", "FROM SQL_TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"})},
        {"treeNode", "SELECT * FROM SQL_TREE WHERE ID=1"},
        {"filterValues", QStringLiteral("SELECT DISTINCT WINE.[Title] ") + wineFrom() + " WHERE WINE.Id_File=1"},
        {"filterValuesOfAlias", QStringLiteral("SELECT DISTINCT PURCHASECOMPAGNY.[Title] ") + wineFrom() + " WHERE WINE.Id_File=1"},
        {"example", builtQuery(titleVintage, "WHERE BOTTLE.[Vintage]>=1990 AND WINE.[Title] like '%Château%' AND WINE.Id_File=1",
                               "ORDER BY WINE.Title ASC")},
        {"dossierOnly", builtQuery(titleVintage, "WHERE WINE.Id_File=1")},
        {"twoSorts", builtQuery(titleVintage, "WHERE WINE.Id_File=1", "ORDER BY WINE.Title ASC, BOTTLE.Vintage DESC")},
        {"contains", builtQuery("PURCHASECOMPAGNY.[Title]", "WHERE PURCHASECOMPAGNY.[Title] like '%d''Or%' AND WINE.Id_File=1")},
        {"startsWith", builtQuery("PRODUCER.[Title]", "WHERE PRODUCER.[Title] like 'Dom%' AND WINE.Id_File=1")},
        {"endsWith", builtQuery("PRODUCER.[Title]", "WHERE PRODUCER.[Title] like '%Frères' AND WINE.Id_File=1")},
        {"notEqual", builtQuery("WINE.[Color]", "WHERE WINE.[Color]<>'Rouge' AND WINE.Id_File=1")},
        {"number", builtQuery("BOTTLE.[PurchasePrice]", "WHERE BOTTLE.[PurchasePrice]>12.5 AND WINE.Id_File=1")},
        {"date", builtQuery("BOTTLE.[PurchaseDate]", "WHERE BOTTLE.[PurchaseDate]>=#1/1/2024# AND WINE.Id_File=1")},
        {"orUngrouped", builtQuery("WINE.[Color]", "WHERE WINE.[Color]='Rouge' OR WINE.[Color]='Blanc' AND WINE.Id_File=1")},
        {"orGrouped", builtQuery("WINE.[Color]", "WHERE (WINE.[Color]='Rouge' OR WINE.[Color]='Blanc') AND WINE.Id_File=1")},
        {"yesNoTrue", "SELECT PROFILES.[LoginName] FROM PROFILES WHERE PROFILES.[Administrator]=True GROUP BY PROFILES.[LoginName]"},
        {"yesNoFalse", "SELECT PROFILES.[LoginName] FROM PROFILES WHERE PROFILES.[Administrator]=False GROUP BY PROFILES.[LoginName]"},
    };
}

std::vector<Statement> reports()
{
    const QString bottleLines = lines({"SELECT ",
                                       "  [BOTTLE].[Id] as [BottleId],",
                                       "  [BOTTLE].[Code] as [BottleCode],",
                                       "  [BOTTLE].[Vintage] as [Vintage],",
                                       "  [BOTTLE].[DrinkYearBegin] as [DrinkYearBegin],",
                                       "  [BOTTLE].[DrinkYearEnd] as [DrinkYearEnd],",
                                       "  [BOTTLE].[BestYearBegin] as [BestYearBegin],",
                                       "  [BOTTLE].[BestYearEnd] as [BestYearEnd],",
                                       "  [BOTTLE].[Format] as [Format],",
                                       "  [BOTTLE].[Quantity] as [Quantity],",
                                       "  [BOTTLE].[PurchaseDate] as [PurchaseDate],",
                                       "  [BOTTLE].[PurchasePrice] as [PurchasePrice],",
                                       "  [BOTTLE].[PurchaseValue] as [PurchaseValue],",
                                       "  [BOTTLE].[PurchasePrice]*[BOTTLE].[Quantity] as [TotalPurchasePrice],",
                                       "  [BOTTLE].[PurchaseValue]*[BOTTLE].[Quantity] as [TotalPurchaseValue],",
                                       "  [PURCHASECOMPAGNY].[Title] as [PurchaseCompagny],",
                                       "  [BOTTLE].[Location] as [Location]",
                                       "FROM ",
                                       "  [BOTTLE] LEFT JOIN [COMPAGNY] AS [PURCHASECOMPAGNY] ON [BOTTLE].[Id_PurchaseCompagny] = "
                                       "[PURCHASECOMPAGNY].[Id]"});
    return {
        {"sheetBottlesBase", lines({bottleLines, "WHERE [BOTTLE].[Id_File]>-2", "ORDER BY [BOTTLE].[VINTAGE]"})},
        {"sheetBottles", lines({bottleLines, "WHERE BOTTLE.Id_Wine=1", "ORDER BY [BOTTLE].[VINTAGE]"})},
        {"sheet", bottleList("WHERE WINE.Id=1", "ORDER BY BOTTLE.Vintage")},
        {"wineListComplete", wineList("WHERE WINE.Id>-1 AND WINE.Id_File=1", {}, "ORDER BY WINE.Title")},
        {"wineListSelection", wineList(kSelection, {}, "ORDER BY WINE.Title")},
        {"bottleListComplete", bottleList("WHERE BOTTLE.Id>-1 AND BOTTLE.Id_File=1 AND [WINE].[Id] <> null", "ORDER BY WINE.Title")},
        {"bottleListView", bottleList(kWineFilters + " AND [WINE].[Id] <> null", "ORDER BY WINE.Title")},
        {"bottlesToDrink", bottleList("WHERE BOTTLE.Id_File=1 AND BOTTLE.DrinkYearBegin<=2026 AND BOTTLE.DrinkYearEnd>=2026",
                                      "ORDER BY BOTTLE.Vintage")},
        {"bottlesAtPeak", bottleList("WHERE BOTTLE.Id_File=1 AND BOTTLE.BestYearBegin<=2026 AND BOTTLE.BestYearEnd>=2026",
                                     "ORDER BY BOTTLE.Vintage")},
        {"winesToBuy", wineList("WHERE WINE.Id_File=1", kPurchaseHaving, "ORDER BY WINE.Title")},
        {"winesInAlarm", wineList("WHERE WINE.Id_File=1", kAlarmHaving, "ORDER BY WINE.Title")},
        {"historyPreset", historicList("WHERE HISTORIC.Id_File=1 AND ActionType=2", "ORDER BY HISTORIC.ActionDate")},
        {"historyPeriod", historicList("WHERE HISTORIC.Id_File=1 AND HISTORIC.ActionType=1 AND ActionDate>=#3/5/2005# AND "
                                       "ActionDate<=#12/31/2025#",
                                       "ORDER BY HISTORIC.ActionDate")},
        {"historyOfYear", historicList("WHERE HISTORIC.Id_File=1 AND HISTORIC.ActionType=2 AND Year(HISTORIC.ActionDate)=2025",
                                       "ORDER BY HISTORIC.ActionDate")},
    };
}

} // namespace

// Runs every text of a topic on one cellar: SELECTs as they are, changes
// inside a transaction that is rolled back, so that later texts still see
// the sample dossier.
class JetStatements : public CellarTest
{
protected:
    void runAll(const std::vector<Statement> &statements)
    {
        for (const Statement &s : statements) {
            SCOPED_TRACE(s.name);
            try {
                if (s.jet.trimmed().startsWith(u"SELECT", Qt::CaseInsensitive)) {
                    db().select(s.jet);
                } else {
                    Transaction rolledBack(db());
                    db().exec(s.jet);
                }
            } catch (const DbError &e) {
                ADD_FAILURE() << "Jet:    " << s.jet.toStdString() << "\nSQLite: " << db().translate(s.jet).toStdString()
                              << "\nError:  " << e.message().toStdString();
            }
        }
        // Every change was undone.
        EXPECT_EQ(count("BOTTLE"), 16);
        EXPECT_EQ(count("HISTORIC"), 23);
    }
};

TEST_F(JetStatements, DataModule) { runAll(dataModule()); }
TEST_F(JetStatements, WineEditor) { runAll(wineEditor()); }
TEST_F(JetStatements, MainWindow) { runAll(mainWindow()); }
TEST_F(JetStatements, SummariesAndLists) { runAll(summaries()); }
TEST_F(JetStatements, Movements) { runAll(movements()); }
TEST_F(JetStatements, HtmlPages) { runAll(htmlPages()); }
TEST_F(JetStatements, FastSearch) { runAll(fastSearches()); }
TEST_F(JetStatements, QueryBuilder) { runAll(queryBuilder()); }
TEST_F(JetStatements, Reports) { runAll(reports()); }

// The same texts on a connection where nothing of ours is registered, as the
// ODBC data source serves the file. Changes are only prepared: the file is
// opened read-only.
TEST_F(JetStatements, AllRunWithTheBuiltinFallbacks)
{
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(db().fileName().toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> plain(raw, sqlite3_close);
    ASSERT_EQ(opened, SQLITE_OK) << db().fileName().toStdString();

    for (const auto &topic : {dataModule(), wineEditor(), mainWindow(), summaries(), movements(), htmlPages(), fastSearches(),
                              queryBuilder(), reports()})
        for (const Statement &s : topic) {
            SCOPED_TRACE(s.name);
            const QString sql = jetsql::translate(s.jet, jetsql::Dialect::Builtin);
            const QByteArray utf8 = sql.toUtf8();
            sqlite3_stmt *rawStatement = nullptr;
            int rc = sqlite3_prepare_v2(plain.get(), utf8.constData(), int(utf8.size()), &rawStatement, nullptr);
            const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> statement(rawStatement, sqlite3_finalize);
            if (rc == SQLITE_OK && sqlite3_stmt_readonly(statement.get()))
                while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
                }
            EXPECT_TRUE(rc == SQLITE_OK || rc == SQLITE_DONE) << "Jet:    " << s.jet.toStdString() << "\nSQLite: " << sql.toStdString()
                                                            << "\nError:  " << sqlite3_errmsg(plain.get());
        }
}

// Answers the sample dossier makes obvious, where a translation slip would
// run without error but give a wrong result.
class JetStatementsResults : public CellarTest
{
protected:
    ResultSet select(const QString &jet)
    {
        try {
            return db().select(jet);
        } catch (const DbError &e) {
            ADD_FAILURE() << "Jet:    " << jet.toStdString() << "\nSQLite: " << db().translate(jet).toStdString()
                          << "\nError:  " << e.message().toStdString();
        }
        return {};
    }
    void exec(const QString &jet)
    {
        try {
            db().exec(jet);
        } catch (const DbError &e) {
            ADD_FAILURE() << "Jet:    " << jet.toStdString() << "\nError:  " << e.message().toStdString();
        }
    }
    // One column of every row, as texts (empty for NULL).
    static QStringList column(const ResultSet &rs, const QString &name)
    {
        QStringList out;
        const int c = int(rs.names.indexOf(name));
        EXPECT_GE(c, 0) << name.toStdString();
        if (c < 0)
            return out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.at(r, c).toString();
        return out;
    }
    // The row whose column key holds value; -1 when none.
    static int rowOf(const ResultSet &rs, const QString &key, const QVariant &value)
    {
        const int c = int(rs.names.indexOf(key));
        for (int r = 0; c >= 0 && r < rs.rowCount(); ++r)
            if (rs.at(r, c) == value)
                return r;
        return -1;
    }
    static QVariant value(const ResultSet &rs, int row, const QString &name)
    {
        const int c = int(rs.names.indexOf(name));
        return row >= 0 && c >= 0 ? rs.at(row, c) : QVariant();
    }
    // Adds wines to an otherwise empty dossier 99.
    void addScratchWines(const QStringList &titles, const QString &color = QStringLiteral("Rouge"))
    {
        for (const QString &t : titles)
            exec(QStringLiteral("INSERT INTO WINE (Id_File, Id_Producer, Id_Country, Id_Region, Id_Appellation, Title, Color) "
                                "VALUES (99, -1, -1, -1, -1, '%1', '%2')")
                     .arg(t, color));
    }
};

TEST_F(JetStatementsResults, MainWineListKeepsWinesWhoseLinksPointNowhere)
{
    const ResultSet rs = select(wineMainList("WHERE WINE.Id_File=1", "ORDER BY WINE.Title"));
    ASSERT_EQ(rs.rowCount(), 11);
    // Rioja (10) and the malt (11) have no producer, the malt no appellation.
    for (qint64 id : {10, 11})
        EXPECT_TRUE(value(rs, rowOf(rs, "Id", id), "Producer").isNull()) << id;
    const int malt = rowOf(rs, "Id", 11);
    EXPECT_TRUE(value(rs, malt, "Appellation").isNull());
    EXPECT_EQ(value(rs, malt, "Quantity").toInt(), 2);
    EXPECT_EQ(value(rs, rowOf(rs, "Id", 1), "Quantity").toInt(), 6); // 5 + 1 over two lines
    EXPECT_EQ(value(rs, rowOf(rs, "Id", 1), "Country").toString(), u"France");

    // The bottle pane of a wine without producer still lists its lines.
    EXPECT_EQ(select(bottleMainList("WHERE Id_Wine=10", "ORDER BY BOTTLE.Vintage")).rowCount(), 1);
}

TEST_F(JetStatementsResults, SummariesAddUpTheView)
{
    const ResultSet wines = select(wineSummary("WHERE WINE.Id_File=1"));
    ASSERT_EQ(wines.rowCount(), 1);
    EXPECT_EQ(value(wines, 0, "Quantity").toInt(), 51);
    EXPECT_NEAR(value(wines, 0, "PurchasePrice").toDouble(), 2099.5, 1e-6);

    const ResultSet bottles = select(bottleSummary("WHERE Id_Wine=4"));
    ASSERT_EQ(bottles.rowCount(), 1);
    EXPECT_EQ(value(bottles, 0, "Quantity").toInt(), 4);

    // A view without wine gives no row, and the headings stay bare.
    EXPECT_EQ(select(wineSummary("WHERE WINE.Id_File=99")).rowCount(), 0);
}

TEST_F(JetStatementsResults, StockThresholdsCountWinesWithoutBottles)
{
    // Champagne (4) holds 4 for an alarm at 6; the rosé (7) 3 for a purchase at 6.
    EXPECT_EQ(column(select(wineList("WHERE WINE.Id_File=1", kAlarmHaving, "ORDER BY WINE.Id")), "WineId"), QStringList{"4"});
    EXPECT_EQ(column(select(wineList("WHERE WINE.Id_File=1", kPurchaseHaving, "ORDER BY WINE.Id")), "WineId"),
              (QStringList{"4", "7"}));

    Transaction scratch(db());
    exec("INSERT INTO WINE (Id, Id_File, Id_Producer, Id_Country, Id_Region, Id_Appellation, Title, AlarmStock) "
         "VALUES (50, 1, -1, -1, -1, -1, 'Sans bouteille', 2)");
    EXPECT_EQ(column(select(wineList("WHERE WINE.Id_File=1", kAlarmHaving, "ORDER BY WINE.Id")), "WineId"),
              (QStringList{"4", "50"}));
    EXPECT_EQ(select(wineMainList("WHERE WINE.Id_File=1", "ORDER BY WINE.Title")).rowCount(), 12);
}

TEST_F(JetStatementsResults, DateLiteralsReadMonthFirst)
{
    // 9/7/2024 is the 7th of September (line 8); read day first it would be
    // the 9th of July, when nothing was bought.
    EXPECT_EQ(column(select(fastSearch("[BOTTLE].[PurchaseDate]=#9/7/2024#")), "BottleId"), QStringList{"8"});
    EXPECT_EQ(select(fastSearch("[BOTTLE].[PurchaseDate]>=#1/1/2024#")).rowCount(), 5);
    EXPECT_EQ(select(builtQuery("BOTTLE.[Id]", "WHERE BOTTLE.[PurchaseDate]<#3/16/2018# AND WINE.Id_File=1")).rowCount(), 2);

    // A period keeps its last day.
    EXPECT_EQ(column(select(historyPage(2, "12/1/2025", "12/31/2025")), "Dish"),
              (QStringList{"Gigot d'agneau aux flageolets", "Huîtres et saumon fumé"}));
}

TEST_F(JetStatementsResults, YearTakesTheYearOfStoredDates)
{
    const auto years = [&](int actionType, int year) {
        return select(historicList(QStringLiteral("WHERE WINE.Id_File=1 AND ActionType=%1 AND Year(HISTORIC.ActionDate)=%2")
                                       .arg(actionType)
                                       .arg(year),
                                   "ORDER BY HISTORIC.ActionDate"))
            .rowCount();
    };
    EXPECT_EQ(years(2, 2025), 3);
    EXPECT_EQ(years(1, 2025), 1);
    EXPECT_EQ(years(2, 2026), 4);
    EXPECT_EQ(years(1, 2019), 0);

    const ResultSet rs = select("SELECT BOTTLE.Id, Year(BOTTLE.PurchaseDate) as [Bought] FROM BOTTLE WHERE Year(BOTTLE.PurchaseDate)=2024");
    EXPECT_EQ(column(rs, "Bought"), (QStringList{"2024", "2024", "2024"}));
}

TEST_F(JetStatementsResults, NullComparisonsBecomeIsNull)
{
    // Lines 7, 14 and 16 have no vintage.
    struct Case {
        const char *condition;
        int lines;
    };
    const Case cases[] = {
        {"BOTTLE.Vintage = null", 3},
        {"[BOTTLE].[Vintage]=Null", 3},
        {"BOTTLE.Vintage=null", 3},
        {"[BOTTLE].[Vintage] <> null", 13},
        {"BOTTLE.Vintage<>NULL", 13},
    };
    for (const Case &c : cases)
        EXPECT_EQ(select(QStringLiteral("SELECT Id FROM BOTTLE WHERE Id_File=1 AND ") + QLatin1StringView(c.condition)).rowCount(),
                  c.lines)
            << c.condition;
    EXPECT_EQ(select(bottleList("WHERE BOTTLE.Id>-1 AND BOTTLE.Id_File=1 AND [WINE].[Id] <> null", "ORDER BY WINE.Title")).rowCount(),
              16);
}

TEST_F(JetStatementsResults, TextEqualityIgnoresCaseOfAccentedLetters)
{
    struct Case {
        const char *where;
        QStringList ids;
    };
    const Case cases[] = {
        {"WINE.Title='CHÂTEAU HAUT-VERDELAIS'", {"1"}},
        {"WINE.Title='château haut-verdelais'", {"1"}},
        {"WINE.Color='ROSÉ'", {"7"}},
        {"'rosé' = WINE.Color", {"7"}},
        {"WINE.Color='Rose'", {}}, // accents still count
        {"[WINE].[Title]='Single malt tourbé 10 ans d''âge'", {"11"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(column(select(QStringLiteral("SELECT Id FROM WINE WHERE Id_File=1 AND ") + QString::fromUtf8(c.where)
                                + " ORDER BY Id"),
                         "Id"),
                  c.ids)
            << c.where;
    EXPECT_EQ(column(select("SELECT Id, Title FROM WINE_COUNTRY WHERE Title='GRÈCE'"), "Id"), QStringList{"9"});
}

TEST_F(JetStatementsResults, LikeIgnoresCaseOfAccentedLetters)
{
    for (const char *pattern : {"%château%", "%CHÂTEAU%", "%Château%"})
        EXPECT_EQ(column(select(QStringLiteral("SELECT Id FROM WINE WHERE Title LIKE '%1' ORDER BY Id").arg(QString::fromUtf8(pattern))),
                         "Id"),
                  (QStringList{"1", "6", "8"}))
            << pattern;

    // The query builder's example: two lines each of wines 1, 6 and 8.
    EXPECT_EQ(select(builtQuery("WINE.[Title], BOTTLE.[Vintage]",
                                "WHERE BOTTLE.[Vintage]>=1990 AND WINE.[Title] like '%Château%' AND WINE.Id_File=1",
                                "ORDER BY WINE.Title ASC"))
                  .rowCount(),
              6);
    // Supplier 9's lines, through a doubled quote inside the pattern.
    EXPECT_EQ(select(fastSearch("[PURCHASECOMPAGNY].[Title] LIKE '%d''or%'")).rowCount(), 6);
}

TEST_F(JetStatementsResults, SortsInFrenchDictionaryOrder)
{
    Transaction scratch(db());
    addScratchWines({"Fabuleux", "Élégance", "eden", "Ecrin", "Zénith"});
    const QStringList expected{"Ecrin", "eden", "Élégance", "Fabuleux", "Zénith"};
    EXPECT_EQ(column(select(wineMainList("WHERE WINE.Id_File=99", "ORDER BY WINE.Title")), "Title"), expected);
    EXPECT_EQ(column(select(searchQuery("WHERE WINE.Id_File=99")), "Title"), expected);
    QStringList reversed = expected;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(column(select(builtQuery("WINE.[Title]", "WHERE WINE.Id_File=99", "ORDER BY WINE.Title DESC")), "Title"), reversed);
}

TEST_F(JetStatementsResults, ColourJoinIgnoresCase)
{
    // The colour box takes free text; a colour typed in another case still
    // paints the card with the colour of that name.
    Transaction scratch(db());
    addScratchWines({"Minuscule"}, QStringLiteral("rouge"));
    const ResultSet rs = select(refreshWineQuery("WHERE WINE.Id_File=99", "ORDER BY WINE.Title"));
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(value(rs, 0, "BackGroundColor").toInt(), 2954390);
}

TEST_F(JetStatementsResults, YesNoAndConcatenation)
{
    // The sample dossier is not an administrator.
    EXPECT_EQ(select("SELECT PROFILES.[LoginName] FROM PROFILES WHERE PROFILES.[Administrator]=False GROUP BY PROFILES.[LoginName]")
                  .rowCount(),
              1);
    EXPECT_EQ(select("SELECT PROFILES.[LoginName] FROM PROFILES WHERE PROFILES.[Administrator]=True GROUP BY PROFILES.[LoginName]")
                  .rowCount(),
              0);
    EXPECT_EQ(column(select("SELECT WINE.Title & ' (' & WINE.Code & ')' as [Label] FROM WINE WHERE WINE.Id=1"), "Label"),
              QStringList{"Château Haut-Verdelais (BX-001)"});
}

TEST_F(JetStatementsResults, ListsOfTheYear)
{
    // 2026: every line but 2, 10 (not yet) and the two without years (14, 16).
    EXPECT_EQ(select(bottleList("WHERE WINE.Id_File=1 AND BOTTLE.DrinkYearBegin<=2026 AND BOTTLE.DrinkYearEnd>=2026",
                                "ORDER BY BOTTLE.Vintage"))
                  .rowCount(),
              12);
    // The exit window's list of the Champagne, and its reset.
    Transaction scratch(db());
    EXPECT_EQ(db().exec("UPDATE BOTTLE SET Exit=0 WHERE Id_Wine=4"), 2);
    EXPECT_EQ(column(select(bottleExitList("WHERE Id_Wine=4")), "Exit"), (QStringList{"0", "0"}));
}
