#include "winelist.h"
#include "cellarfigures.h"

#include "platform/dataset.h"
#include "texts/languagehook.h"

namespace {

// Sums come back as reals; the list shows whole bottles.
QVariant whole(const QVariant &v)
{
    return v.isNull() ? QVariant() : QVariant(qint64(v.toDouble()));
}

// Thresholds and what is left to buy first: they are why the list opened.
std::vector<ListColumn> purchaseColumns()
{
    const auto field = [](const char *name) {
        return [name](const Dataset &q, int r) { return whole(q.valueAt(r, QLatin1String(name))); };
    };
    return concat({{
        listColumn("Purchase", "A acheter", 10, Qt::AlignRight,
                   [](const Dataset &q, int r) {
                       return QVariant(figures::toBuy(q.valueAt(r, QStringLiteral("PurchaseStock")),
                                                      q.valueAt(r, QStringLiteral("Quantity"))));
                   }),
        listColumn("Stock", "Stock actuel", 5, Qt::AlignRight, field("Quantity")),
        listColumn("StockPurchase", "Stock limite", 5, Qt::AlignRight, field("PurchaseStock")),
        listColumn("StockAlarm", "Stock alarme", 5, Qt::AlignRight, field("AlarmStock")),
    }, wineColumns()});
}

} // namespace

TWineList::TWineList(Dataset &wineList, QWidget *parent)
    : ListWindow(wineList, QStringLiteral("WineList"), QStringLiteral("WineId"), purchaseColumns(), parent)
{
    setTitle(QStringLiteral("  Liste des vins"));
    setYearVisible(false);
    sortBy(QStringLiteral("Title"));
    texts::translateWindow(this, QStringLiteral("WineList"));
}
