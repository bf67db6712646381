#include "mainwindow/cellarfigures.h"
#include "mainwindow/mainform.h"
#include "mainwindow/sortfiles.h"
#include "platform/prompt.h"
#include "support/files.h"
#include "support/fixtures.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

class MainFormTest : public MainWindowTest
{
protected:
    void clickCard(QListView *view, int row)
    {
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    int wineRowOf(qint64 id) const { return m_form->wineCards.rowOf(id); }
};

TEST_F(MainFormTest, OpensTheFirstDossierWithoutPassword)
{
    show();
    EXPECT_EQ(m_form->currentDossier(), 1);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Korvane Tonnel à vin 1.93 - Ma cave"));
    EXPECT_EQ(m_form->Lab_Title->text(), QStringLiteral(" Korvane Tonnel à vin 1.93 - Ma cave"));
    EXPECT_EQ(m_form->wineCards.cardCount(), 11);
    EXPECT_GT(m_form->wineCards.rowCount(), 11); // filler rows
    EXPECT_EQ(m_form->Lab_Wine->text(), QStringLiteral("  LIVRE DE CAVE (11 alcools différents - 51 bouteilles)"));
    const double purchase = scalar(QStringLiteral("SELECT Sum(Quantity*PurchasePrice) FROM BOTTLE WHERE Id_File=1")).toDouble();
    EXPECT_TRUE(m_form->Lab_Wine_Value->text().startsWith(QStringLiteral("Achat = ") + figures::moneyText(purchase) + QStringLiteral(" €")))
        << m_form->Lab_Wine_Value->text().toStdString();
    const qint64 first = m_form->wineCards.idAt(0);
    EXPECT_EQ(m_form->currentWine(), first);
    EXPECT_EQ(m_form->bottleCards.cardCount(), count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1").arg(first)));
    EXPECT_TRUE(m_form->Lab_Bottle->text().startsWith(QStringLiteral("  DETAIL (")));
    // Wines follow the sort file: by title.
    QStringList titles;
    for (const auto &card : m_form->wineCards.cards())
        titles << card.title;
    EXPECT_EQ(titles.first(), QStringLiteral("Château Haut-Verdelais"));
}

TEST_F(MainFormTest, NoDossierWhenTheFirstHasAPassword)
{
    db().exec(QStringLiteral("UPDATE PROFILES SET LoginPassword='secret' WHERE ID=1"));
    show();
    EXPECT_EQ(m_form->currentDossier(), -1);
    EXPECT_EQ(m_form->wineCards.cardCount(), 0);
    EXPECT_EQ(m_form->bottleCards.rowCount(), 0);
    EXPECT_EQ(m_form->Lab_Wine->text(), QStringLiteral("  LIVRE DE CAVE "));
    EXPECT_EQ(m_form->Lab_Bottle->text(), QStringLiteral("  DETAIL "));
    EXPECT_TRUE(m_form->Lab_Wine_Value->text().isEmpty());
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Korvane Tonnel à vin 1.93"));
}

TEST_F(MainFormTest, CommandsFollowTheState)
{
    show();
    const auto menu = [&](const char *name) { return m_form->findChild<QMenu *>(QLatin1String(name))->menuAction()->isEnabled(); };
    EXPECT_TRUE(menu("Menu_Param"));
    EXPECT_TRUE(menu("Menu_List"));
    EXPECT_TRUE(command("Popup_File_Close")->isEnabled());
    EXPECT_TRUE(command("Popup_List_Wine_Alarm")->isEnabled());
    EXPECT_FALSE(command("Popup_File_Open")->isEnabled());
    EXPECT_TRUE(m_form->Btn_Delete_Wine->isEnabled());
    EXPECT_TRUE(m_form->Btn_Lists->isEnabled());
    EXPECT_FALSE(m_form->Btn_WineAlarm->isHidden()); // the sample has a wine in alarm
    // Windows still to come are shown, disabled, and say so.
    EXPECT_FALSE(command("Popup_Param_Producer")->isEnabled());
    EXPECT_EQ(command("Popup_Param_Producer")->toolTip(), QStringLiteral("Bientôt disponible"));
    EXPECT_FALSE(m_form->Btn_Sort_Wine->isEnabled());
    EXPECT_EQ(m_form->Btn_Sort_Wine->toolTip(), QStringLiteral("Bientôt disponible"));
    EXPECT_TRUE(m_form->Btn_Add_Wine->isEnabled());
    EXPECT_TRUE(m_form->Btn_Edit_Wine->isEnabled());

    command("Popup_File_Close")->trigger();
    EXPECT_EQ(m_form->currentDossier(), -1);
    for (const char *name : {"Menu_Param", "Menu_List", "Menu_Search", "Menu_Report", "Menu_Html"})
        EXPECT_FALSE(menu(name)) << name;
    EXPECT_TRUE(menu("Menu_File"));
    EXPECT_TRUE(menu("Menu_Tools"));
    EXPECT_TRUE(menu("Menu_Help"));
    EXPECT_TRUE(command("Popup_File_Exit")->isEnabled());
    EXPECT_FALSE(command("Popup_File_Close")->isEnabled());
    EXPECT_FALSE(command("Popup_List_Wine_Drink")->isEnabled());
    for (QWidget *w : std::initializer_list<QWidget *>{m_form->Btn_Add_Wine, m_form->Btn_Edit_Wine, m_form->Btn_Delete_Wine,
                                                       m_form->Btn_Lists, m_form->Btn_Stat, m_form->Btn_Search})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(m_form->Btn_WineAlarm->isHidden());
    EXPECT_EQ(m_form->wineCards.cardCount(), 0);
    EXPECT_EQ(m_form->bottleCards.cardCount(), 0);
}

TEST_F(MainFormTest, AnEmptyDossierOffersNoWineCommand)
{
    db().exec(QStringLiteral("INSERT INTO PROFILES (LoginName, LoginPassword) VALUES ('Vide', '')"));
    show();
    m_form->CloseDossier();
    m_form->OpenDossier(db().lastInsertId(), QStringLiteral("Vide"));
    EXPECT_EQ(m_form->wineCards.cardCount(), 0);
    EXPECT_FALSE(m_form->Btn_Delete_Wine->isEnabled());
    EXPECT_FALSE(m_form->Btn_Edit_Bottle->isEnabled());
    EXPECT_TRUE(m_form->Btn_WineAlarm->isHidden());
    EXPECT_EQ(m_form->Lab_Wine->text(), QStringLiteral("  LIVRE DE CAVE "));
}

TEST_F(MainFormTest, ClickingACardShowsItsBottleLines)
{
    show();
    const qint64 wine = scalar(QStringLiteral("SELECT Id_Wine FROM BOTTLE GROUP BY Id_Wine HAVING Count(*) > 1")).toLongLong();
    const int row = wineRowOf(wine);
    ASSERT_GE(row, 0) << prompt::lastText().toStdString();
    clickCard(m_form->Grid_WineList, row);
    EXPECT_EQ(m_form->currentWine(), wine);
    EXPECT_EQ(m_form->bottleCards.cardCount(), count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1").arg(wine)));
    const qint64 bottles = scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_Wine=%1").arg(wine)).toLongLong();
    EXPECT_EQ(m_form->Lab_Bottle->text(), figures::bottleHeading(bottles));
    EXPECT_EQ(m_form->bottleCards.cards().front().id, m_form->currentBottle());

    clickCard(m_form->Grid_BottleList, 1);
    EXPECT_EQ(m_form->currentBottle(), m_form->bottleCards.idAt(1));
    // A filler row selects nothing new.
    clickCard(m_form->Grid_WineList, m_form->wineCards.cardCount());
    EXPECT_EQ(m_form->currentWine(), wine);
    EXPECT_FALSE(m_form->Btn_Delete_Wine->isEnabled());
}

TEST_F(MainFormTest, OneCardIsReadAgainAfterAChange)
{
    show();
    const int row = wineRowOf(4);
    ASSERT_GE(row, 0);
    EXPECT_TRUE(m_form->wineCards.cards()[size_t(row)].alarm);
    const auto before = m_form->wineCards.cards();
    db().exec(QStringLiteral("UPDATE BOTTLE SET Quantity = Quantity + 20 WHERE Id_Wine=4"));
    db().exec(QStringLiteral("UPDATE WINE SET Title='Zzz renommé' WHERE Id=5"));
    clickCard(m_form->Grid_WineList, row);
    m_form->RefreshWineList(4, false, false, false);
    const auto &after = m_form->wineCards.cards();
    EXPECT_EQ(after[size_t(row)].stock, before[size_t(row)].stock + 20 * count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=4")));
    EXPECT_FALSE(after[size_t(row)].alarm);
    // The heading follows without summing the cellar again.
    const qint64 bottles = scalar(QStringLiteral("SELECT Sum(Quantity) FROM BOTTLE WHERE Id_File=1")).toLongLong();
    EXPECT_EQ(m_form->Lab_Wine->text(), figures::wineHeading(11, bottles));
    const double purchase = scalar(QStringLiteral("SELECT Sum(Quantity*PurchasePrice) FROM BOTTLE WHERE Id_File=1")).toDouble();
    EXPECT_TRUE(m_form->Lab_Wine_Value->text().startsWith(QStringLiteral("Achat = ") + figures::moneyText(purchase)));
    EXPECT_EQ(after[size_t(wineRowOf(5))].title, before[size_t(wineRowOf(5))].title); // not re-read
}

TEST_F(MainFormTest, AnUnknownWineSelectsTheFirstCard)
{
    show();
    m_form->RefreshWineList(999999, true, true, true);
    EXPECT_EQ(m_form->Grid_WineList->currentIndex().row(), 0);
    EXPECT_EQ(m_form->currentWine(), m_form->wineCards.idAt(0));
}

TEST_F(MainFormTest, DeletingAWineAsksFirst)
{
    show();
    const qint64 wine = m_form->currentWine();
    prompt::setNextAnswer(prompt::No);
    QTest::mouseClick(m_form->Btn_Delete_Wine, Qt::LeftButton);
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Confirmez-vous la suppression de cet alcool ?"));
    EXPECT_EQ(m_form->wineCards.cardCount(), 11);
    prompt::setNextAnswer(prompt::Yes);
    QTest::mouseClick(m_form->Btn_Delete_Wine, Qt::LeftButton);
    EXPECT_EQ(m_form->wineCards.cardCount(), 10);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id=%1").arg(wine)), 0);
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1").arg(wine)), 0);
    EXPECT_NE(m_form->currentWine(), wine);
}

TEST_F(MainFormTest, SortFilesOrderThePanes)
{
    const QString sortFile = userData() + sortfiles::kWineFile;
    show();
    ASSERT_TRUE(QFile::exists(sortfiles::find(userData(), sortfiles::kWineFile)));
    writeFile(sortFile, " Nom=WINE.Title\r\n*Notation=WINE.Rate DESC\r\n*Code=WINE.Id DESC\r\n");
    m_form->RefreshWineList(-1, false, true, true);
    const auto &cards = m_form->wineCards.cards();
    for (size_t i = 1; i < cards.size(); ++i)
        EXPECT_TRUE(cards[i - 1].rate > cards[i].rate || (cards[i - 1].rate == cards[i].rate && cards[i - 1].id > cards[i].id));
    writeFile(sortFile, " Nom=WINE.Title\r\n");
    m_form->RefreshWineList(-1, false, true, true);
    EXPECT_EQ(m_form->wineCards.idAt(0), 1); // nothing ticked: by id
}

TEST_F(MainFormTest, GridLayoutShowsTheSameRows)
{
    m_settings.oldDesign = true;
    show();
    EXPECT_FALSE(m_form->cardLayout());
    EXPECT_TRUE(m_form->Grid_Wine->isVisible());
    EXPECT_FALSE(m_form->Grid_WineList->isVisible());
    QAbstractItemModel *wines = m_form->Grid_Wine->model();
    ASSERT_EQ(wines->rowCount(), 11);
    EXPECT_EQ(wines->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Stock"));
    EXPECT_EQ(m_form->Lab_Wine->text(), QStringLiteral("  LIVRE DE CAVE (11 alcools différents - 51 bouteilles)"));
    // Choosing a row moves the wine and its bottle lines.
    m_form->Grid_Wine->selectRow(3);
    EXPECT_EQ(m_form->currentWine(), m_form->WineMainList.valueAt(3, QStringLiteral("Id")).toLongLong());
    EXPECT_EQ(m_form->Grid_Bottle->model()->rowCount(),
              count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=%1").arg(m_form->currentWine())));
    // A wine without bottle lines has an empty total.
    db().exec(QStringLiteral("INSERT INTO WINE (Id_File, Title, AlarmStock) VALUES (1, 'AAA sans bouteille', 1)"));
    m_form->RefreshWineList(-1, false, true, true);
    EXPECT_EQ(wines->rowCount(), 12);
    bool found = false;
    for (int r = 0; r < wines->rowCount(); ++r)
        if (wines->index(r, 2).data().toString() == u"AAA sans bouteille") {
            EXPECT_TRUE(wines->index(r, 0).data().toString().isEmpty());
            found = true;
        }
    EXPECT_TRUE(found);
}

TEST_F(MainFormTest, GeometryOutsideTheScreenIsCentred)
{
    m_settings.left = 5000;
    m_settings.top = 10;
    m_settings.width = 600;
    m_settings.height = 400;
    show();
    EXPECT_EQ(m_form->size(), QSize(800, 600).boundedTo(m_form->screen()->availableGeometry().size()));
    m_form->close();
    const AppSettings saved = AppSettings::read(folders().settingsFile(), 1);
    EXPECT_EQ(saved.state, QStringLiteral("wsNormal"));
    EXPECT_GE(saved.left, 0);
}
