#include "movements.h"

#include "platform/connection.h"

namespace movements {

QStringList bottleExitList(qint64 wine)
{
    return {
        QStringLiteral("SELECT BOTTLE.Id AS [Id],"),
        QStringLiteral("BOTTLE.Code AS [BottleCode],"),
        QStringLiteral("BOTTLE.Reference AS [BottleReference],"),
        QStringLiteral("BOTTLE.Vintage AS [Vintage],"),
        QStringLiteral("BOTTLE.DrinkYearBegin AS [DrinkYearBegin],"),
        QStringLiteral("BOTTLE.DrinkYearEnd AS [DrinkYearEnd],"),
        QStringLiteral("BOTTLE.BestYearBegin AS [BestYearBegin],"),
        QStringLiteral("BOTTLE.BestYearEnd AS [BestYearEnd],"),
        QStringLiteral("BOTTLE.Format AS [Format],"),
        QStringLiteral("BOTTLE.Quantity AS [Quantity],"),
        QStringLiteral("BOTTLE.Exit AS [Exit],"),
        QStringLiteral("BOTTLE.PurchaseDate AS [PurchaseDate],"),
        QStringLiteral("BOTTLE.PurchasePrice AS [PurchasePrice],"),
        QStringLiteral("BOTTLE.PurchaseValue AS [PurchaseValue],"),
        QStringLiteral("BOTTLE.PurchasePrice*BOTTLE.Quantity AS [TotalPurchasePrice],"),
        QStringLiteral("BOTTLE.PurchaseValue*BOTTLE.Quantity AS [TotalPurchaseValue],"),
        QStringLiteral("COMPAGNY.Title AS [PurchaseCompagny]"),
        QStringLiteral("FROM BOTTLE LEFT JOIN COMPAGNY ON [BOTTLE].[Id_PurchaseCompagny]=[COMPAGNY].[Id]"),
        QStringLiteral("WHERE Id_Wine=") + QString::number(wine),
        QStringLiteral("ORDER BY BOTTLE.VINTAGE"),
    };
}

QStringList historicList()
{
    QStringList lines{QStringLiteral("SELECT HISTORIC.Id, HISTORIC.Id_File, HISTORIC.Id_Bottle, HISTORIC.Id_Wine,"),
                      QStringLiteral("HISTORIC.ActionDate as [Historic_ActionDate],"),
                      QStringLiteral("HISTORIC.Code as [Historic_BottleCode],")};
    for (const char *c : {"Vintage", "Format", "Quantity", "PurchaseDate"})
        lines << QStringLiteral("HISTORIC.%1 as [Historic_%1],").arg(QLatin1String(c));
    for (const char *c : {"PurchasePrice", "PurchaseValue"}) {
        lines << QStringLiteral("HISTORIC.%1*HISTORIC.Quantity as [Historic_%1],").arg(QLatin1String(c));
        lines << QStringLiteral("HISTORIC.%1*HISTORIC.Quantity as [Historic_Total%1],").arg(QLatin1String(c));
    }
    for (const char *c : {"PurchaseCompagny", "Event", "Appreciation", "Guest", "Dish", "Remark"})
        lines << QStringLiteral("HISTORIC.%1 as [Historic_%1],").arg(QLatin1String(c));
    lines << QStringLiteral("WINE.Id as [WineId], WINE.Code as [WineCode], WINE.Title as [Title],")
          << QStringLiteral("WINE.Cepage as [Cepage], WINE.Color as [Color], WINE.Classification as [Classification],")
          << QStringLiteral("WINE.Category as [Category], WINE.CellarTemperature as [CellarTemperature],")
          << QStringLiteral("WINE.ServeTemperature as [ServeTemperature], WINE_COUNTRY.Title as [Country],")
          << QStringLiteral("WINE_REGION.Title as [Region], WINE_APPELLATION.Title as [Appellation],")
          << QStringLiteral("PRODUCER.Title as [Producer]")
          << QStringLiteral("FROM ((((HISTORIC LEFT JOIN WINE ON HISTORIC.Id_Wine = WINE.Id) LEFT JOIN COMPAGNY AS "
                            "PRODUCER ON WINE.Id_Producer = PRODUCER.Id) LEFT JOIN WINE_COUNTRY ON WINE.Id_Country = "
                            "WINE_COUNTRY.Id) LEFT JOIN WINE_REGION ON WINE.Id_Region = WINE_REGION.Id) LEFT JOIN "
                            "WINE_APPELLATION ON WINE.Id_Appellation = WINE_APPELLATION.Id")
          << QStringLiteral("WHERE HISTORIC.ID_FILE=-1") << QStringLiteral("ORDER BY ACTIONDATE");
    return lines;
}

QString exitHeader(int total)
{
    return QStringLiteral("  DETAIL DES BOUTEILLES EN CAVE (TOTAL : %1 bouteille%2 à sortir)")
        .arg(total)
        .arg(total > 1 ? QStringLiteral("s") : QString());
}

QString exitQuestion(int total)
{
    return QStringLiteral("Confirmez-vous la sortie de %1 bouteille%2 ?")
        .arg(total)
        .arg(total > 1 ? QStringLiteral("s") : QString());
}

QDate exitDate(const QString &text)
{
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? d : QDate::currentDate();
}

void resetMarks(Connection &c, qint64 wine)
{
    c.exec(QStringLiteral("UPDATE BOTTLE SET Exit=0 WHERE Id_Wine=") + QString::number(wine));
}

bool changeMark(Connection &c, qint64 bottle, int delta)
{
    const QString id = QString::number(bottle);
    if (delta > 0)
        return c.exec(QStringLiteral("UPDATE BOTTLE SET Exit=Exit+1 WHERE Exit<Quantity AND Id=") + id) > 0;
    return c.exec(QStringLiteral("UPDATE BOTTLE SET Exit=Exit-1 WHERE Exit>0 AND Id=") + id) > 0;
}

int exitBottles(Connection &c, qint64 dossier, qint64 wine, const Occasion &occasion)
{
    const ResultSet rows = c.select(bottleExitList(wine).join(QLatin1Char('\n')));
    const auto at = [&](int r, const char *field) { return rows.at(r, int(rows.names.indexOf(QLatin1String(field)))); };
    const QString date = occasion.date.toString(Qt::ISODate);
    const auto nullable = [](const QVariant &v) { return v.isNull() ? QVariant() : v; };
    const auto dateText = [](const QVariant &v) {
        return v.isNull() ? QVariant() : QVariant(v.toDate().toString(Qt::ISODate));
    };
    int total = 0;
    Transaction t(c);
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int taken = at(r, "Exit").toInt();
        if (taken <= 0)
            continue;
        const QVariant id = at(r, "Id");
        c.exec(QStringLiteral("UPDATE BOTTLE SET Quantity=Quantity-Exit, Exit=0 WHERE Id=?"), {id});
        c.exec(QStringLiteral("INSERT INTO HISTORIC (Id_File, Id_Wine, Id_Bottle, ActionType, ActionDate, Code, "
                              "Vintage, Format, Quantity, PurchaseDate, PurchaseCompagny, PurchasePrice, PurchaseValue, "
                              "Event, Appreciation, Guest, Dish, Remark) "
                              "VALUES (?, ?, ?, 2, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')"),
               {dossier, wine, id, date, at(r, "BottleCode").toString(), nullable(at(r, "Vintage")),
                at(r, "Format").toString(), taken, dateText(at(r, "PurchaseDate")),
                at(r, "PurchaseCompagny").toString(), at(r, "PurchasePrice"), at(r, "PurchaseValue"), occasion.event,
                occasion.appreciation, occasion.guest.left(255), occasion.dish.left(255)});
        total += taken;
    }
    c.exec(QStringLiteral("DELETE FROM BOTTLE WHERE Quantity=0 AND Id_Wine=") + QString::number(wine));
    t.commit();
    return total;
}

} // namespace movements
