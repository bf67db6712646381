#include "catalogue/enterbottle.h"
#include "catalogue/enterwine.h"
#include "catalogue/treemisc.h"
#include "catalogue/valuelists.h"
#include "catalogue/winelogic.h"
#include "mainwindow/cellarfigures.h"
#include "mainwindow/enterexitcellar.h"
#include "platform/prompt.h"
#include "shell/pickdialogs.h"
#include "shell/stars.h"
#include "shell/strlist.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Wine 2 of the sample: Bourgogne, France, appellation 422, producer 2; its
// lines 3 (2 bottles, 2018) and 4 (3 bottles, 2021).
constexpr qint64 kWine = 2;

void clickStar(TRating *rating, int star, Qt::MouseButton button = Qt::LeftButton)
{
    const int x = (star - 1) * (rating->starSize() + rating->starSpacing()) + rating->starSize() / 2;
    QTest::mouseClick(rating, button, {}, QPoint(x, rating->height() / 2));
}

void clickRow(QTableView *grid, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
}

} // namespace

class EnterWineTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        show();
    }
    // Opens the editor on a new wine (or on wine) and runs action in it.
    void runEditor(std::function<void(TEnterWine &)> action, qint64 wine = -1)
    {
        whenShown<TEnterWine>([action](TEnterWine *e) { action(*e); });
        if (wine < 0) {
            QTest::mouseClick(m_form->Btn_Add_Wine, Qt::LeftButton);
            return;
        }
        m_form->SelectWineAndBottle(wine, -1);
        QTest::mouseClick(m_form->Btn_Edit_Wine, Qt::LeftButton);
    }
    // A new line of quantity bottles through the bottle editor.
    static void enterLine(TEnterWine &e, const QString &quantity)
    {
        whenShown<TEnterBottle>([quantity](TEnterBottle *b) {
            typeText(b->Ed_Quantity, quantity);
            QTest::mouseClick(b->Btn_Ok, Qt::LeftButton);
        });
        QTest::mouseClick(e.Btn_Bottle_Add, Qt::LeftButton);
    }
    QVariantList wineRow(qint64 id, const QString &columns)
    {
        const ResultSet r = db().select(QStringLiteral("SELECT %1 FROM WINE WHERE Id=%2").arg(columns).arg(id));
        QVariantList out;
        for (int c = 0; r.rowCount() > 0 && c < r.columnCount(); ++c)
            out << r.at(0, c);
        return out;
    }
    qint64 newestWine() { return scalar(QStringLiteral("SELECT Max(Id) FROM WINE")).toLongLong(); }
};

TEST_F(EnterWineTest, NewWineWithItsReferencesRatingPairingsAndBottles)
{
    const qint64 bottles = scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_File=1")).toLongLong();
    runEditor([this](TEnterWine &e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("  Saisie d'un alcool"));
        EXPECT_FALSE(e.Btn_Ok->isEnabled());
        EXPECT_FALSE(e.Btn_Bottle_Edit->isEnabled());
        typeText(e.Ed_Title, QStringLiteral("Pauillac Réserve"));
        EXPECT_TRUE(e.Btn_Ok->isEnabled());

        QTest::mouseClick(e.Btn_Producer, Qt::LeftButton);
        EXPECT_EQ(pickEntries().value(0), QString());
        EXPECT_TRUE(pickEntry(QStringLiteral("Château Haut-Verdelais")));
        QTest::mouseClick(e.Btn_Country, Qt::LeftButton);
        EXPECT_TRUE(pickEntry(QStringLiteral("France")));
        QTest::mouseClick(e.Btn_Region, Qt::LeftButton);
        EXPECT_FALSE(pickEntries().contains(QStringLiteral("Toscane"))); // narrowed to France
        EXPECT_TRUE(pickEntry(QStringLiteral("Bordeaux")));
        QTest::mouseClick(e.Btn_Appellation, Qt::LeftButton);
        EXPECT_FALSE(pickEntries().contains(QStringLiteral("Meursault"))); // narrowed to Bordeaux
        EXPECT_TRUE(pickEntry(QStringLiteral("Pauillac")));
        QTest::mouseClick(e.Btn_Category, Qt::LeftButton);
        EXPECT_TRUE(pickEntry(QStringLiteral("Vin tranquille")));
        QTest::mouseClick(e.Btn_Color, Qt::LeftButton);
        EXPECT_EQ(pickEntries().mid(0, 3), (QStringList{QStringLiteral("Rouge"), QStringLiteral("Blanc"), QStringLiteral("Rosé")}));
        EXPECT_TRUE(pickEntry(QStringLiteral("Rouge")));
        clickStar(e.Rating, 4);
        EXPECT_EQ(e.Rating->rate(), 4);
        for (const char *food : {"Gibier", "Plats mijotés", "Gibier"}) {
            whenShown<TFoodList>([food](TFoodList *f) {
                f->List_Food->setCurrentItem(f->List_Food->findItems(QString::fromUtf8(food), Qt::MatchExactly).value(0));
                QTest::mouseClick(f->Btn_Ok, Qt::LeftButton);
            });
            QTest::mouseClick(e.Btn_Food_Add, Qt::LeftButton);
        }
        EXPECT_EQ(e.List_Food->count(), 2); // a pairing is listed once

        enterLine(e, QStringLiteral("6"));
        EXPECT_EQ(e.Grid_Bottle->model()->rowCount(), 1);
        EXPECT_TRUE(e.Btn_Bottle_Edit->isEnabled());
        e.PageControl->setCurrentIndex(2);
        EXPECT_EQ(e.Grid_Enter->model()->rowCount(), 1);
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    });

    const qint64 id = newestWine();
    EXPECT_EQ(wineRow(id, QStringLiteral("Title, Id_Producer, Id_Country, Id_Region, Id_Appellation, Category, Color, Rate, Food, Id_File")),
              (QVariantList{QStringLiteral("Pauillac Réserve"), 1, 1, 3, 310, QStringLiteral("Vin tranquille"),
                            QStringLiteral("Rouge"), 4, QStringLiteral("Gibier, Plats mijotés"), 1}));
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1 AND Quantity=6").arg(id)), 1);
    EXPECT_EQ(count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Wine=%1 AND ActionType=1").arg(id)), 1);
    EXPECT_EQ(m_form->currentWine(), id);
    EXPECT_EQ(m_form->Lab_Wine->text(), figures::wineHeading(12, bottles + 6));
    EXPECT_EQ(m_form->bottleCards.cardCount(), 1);
}

TEST_F(EnterWineTest, CancelledNewWineTakesItsLinesAndMovementsAlong)
{
    const qint64 wines = count(QStringLiteral("WINE")), lines = count(QStringLiteral("BOTTLE")),
                 moves = count(QStringLiteral("HISTORIC"));
    runEditor([](TEnterWine &e) {
        typeText(e.Ed_Title, QStringLiteral("Essai"));
        enterLine(e, QStringLiteral("3"));
        EXPECT_EQ(e.Grid_Bottle->model()->rowCount(), 1);
        QTest::mouseClick(e.Btn_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(count(QStringLiteral("WINE")), wines);
    EXPECT_EQ(count(QStringLiteral("BOTTLE")), lines);
    EXPECT_EQ(count(QStringLiteral("HISTORIC")), moves);
    EXPECT_EQ(m_form->wineCards.cardCount(), 11);

    // Confirmed without any line, the wine stays.
    runEditor([](TEnterWine &e) {
        typeText(e.Ed_Title, QStringLiteral("Sans bouteille"));
        QTest::keyClick(e.Ed_Title, Qt::Key_Return); // Enter in a box is not OK
        EXPECT_TRUE(e.isVisible());
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(count(QStringLiteral("WINE")), wines + 1);
    EXPECT_EQ(wineRow(newestWine(), QStringLiteral("Id_Country, Id_Region, Id_Appellation, Id_Producer, Rate")),
              (QVariantList{-1, -1, -1, -1, 0}));
}

TEST_F(EnterWineTest, LowerLevelsFillAndEmptyTheHigherOnes)
{
    // A country whose title holds a quote still narrows its regions.
    db().exec(QStringLiteral("INSERT INTO WINE_COUNTRY (Id, Id_File, Title) VALUES (900, -1, 'Pays d''Oc')"));
    db().exec(QStringLiteral("INSERT INTO WINE_REGION (Id, Id_File, Id_Country, Title) VALUES (901, -1, 900, 'Garrigue')"));
    runEditor([this](TEnterWine &e) {
        typeText(e.Ed_Title, QStringLiteral("Niveaux"));
        // A region chosen without a country fills the country.
        QTest::mouseClick(e.Btn_Region, Qt::LeftButton);
        EXPECT_TRUE(pickEntry(QStringLiteral("Toscane")));
        EXPECT_EQ(e.Ed_Country->text(), QStringLiteral("Italie"));
        // A new country empties region and appellation.
        QTest::mouseClick(e.Btn_Country, Qt::LeftButton);
        EXPECT_TRUE(pickEntry(QStringLiteral("Pays d'Oc")));
        EXPECT_TRUE(e.Ed_Region->text().isEmpty());
        QTest::mouseClick(e.Btn_Region, Qt::LeftButton);
        EXPECT_EQ(pickEntries(), (QStringList{QString(), QStringLiteral("Garrigue")}));
        QTest::keyClick(TStrList::current(), Qt::Key_Escape);
        EXPECT_EQ(data().Wine.integer(QStringLiteral("Id_Region")), -1);
        // An appellation chosen without a region fills region and country;
        // Enter in its box opens its list.
        QTest::mouseClick(e.Btn_Country, Qt::LeftButton);
        EXPECT_TRUE(pickEntry(QString()));
        e.Ed_Appellation->setFocus();
        QTest::keyClick(e.Ed_Appellation, Qt::Key_Return);
        ASSERT_NE(TStrList::current(), nullptr);
        EXPECT_TRUE(pickEntry(QStringLiteral("Margaux")));
        EXPECT_EQ(e.Ed_Region->text(), QStringLiteral("Bordeaux"));
        EXPECT_EQ(e.Ed_Country->text(), QStringLiteral("France"));
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    });
    EXPECT_EQ(wineRow(newestWine(), QStringLiteral("Id_Country, Id_Region, Id_Appellation")), (QVariantList{1, 3, 306}));
}

TEST_F(EnterWineTest, VanishedCountryEmptiesTheThreeLevels)
{
    db().exec(QStringLiteral("INSERT INTO WINE_COUNTRY (Id, Id_File, Title) VALUES (900, -1, 'Atlantide')"));
    db().exec(QStringLiteral("UPDATE WINE SET Id_Country=900 WHERE Id=%1").arg(kWine));
    db().exec(QStringLiteral("DELETE FROM WINE_COUNTRY WHERE Id=900"));
    runEditor([](TEnterWine &e) {
        for (QLineEdit *b : {e.Ed_Country, e.Ed_Region, e.Ed_Appellation})
            EXPECT_TRUE(b->text().isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(e.Ed_Producer->text().isEmpty());
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    }, kWine);
    EXPECT_EQ(wineRow(kWine, QStringLiteral("Id_Country, Id_Region, Id_Appellation, Id_Producer")), (QVariantList{-1, -1, -1, 2}));
}

TEST_F(EnterWineTest, RatingPairingsAndFieldsOnOkAndCancel)
{
    db().exec(QStringLiteral("UPDATE WINE SET Rate=3, Food='Gibier, Plats mijotés', Alcohol=13.5 WHERE Id=%1").arg(kWine));
    // Cancel keeps what was stored.
    runEditor([](TEnterWine &e) {
        EXPECT_EQ(e.Rating->rate(), 3);
        EXPECT_EQ(e.List_Food->count(), 2);
        EXPECT_EQ(e.Ed_Alcohol->text(), QStringLiteral("13.5"));
        clickStar(e.Rating, 2, Qt::RightButton);
        EXPECT_EQ(e.Rating->rate(), 0);
        e.Ed_Alcohol->clear();
        typeText(e.Ed_Alcohol, QStringLiteral("14,2"));
        QTest::mouseClick(e.Btn_Cancel, Qt::LeftButton);
    }, kWine);
    EXPECT_EQ(wineRow(kWine, QStringLiteral("Rate, Alcohol")), (QVariantList{3, 13.5}));

    // OK stores them; an entry holding ", " comes back as two.
    db().exec(QStringLiteral("UPDATE WINE SET Food='Poisson, sauce beurre blanc' WHERE Id=%1").arg(kWine));
    runEditor([](TEnterWine &e) {
        EXPECT_EQ(e.List_Food->count(), 2);
        e.List_Food->setCurrentRow(1);
        QTest::mouseClick(e.Btn_Food_Delete, Qt::LeftButton);
        EXPECT_EQ(e.List_Food->count(), 1);
        clickStar(e.Rating, 5);
        e.Ed_Alcohol->clear();
        typeText(e.Ed_Alcohol, QStringLiteral("14,2"));
        e.Ed_Title->clear();
        EXPECT_FALSE(e.Btn_Ok->isEnabled());
        typeText(e.Ed_Title, QStringLiteral("Meursault"));
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    }, kWine);
    EXPECT_EQ(wineRow(kWine, QStringLiteral("Rate, Alcohol, Food, Title")),
              (QVariantList{5, 14.2, QStringLiteral("Poisson"), QStringLiteral("Meursault")}));
    EXPECT_EQ(m_form->wineCards.cards()[size_t(m_form->wineCards.rowOf(kWine))].title, QStringLiteral("Meursault"));
}

TEST_F(EnterWineTest, CaptionsBelongToTheirDossier)
{
    db().exec(QStringLiteral("INSERT INTO PROFILES (ID, FullName) VALUES (2, 'Autre cave')"));
    data().customCaptions(2);
    runEditor([](TEnterWine &e) {
        QLabel *caption = e.Lab_Misc[2];
        EXPECT_EQ(caption->text(), QStringLiteral("Divers 3"));
        EXPECT_EQ(caption->toolTip(), QStringLiteral("Double-cliquez\r\npour modifier"));
        whenShown<TEnterStr>([](TEnterStr *d) {
            d->Ed_Str->selectAll();
            typeText(d->Ed_Str, QStringLiteral("Garde"));
            QTest::mouseClick(d->Btn_Ok, Qt::LeftButton);
        });
        QTest::mouseDClick(caption, Qt::LeftButton);
        EXPECT_EQ(caption->text(), QStringLiteral("Garde"));
        QTest::mouseClick(e.Btn_Cancel, Qt::LeftButton);
    }, kWine);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Wine_Misc03 FROM CUSTOMLAB WHERE Id_File=1")).toString(), QStringLiteral("Garde"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Wine_Misc03 FROM CUSTOMLAB WHERE Id_File=2")).toString(), QStringLiteral("Divers 3"));
}

TEST_F(EnterWineTest, BottleLinesExitsAndHistoryFromTheEditor)
{
    const qint64 moves = count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Wine=%1").arg(kWine));
    runEditor([this](TEnterWine &e) {
        EXPECT_EQ(e.Grid_Bottle->model()->rowCount(), 2);
        // Sorting on the stock column puts the 2-bottle line first.
        QTest::mouseClick(e.Grid_Bottle->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(e.Grid_Bottle->columnViewportPosition(0) + 5, 5));
        EXPECT_EQ(e.bottleSortKey(), QStringLiteral("Quantity"));
        EXPECT_EQ(e.WineBottleList.valueAt(0, QStringLiteral("Quantity")).toInt(), 2);

        whenShown<TEnterExitCellar>([](TEnterExitCellar *w) {
            QTest::mouseClick(w->Btn_Up, Qt::LeftButton);
            prompt::setNextAnswer(prompt::Yes);
            QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
        });
        QTest::mouseClick(e.Btn_Bottle_Exit, Qt::LeftButton);
        EXPECT_EQ(scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_Wine=%1").arg(kWine)).toInt(), 4);

        e.PageControl->setCurrentIndex(3);
        ASSERT_EQ(e.Grid_Exit->model()->rowCount(), int(count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Wine=2 AND ActionType=2"))));
        clickRow(e.Grid_Exit, 0);
        const int exits = e.Grid_Exit->model()->rowCount();
        prompt::setNextAnswer(prompt::No);
        QTest::mouseClick(e.Btn_Exit_Delete, Qt::LeftButton);
        EXPECT_EQ(prompt::lastText(), QStringLiteral("Confirmez-vous la suppression de cette ligne dans l'historique des sorties ?"));
        EXPECT_EQ(e.Grid_Exit->model()->rowCount(), exits);
        prompt::setNextAnswer(prompt::Yes);
        QTest::mouseClick(e.Btn_Exit_Delete, Qt::LeftButton);
        EXPECT_EQ(e.Grid_Exit->model()->rowCount(), exits - 1);
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    }, kWine);
    // One exit written, one deleted; no bottle line changed by the deletion.
    EXPECT_EQ(count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Wine=%1").arg(kWine)), moves);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_Wine=%1").arg(kWine)).toInt(), 4);
    EXPECT_EQ(m_form->wineCards.cards()[size_t(m_form->wineCards.rowOf(kWine))].stock, 4);
}

TEST_F(EnterWineTest, ValueRenamedInTheOrganiserReachesTheOpenWine)
{
    runEditor([](TEnterWine &e) {
        whenShown<TTreeMisc>([](TTreeMisc *tree) {
            const auto found = tree->Tree_Misc->findItems(QStringLiteral("Vin tranquille"), Qt::MatchExactly | Qt::MatchRecursive);
            ASSERT_EQ(found.size(), 1);
            tree->Tree_Misc->setCurrentItem(found.first());
            whenShown<TEnterTreeMiscNode>([](TEnterTreeMiscNode *node) {
                node->Ed_Title->selectAll();
                typeText(node->Ed_Title, QStringLiteral("Vin calme"));
                QTest::mouseClick(node->Btn_Ok, Qt::LeftButton);
            });
            QTest::mouseClick(tree->Btn_Modify, Qt::LeftButton);
            QTest::mouseClick(tree->Btn_Close, Qt::LeftButton);
        });
        QTest::mouseDClick(e.Ed_Category, Qt::LeftButton);
        EXPECT_EQ(e.Ed_Category->text(), QStringLiteral("Vin calme"));
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    }, kWine);
    EXPECT_EQ(wineRow(kWine, QStringLiteral("Category")), (QVariantList{QStringLiteral("Vin calme")}));
}

TEST_F(EnterWineTest, DoubleClickOpensTheWineOfACardOnly)
{
    QListView *cards = m_form->Grid_WineList;
    const auto doubleClick = [cards](int row) {
        // A widget's double-click event comes after the press and release of the first click.
        const QPoint at = cards->visualRect(cards->model()->index(row, 0)).center();
        QTest::mouseClick(cards->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(cards->viewport(), Qt::LeftButton, {}, at);
    };
    qint64 opened = -1;
    whenShown<TEnterWine>([this, &opened](TEnterWine *e) {
        opened = data().Wine.integer(QStringLiteral("Id"));
        e->reject();
    });
    doubleClick(1);
    EXPECT_EQ(opened, m_form->wineCards.idAt(1));

    // The filler row after the last card opens nothing ("Fiche" is off there).
    cards->scrollToBottom();
    opened = -1;
    bool shown = false;
    whenShown<TEnterWine>([&shown](TEnterWine *e) {
        shown = true;
        e->reject();
    });
    doubleClick(m_form->wineCards.cardCount());
    QTest::qWait(200); // the watch gives up meanwhile
    EXPECT_FALSE(shown);
}

TEST(WineLogic, FoodAndRating)
{
    EXPECT_EQ(wine::joinFood({QStringLiteral("A"), QStringLiteral("B, C")}), QStringLiteral("A, B, C"));
    EXPECT_EQ(wine::splitFood(QStringLiteral("A, B, C")).size(), 3);
    EXPECT_TRUE(wine::splitFood(QString()).isEmpty());
    const struct {
        int x, rate;
    } cases[] = {{0, 1}, {21, 1}, {22, 2}, {109, 5}, {400, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(stars::rateAt(c.x, 20, 2), c.rate) << c.x;
    EXPECT_EQ(wine::bottleSortExpression(QStringLiteral("PurchaseCompagny")), QStringLiteral("PURCHASECOMPAGNY.Title"));
    EXPECT_EQ(wine::bottleSortExpression(QStringLiteral("Title")), QStringLiteral("WINE.Id"));
}
