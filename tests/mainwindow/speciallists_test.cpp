#include "mainwindow/bottlelist.h"
#include "mainwindow/speciallists.h"
#include "mainwindow/winelist.h"
#include "support/fixtures.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Readable failures.
void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

using speciallists::Choice;
using speciallists::Kind;

namespace {

QTableView *grid(QWidget *w)
{
    return w->findChild<QTableView *>(QStringLiteral("Grid_List"));
}

int columnOf(QTableView *g, const QString &label)
{
    for (int c = 0; c < g->model()->columnCount(); ++c)
        if (g->model()->headerData(c, Qt::Horizontal).toString() == label)
            return c;
    return -1;
}

QString cell(QTableView *g, int row, const QString &label)
{
    return g->model()->index(row, columnOf(g, label)).data().toString();
}

QStringList column(QTableView *g, const QString &label)
{
    QStringList out;
    for (int r = 0; r < g->model()->rowCount(); ++r)
        out << cell(g, r, label);
    return out;
}

template <typename Button>
void click(QWidget *w, const char *name)
{
    auto *b = w->findChild<Button *>(QLatin1String(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

void clickTitle(QTableView *g, const QString &label)
{
    QHeaderView *h = g->horizontalHeader();
    const int c = columnOf(g, label);
    ASSERT_GE(c, 0) << label.toStdString();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
}

} // namespace

class SpecialListsTest : public CellarTest
{
protected:
    // Opens the list and lets drive act on its window; a window drive left
    // open is cancelled so that a failed check cannot hang the test.
    std::optional<Choice> run(Kind kind, int year, const std::function<void(QWidget *)> &drive, qint64 dossier = 1)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            driven = w != nullptr;
            if (!w)
                return;
            drive(w);
            if (w->isVisible())
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
        });
        const auto choice = speciallists::show(kind, db(), dossier, QStringLiteral("€"), nullptr, year);
        EXPECT_TRUE(driven) << "no modal list window";
        return choice;
    }

    qint64 insertScratchWine(const QString &title, const QString &thresholds = QStringLiteral("NULL, NULL"))
    {
        db().exec(QStringLiteral("INSERT INTO WINE (Id_File, Title, AlarmStock, PurchaseStock) VALUES (1, '%1', %2)")
                      .arg(QString(title).replace(u'\'', QStringLiteral("''")), thresholds));
        return db().lastInsertId();
    }
    qint64 insertBottle(qint64 wine, const QString &drinkYears)
    {
        db().exec(QStringLiteral("INSERT INTO BOTTLE (Id_File, Id_Wine, DrinkYearBegin, DrinkYearEnd, Quantity) "
                                 "VALUES (1, %1, %2, 3)")
                      .arg(wine)
                      .arg(drinkYears));
        return db().lastInsertId();
    }
};

TEST_F(SpecialListsTest, AlarmListHoldsTheWineInAlarmAndReturnsItOnOk)
{
    const auto choice = run(Kind::Alarm, 2026, [](QWidget *w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("WineList"));
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Liste des alcools en alertes"));
        EXPECT_FALSE(w->findChild<QToolButton *>(QStringLiteral("Btn_YearNext"))->isVisible());
        auto *print = w->findChild<QPushButton *>(QStringLiteral("Btn_Print"));
        EXPECT_FALSE(print->isEnabled());
        EXPECT_EQ(print->toolTip(), QStringLiteral("Bientôt disponible"));
        QTableView *g = grid(w);
        ASSERT_EQ(g->model()->rowCount(), 1);
        EXPECT_EQ(cell(g, 0, QStringLiteral("Nom")), QStringLiteral("Cuvée Blanc de Blancs"));
        EXPECT_EQ(cell(g, 0, QStringLiteral("Stock actuel")), QStringLiteral("4"));
        EXPECT_EQ(cell(g, 0, QStringLiteral("Stock alarme")), QStringLiteral("6"));
        click<QPushButton>(w, "Btn_Ok");
    });
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->wine, 4);
    EXPECT_EQ(choice->bottle, -1);
}

TEST_F(SpecialListsTest, PurchaseListSaysHowManyBottlesToBuy)
{
    // Stocks of the sample: wine 2 holds 5 bottles, wine 3 holds 4, wine 7 holds 3.
    db().exec(QStringLiteral("UPDATE WINE SET PurchaseStock=6 WHERE Id=2"));
    db().exec(QStringLiteral("UPDATE WINE SET PurchaseStock=4 WHERE Id=7"));
    db().exec(QStringLiteral("UPDATE WINE SET PurchaseStock=4 WHERE Id=3")); // equal: not listed
    insertScratchWine(QStringLiteral("Sans bouteille"), QStringLiteral("NULL, 2"));
    insertScratchWine(QStringLiteral("Sans seuil"));

    const struct {
        const char *title, *stock, *toBuy;
    } expected[] = {
        {"Cuvée Blanc de Blancs", "4", "8 bouteilles"},
        {"Meursault Premier Cru Les Genevrières", "5", "1 bouteille"},
        {"Rosé Cuvée Restanque", "3", "1 bouteille"},
        {"Sans bouteille", "", "2 bouteilles"},
    };
    const auto choice = run(Kind::Purchase, 2026, [&](QWidget *w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Liste des alcools à acheter"));
        QTableView *g = grid(w);
        const QStringList titles = column(g, QStringLiteral("Nom"));
        ASSERT_EQ(titles.size(), int(std::size(expected))) << titles.join(u'|').toStdString();
        for (const auto &e : expected) {
            const int r = int(titles.indexOf(QString::fromUtf8(e.title)));
            ASSERT_GE(r, 0) << e.title;
            EXPECT_EQ(cell(g, r, QStringLiteral("Stock actuel")), QString::fromUtf8(e.stock)) << e.title;
            EXPECT_EQ(cell(g, r, QStringLiteral("A acheter")), QString::fromUtf8(e.toBuy)) << e.title;
        }
        click<QPushButton>(w, "Btn_Cancel");
    });
    EXPECT_FALSE(choice.has_value());
}

TEST_F(SpecialListsTest, YearButtonsMoveALineInAndOutOfTheDrinkingList)
{
    const qint64 wine = insertScratchWine(QStringLiteral("Cuvée d'essai"));
    const qint64 bottle = insertBottle(wine, QStringLiteral("2020, 2025"));
    insertBottle(wine, QStringLiteral("2020, NULL")); // half a range is never listed

    const auto choice = run(Kind::Drink, 2019, [&](QWidget *w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("BottleList"));
        QTableView *g = grid(w);
        auto *year = w->findChild<QLabel *>(QStringLiteral("Lab_Year"));
        for (int y = 2019; y <= 2026; ++y) {
            SCOPED_TRACE(y);
            EXPECT_EQ(year->text(), QString::number(y));
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Liste des bouteilles consommables en %1").arg(y));
            EXPECT_EQ(column(g, QStringLiteral("Nom")).count(QStringLiteral("Cuvée d'essai")), y >= 2020 && y <= 2025 ? 1 : 0);
            click<QToolButton>(w, "Btn_YearNext");
        }
        for (int i = 0; i < 3; ++i)
            click<QToolButton>(w, "Btn_YearPrev");
        EXPECT_EQ(year->text(), QStringLiteral("2024"));
        const int r = int(column(g, QStringLiteral("Nom")).indexOf(QStringLiteral("Cuvée d'essai")));
        ASSERT_GE(r, 0);
        EXPECT_EQ(cell(g, r, QStringLiteral("Boire")), QStringLiteral("2020 - 2025"));
        g->selectRow(r);
        QTest::keyClick(g, Qt::Key_Return);
    });
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->wine, wine);
    EXPECT_EQ(choice->bottle, bottle);
}

TEST_F(SpecialListsTest, BottleListsHoldTheLinesOfTheirYearRange)
{
    for (const auto &[kind, pair, title] :
         {std::tuple{Kind::Drink, "DrinkYear", "Liste des bouteilles consommables en 2026"},
          std::tuple{Kind::Best, "BestYear", "Liste des bouteilles à leur apogée en 2026"}}) {
        SCOPED_TRACE(pair);
        const qint64 lines = count(QStringLiteral("BOTTLE"), QStringLiteral("Id_File=1 AND %1Begin<=2026 AND %1End>=2026")
                                                                 .arg(QLatin1String(pair)));
        ASSERT_GT(lines, 0);
        run(kind, 2026, [&](QWidget *w) {
            EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Lab_Title"))->text(), QString::fromUtf8(title));
            QTableView *g = grid(w);
            EXPECT_EQ(g->model()->rowCount(), lines);
            // Bottle line 1 of the sample, in both lists for 2026.
            const int r = int(column(g, QStringLiteral("Nom")).indexOf(QStringLiteral("Château Haut-Verdelais")));
            ASSERT_GE(r, 0);
            EXPECT_EQ(cell(g, r, QStringLiteral("Millésime")), QStringLiteral("2015"));
            EXPECT_EQ(cell(g, r, QStringLiteral("Prix d'achat (unit.)")), QStringLiteral("68.00 €"));
            EXPECT_EQ(cell(g, r, QStringLiteral("Apogée")), QStringLiteral("2026 - 2035"));
            EXPECT_EQ(cell(g, r, QStringLiteral("Date d'achat")), QStringLiteral("15/03/2018"));
        });
    }
}

TEST_F(SpecialListsTest, EmptyListLeavesOkDisabled)
{
    const auto choice = run(
        Kind::Alarm, 2026,
        [](QWidget *w) {
            EXPECT_EQ(grid(w)->model()->rowCount(), 0);
            EXPECT_FALSE(w->findChild<QPushButton *>(QStringLiteral("Btn_Ok"))->isEnabled());
            QTest::keyClick(grid(w), Qt::Key_Return);
            EXPECT_TRUE(w->isVisible());
        },
        99);
    EXPECT_FALSE(choice.has_value());
}

TEST_F(SpecialListsTest, ClickingAColumnTitleSortsTheListByIt)
{
    run(Kind::Drink, 2026, [](QWidget *w) {
        QTableView *g = grid(w);
        const auto ascending = [](const QStringList &texts) {
            for (int i = 1; i < texts.size(); ++i)
                if (!texts[i - 1].isEmpty() && texts[i - 1].toInt() > texts[i].toInt())
                    return false;
            return true;
        };
        const QStringList vintages = column(g, QStringLiteral("Millésime"));
        ASSERT_GT(vintages.size(), 3);
        EXPECT_TRUE(ascending(vintages)) << vintages.join(u' ').toStdString();
        ASSERT_FALSE(ascending(column(g, QStringLiteral("Stock"))));

        // The chosen line stays chosen through the new order.
        g->selectRow(2);
        const QString chosen = cell(g, 2, QStringLiteral("Nom")) + cell(g, 2, QStringLiteral("Millésime"));
        clickTitle(g, QStringLiteral("Stock"));
        const QStringList stocks = column(g, QStringLiteral("Stock"));
        EXPECT_TRUE(ascending(stocks)) << stocks.join(u' ').toStdString();
        const int r = g->currentIndex().row();
        EXPECT_EQ(cell(g, r, QStringLiteral("Nom")) + cell(g, r, QStringLiteral("Millésime")), chosen);

        // The sort column is banded, the others are left to the grid.
        const int stock = columnOf(g, QStringLiteral("Stock"));
        EXPECT_EQ(g->model()->index(0, stock).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
        EXPECT_EQ(g->model()->index(1, stock).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0xE8, 0xF3, 0xFF));
        EXPECT_FALSE(g->model()->index(1, columnOf(g, QStringLiteral("Millésime"))).data(Qt::BackgroundRole).isValid());
    });
}
