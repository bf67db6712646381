#include "mainwindow/cellarfigures.h"
#include "mainwindow/sortfiles.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace figures;

TEST(Figures, YearsStatusesAndThresholds)
{
    const QVariant none;
    EXPECT_EQ(yearRange(2010, 2015), QStringLiteral("2010 - 2015"));
    EXPECT_EQ(yearRange(2012, 2012), QStringLiteral("2012"));
    EXPECT_EQ(yearRange(none, 2015), QStringLiteral("2015"));
    EXPECT_EQ(yearRange(2010, none), QStringLiteral("2010"));
    EXPECT_EQ(yearRange(none, none), QString());

    EXPECT_EQ(drinkingStatus(2026, 2026, 2026), 3);
    EXPECT_EQ(drinkingStatus(2026, none, 2026), 0);
    EXPECT_EQ(drinkingStatus(none, 2030, 2026), 0);
    EXPECT_EQ(drinkingStatus(2027, 2030, 2026), 1);
    EXPECT_EQ(drinkingStatus(2020, 2025, 2026), 2);

    EXPECT_FALSE(belowThreshold(3, 3));
    EXPECT_TRUE(belowThreshold(2, 3));
    EXPECT_FALSE(belowThreshold(2, none));
    EXPECT_TRUE(belowThreshold(none, 1));
    EXPECT_FALSE(belowThreshold(none, 0));
}

TEST(Figures, TextsOfTheHeadingsAndAmounts)
{
    EXPECT_EQ(moneyText(1234.5), QStringLiteral("1234.50"));
    EXPECT_EQ(moneyText(0), QStringLiteral("0.00"));
    EXPECT_EQ(money(12.3, QStringLiteral("€")), QStringLiteral("12.30 €"));
    EXPECT_EQ(money(QVariant(), QStringLiteral("€")), QString());
    for (const char *franc : {"F", "FF", "fr", ""})
        EXPECT_EQ(currencySymbol(QLatin1String(franc)), QStringLiteral("€"));
    EXPECT_EQ(currencySymbol(QStringLiteral("$")), QStringLiteral("$"));
    EXPECT_EQ(wineHeading(1, 1), QStringLiteral("  LIVRE DE CAVE (1 alcool - 1 bouteille)"));
    EXPECT_EQ(wineHeading(2, 5), QStringLiteral("  LIVRE DE CAVE (2 alcools différents - 5 bouteilles)"));
    EXPECT_EQ(bottleHeading(0), QStringLiteral("  DETAIL (0 bouteille)"));
    EXPECT_EQ(valueLine(10, 12.5, QStringLiteral("€")), QStringLiteral("Achat = 10.00 € - Estim. = 12.50 €"));
    EXPECT_EQ(toBuy(6, 2), QStringLiteral("4 bouteilles"));
    EXPECT_EQ(toBuy(6, 5), QStringLiteral("1 bouteille"));
    EXPECT_EQ(toBuy(6, QVariant()), QStringLiteral("6 bouteilles"));
    EXPECT_EQ(sortExpression(QStringLiteral("Country")), QStringLiteral("WINE_COUNTRY.Title"));
    EXPECT_EQ(sortExpression(QStringLiteral("DrinkYear")), QStringLiteral("BOTTLE.DrinkYearBegin"));
    EXPECT_EQ(sortExpression(QStringLiteral("Historic_Guest")), QStringLiteral("HISTORIC.Guest"));
    EXPECT_EQ(sortExpression(QStringLiteral("Inconnu")), QStringLiteral("WINE.Id"));
}

TEST(SortFiles, TickedLinesInFileOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sortwinelist.def"));
    EXPECT_EQ(sortfiles::readSortOrder(path, QStringLiteral("WINE.Id")), QStringLiteral("WINE.Id"));
    writeFile(path, "*Nom=WINE.Title\r\n Pays=WINE_COUNTRY.Title\r\n*Note=WINE.Rate DESC\r\n");
    EXPECT_EQ(sortfiles::readSortOrder(path, QStringLiteral("WINE.Id")), QStringLiteral("WINE.Title, WINE.Rate DESC"));
    writeFile(path, " Nom=WINE.Title\r\n");
    EXPECT_EQ(sortfiles::readSortOrder(path, QStringLiteral("WINE.Id")), QStringLiteral("WINE.Id"));
    EXPECT_EQ(sortfiles::find(dir.path(), QStringLiteral("SortWineList.Def")), path);
}
