#include "cellarfigures.h"

#include <QHash>
#include <cmath>

namespace figures {

QString moneyText(double amount)
{
    return QString::number(amount, 'f', 2);
}

QString currencySymbol(const QString &localeSymbol)
{
    const QString upper = localeSymbol.toUpper();
    if (upper.isEmpty() || upper == u"FF" || upper == u"FR" || upper == u"F")
        return QStringLiteral("€");
    return localeSymbol;
}

QString money(const QVariant &amount, const QString &symbol)
{
    if (amount.isNull())
        return {};
    return moneyText(amount.toDouble()) + u' ' + symbol;
}

QString yearRange(const QVariant &begin, const QVariant &end)
{
    QString text = begin.isNull() ? QString() : QString::number(begin.toLongLong());
    if (!end.isNull() && (begin.isNull() || end.toLongLong() != begin.toLongLong())) {
        if (!text.isEmpty())
            text += QStringLiteral(" - ");
        text += QString::number(end.toLongLong());
    }
    return text;
}

int drinkingStatus(const QVariant &begin, const QVariant &end, int year)
{
    if (begin.isNull() || end.isNull())
        return 0;
    if (year < begin.toLongLong())
        return 1;
    if (year > end.toLongLong())
        return 2;
    return 3;
}

bool belowThreshold(const QVariant &stock, const QVariant &threshold)
{
    if (threshold.isNull())
        return false;
    const double s = stock.isNull() ? 0 : stock.toDouble();
    return s < threshold.toDouble();
}

QString wineHeading(int wines, qint64 bottles)
{
    return QStringLiteral("  LIVRE DE CAVE (%1 alcool%2 - %3 bouteille%4)")
        .arg(wines)
        .arg(wines > 1 ? QStringLiteral("s différents") : QString())
        .arg(bottles)
        .arg(bottles > 1 ? QStringLiteral("s") : QString());
}

QString bottleHeading(qint64 bottles)
{
    return QStringLiteral("  DETAIL (%1 bouteille%2)").arg(bottles).arg(bottles > 1 ? QStringLiteral("s") : QString());
}

QString valueLine(double purchase, double value, const QString &symbol)
{
    return QStringLiteral("Achat = %1 %2 - Estim. = %3 %2").arg(moneyText(purchase), symbol, moneyText(value));
}

QString toBuy(const QVariant &purchaseStock, const QVariant &stock)
{
    const qint64 diff = (purchaseStock.isNull() ? 0 : purchaseStock.toLongLong()) - (stock.isNull() ? 0 : qint64(stock.toDouble()));
    return QString::number(diff) + QStringLiteral(" bouteille") + (std::llabs(diff) > 1 ? QStringLiteral("s") : QString());
}

QString sortExpression(const QString &column)
{
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> m;
        m.insert(QStringLiteral("WineCode"), QStringLiteral("WINE.Code"));
        for (const char *c : {"Title", "Cepage", "Color", "Classification", "Category", "CellarTemperature",
                              "ServeTemperature", "AlarmStock", "PurchaseStock"})
            m.insert(QLatin1String(c), QStringLiteral("WINE.") + QLatin1String(c));
        for (int i = 1; i <= 12; ++i) {
            const QString misc = QStringLiteral("Misc%1").arg(i, 2, 10, QChar(u'0'));
            m.insert(misc, QStringLiteral("WINE.") + misc);
        }
        m.insert(QStringLiteral("Degré d'alcool"), QStringLiteral("WINE.Alcohol"));
        m.insert(QStringLiteral("Notation"), QStringLiteral("WINE.Rate"));
        m.insert(QStringLiteral("Alliance mets-vins"), QStringLiteral("WINE.Food"));
        m.insert(QStringLiteral("Country"), QStringLiteral("WINE_COUNTRY.Title"));
        m.insert(QStringLiteral("Region"), QStringLiteral("WINE_REGION.Title"));
        m.insert(QStringLiteral("Appellation"), QStringLiteral("WINE_APPELLATION.Title"));
        m.insert(QStringLiteral("Producer"), QStringLiteral("PRODUCER.Title"));
        m.insert(QStringLiteral("BottleCode"), QStringLiteral("BOTTLE.Code"));
        for (const char *c : {"Vintage", "DrinkYearBegin", "DrinkYearEnd", "BestYearBegin", "BestYearEnd", "Format",
                              "PurchaseDate", "PurchasePrice", "PurchaseValue"})
            m.insert(QLatin1String(c), QStringLiteral("BOTTLE.") + QLatin1String(c));
        m.insert(QStringLiteral("DrinkYear"), QStringLiteral("BOTTLE.DrinkYearBegin"));
        m.insert(QStringLiteral("BestYear"), QStringLiteral("BOTTLE.BestYearBegin"));
        m.insert(QStringLiteral("Quantity"), QStringLiteral("Quantity"));
        m.insert(QStringLiteral("PurchaseCompagny"), QStringLiteral("PURCHASECOMPAGNY.Title"));
        m.insert(QStringLiteral("Historic_BottleCode"), QStringLiteral("HISTORIC.Code"));
        for (const char *c : {"ActionDate", "Vintage", "Format", "Quantity", "PurchaseDate", "PurchasePrice", "PurchaseValue",
                              "PurchaseCompagny", "Event", "Appreciation", "Guest", "Dish", "Remark"})
            m.insert(QStringLiteral("Historic_") + QLatin1String(c), QStringLiteral("HISTORIC.") + QLatin1String(c));
        return m;
    }();
    return map.value(column, QStringLiteral("WINE.Id"));
}

} // namespace figures
