#include "catalogue/characteristics.h"
#include "catalogue/treemisc.h"
#include "catalogue/valuelists.h"
#include "mainwindow/mainform.h"
#include "platform/prompt.h"
#include "shell/strlist.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Acts on the modal window of class T as soon as it is up.
template <class T>
void whenShown(std::function<void(T *)> action, int tries = 2000)
{
    QTimer::singleShot(0, [action, tries] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget()))
            action(w);
        else if (tries > 0)
            whenShown<T>(action, tries - 1);
    });
}

// Answers the node editor with title.
void answerNode(const QString &title)
{
    whenShown<TEnterTreeMiscNode>([title](TEnterTreeMiscNode *e) {
        e->Ed_Title->selectAll();
        QTest::keyClick(e->Ed_Title, Qt::Key_Delete);
        EXPECT_FALSE(e->Btn_Ok->isEnabled());
        typeText(e->Ed_Title, title);
        QTest::mouseClick(e->Btn_Ok, Qt::LeftButton);
    });
}

} // namespace

class Characteristics : public CellarTest
{
protected:
    void SetUp() override
    {
        CellarTest::SetUp();
        prompt::clear();
    }
    void TearDown() override
    {
        m_tree.reset();
        CellarTest::TearDown();
    }
    TTreeMisc &openTree()
    {
        m_tree = std::make_unique<TTreeMisc>(data());
        m_tree->show();
        return *m_tree;
    }
    QTreeWidgetItem *find(const QString &title)
    {
        const auto found = m_tree->Tree_Misc->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void click(QTreeWidgetItem *item)
    {
        QTreeWidget *t = m_tree->Tree_Misc;
        t->scrollToItem(item);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(item).center());
    }
    void closeTree()
    {
        QTest::mouseClick(m_tree->Btn_Close, Qt::LeftButton);
        m_tree.reset();
    }
    QStringList titlesByPos()
    {
        QStringList out;
        const ResultSet rs = db().select(QStringLiteral("SELECT NodeTitle FROM TREE_MISC ORDER BY NodePos"));
        for (int r = 0; r < rs.rowCount(); ++r)
            out << rs.at(r, 0).toString();
        return out;
    }
    std::unique_ptr<TTreeMisc> m_tree;
};

TEST_F(Characteristics, TreeItemsOfABranch)
{
    db().exec(QStringLiteral("DELETE FROM TREE_MISC"));
    db().exec(QStringLiteral("INSERT INTO TREE_MISC (NodeTitle, NodeLevel, NodePos) VALUES "
                             "('Format',0,0),('75 cl',1,1),('150 cl',1,2),('37,5 cl',1,3),"
                             "('Cépage',0,4),('Merlot',1,5),('Format',1,6),('Syrah',1,7),('Classement',0,8)"));
    struct Case {
        QString branch, expected;
    };
    const Case cases[] = {
        {QStringLiteral("Format"), QStringLiteral("\r\n75 cl\r\n150 cl\r\n37,5 cl\r\nFormat\r\nSyrah\r\n")},
        {QStringLiteral("Inconnu"), QStringLiteral("\r\n")},
        {QStringLiteral("Classement"), QStringLiteral("\r\n")},
        {QStringLiteral("format"), QStringLiteral("\r\n")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(characteristics::GetTreeItemsString(db(), c.branch), c.expected) << c.branch.toStdString();

    QLineEdit box;
    box.resize(200, 24);
    box.show();
    TStrList *list = PickTreeValue(db(), &box, QStringLiteral("Cépage"));
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    EXPECT_EQ(shown, (QStringList{QString(), QStringLiteral("Format"), QStringLiteral("Merlot"), QStringLiteral("Syrah")}));
    EXPECT_EQ(list->height(), 8 * list->sizeHintForRow(0) + 3); // never shrunk
    EXPECT_EQ(list->geometry().top(), box.mapToGlobal(QPoint(0, 0)).y() + 15);
    list->close();
}

TEST_F(Characteristics, ValueWithApostropheRenamedThenDeleted)
{
    const QString old = QStringLiteral("Vin d'Alsace");
    const QString renamed = QStringLiteral("Vin d'Alsace « grand »");
    db().exec(QStringLiteral("INSERT INTO TREE_MISC (NodeTitle, NodeLevel, NodePos) VALUES (?, 1, 1)"), {old});
    db().exec(QStringLiteral("UPDATE TREE_MISC SET NodePos=NodePos+1 WHERE NodePos>=1 AND NodeTitle<>?"), {old});
    db().exec(QStringLiteral("UPDATE WINE SET Category=? WHERE Id IN (1, 2)"), {old});
    db().exec(QStringLiteral("UPDATE WINE SET Classification=? WHERE Id=3"), {old}); // another branch's column
    db().exec(QStringLiteral("UPDATE BOTTLE SET Format=? WHERE Id=1"), {QStringLiteral("Cuve d'or")});
    db().exec(QStringLiteral("INSERT INTO TREE_MISC (NodeTitle, NodeLevel, NodePos) VALUES ('Cuve d''or', 1, 99)"));
    db().exec(QStringLiteral("UPDATE TREE_MISC SET NodePos=NodePos+1 WHERE NodePos>=99 AND NodeTitle<>'Cuve d''or'"));

    TTreeMisc &tree = openTree();
    click(find(old));
    EXPECT_EQ(tree.currentBranch(), QStringLiteral("Catégorie"));
    answerNode(renamed);
    QTest::mouseClick(tree.Btn_Modify, Qt::LeftButton);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Category='Vin d''Alsace « grand »'")), 2);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Classification='Vin d''Alsace'")), 1);

    click(find(QStringLiteral("Cuve d'or")));
    answerNode(QStringLiteral("Cuve d'argent"));
    QTest::mouseClick(tree.Btn_Modify, Qt::LeftButton);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Format FROM BOTTLE WHERE Id=1")).toString(), QStringLiteral("Cuve d'argent"));

    click(find(renamed));
    prompt::setNextAnswer(prompt::Yes);
    QTest::mouseClick(tree.Btn_Delete, Qt::LeftButton);
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Désirez-vous supprimer cette branche ?"));
    EXPECT_EQ(find(renamed), nullptr);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id IN (1, 2) AND Category=''")), 2);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Classification='Vin d''Alsace'")), 1);
    closeTree();
    EXPECT_EQ(count(QStringLiteral("TREE_MISC"), QStringLiteral("NodeTitle LIKE 'Vin d''Alsace%'")), 0);
    EXPECT_EQ(count(QStringLiteral("TREE_MISC"), QStringLiteral("NodeTitle='Cuve d''argent'")), 1);
}

TEST_F(Characteristics, DeletingAFoodPairingLeavesWinesAlone)
{
    const QString before = scalar(QStringLiteral("SELECT Food FROM WINE WHERE Id=1")).toString();
    TTreeMisc &tree = openTree();
    click(find(QStringLiteral("Agneau")));
    prompt::setNextAnswer(prompt::No);
    QTest::mouseClick(tree.Btn_Delete, Qt::LeftButton);
    EXPECT_NE(find(QStringLiteral("Agneau")), nullptr);
    prompt::setNextAnswer(prompt::Yes);
    QTest::mouseClick(tree.Btn_Delete, Qt::LeftButton);
    EXPECT_EQ(find(QStringLiteral("Agneau")), nullptr);
    closeTree();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Food FROM WINE WHERE Id=1")).toString(), before);
}

TEST_F(Characteristics, CommandStatesFollowTheSelection)
{
    TTreeMisc &tree = openTree();
    const auto states = [&] {
        return std::vector<bool>{tree.Btn_Add->isEnabled(), tree.Btn_Modify->isEnabled(), tree.Btn_Delete->isEnabled(),
                                 tree.Popup_Add->isEnabled(), tree.Popup_Modify->isEnabled(), tree.Popup_Delete->isEnabled()};
    };
    EXPECT_EQ(tree.Tree_Misc->selectedItems().size(), 0);
    EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false, false, false}));
    click(find(QStringLiteral("Cépage")));
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, true, false, false}));
    tree.Tree_Misc->expandAll();
    click(find(QStringLiteral("Merlot")));
    EXPECT_EQ(states(), (std::vector<bool>{false, true, true, false, true, true}));
}

TEST_F(Characteristics, ReorderedTreeIsWrittenBack)
{
    TTreeMisc &tree = openTree();
    tree.Tree_Misc->expandAll();
    QTreeWidgetItem *gamay = find(QStringLiteral("Gamay"));
    QTreeWidgetItem *merlot = find(QStringLiteral("Merlot"));
    QTreeWidgetItem *champagne = find(QStringLiteral("Champagne"));
    click(gamay);
    // Press on the value, then drag it: enter, move and drop on the target.
    const auto drop = [&](QTreeWidgetItem *target) {
        QTreeWidget *view = tree.Tree_Misc;
        view->scrollToItem(target);
        const QPointF at(view->visualItemRect(target).center());
        std::unique_ptr<QMimeData> mime(view->model()->mimeData({view->currentIndex()}));
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(at.toPoint(), Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
        const bool accepted = move.isAccepted();
        QDropEvent event(at, Qt::MoveAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &event);
        return accepted;
    };
    EXPECT_FALSE(drop(champagne)); // another branch: refused
    EXPECT_FALSE(drop(find(QStringLiteral("Cépage"))));
    EXPECT_EQ(gamay->parent()->text(0), QStringLiteral("Cépage"));
    EXPECT_TRUE(drop(merlot));
    EXPECT_EQ(gamay->parent()->indexOfChild(gamay) + 1, gamay->parent()->indexOfChild(merlot));

    answerNode(QStringLiteral("Picpoul"));
    click(find(QStringLiteral("Cépage")));
    QTest::mouseClick(tree.Btn_Add, Qt::LeftButton);
    const qint64 rows = count(QStringLiteral("TREE_MISC"));
    closeTree();

    const QStringList titles = titlesByPos();
    EXPECT_EQ(titles.indexOf(QStringLiteral("Gamay")) + 1, titles.indexOf(QStringLiteral("Merlot")));
    EXPECT_EQ(titles.indexOf(QStringLiteral("Picpoul")) + 1, titles.indexOf(QStringLiteral("Classement")));
    EXPECT_EQ(count(QStringLiteral("TREE_MISC")), rows + 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT MAX(NodePos) FROM TREE_MISC")).toLongLong(), rows);
    EXPECT_EQ(count(QStringLiteral("TREE_MISC"), QStringLiteral("NodeTitle='Picpoul' AND NodeLevel=1")), 1);
}

TEST_F(Characteristics, ColourBranchIsKeptOutOfTheView)
{
    db().exec(QStringLiteral("UPDATE TREE_MISC SET NodePos=NodePos+3 WHERE NodePos>=22"));
    db().exec(QStringLiteral("INSERT INTO TREE_MISC (NodeTitle, NodeLevel, NodePos) VALUES "
                             "('Couleur',0,22),('Rouge',1,23),('Blanc',1,24)"));
    TTreeMisc &tree = openTree();
    EXPECT_EQ(find(QStringLiteral("Couleur")), nullptr);
    EXPECT_EQ(find(QStringLiteral("Rouge")), nullptr);
    EXPECT_EQ(tree.Tree_Misc->topLevelItemCount(), 5);
    closeTree();

    const QStringList titles = titlesByPos();
    const auto couleur = titles.indexOf(QStringLiteral("Couleur"));
    ASSERT_GE(couleur, 0);
    EXPECT_EQ(titles.mid(couleur), (QStringList{QStringLiteral("Couleur"), QStringLiteral("Rouge"), QStringLiteral("Blanc")}));
    EXPECT_EQ(titles.indexOf(QStringLiteral("Liqueur")) + 1, titles.indexOf(QStringLiteral("Cépage")));
}

TEST_F(Characteristics, ValueListEditorSortsAndDropsRepeats)
{
    db().exec(QStringLiteral("UPDATE COMBOITEMS SET Event=?"), {QStringLiteral("b\r\nA\r\na\r\nc")});
    whenShown<TComboList>([](TComboList *w) {
        EXPECT_EQ(w->Memo_List->toPlainText(), QStringLiteral("A\nb\nc"));
        EXPECT_EQ(w->Lab_Title->text(), QStringLiteral(" Événements"));
        QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
    });
    EXPECT_TRUE(EditValueList(QStringLiteral("Événements"), QStringLiteral("Event"), data().ComboItems));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Event FROM COMBOITEMS")).toString(), QStringLiteral("A\r\nb\r\nc"));

    db().exec(QStringLiteral("DELETE FROM COMBOITEMS"));
    whenShown<TComboList>([](TComboList *w) {
        typeText(w->Memo_List, QStringLiteral("Brésil"));
        QTest::mouseClick(w->Btn_Ok, Qt::LeftButton);
    });
    EXPECT_TRUE(EditValueList(QStringLiteral("Pays"), QStringLiteral("Country"), data().ComboItems));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Country FROM COMBOITEMS")).toString(), QStringLiteral("Brésil"));
}

TEST_F(Characteristics, FoodListChoosesByDoubleClick)
{
    TFoodList empty({});
    EXPECT_FALSE(empty.Btn_Ok->isEnabled());
    TFoodList food({QStringLiteral("Huîtres"), QStringLiteral("Agneau")});
    food.show();
    EXPECT_EQ(food.chosen(), QStringLiteral("Huîtres"));
    QListWidget *list = food.List_Food;
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(food.result(), QDialog::Accepted);
    EXPECT_EQ(food.chosen(), QStringLiteral("Agneau"));
}

TEST_F(Characteristics, MainWindowCommandOpensTheOrganiser)
{
    AppSettings settings;
    TMainForm form(data(), settings, folders());
    form.show();
    QAction *command = form.findChild<QAction *>(QStringLiteral("Popup_Param_Misc"));
    ASSERT_TRUE(command->isEnabled());
    whenShown<TTreeMisc>([](TTreeMisc *tree) {
        const auto found = tree->Tree_Misc->findItems(QStringLiteral("Vin tranquille"), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        tree->Tree_Misc->scrollToItem(found.first());
        QTest::mouseClick(tree->Tree_Misc->viewport(), Qt::LeftButton, {},
                          tree->Tree_Misc->visualItemRect(found.first()).center());
        answerNode(QStringLiteral("Vin calme"));
        QTest::mouseClick(tree->Btn_Modify, Qt::LeftButton);
        QTest::mouseClick(tree->Btn_Close, Qt::LeftButton);
    });
    command->trigger();
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Category='Vin tranquille'")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Category FROM WINE WHERE Id=1")).toString(), QStringLiteral("Vin calme"));
}
