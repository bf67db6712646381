#include "app/appsettings.h"
#include "app/bootstrap.h"
#include "app/progress.h"
#include "app/mdacmsg.h"
#include "app/startup.h"
#include "mainwindow/mainform.h"
#include "platform/ini.h"
#include "platform/prompt.h"
#include "platform/singleinstance.h"
#include "storage/datamodule.h"
#include "support/files.h"
#include "support/fixtures.h"
#include "support/typing.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>

namespace {

// Remembers what the first-start copy showed.
struct RecordingProgress : NoProgress {
    void open() override { opened = true; }
    void setTask(const QString &t) override { task = t; }
    bool opened = false;
    QString task;
};


QString askedTexts()
{
    QStringList texts;
    for (const auto &a : prompt::asked())
        texts << a.message.text;
    return texts.join(QStringLiteral(" | "));
}

} // namespace

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { prompt::clear(); }
    void TearDown() override { prompt::clear(); }
    QTemporaryDir m_lock;
};

TEST_F(StartupTest, FirstStartLaysOutTheUserFoldersThenASecondStartCopiesNothing)
{
    const QString base = QDir::homePath() + QStringLiteral("/Documents/Plexido Software Development/");
    const QString user = base + QStringLiteral("Korvane Tonnel a vin/");
    QDir(base).removeRecursively();
    {
        Startup startup({programFolder(), {}, m_lock.path()});
        ASSERT_TRUE(startup.start()) << askedTexts().toStdString();
        EXPECT_TRUE(prompt::asked().isEmpty()) << askedTexts().toStdString();
        EXPECT_EQ(startup.folders().userData, user);
        for (const char *sub : {"Export", "Html", "Backup", "Data", "Data/Access", "Data/Images", "Data/Files"})
            EXPECT_TRUE(QDir(user + QLatin1String(sub)).exists()) << sub;
        for (const char *file : {"db.ini", "SortList.def", "Data/Access/TONNEL.MDB"})
            EXPECT_TRUE(QFile::exists(user + QLatin1String(file))) << file;
        EXPECT_FALSE(QFile::exists(user + QStringLiteral("write.tmp")));
        QFile makerWarning(base + QStringLiteral("Avertissement.txt"));
        ASSERT_TRUE(makerWarning.open(QIODevice::ReadOnly));
        EXPECT_TRUE(makerWarning.readAll().startsWith("ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \n\nCe répertoire contient les données des logiciels"));
        QFile programWarning(user + QStringLiteral("Avertissement.txt"));
        ASSERT_TRUE(programWarning.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(programWarning.readAll()).contains(QStringLiteral("du logiciels Korvane Tonnel à vin édités par")));

        TMainForm *main = startup.mainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Korvane Tonnel à vin 1.93 - Ma cave"));
        EXPECT_FALSE(QFile::exists(startup.folders().settingsFile()));
        startup.data()->ADOConnection1.exec(QStringLiteral("INSERT INTO PROFILES (LoginName) VALUES ('Témoin')"));
        main->resize(700, 500);
        main->close();

        // The settings file did not exist: it is written with every key.
        const IniFile ini(startup.folders().settingsFile());
        EXPECT_EQ(ini.value(QStringLiteral("Properties"), QStringLiteral("FirstLaunch")), QStringLiteral("0"));
        EXPECT_EQ(ini.value(QStringLiteral("Properties"), QStringLiteral("Splash")), QStringLiteral("1"));
        EXPECT_EQ(ini.value(QStringLiteral("Scan"), QStringLiteral("MaxWidth")), QStringLiteral("5000"));
        EXPECT_EQ(ini.value(QStringLiteral("SMTP"), QStringLiteral("Port")), QStringLiteral("25"));
        EXPECT_EQ(ini.value(QStringLiteral("Design"), QStringLiteral("old")), QStringLiteral("0"));
        EXPECT_EQ(ini.value(QStringLiteral("Windows"), QStringLiteral("Width")), QStringLiteral("700"));
        EXPECT_EQ(ini.value(QStringLiteral("Windows"), QStringLiteral("State")), QStringLiteral("wsNormal"));
        
    }
    {
        Startup again({programFolder(), {}, m_lock.path()});
        ASSERT_TRUE(again.start());
        EXPECT_EQ(again.data()->scalarQuery(QStringLiteral("SELECT Count(*) FROM PROFILES WHERE LoginName='Témoin'")), 1);
        EXPECT_EQ(again.mainWindow()->width(), 700);
        again.mainWindow()->close();
    }
    QDir(base).removeRecursively();
}

TEST_F(StartupTest, ASecondCopyIsTurnedAway)
{
    SingleInstance first(QStringLiteral("KORVANE_TONNEL"), m_lock.path());
    ASSERT_TRUE(first.tryAcquire());
    QTemporaryDir user;
    Startup second({programFolder(), user.path(), m_lock.path()});
    EXPECT_FALSE(second.start());
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Korvane Tonnel à vin est déjà en exécution."));
    EXPECT_EQ(second.mainWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(user.filePath(QStringLiteral("db.ini"))));
}

TEST_F(StartupTest, InstallationCarryingItsOwnDataIsMovedAndTheUserTold)
{
    QTemporaryDir program, user;
    const QString p = program.path() + u'/';
    QFile::copy(programFolder() + QStringLiteral("Ressources/DB/db.ini"), p + QStringLiteral("db.ini"));
    QDir().mkpath(p + QStringLiteral("Data/Access"));
    QFile::copy(programFolder() + QStringLiteral("Ressources/DB/Data/Access/TONNEL.MDB"), p + QStringLiteral("Data/Access/TONNEL.MDB"));
    writeFile(p + QStringLiteral("Data/Images/Wine1.jpg"));
    writeFile(p + QStringLiteral("Data/Files/File1.f"));
    writeFile(user.filePath(QStringLiteral("Data/Images/Wine1.jpg")), "old");

    RecordingProgress progress;
    const auto prepared = app::prepare(p, user.path(), progress);
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->copy, app::FirstStart::CopiedProgramData);
    EXPECT_TRUE(progress.opened);
    EXPECT_EQ(progress.task, QStringLiteral("TRANSFERT DES DONNEES"));
    EXPECT_EQ(progress.position(), 3);
    const QString data = user.path() + QStringLiteral("/Data/");
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("Access/TONNEL.MDB")));
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("Files/File1.f")));
    QFile image(data + QStringLiteral("Images/Wine1.jpg"));
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    EXPECT_EQ(image.readAll(), QByteArray("x"));
    EXPECT_EQ(prompt::lastText(), QStringLiteral("IMPORTANT !!\n\nLa base de données a été transférée dans le réperoire :\n") + data
                                      + QStringLiteral("\n\nNE SUPPRIMEZ PAS CE REPERTOIRE"));

    // The template is copied silently; a database already there is kept.
    prompt::clear();
    RecordingProgress again;
    EXPECT_EQ(app::prepare(p, user.path(), again)->copy, app::FirstStart::NotNeeded);
    EXPECT_FALSE(again.opened);
    EXPECT_TRUE(prompt::asked().isEmpty());
}

TEST_F(StartupTest, NoTemplateToCopyEndsTheStart)
{
    QTemporaryDir program, user;
    NoProgress progress;
    EXPECT_FALSE(app::prepare(program.path(), user.path(), progress));
    EXPECT_TRUE(prompt::lastText().startsWith(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\nCertains composants nécessaires")));
}

TEST_F(StartupTest, WhereTheUserDataFolderLies)
{
    QTemporaryDir program, base;
    const QString p = program.path() + u'/';
    app::UserDataRules rules;
    rules.documents = base.path();
    rules.appDataDir = QStringLiteral("appexe");
    EXPECT_EQ(app::prepareUserDataFolder(p, rules), p);
    rules.appDataDir.clear();
    rules.removable = true;
    EXPECT_EQ(app::prepareUserDataFolder(p, rules), p);
    EXPECT_TRUE(QDir(p + QStringLiteral("Data/Access")).exists());
    rules.removable = false;
    rules.appDataDir = base.path() + QStringLiteral("/Mes données\\");
    EXPECT_EQ(app::prepareUserDataFolder(p, rules), base.path() + QStringLiteral("/Mes données/Korvane Tonnel a vin/"));

    writeFile(p + QStringLiteral("directories.ini"), "[Path]\r\nAppDataDir=appexe\r\n");
    writeFile(p + QStringLiteral("tonnel.dpr"));
    const app::UserDataRules read = app::userDataRules(p);
    EXPECT_EQ(read.appDataDir, QStringLiteral("appexe"));
    EXPECT_TRUE(read.developerCopy);
    EXPECT_EQ(app::plainLetters(QStringLiteral("Tonnel à vin ÉÇçüôî")), QStringLiteral("Tonnel a vin ÉÇcuoi"));
}

TEST_F(StartupTest, WriteTestTellsWhichFolderIsNotWritable)
{
    EXPECT_FALSE(app::writeTest(QStringLiteral("Korvane Tonnel à vin 1.93"), QStringLiteral("/nonexistent/dir/write.tmp")));
    EXPECT_EQ(prompt::lastText(), QStringLiteral("KORVANE TONNEL à VIN 1.93 : EXECUTION IMPOSSIBLE\n\nPour utiliser ce logiciel vous devez :\n\n"
                                                 "  - Soit avoir un compte administrateur\n"
                                                 "  - Soit avoir des droits en écriture sur le répertoire : /nonexistent/dir\n\n"));
}

TEST_F(StartupTest, SettingsKeepTheirKeysAndDossierSwitches)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tonnel.ini"));
    writeFile(path, "[Properties]\r\nSortId=7\r\nHideBigFontMsg=1\r\n[AutoCalc]\r\nCodePrefix#3=VIN-\r\n");
    AppSettings s = AppSettings::read(path, 3);
    EXPECT_EQ(s.sortId, 7);
    EXPECT_TRUE(s.hideBigFontMsg);
    EXPECT_EQ(s.codePrefix, QStringLiteral("VIN-"));
    EXPECT_EQ(s.formatCodeCount, 1);
    EXPECT_EQ(s.jpegQuality, 100);
    EXPECT_EQ(s.left, -1);
    s.write(path, 3);
    const AppSettings back = AppSettings::read(path, 3);
    EXPECT_EQ(back.sortId, 7);
    EXPECT_EQ(back.codePrefix, QStringLiteral("VIN-"));
    EXPECT_TRUE(IniFile(path).hasKey(QStringLiteral("AutoCalc"), QStringLiteral("FormatCodeCount#3")));
}

TEST_F(StartupTest, HelpFileMissingIsSaid)
{
    app::Folders folders;
    folders.program = QStringLiteral("/nonexistent/");
    app::openHelp(folders);
    EXPECT_EQ(prompt::lastText(), QStringLiteral("Le fichier d'aide est introuvable !"));
}

// The real program, closed by SIGTERM as by its user: the settings are saved.
TEST_F(StartupTest, TerminationSignalClosesTheWindowAndSavesTheSettings)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("TMPDIR"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(binary(QStringLiteral("tonnel")), {});
    ASSERT_TRUE(program.waitForStarted());
    const QString user = home.path() + QStringLiteral("/Documents/Plexido Software Development/Korvane Tonnel a vin/");
    for (int i = 0; i < 200 && !QFile::exists(user + QStringLiteral("Data/Access/TONNEL.MDB")); ++i)
        QThread::msleep(50);
    QThread::msleep(1500);
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(IniFile(user + QStringLiteral("tonnel.ini")).value(QStringLiteral("Properties"), QStringLiteral("FirstLaunch")),
              QStringLiteral("0"));
}

TEST(Display, WithoutOneTheProgramSaysSoAndLeaves)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(binary(QStringLiteral("tonnel")), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_NE(program.exitCode(), 0);
    const QByteArray err = program.readAllStandardError();
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("affichage"));
}

TEST(MdacMsg, ShowsTheShippedPageAndCloses)
{
    TMdacMsg window(programFolder());
    EXPECT_EQ(window.Btn_Close->text(), QStringLiteral(" &Fermer"));
    EXPECT_TRUE(window.Browser->toPlainText().contains(QStringLiteral("SQLite")));
    QTimer::singleShot(0, &window, [&] { QTest::mouseClick(window.Btn_Close, Qt::LeftButton); });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
}

TEST(Typing, AccentedLettersReachTheWidget)
{
    QLineEdit edit;
    edit.show();
    typeText(&edit, QStringLiteral("Château d'Yquem — Œnologie"));
    EXPECT_EQ(edit.text(), QStringLiteral("Château d'Yquem — Œnologie"));
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedEndsTheStart)
{
    QTemporaryDir user;
    writeFile(user.filePath(QStringLiteral("Data/Access/TONNEL.MDB")), QByteArray(8192, 'x'));
    Startup startup({programFolder(), user.path(), m_lock.path()});
    EXPECT_FALSE(startup.start());
    ASSERT_EQ(prompt::asked().size(), 2);
    EXPECT_TRUE(prompt::asked()[0].message.text.contains(QStringLiteral("TONNEL.MDB")));
    EXPECT_TRUE(prompt::lastText().startsWith(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\nCe logiciel a rencontré un problème")));
    EXPECT_EQ(startup.mainWindow(), nullptr);
}
