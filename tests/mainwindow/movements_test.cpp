#include "mainwindow/enterexitcellar.h"
#include "mainwindow/historiclist.h"
#include "mainwindow/movements.h"
#include "platform/prompt.h"
#include "shell/strlist.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

namespace {

// Wine 2 holds line 3 (2 bottles, 2018) and line 4 (3 bottles, 2021).
constexpr qint64 kWine = 2;

void selectLine(TEnterExitCellar &w, int row)
{
    const QRect r = w.Grid_Exit->visualRect(w.Grid_Exit->model()->index(row, 3));
    QTest::mouseClick(w.Grid_Exit->viewport(), Qt::LeftButton, {}, r.center());
}

void press(QToolButton *b, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class MovementsTest : public CellarTest
{
protected:
    void SetUp() override
    {
        CellarTest::SetUp();
        data().setCurrentDossier(1);
    }
    // Marks 1 bottle on the 2018 line (row 0) and 3 on the 2021 line (row 1).
    void markFour(TEnterExitCellar &w)
    {
        selectLine(w, 1);
        press(w.Btn_Up, 4); // the fourth stops at the stock
        selectLine(w, 0);
        press(w.Btn_Up, 1);
    }
    qint64 stock() { return scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_Wine=2")).toLongLong(); }
};

TEST_F(MovementsTest, ExitLowersLinesWritesMovementsAndDropsEmptiedLine)
{
    db().exec(QStringLiteral("UPDATE BOTTLE SET Exit=2 WHERE Id_Wine=2")); // left by an earlier cancelled exit
    TEnterExitCellar w(data(), kWine, QStringLiteral("€"));
    w.show();
    EXPECT_EQ(w.Grid_Exit->model()->index(0, 1).data().toInt(), 0);
    EXPECT_FALSE(w.Btn_Ok->isEnabled());
    markFour(w);
    EXPECT_EQ(w.Lab_Header->text(), QStringLiteral("DETAIL DES BOUTEILLES EN CAVE (TOTAL : 4 bouteilles à sortir)"));
    EXPECT_EQ(w.Lab_Exit->text(), QStringLiteral("1"));
    w.Ed_Date->clear();
    typeText(w.Ed_Date, QStringLiteral("31/12/2025"));
    typeText(w.Memo_Guest, QStringLiteral("Chloé"));
    QTest::keyClick(w.Ed_Event, Qt::Key_Return); // the occasion comes from its list
    TStrList *list = TStrList::current();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    const QString event = w.Ed_Event->text();
    EXPECT_FALSE(event.isEmpty());
    prompt::setNextAnswer(prompt::Yes);
    QTest::mouseClick(w.Btn_Ok, Qt::LeftButton);
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Confirmez-vous la sortie de 4 bouteilles ?"));
    EXPECT_EQ(w.result(), QDialog::Accepted);

    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=2")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Quantity FROM BOTTLE WHERE Id=3")).toInt(), 1);
    const ResultSet rows = db().select(QStringLiteral(
        "SELECT Id_Bottle, Quantity, ActionDate, Guest, PurchaseCompagny, Event FROM HISTORIC WHERE ActionType=2 AND Id_Wine=2 "
        "AND Id>23 ORDER BY Id_Bottle"));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.at(0, 0).toInt(), 3);
    EXPECT_EQ(rows.at(0, 1).toInt(), 1);
    EXPECT_EQ(rows.at(1, 0).toInt(), 4);
    EXPECT_EQ(rows.at(1, 1).toInt(), 3);
    EXPECT_EQ(rows.at(0, 2).toDate(), QDate(2025, 12, 31));
    EXPECT_EQ(rows.at(0, 3).toString(), QStringLiteral("Chloé"));
    EXPECT_EQ(rows.at(0, 4).toString(), QStringLiteral("Achat au domaine"));
    EXPECT_EQ(rows.at(1, 5).toString(), event);
}

TEST_F(MovementsTest, NoOrFailureChangesNoStock)
{
    struct Case {
        const char *name;
        bool yes;
        bool failing;
    };
    for (const Case c : {Case{"no", false, false}, Case{"failure", true, true}}) {
        SCOPED_TRACE(c.name);
        if (c.failing) // the second movement fails, after the first line was lowered
            db().exec(QStringLiteral("CREATE TRIGGER fail BEFORE INSERT ON HISTORIC WHEN NEW.Id_Bottle=4 "
                                     "BEGIN SELECT RAISE(ABORT, 'refusé'); END"));
        const qint64 movements = count(QStringLiteral("HISTORIC"));
        TEnterExitCellar w(data(), kWine, QStringLiteral("€"));
        w.show();
        selectLine(w, 0);
        press(w.Btn_Up, 1);
        press(w.Btn_Down, 2); // the second stops at 0
        press(w.Btn_Up, 1);
        selectLine(w, 1);
        press(w.Btn_Up, 1);
        EXPECT_EQ(w.total(), 2);
        prompt::setNextAnswer(c.yes ? prompt::Yes : prompt::No);
        QTest::mouseClick(w.Btn_Ok, Qt::LeftButton);
        EXPECT_EQ(stock(), 5);
        EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=2")), 2);
        EXPECT_EQ(count(QStringLiteral("HISTORIC")), movements);
        EXPECT_EQ(w.result(), c.failing ? 0 : int(QDialog::Accepted));
    }
}

TEST_F(MovementsTest, OneBottleQuestionHasNoPlural)
{
    EXPECT_EQ(movements::exitQuestion(1), QStringLiteral("Confirmez-vous la sortie de 1 bouteille ?"));
    EXPECT_EQ(movements::exitHeader(1), QStringLiteral("  DETAIL DES BOUTEILLES EN CAVE (TOTAL : 1 bouteille à sortir)"));
    EXPECT_EQ(movements::exitDate(QStringLiteral("32/01/2026")), QDate::currentDate());
}

TEST_F(MovementsTest, HistoryListsPerKindAndYearAndReturnsChoice)
{
    struct Case {
        THistoricList::Kind kind;
        int year;
        int rowsShown; // rows of the year shown first
        int rowsPrev;  // after the "previous year" button
        const char *grid;
    };
    const Case cases[] = {
        {THistoricList::Kind::Exit, 2026, 4, 3, "Grid_Historic_Exit_Result"},
        {THistoricList::Kind::Enter, 2026, 1, 1, "Grid_Historic_Enter_Result"},
        {THistoricList::Kind::Enter, 2018, 1, 0, "Grid_Historic_Enter_Result"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.year);
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<THistoricList *>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            driven = true;
            auto *grid = w->findChild<QTableView *>(QLatin1String(c.grid));
            ASSERT_NE(grid, nullptr);
            EXPECT_EQ(grid->model()->rowCount(), c.rowsShown);
            EXPECT_TRUE(w->windowTitle().endsWith(QString::number(c.year)));
            EXPECT_EQ(w->Btn_Ok->isEnabled(), c.rowsShown > 0);
            QTest::mouseClick(w->Btn_YearPrev, Qt::LeftButton);
            EXPECT_EQ(w->Lab_Year->text(), QString::number(c.year - 1));
            EXPECT_TRUE(w->windowTitle().endsWith(QString::number(c.year - 1)));
            EXPECT_EQ(grid->model()->rowCount(), c.rowsPrev);
            if (c.rowsPrev == 0) {
                EXPECT_FALSE(w->Btn_Ok->isEnabled());
                w->reject();
                return;
            }
            // Sorted by quantity, the largest exit comes last.
            QHeaderView *h = grid->horizontalHeader();
            const int col = 1;
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(col) + h->sectionSize(col) / 2, h->height() / 2));
            const int last = grid->model()->rowCount() - 1;
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(last, 0)).center());
            QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
        });
        const auto chosen = movements::showHistory(c.kind, db(), 1, QStringLiteral("€"), nullptr, c.year);
        EXPECT_TRUE(driven);
        if (c.rowsPrev == 0) {
            EXPECT_FALSE(chosen);
            continue;
        }
        ASSERT_TRUE(chosen);
        if (c.kind == THistoricList::Kind::Exit) {
            EXPECT_EQ(chosen->wine, 4); // three bottles on the last day of 2025
            EXPECT_EQ(chosen->bottle, 6);
        } else {
            EXPECT_EQ(chosen->wine, 11);
        }
    }
}

class MainExitTest : public MainWindowTest
{
};

TEST_F(MainExitTest, ExitFromTheMainWindowUpdatesTheCardAndHistoryLeadsBack)
{
    show();
    const int row = m_form->wineCards.rowOf(kWine);
    ASSERT_GE(row, 0);
    QTest::mouseClick(m_form->Grid_WineList->viewport(), Qt::LeftButton, {},
                      m_form->Grid_WineList->visualRect(m_form->wineCards.index(row)).center());
    ASSERT_TRUE(m_form->Btn_Delete_Bottle->isEnabled());
    ASSERT_TRUE(m_form->Btn_Exit->isEnabled());
    whenShown<TEnterExitCellar>([](TEnterExitCellar *w) {
        selectLine(*w, 0);
        press(w->Btn_Up, 2); // the whole 2018 line
        prompt::setNextAnswer(prompt::Yes);
        QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
    });
    QTest::mouseClick(m_form->Btn_Delete_Bottle, Qt::LeftButton);
    EXPECT_EQ(m_form->wineCards.cards()[size_t(row)].stock, 3);
    EXPECT_EQ(m_form->bottleCards.cardCount(), 1);

    QAction *history = command("Popup_List_Wine_Historic_Exit");
    ASSERT_TRUE(history->isEnabled());
    whenShown<THistoricList>([](THistoricList *w) {
        // The exit just made is the latest of the year.
        QTableView *grid = w->Grid_List;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(grid->model()->rowCount() - 1, 0)).center());
        QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
    });
    m_form->SelectWineAndBottle(1, -1);
    history->trigger();
    EXPECT_EQ(m_form->currentWine(), kWine);
}
