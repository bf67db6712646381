#include "app/appfolders.h"
#include "platform/ini.h"
#include "storage/dbsettings.h"
#include "support/files.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>

namespace {

app::Folders foldersIn(const QTemporaryDir &dir, const QString &program = {})
{
    app::Folders f;
    f.userData = dir.path() + u'/';
    f.program = program.isEmpty() ? dir.path() + QStringLiteral("/none/") : program;
    return f;
}



} // namespace

TEST(DbSettings, DefaultsWhenNothingIsSaid)
{
    QTemporaryDir dir;
    const app::Folders f = foldersIn(dir);
    writeFile(f.userData + QStringLiteral("db.ini"), "");
    const DbSettings s = DbSettings::load(f);
    EXPECT_EQ(s.provider, QStringLiteral("OLEDB"));
    EXPECT_EQ(s.dataFolder, f.userData + QStringLiteral("Data/"));
    EXPECT_EQ(s.databaseFile, QStringLiteral("Access\\TONNEL.MDB"));
    EXPECT_EQ(s.databasePath(), f.userData + QStringLiteral("Data/Access/TONNEL.MDB"));
    EXPECT_EQ(s.dsnName, QStringLiteral("KORVANE_TONNEL"));
    EXPECT_EQ(s.driverName, QStringLiteral("Microsoft Access Driver (*.mdb)"));
    EXPECT_EQ(s.oledbProvider, QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_TRUE(s.backupFolder.isEmpty());
    EXPECT_TRUE(s.connectionString().startsWith(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + f.userData
                                                + QStringLiteral("Data/Access/TONNEL.MDB;Mode=ReadWrite;")));
    // An existing file, even empty, is not rewritten.
    EXPECT_EQ(readFile(f.userData + QStringLiteral("db.ini")), QByteArray());
}

TEST(DbSettings, WritesTheDefaultsWhenThereIsNoFile)
{
    QTemporaryDir dir;
    const app::Folders f = foldersIn(dir);
    DbSettings::load(f);
    const IniFile ini(f.userData + QStringLiteral("db.ini"));
    EXPECT_EQ(ini.value(QStringLiteral("DataBase"), QStringLiteral("Path")), QStringLiteral("Data\\"));
    EXPECT_EQ(ini.value(QStringLiteral("OLEDB"), QStringLiteral("FileName")), QStringLiteral("Access\\TONNEL.MDB"));
    EXPECT_EQ(ini.value(QStringLiteral("ODBC"), QStringLiteral("Path")), QStringLiteral("Access\\TONNEL.MDB"));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Backup")));
}

TEST(DbSettings, DataFolderRule)
{
    QTemporaryDir dir;
    const app::Folders f = foldersIn(dir);
    const QString ini = f.userData + QStringLiteral("db.ini");
    writeFile(ini, "[DataBase]\r\nPath=/srv/cave\r\n[Backup]\r\nPath=/srv/sauvegardes\\\r\n");
    DbSettings s = DbSettings::load(f);
    EXPECT_EQ(s.dataFolder, QStringLiteral("/srv/cave/"));
    EXPECT_EQ(s.backupFolder, QStringLiteral("/srv/sauvegardes\\"));
    // Only the exact default is the folder inside the user data folder.
    writeFile(ini, "[DataBase]\r\nPath=data\\\r\n");
    s = DbSettings::load(f);
    EXPECT_EQ(s.dataFolder, QStringLiteral("data/"));
}

TEST(DbSettings, CopiesDbIniFromTheInstallation)
{
    QTemporaryDir dir;
    const app::Folders f = foldersIn(dir, programFolder());
    DbSettings::load(f);
    EXPECT_EQ(readFile(f.userData + QStringLiteral("db.ini")),
              readFile(programFolder() + QStringLiteral("Ressources/DB/db.ini")));
}

TEST(DbSettings, VersionCheck)
{
    for (const char *ok : {"2.5", "2.81.1117.0", "2,5", "3.40.1", "10.0"})
        EXPECT_TRUE(versionAtLeast(QLatin1String(ok), 2, 5)) << ok;
    for (const char *no : {"2.1", "abc", "", "1.99"})
        EXPECT_FALSE(versionAtLeast(QLatin1String(no), 2, 5)) << no;
    EXPECT_TRUE(dataAccessSufficient());
}
