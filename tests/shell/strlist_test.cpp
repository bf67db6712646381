#include "platform/dataset.h"
#include "shell/pickdialogs.h"
#include "shell/picklogic.h"
#include "shell/strlist.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

TEST(PickListRules, HeightAndPlacement)
{
    const QRect screen(0, 0, 800, 600);
    struct Case {
        const char *what;
        QRect box;
        int entries;
        bool shrinkable;
        int offset;
        QRect expected;
    };
    // Row height 16: eight rows plus 3 pixels is 131.
    const Case cases[] = {
        {"just under the box", {10, 100, 200, 24}, 20, true, 24, {10, 124, 200, 131}},
        {"shrunk to three rows", {10, 100, 200, 24}, 3, true, 24, {10, 124, 200, 51}},
        {"not shrinkable: eight rows", {10, 100, 200, 24}, 3, false, 24, {10, 124, 200, 131}},
        {"empty: one row", {10, 100, 200, 24}, 0, false, 24, {10, 124, 200, 19}},
        {"seven rows shrink, eight do not", {10, 100, 200, 24}, 8, true, 24, {10, 124, 200, 131}},
        {"15 pixels below the top edge", {10, 100, 200, 24}, 9, false, 15, {10, 115, 200, 131}},
        {"above the box near the bottom", {10, 500, 200, 24}, 20, false, 24, {10, 500 + 24 - 24 - 131 - 1, 200, 131}},
    };
    for (const Case &c : cases) {
        picklist::Placement p;
        p.box = c.box;
        p.screen = screen;
        p.offset = c.offset;
        p.rowHeight = 16;
        p.entries = c.entries;
        p.shrinkable = c.shrinkable;
        EXPECT_EQ(picklist::geometry(p), c.expected) << c.what;
    }
}

TEST(PickListRules, NumberList)
{
    EXPECT_EQ(NumberList(1990, 1992), QStringLiteral("1990\r1991\r1992\r"));
    EXPECT_EQ(NumberList(5, 4), QString());
    EXPECT_EQ(NumberList(-1, -1), QStringLiteral("-1\r"));
}

class PickList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window.resize(400, 300);
        m_box = new QLineEdit(&m_window);
        m_box->setGeometry(20, 20, 220, 24);
        m_other = new QLineEdit(&m_window);
        m_other->setGeometry(20, 80, 220, 24);
        m_window.show();
        m_window.activateWindow();
        picklist::setShrink(true);
    }
    void TearDown() override
    {
        if (TStrList::current())
            TStrList::current()->close();
        picklist::setShrink(true);
    }
    static int rows(TStrList *list) { return (list->height() - 3) / list->sizeHintForRow(0); }
    QWidget m_window;
    QLineEdit *m_box = nullptr;
    QLineEdit *m_other = nullptr;
};

TEST_F(PickList, ShrinkFlag)
{
    const QString three = QStringLiteral("Rouge\nBlanc\nRosé\n");
    EXPECT_EQ(rows(PickValue(m_box, false, three)), 3);
    picklist::setShrink(false);
    TStrList *list = PickValue(m_box, false, three);
    EXPECT_EQ(rows(list), 8);
    EXPECT_EQ(list->width(), m_box->width());
    EXPECT_EQ(list->geometry().top(), m_box->mapToGlobal(QPoint(0, m_box->height())).y());
}

TEST_F(PickList, KeyboardChoiceAndEscape)
{
    m_box->setText(QStringLiteral("Blanc"));
    m_box->setProperty("tag", -1);
    TStrList *list = PickValue(m_box, true, QStringLiteral("Rouge\nBlanc\nRosé\nAmbré"));
    // Sorted as shown: Ambré, Blanc, Rosé, Rouge; the box's text selected.
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_EQ(TStrList::current(), nullptr);
    EXPECT_EQ(m_box->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(m_box->property("tag").toInt(), -1);

    list = PickValue(m_box, true, QStringLiteral("Rouge\nBlanc\nRosé\nAmbré"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(m_box->text(), QStringLiteral("Rosé"));
    EXPECT_EQ(m_box->property("tag").toInt(), 2);
    EXPECT_TRUE(m_box->hasSelectedText());

    list = PickValue(m_box, false, QStringLiteral("Rouge\nBlanc\nRosé\nAmbré"));
    typeText(list, QStringLiteral("bl"));
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_EQ(m_box->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(m_box->property("tag").toInt(), 1);
}

TEST_F(PickList, SingleEntryAndLostFocus)
{
    m_box->setText(QStringLiteral("x"));
    TStrList *list = PickValue(m_box, false, QStringLiteral("Seul"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(m_box->text(), QStringLiteral("x"));

    list = PickValue(m_box, false, QStringLiteral("Seul"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(m_box->text(), QStringLiteral("Seul"));
    EXPECT_EQ(m_box->property("tag").toInt(), 0);

    list = PickValue(m_box, false, QStringLiteral("Un\nDeux"));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(list, &out);
    EXPECT_EQ(TStrList::current(), nullptr);
    EXPECT_EQ(m_box->text(), QStringLiteral("Seul"));
}

TEST_F(PickList, EnterStrNeedsText)
{
    QTimer::singleShot(0, [] {
        auto *d = qobject_cast<TEnterStr *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->Btn_Ok->isEnabled());
        d->Ed_Str->clear();
        EXPECT_FALSE(d->Btn_Ok->isEnabled());
        typeText(d->Ed_Str, QStringLiteral("Millésime à part"));
        QTest::keyClick(d->Ed_Str, Qt::Key_Return);
    });
    QString value = QStringLiteral("Ancien");
    EXPECT_TRUE(EnterString(&m_window, QStringLiteral("Libellé"), value));
    EXPECT_EQ(value, QStringLiteral("Millésime à part"));
}

class Calendar : public CellarTest
{
};

TEST_F(Calendar, StepsAndClearsToNull)
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    box->setGeometry(10, 10, 120, 24);
    window.show();

    box->setText(QStringLiteral("pas une date"));
    TSelectDate *cal = PickDate(box);
    EXPECT_EQ(cal->date(), QDate::currentDate());
    QTest::keyClick(cal, Qt::Key_Escape);
    EXPECT_EQ(TSelectDate::current(), nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("pas une date"));

    box->setText(QStringLiteral("31/01/2024"));
    cal = PickDate(box);
    EXPECT_EQ(cal->Lab_Month->text(), QStringLiteral("JANVIER"));
    QTest::mouseClick(cal->Btn_NextMonth, Qt::LeftButton);
    EXPECT_EQ(cal->date(), QDate(2024, 2, 29));
    QTest::mouseClick(cal->Btn_NextYear, Qt::LeftButton);
    EXPECT_EQ(cal->date(), QDate(2025, 2, 28));
    QTest::mouseClick(cal->Btn_Ok, Qt::LeftButton);
    EXPECT_EQ(box->text(), QStringLiteral("28/02/2025"));

    Dataset &bottle = data().Bottle;
    data().filterOnDossier(1);
    bottle.open();
    ASSERT_TRUE(bottle.locate(QStringLiteral("Id"), 1));
    box->setText(bottle.date(QStringLiteral("PurchaseDate")).toString(QStringLiteral("dd/MM/yyyy")));
    cal = PickDate(box, &bottle, QStringLiteral("PurchaseDate"));
    EXPECT_EQ(bottle.state(), Dataset::State::Edit);
    EXPECT_EQ(cal->Btn_Clear->toolTip(), QStringLiteral("Effacer la date"));
    QTest::mouseClick(cal->Btn_Clear, Qt::LeftButton);
    EXPECT_EQ(box->text(), QString());
    bottle.post();
    EXPECT_TRUE(scalar(QStringLiteral("SELECT PurchaseDate FROM BOTTLE WHERE Id=1")).isNull());
}

TEST_F(Calendar, PickValueFromAValueList)
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    box->setGeometry(10, 10, 160, 24);
    window.show();
    data().filterOnDossier(1);
    Dataset &wine = data().Wine;
    wine.open();
    TStrList *list = PickValue(box, false, data().ComboItems, QStringLiteral("Country"), &wine);
    EXPECT_TRUE(wine.isEditing());
    ASSERT_GE(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QString());
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("France"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("France"));
    EXPECT_EQ(box->property("tag").toInt(), 1);
    wine.cancel();
}
