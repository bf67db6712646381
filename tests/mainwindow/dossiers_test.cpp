#include "mainwindow/dossiercommands.h"
#include "mainwindow/dossierwindows.h"
#include "mainwindow/mainform.h"
#include "platform/prompt.h"
#include "storage/dossiers.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// --- Password scheme ---------------------------------------------------------

TEST(DossierPasswords, HashedAndLegacyValues)
{
    const QString hashed = dossiers::hashPassword(QStringLiteral("Château7"));
    EXPECT_TRUE(dossiers::isHashed(hashed));
    EXPECT_LE(hashed.size(), 128);
    EXPECT_NE(hashed, dossiers::hashPassword(QStringLiteral("Château7"))); // salted

    struct Case {
        QString stored, typed;
        bool accepted, upgrade;
    };
    const Case cases[] = {
        {hashed, QStringLiteral("Château7"), true, false},
        {hashed, QStringLiteral("château7"), false, false},
        {hashed, QStringLiteral("Château"), false, false},
        {hashed, QString(), false, false},
        {QStringLiteral("Secret"), QStringLiteral("Secret"), true, true},
        {QStringLiteral("Secret"), QStringLiteral("SECRET"), false, true},
        {QStringLiteral("Secret"), QStringLiteral("Secret "), false, true},
        {QString(), QStringLiteral("anything"), true, false},
        // Looks like a hash but is not one: an old plain password.
        {QStringLiteral("$pbkdf2-sha256$x"), QStringLiteral("$pbkdf2-sha256$x"), true, true},
        {hashed.left(hashed.size() - 4) + QStringLiteral("AAA="), QStringLiteral("Château7"), false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(dossiers::checkPassword(c.stored, c.typed), c.accepted) << c.stored.toStdString() << " / " << c.typed.toStdString();
        EXPECT_EQ(dossiers::needsUpgrade(c.stored), c.upgrade) << c.stored.toStdString();
    }
}

TEST(DossierCommandsNames, DeletionBackupFile)
{
    app::Folders folders;
    folders.userData = QStringLiteral("/home/u/Tonnel/");
    EXPECT_EQ(DossierCommands::deletionBackupName(folders, QDateTime(QDate(2026, 3, 5), QTime(9, 7, 44))),
              QStringLiteral("/home/u/Tonnel/Backup/DEL_FILE_BACKUP_05_03_2026_09_07_.bkp"));
}

// --- Through the windows ------------------------------------------------------

class DossierTest : public MainWindowTest
{
protected:
    QString password(qint64 id) { return scalar(QStringLiteral("SELECT LoginPassword FROM PROFILES WHERE ID=%1").arg(id)).toString(); }

    // Opens the dossier at row of the list, answering the password prompt
    // with typed when one comes.
    void openThroughList(int row, const QString &typed = {})
    {
        whenShown<TFileList>([typed, row](TFileList *list) {
            if (!typed.isEmpty())
                whenShown<TEnterPassWord>([typed](TEnterPassWord *ask) {
                    EXPECT_FALSE(ask->Btn_Ok->isEnabled());
                    typeText(ask->Ed_Password, typed);
                    QTest::keyClick(ask->Ed_Password, Qt::Key_Return);
                });
            list->List_Files->setCurrentRow(row);
            QTest::keyClick(list->List_Files, Qt::Key_Return);
        });
        command("Popup_File_Open")->trigger();
    }
};

TEST_F(DossierTest, PasswordAtOpening)
{
    struct Case {
        QString typed;
        bool opens;
    };
    for (const Case &c : {Case{QStringLiteral("Secret"), true}, Case{QStringLiteral("secret"), false}}) {
        db().exec(QStringLiteral("UPDATE PROFILES SET LoginPassword='Secret' WHERE ID=1"));
        prompt::clear();
        show();
        ASSERT_EQ(m_form->currentDossier(), -1);
        openThroughList(0, c.typed);
        if (c.opens) {
            EXPECT_EQ(m_form->currentDossier(), 1);
            EXPECT_TRUE(prompt::asked().isEmpty());
            EXPECT_TRUE(dossiers::isHashed(password(1))); // the plain value is replaced
            EXPECT_TRUE(dossiers::checkPassword(password(1), QStringLiteral("Secret")));
        } else {
            EXPECT_EQ(m_form->currentDossier(), -1);
            EXPECT_EQ(prompt::lastText(), QStringLiteral("Mot de passe incorrect !"));
            EXPECT_EQ(password(1), QStringLiteral("Secret"));
        }
        m_form.reset();
    }
}

TEST_F(DossierTest, HashedPasswordOpensAfterEditing)
{
    show();
    whenShown<TEnterFile>([](TEnterFile *editor) {
        EXPECT_EQ(editor->Ed_Name->text(), QStringLiteral("Ma cave"));
        EXPECT_TRUE(editor->Ed_Password->text().isEmpty());
        typeText(editor->Ed_Password, QStringLiteral("Clé"));
        QTest::mouseClick(editor->Btn_Ok, Qt::LeftButton);
    });
    command("Popup_File_Edit")->trigger();
    EXPECT_TRUE(dossiers::checkPassword(password(1), QStringLiteral("Clé")));

    command("Popup_File_Close")->trigger();
    openThroughList(0, QStringLiteral("Clé"));
    EXPECT_EQ(m_form->currentDossier(), 1);

    // Editing again without typing keeps the password; the box removes it.
    whenShown<TEnterFile>([](TEnterFile *editor) { QTest::mouseClick(editor->Btn_Ok, Qt::LeftButton); });
    command("Popup_File_Edit")->trigger();
    EXPECT_TRUE(dossiers::checkPassword(password(1), QStringLiteral("Clé")));
    whenShown<TEnterFile>([](TEnterFile *editor) {
        QTest::mouseClick(editor->Chk_NoPassword, Qt::LeftButton);
        QTest::mouseClick(editor->Btn_Ok, Qt::LeftButton);
    });
    command("Popup_File_Edit")->trigger();
    EXPECT_EQ(password(1), QString());
}

TEST_F(DossierTest, CreatedDossierOpensAtOnce)
{
    show();
    command("Popup_File_Close")->trigger();
    const qint64 before = count(QStringLiteral("PROFILES"));

    whenShown<TEnterFile>([](TEnterFile *editor) {
        EXPECT_FALSE(editor->Btn_Ok->isEnabled());
        typeText(editor->Ed_Name, QStringLiteral("Cave d'été"));
        QTest::mouseClick(editor->Btn_Cancel, Qt::LeftButton);
    });
    command("Popup_File_Add")->trigger();
    EXPECT_EQ(count(QStringLiteral("PROFILES")), before);
    EXPECT_EQ(m_form->currentDossier(), -1);

    whenShown<TEnterFile>([](TEnterFile *editor) {
        typeText(editor->Ed_Name, QStringLiteral("Cave d'été"));
        typeText(editor->Ed_Password, QStringLiteral("pw"));
        typeText(editor->Ed_Owner, QStringLiteral("Léa"));
        QTest::mouseClick(editor->Btn_Ok, Qt::LeftButton);
    });
    command("Popup_File_Add")->trigger();
    const qint64 id = scalar(QStringLiteral("SELECT Max(ID) FROM PROFILES")).toLongLong();
    EXPECT_EQ(count(QStringLiteral("PROFILES")), before + 1);
    EXPECT_EQ(m_form->currentDossier(), id);
    EXPECT_TRUE(m_form->windowTitle().endsWith(QStringLiteral(" - Cave d'été")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT FullName FROM PROFILES WHERE ID=%1").arg(id)).toString(), QStringLiteral("Léa"));
    EXPECT_TRUE(dossiers::isHashed(password(id)));
    EXPECT_FALSE(command("Popup_File_Add")->isEnabled());
}

TEST_F(DossierTest, NoDossierOnlyCreate)
{
    db().exec(QStringLiteral("DELETE FROM PROFILES"));
    show();
    EXPECT_FALSE(command("Popup_File_Open")->isEnabled());
    EXPECT_TRUE(command("Popup_File_Add")->isEnabled());
}

TEST_F(DossierTest, SameNamesListedAndChosenIdReturned)
{
    db().exec(QStringLiteral("INSERT INTO PROFILES (LoginName, LoginPassword) VALUES ('Ma cave', '')"));
    const qint64 second = scalar(QStringLiteral("SELECT Max(ID) FROM PROFILES")).toLongLong();
    show();
    command("Popup_File_Close")->trigger();
    whenShown<TFileList>([](TFileList *list) {
        ASSERT_EQ(list->List_Files->count(), 2);
        EXPECT_EQ(list->List_Files->item(0)->text(), QStringLiteral("Ma cave"));
        EXPECT_EQ(list->List_Files->item(1)->text(), QStringLiteral("Ma cave"));
        EXPECT_EQ(list->List_Files->currentRow(), 0);
        EXPECT_TRUE(list->Btn_Ok->isEnabled());
        list->List_Files->setCurrentRow(1);
        QTest::mouseClick(list->Btn_Ok, Qt::LeftButton);
    });
    command("Popup_File_Open")->trigger();
    EXPECT_EQ(m_form->currentDossier(), second);
}

TEST_F(DossierTest, FailedBackupDeletesNothing)
{
    // A file where the backup folder should be: no archive can be written.
    QFile blocker(userData() + QStringLiteral("Backup"));
    QDir(userData() + QStringLiteral("Backup")).removeRecursively();
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    show();
    const qint64 wines = count(QStringLiteral("WINE"), QStringLiteral("Id_File=1"));
    prompt::setNextAnswer(prompt::Yes);
    command("Popup_File_Delete")->trigger();
    EXPECT_EQ(prompt::asked().first().message.text, QStringLiteral("Confirmez-vous la suppression de ce dossier ?"));
    EXPECT_TRUE(prompt::lastText().contains(QStringLiteral("n'a pas été supprimé")));
    EXPECT_EQ(count(QStringLiteral("PROFILES"), QStringLiteral("ID=1")), 1);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id_File=1")), wines);
    EXPECT_TRUE(QFileInfo(userData() + QStringLiteral("Backup")).isFile());
    EXPECT_EQ(m_form->currentDossier(), 1);
    EXPECT_TRUE(m_form->isEnabled());
}

TEST_F(DossierTest, DeletionAfterBackup)
{
    show();
    prompt::setNextAnswer(prompt::Yes);
    command("Popup_File_Delete")->trigger();
    EXPECT_EQ(count(QStringLiteral("PROFILES"), QStringLiteral("ID=1")), 0);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id_File=1")), 0);
    EXPECT_EQ(count(QStringLiteral("BACKUP"), QStringLiteral("Description='Sauvagarde automatique (suppression d''un dossier)'")), 1);
    EXPECT_EQ(QDir(userData() + QStringLiteral("Backup")).entryList({QStringLiteral("DEL_FILE_BACKUP_*_.bkp")}, QDir::Files).size(), 1);
    EXPECT_EQ(m_form->currentDossier(), -1);
    EXPECT_TRUE(m_form->isEnabled());
    EXPECT_FALSE(command("Popup_File_Open")->isEnabled()); // no dossier left
}
