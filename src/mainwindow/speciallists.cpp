#include "speciallists.h"
#include "bottlelist.h"
#include "mainlists.h"
#include "winelist.h"

#include "platform/dataset.h"

namespace speciallists {
namespace {

std::optional<Choice> showBottles(Kind kind, Connection &connection, qint64 dossier, const QString &currency,
                                  QWidget *parent, int year)
{
    const bool drink = kind == Kind::Drink;
    const QString pair = drink ? QStringLiteral("DrinkYear") : QStringLiteral("BestYear");
    const QString condition = QStringLiteral(" AND BOTTLE.%1Begin<=%year AND BOTTLE.%1End>=%year").arg(pair);

    Dataset query(connection, QStringLiteral("BottleList"), mainlists::bottleList());
    query.replaceClauseLine(QStringLiteral("WHERE"), QStringLiteral("WHERE WINE.Id_File=") + QString::number(dossier));
    TBottleList window(query, currency, parent);
    const QString y = QString::number(year);
    window.setTitle((drink ? QStringLiteral("  Liste des bouteilles consommables en ")
                           : QStringLiteral("  Liste des bouteilles à leur apogée en "))
                    + y);
    window.setCondition(condition);
    window.setReport({QStringLiteral("Bottlelist"),
                      QStringLiteral("BOTTLE.Id_File=") + QString::number(dossier) + condition,
                      QString(),
                      drink ? QStringLiteral("Liste des bouteilles consommables en ")
                            : QStringLiteral("Liste des bouteilles à boire (apogée) en ")});
    window.setDossier(dossier);
    window.setYear(year);
    if (window.exec() != QDialog::Accepted || window.selectedBottle() < 0)
        return std::nullopt;
    return Choice{window.selectedWine(), window.selectedBottle()};
}

std::optional<Choice> showWines(Kind kind, Connection &connection, qint64 dossier, QWidget *parent)
{
    const QString threshold = kind == Kind::Alarm ? QStringLiteral("AlarmStock") : QStringLiteral("PurchaseStock");
    const QString title = kind == Kind::Alarm ? QStringLiteral("Liste des alcools en alertes")
                                              : QStringLiteral("Liste des alcools à acheter");

    Dataset query(connection, QStringLiteral("WineList"), mainlists::wineList());
    query.replaceClauseLine(QStringLiteral("WHERE"), QStringLiteral("WHERE WINE.Id_File=") + QString::number(dossier));
    const QString having = mainlists::belowHaving(threshold);
    query.replaceClauseLine(QStringLiteral("HAVING"), having);
    TWineList window(query, parent);
    window.setTitle(QStringLiteral("  ") + title);
    window.setReport({QStringLiteral("WineStocklist"), QStringLiteral("WINE.Id_File=") + QString::number(dossier),
                      having.mid(QStringLiteral("HAVING ").size()), title});
    window.refresh();
    if (window.exec() != QDialog::Accepted || window.selectedWine() < 0)
        return std::nullopt;
    return Choice{window.selectedWine(), -1};
}

} // namespace

std::optional<Choice> show(Kind kind, Connection &connection, qint64 dossier, const QString &currency, QWidget *parent,
                           int year)
{
    if (kind == Kind::Drink || kind == Kind::Best)
        return showBottles(kind, connection, dossier, currency, parent, year);
    return showWines(kind, connection, dossier, parent);
}

} // namespace speciallists
