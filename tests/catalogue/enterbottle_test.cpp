#include "catalogue/enterbottle.h"
#include "mainwindow/cellarfigures.h"
#include "mainwindow/mainform.h"
#include "platform/prompt.h"
#include "shell/strlist.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// The bottle editor run by the main window on the sample dossier "Ma cave".
class EnterBottleTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        db().exec(QStringLiteral("INSERT INTO COMPAGNY (Id_File, CoType, Title) VALUES (-1, 1, 'Cave Durand')"));
        m_supplier = db().scalar(QStringLiteral("SELECT Id FROM COMPAGNY WHERE Title='Cave Durand'")).toLongLong();
        show();
        m_wine = m_form->currentWine();
        ASSERT_GE(m_wine, 0);
    }
    // Runs action on the editor once it is open modally.
    void onEditor(std::function<void(TEnterBottle &)> action)
    {
        QTimer::singleShot(0, [action] {
            auto *editor = qobject_cast<TEnterBottle *>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            action(*editor);
        });
    }
    static void choose(const QString &text) { ASSERT_TRUE(pickEntry(text)) << text.toStdString(); }
    qint64 stock() { return scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_Wine=%1").arg(m_wine)).toLongLong(); }

    qint64 m_wine = -1;
    qint64 m_supplier = -1;
};

TEST_F(EnterBottleTest, ConfirmedEntryWritesOneMovementAndTheStockFollows)
{
    const qint64 before = stock();
    const qint64 bottles = scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_File=1")).toLongLong();
    onEditor([this](TEnterBottle &e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("  Saisie de bouteille(s)"));
        EXPECT_FALSE(e.Btn_Ok->isEnabled());
        typeText(e.Ed_Code, QStringLiteral("A12"));
        typeText(e.Ed_Quantity, QStringLiteral("3"));
        typeText(e.Ed_Vintage, QStringLiteral("2015"));
        typeText(e.Ed_PurchasePrice, QStringLiteral("12,5"));
        QTest::keyClick(e.Ed_PurchasePrice, Qt::Key_Return);
        EXPECT_EQ(e.Ed_PurchasePrice->text(), QStringLiteral("12.50"));
        QTest::mouseClick(e.Btn_Compagny, Qt::LeftButton);
        choose(QStringLiteral("Cave Durand"));
        EXPECT_EQ(e.Ed_Compagny->text(), QStringLiteral("Cave Durand"));
        EXPECT_EQ(e.Lab_PurchasePrice_Money->text(), m_form->currency());
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    });
    QTest::mouseClick(m_form->Btn_Add_Bottle, Qt::LeftButton);

    const qint64 line = scalar(QStringLiteral("SELECT Max(Id) FROM BOTTLE")).toLongLong();
    EXPECT_EQ(stock(), before + 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Id_PurchaseCompagny FROM BOTTLE WHERE Id=%1").arg(line)).toLongLong(), m_supplier);
    ASSERT_EQ(count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Bottle=%1").arg(line)), 1);
    const ResultSet h = db().select(QStringLiteral(
        "SELECT ActionType, Id_Wine, Quantity, Code, Vintage, PurchasePrice, PurchaseCompagny, ActionDate, Id_File FROM HISTORIC WHERE Id_Bottle=%1").arg(line));
    const QVariantList expected{1, m_wine, 3, QStringLiteral("A12"), 2015, 12.5, QStringLiteral("Cave Durand")};
    for (int c = 0; c < expected.size(); ++c)
        EXPECT_EQ(h.at(0, c).toString(), expected.at(c).toString()) << h.names.at(c).toStdString();
    EXPECT_TRUE(h.at(0, 7).toString().startsWith(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_EQ(h.at(0, 8).toLongLong(), 1);
    EXPECT_EQ(m_form->Lab_Wine->text(), figures::wineHeading(11, bottles + 3));
    EXPECT_EQ(m_form->currentBottle(), line);
}

TEST_F(EnterBottleTest, CancelledEntryLeavesNoLineAndNoMovement)
{
    const qint64 lines = count(QStringLiteral("BOTTLE")), moves = count(QStringLiteral("HISTORIC"));
    onEditor([](TEnterBottle &e) {
        typeText(e.Ed_Quantity, QStringLiteral("3"));
        QTest::mouseClick(e.Btn_Cancel, Qt::LeftButton);
    });
    QTest::mouseClick(m_form->Btn_Add_Bottle, Qt::LeftButton);
    EXPECT_EQ(count(QStringLiteral("BOTTLE")), lines);
    EXPECT_EQ(count(QStringLiteral("HISTORIC")), moves);
}

TEST_F(EnterBottleTest, QuantityRuleForOk)
{
    const struct {
        const char *typed;
        bool ok;
    } cases[] = {{"", false}, {"0", false}, {"abc", false}, {"-2", true}, {"3", true}};
    for (const auto &c : cases) {
        onEditor([&c](TEnterBottle &e) {
            typeText(e.Ed_Quantity, QString::fromLatin1(c.typed));
            EXPECT_EQ(e.Btn_Ok->isEnabled(), c.ok) << c.typed;
            QTest::keyClick(&e, Qt::Key_Escape);
        });
        EXPECT_EQ(m_form->EnterBottles(), -1);
    }
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1 AND Quantity IS NULL").arg(m_wine)), 0);
}

TEST_F(EnterBottleTest, EditingALineWritesItsColumnsAndNoMovement)
{
    const qint64 line = m_form->currentBottle();
    ASSERT_GE(line, 0);
    db().exec(QStringLiteral("UPDATE BOTTLE SET Quantity=3, Vintage=2010, Location='Cave/Casier 1' WHERE Id=%1").arg(line));
    db().exec(QStringLiteral("UPDATE BOTTLE SET Location='Cave/Casier 2' WHERE Id<>%1").arg(line));
    const qint64 moves = count(QStringLiteral("HISTORIC"));
    onEditor([](TEnterBottle &e) {
        EXPECT_EQ(e.Ed_Quantity->text(), QStringLiteral("3"));
        e.Ed_Quantity->selectAll();
        typeText(e.Ed_Quantity, QStringLiteral("5"));
        QTest::mouseClick(e.Btn_Vintage, Qt::LeftButton);
        choose(QString());
        for (QLineEdit *b : {e.Ed_DrinkYearBegin, e.Ed_DrinkYearEnd})
            b->clear();
        typeText(e.Ed_DrinkYearBegin, QStringLiteral("2012"));
        typeText(e.Ed_DrinkYearEnd, QStringLiteral("2008"));
        prompt::setNextAnswer(prompt::Yes);
        QTest::mouseClick(e.Btn_Location_Delete, Qt::LeftButton);
        EXPECT_EQ(prompt::lastText(), QStringLiteral("Désirez-vous supprimer la localisation ?"));
        EXPECT_TRUE(e.Ed_Location->text().isEmpty());
        QTest::mouseClick(e.Btn_Ok, Qt::LeftButton);
    });
    QTest::mouseClick(m_form->Btn_Edit_Bottle, Qt::LeftButton);

    const ResultSet r = db().select(
        QStringLiteral("SELECT Quantity, Vintage, DrinkYearBegin, DrinkYearEnd, Location FROM BOTTLE WHERE Id=%1").arg(line));
    EXPECT_EQ(r.at(0, 0).toLongLong(), 5);
    EXPECT_TRUE(r.at(0, 1).isNull());
    EXPECT_EQ(r.at(0, 2).toLongLong(), 2012);
    EXPECT_EQ(r.at(0, 3).toLongLong(), 2008);
    EXPECT_TRUE(r.at(0, 4).toString().isEmpty());
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Location='Cave/Casier 2'")), count(QStringLiteral("BOTTLE")) - 1);
    EXPECT_EQ(count(QStringLiteral("HISTORIC")), moves);
}

TEST_F(EnterBottleTest, CancelledEditKeepsTheLine)
{
    const qint64 line = m_form->currentBottle();
    const QVariant quantity = scalar(QStringLiteral("SELECT Quantity FROM BOTTLE WHERE Id=%1").arg(line));
    onEditor([](TEnterBottle &e) {
        e.Ed_Quantity->selectAll();
        typeText(e.Ed_Quantity, QStringLiteral("9"));
        QTest::mouseClick(e.Btn_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(m_form->EditBottle(line, false), 2);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Quantity FROM BOTTLE WHERE Id=%1").arg(line)), quantity);
}

TEST(EnterPeriod, OkFollowsTheTwoDates)
{
    const struct {
        const char *from, *to;
        bool ok;
    } cases[] = {{"05/03/2024", "05/03/2024", true},
                 {"06/03/2024", "05/03/2024", false},
                 {"31/12/2023", "01/01/2024", true},
                 {"", "05/03/2024", false},
                 {"05/03/2024", "", false}};
    for (const auto &c : cases) {
        TEnterPeriod period(QString::fromLatin1(c.from), QString::fromLatin1(c.to));
        EXPECT_EQ(period.windowTitle(), QStringLiteral("  Période"));
        EXPECT_EQ(period.Btn_Ok->isEnabled(), c.ok) << c.from << " " << c.to;
    }
}

TEST(EnterPeriod, OkAndCancelResults)
{
    for (const bool ok : {true, false}) {
        TEnterPeriod period(QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024"));
        QTimer::singleShot(0, [&period, ok] { QTest::mouseClick(ok ? period.Btn_Ok : period.Btn_Cancel, Qt::LeftButton); });
        EXPECT_EQ(period.exec(), ok ? 1 : 2);
        EXPECT_EQ(period.from(), QStringLiteral("01/01/2024"));
        EXPECT_EQ(period.to(), QStringLiteral("31/01/2024"));
    }
}
