#include "catalogue/colours.h"
#include "catalogue/entercolor.h"
#include "mainwindow/mainform.h"
#include "platform/prompt.h"
#include "shell/tint.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

class ColoursTest : public CellarTest
{
protected:
    void TearDown() override
    {
        m_window.reset();
        prompt::clear();
        CellarTest::TearDown();
    }
    void addWine(qint64 dossier, const QString &color)
    {
        db().exec(QStringLiteral("INSERT INTO WINE (Id_File, Title, Color) VALUES (?, 'Essai', ?)"), {dossier, color});
    }
    qint64 wines(const QString &color) { return count(QStringLiteral("WINE"), QStringLiteral("Color=") + jetsql::quote(color)); }
    QString title(qint64 id) { return scalar(QStringLiteral("SELECT Title FROM WINE_COLOR WHERE Id=%1").arg(id)).toString(); }

    TEnterColor &open()
    {
        m_window = std::make_unique<TEnterColor>(data());
        m_window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        return *m_window;
    }
    void clickRow(int row)
    {
        QListWidget *list = m_window->List_Color;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // Which of add, modify, delete, ok, cancel, title box and list are enabled.
    QString commands() const
    {
        QString s;
        for (const QWidget *w : std::initializer_list<const QWidget *>{m_window->Btn_Add, m_window->Btn_Modify, m_window->Btn_Delete,
                                                                       m_window->Btn_Ok, m_window->Btn_Cancel, m_window->Ed_Title,
                                                                       m_window->List_Color})
            s += w->isEnabled() ? u'1' : u'0';
        return s;
    }

    std::unique_ptr<TEnterColor> m_window;
};

TEST_F(ColoursTest, RenamingRewritesWinesOfEveryDossier)
{
    for (qint64 dossier : {1, 2, 2})
        addWine(dossier, QStringLiteral("Rouge"));
    addWine(2, QStringLiteral("Blanc"));
    const qint64 rouge = wines(QStringLiteral("Rouge"));
    ASSERT_GE(rouge, 3);

    struct Case {
        QString from, to;
    };
    const Case cases[] = {{QStringLiteral("Rouge"), QStringLiteral("Vin d'Alsace")},
                          {QStringLiteral("Vin d'Alsace"), QStringLiteral("L'ancien rouge")}};
    for (const Case &c : cases) {
        colours::Colour colour = colours::load(data(), 1);
        ASSERT_EQ(colour.title, c.from);
        colour.title = c.to;
        colours::save(data(), colour, c.from);
        EXPECT_EQ(title(1), c.to);
        EXPECT_EQ(wines(c.from), 0) << c.to.toStdString();
        EXPECT_EQ(wines(c.to), rouge) << c.to.toStdString();
        EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id_File=2 AND Color=") + jetsql::quote(c.to)), 2);
    }
    EXPECT_EQ(wines(QStringLiteral("Blanc")), count(QStringLiteral("WINE"), QStringLiteral("Color='Blanc'")));
    EXPECT_GE(wines(QStringLiteral("Blanc")), 1);
}

TEST_F(ColoursTest, SavingUnchangedTitleLeavesWinesAlone)
{
    // Another letter case would be caught by a rename, so it shows whether one ran.
    addWine(2, QStringLiteral("BLANC"));
    const qint64 wine = db().lastInsertId();
    colours::Colour colour = colours::load(data(), 2);
    colour.intensity = -40;
    colour.background = QColor(200, 180, 60);
    colours::save(data(), colour, colour.title);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Color FROM WINE WHERE Id=%1").arg(wine)).toString(), QStringLiteral("BLANC"));
    const colours::Colour back = colours::load(data(), 2);
    EXPECT_EQ(back.intensity, -40);
    EXPECT_EQ(back.background, QColor(200, 180, 60));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Comment FROM WINE_COLOR WHERE Id=2")).toString(), QString());
}

TEST_F(ColoursTest, PreviewFollowsIntensity)
{
    const QColor wine(150, 40, 60);
    const QImage base = colours::preview(wine, 0, 64);
    const QImage shape = glassPicture(64);
    for (int intensity : {150, -150, 40}) {
        const QImage tinted = colours::preview(wine, intensity, 64);
        ASSERT_EQ(tinted.size(), base.size());
        int checked = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int alpha = qAlpha(shape.pixel(x, y));
                const QRgb got = tinted.pixel(x, y), was = base.pixel(x, y);
                if (alpha == 0) {
                    ASSERT_EQ(got & 0xffffff, colours::kSurround & 0xffffff);
                } else if (alpha == 255) {
                    ++checked;
                    const auto expected = [&](int c) { return std::clamp(c + intensity, 0, 255); };
                    ASSERT_EQ(qRed(got), expected(qRed(was))) << intensity << " at " << x << "," << y;
                    ASSERT_EQ(qGreen(got), expected(qGreen(was)));
                    ASSERT_EQ(qBlue(got), expected(qBlue(was)));
                }
            }
        EXPECT_GT(checked, 100);
    }
    // At the extremes the channels saturate.
    const QImage light = colours::preview(QColor(240, 240, 240), 150, 64);
    const QImage dark = colours::preview(QColor(10, 10, 10), -150, 64);
    EXPECT_EQ(light.pixel(32, 28) & 0xffffff, 0xffffffu);
    EXPECT_EQ(dark.pixel(32, 28) & 0xffffff, 0u);
}

TEST_F(ColoursTest, DeletingRefusedForTheFirstThree)
{
    addWine(1, QStringLiteral("Jaune"));
    addWine(2, QStringLiteral("Jaune"));
    addWine(2, QStringLiteral("Rouge"));
    TEnterColor &w = open();
    const qint64 before = count(QStringLiteral("WINE_COLOR"));
    ASSERT_EQ(w.List_Color->count(), before);

    for (int row : {0, 1, 2}) {
        prompt::clear();
        clickRow(row);
        QTest::mouseClick(w.Btn_Delete, Qt::LeftButton);
        EXPECT_EQ(prompt::lastText(), QStringLiteral("Les 3 premieres couleurs ne peuvent pas être modifiés ni supprimés."));
        EXPECT_EQ(count(QStringLiteral("WINE_COLOR")), before);
    }
    EXPECT_EQ(wines(QStringLiteral("Rouge")), count(QStringLiteral("WINE"), QStringLiteral("Color='Rouge'")));

    // The fourth: No keeps it, Yes deletes it and empties its wines everywhere.
    clickRow(3);
    EXPECT_EQ(w.Ed_Title->text(), QStringLiteral("Jaune"));
    const qint64 jaune = wines(QStringLiteral("Jaune"));
    prompt::setNextAnswer(prompt::No);
    QTest::mouseClick(w.Btn_Delete, Qt::LeftButton);
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Désirez-vous supprimer cette couleur ?"));
    EXPECT_EQ(count(QStringLiteral("WINE_COLOR")), before);
    const qint64 emptied = count(QStringLiteral("WINE"), QStringLiteral("Color=''"));
    prompt::setNextAnswer(prompt::Yes);
    QTest::mouseClick(w.Btn_Delete, Qt::LeftButton);
    EXPECT_EQ(count(QStringLiteral("WINE_COLOR")), before - 1);
    EXPECT_EQ(count(QStringLiteral("WINE_COLOR"), QStringLiteral("Id=4")), 0);
    EXPECT_EQ(wines(QStringLiteral("Jaune")), 0);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Color=''")), emptied + jaune);
    EXPECT_EQ(w.List_Color->count(), before - 1);
    EXPECT_EQ(w.List_Color->currentRow(), 0);
    EXPECT_EQ(w.Ed_Title->text(), QStringLiteral("Rouge"));
}

TEST_F(ColoursTest, AddEditSaveAndCancelThroughTheWindow)
{
    TEnterColor &w = open();
    const int rows = w.List_Color->count();
    EXPECT_EQ(w.List_Color->currentRow(), 0);
    EXPECT_EQ(w.Ed_Title->text(), QStringLiteral("Rouge"));
    EXPECT_EQ(commands(), QStringLiteral("1110001"));

    // Added: stored at once, selected, still browsing.
    QTest::mouseClick(w.Btn_Add, Qt::LeftButton);
    ASSERT_EQ(w.List_Color->count(), rows + 1);
    EXPECT_EQ(w.List_Color->currentRow(), rows);
    const qint64 id = w.selectedId();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Max(Id) FROM WINE_COLOR")).toLongLong(), id);
    const colours::Colour added = colours::load(data(), id);
    EXPECT_EQ(added.title, QString());
    EXPECT_EQ(added.background, QColor(255, 0, 255));
    EXPECT_EQ(added.text, QColor(255, 255, 255));
    EXPECT_EQ(added.intensity, 0);
    EXPECT_EQ(w.Ed_Title->text(), QString());
    EXPECT_EQ(commands(), QStringLiteral("1110001"));

    // Edit: a double-click enters editing; typing renames the entry at once.
    QListWidget *list = w.List_Color;
    // A real double-click starts with a press, which the view needs.
    const QPoint at = list->visualItemRect(list->item(rows)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(commands(), QStringLiteral("0001110"));
    typeText(w.Ed_Title, QStringLiteral("Vin d'orange"));
    EXPECT_EQ(list->item(rows)->text(), QStringLiteral("Vin d'orange"));
    prompt::setNextColor(QColor(230, 140, 30));
    QTest::mouseClick(w.Btn_BackGroundColor, Qt::LeftButton);
    EXPECT_EQ(prompt::asked().last().message.text, QStringLiteral("#ff00ff")); // started from the swatch
    prompt::setNextColor(QColor(20, 20, 20));
    QTest::mouseClick(w.Btn_TextColor, Qt::LeftButton);
    const QImage before = w.Img_Preview->pixmap().toImage();
    QTest::keyClick(w.TrackBar_Intensity, Qt::Key_PageUp);
    QTest::keyClick(w.TrackBar_Intensity, Qt::Key_Right);
    EXPECT_EQ(w.TrackBar_Intensity->value(), 11);
    EXPECT_NE(w.Img_Preview->pixmap().toImage(), before);
    QTest::mouseClick(w.Btn_Ok, Qt::LeftButton);
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(commands(), QStringLiteral("1110001"));
    const colours::Colour saved = colours::load(data(), id);
    EXPECT_EQ(saved.title, QStringLiteral("Vin d'orange"));
    EXPECT_EQ(saved.background, QColor(230, 140, 30));
    EXPECT_EQ(saved.text, QColor(20, 20, 20));
    EXPECT_EQ(saved.intensity, 11);

    // Cancel: nothing stored, the entry and the editor show the stored row again.
    clickRow(1);
    EXPECT_EQ(w.Ed_Title->text(), QStringLiteral("Blanc"));
    QTest::mouseClick(w.Btn_Modify, Qt::LeftButton);
    w.Ed_Title->selectAll();
    typeText(w.Ed_Title, QStringLiteral("Gris"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Gris"));
    prompt::setNextColor(QColor(1, 2, 3));
    QTest::mouseClick(w.Btn_BackGroundColor, Qt::LeftButton);
    QTest::keyClick(w.Ed_Title, Qt::Key_Escape); // cancels, the window stays
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(w.Ed_Title->text(), QStringLiteral("Blanc"));
    EXPECT_EQ(title(2), QStringLiteral("Blanc"));
    EXPECT_NE(colours::load(data(), 2).background, QColor(1, 2, 3));

    // The first colours may be edited, just not deleted.
    addWine(1, QStringLiteral("Blanc"));
    QTest::mouseClick(w.Btn_Modify, Qt::LeftButton);
    w.Ed_Title->selectAll();
    typeText(w.Ed_Title, QStringLiteral("Blanc sec"));
    QTest::keyClick(w.Ed_Title, Qt::Key_Return);
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(title(2), QStringLiteral("Blanc sec"));
    EXPECT_EQ(wines(QStringLiteral("Blanc")), 0);
    EXPECT_GE(wines(QStringLiteral("Blanc sec")), 1);

    QTest::mouseClick(w.Btn_Close, Qt::LeftButton);
    EXPECT_EQ(w.result(), TEnterColor::kClosed);
}

TEST_F(ColoursTest, OpenedFromTheMainWindow)
{
    AppSettings settings;
    TMainForm form(data(), settings, folders());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.OpenDossier(1, QStringLiteral("Dossier"));
    auto *command = form.findChild<QAction *>(QStringLiteral("Popup_Param_Color"));
    ASSERT_TRUE(command);
    EXPECT_TRUE(command->isEnabled());

    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<TEnterColor *>(QApplication::activeModalWidget());
        shown = w != nullptr;
        if (w)
            QTest::mouseClick(w->Btn_Close, Qt::LeftButton);
    });
    command->trigger();
    EXPECT_TRUE(shown);
}
