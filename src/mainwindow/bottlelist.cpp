#include "bottlelist.h"
#include "cellarfigures.h"

#include "platform/dataset.h"
#include "texts/languagehook.h"
#include "mainwindow/listcolumns.h"

#include <QLabel>
#include <QToolButton>

namespace {

std::vector<ListColumn> bottleColumns(const QString &currency)
{
    const auto years = listcolumns::yearRange;
    const auto money = [&currency](const char *field) { return listcolumns::money(field, currency); };
    const Qt::Alignment right = Qt::AlignRight;
    return concat({
        {listColumn("WineCode", "Code produit", 10), listColumn("Quantity", "Stock", 5, right),
         listColumn("Vintage", "Millésime", 4, right)},
        wineColumns(),
        {listColumn("BottleCode", "Code bouteille", 10), listColumn("Format", "Format", 20),
         listColumn("DrinkYear", "Boire", 10, Qt::AlignLeft, years("DrinkYearBegin", "DrinkYearEnd")),
         listColumn("BestYear", "Apogée", 10, Qt::AlignLeft, years("BestYearBegin", "BestYearEnd")),
         listColumn("PurchaseDate", "Date d'achat", 10), listColumn("PurchaseCompagny", "Fournisseur", 20),
         listColumn("PurchasePrice", "Prix d'achat (unit.)", 12, right, money("PurchasePrice")),
         listColumn("PurchaseValue", "Valeur estimée (unit.)", 12, right, money("PurchaseValue"))},
    });
}

} // namespace

TBottleList::TBottleList(Dataset &bottleList, const QString &currency, QWidget *parent)
    : ListWindow(bottleList, QStringLiteral("BottleList"), QStringLiteral("BottleId"), bottleColumns(currency), parent)
{
    setTitle(QStringLiteral("  Liste des bouteilles"));
    sortBy(QStringLiteral("Vintage"));
    connect(Btn_YearPrev, &QToolButton::clicked, this, [this] { setYear(m_year - 1); });
    connect(Btn_YearNext, &QToolButton::clicked, this, [this] { setYear(m_year + 1); });
    texts::translateWindow(this, QStringLiteral("BottleList"));
}

void TBottleList::setYear(int year)
{
    m_year = year;
    refresh();
}

void TBottleList::refresh()
{
    const QString year = QString::number(m_year);
    const QString t = title();
    if (t.size() >= 4)
        setTitle(t.left(t.size() - 4) + year);
    Lab_Year->setText(year);
    QString condition = m_condition;
    query().replaceClauseLine(QStringLiteral("WHERE"), QStringLiteral("WHERE WINE.Id_File=") + QString::number(m_dossier)
                                                          + condition.replace(QStringLiteral("%year"), year));
    reopen();
}
