#pragma once
#include <QString>
#include <QVariant>

// The rules behind the figures the main window and its lists show.
namespace figures {

// 1234.5 -> "1234.50": two decimals, a point, no thousands separator.
QString moneyText(double amount);
// The currency symbol shown after amounts: the locale's, "€" for the old
// French franc symbols ("FF", "FR", "F") and when the locale has none.
QString currencySymbol(const QString &localeSymbol);
// "#######0.00 " + symbol; empty for an empty value.
QString money(const QVariant &amount, const QString &symbol);

// Begin and end years as one text: "2010 - 2015", "2010", "2015" or "".
QString yearRange(const QVariant &begin, const QVariant &end);

// 0 when either year is empty, 1 before the range, 2 after it, 3 within.
int drinkingStatus(const QVariant &begin, const QVariant &end, int year);

// Stock strictly below the threshold; an empty stock counts as 0 and an
// empty threshold never triggers.
bool belowThreshold(const QVariant &stock, const QVariant &threshold);

// The headings of the two panes.
QString wineHeading(int wines, qint64 bottles);
QString bottleHeading(qint64 bottles);
QString valueLine(double purchase, double value, const QString &symbol);

// "4 bouteilles", "1 bouteille", "-2 bouteilles": what is left to buy.
QString toBuy(const QVariant &purchaseStock, const QVariant &stock);

// The SQL expression a list sorts by when a column title is clicked.
QString sortExpression(const QString &column);

} // namespace figures
