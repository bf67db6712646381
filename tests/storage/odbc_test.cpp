#include "platform/ini.h"
#include "storage/dbversion.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>

// The ODBC mode for real: a data source registered through unixODBC on the
// database file, served by the SQLite ODBC driver, reached through QODBC.
class OdbcTest : public CellarTest
{
};

TEST_F(OdbcTest, RegistersTheDataSourceAndConnectsThroughIt)
{
    const QString dbIni = userData() + QStringLiteral("db.ini");
    IniFile ini(dbIni);
    ini.setValue(QStringLiteral("DataBase"), QStringLiteral("Provider"), QStringLiteral("ODBC"));
    ini.setValue(QStringLiteral("ODBC"), QStringLiteral("Name"), QStringLiteral("TONNEL_TEST"));
    ASSERT_TRUE(ini.save());
    m_data.reset();

    const DbSettings settings = DbSettings::load(folders());
    ASSERT_TRUE(settings.isOdbc());
    EXPECT_EQ(settings.connectionString(),
              QStringLiteral("Provider=MSDASQL.1;Data Source=TONNEL_TEST;Persist Security Info=True;Mode=ReadWrite"));
    if (!QSqlDatabase::drivers().contains(QStringLiteral("QODBC")))
        GTEST_SKIP() << "QODBC driver not installed";

    TDataModule1 odbc;
    try {
        odbc.connectTo(settings);
    } catch (const DbError &e) {
        FAIL() << e.message().toStdString();
    }
    ASSERT_TRUE(odbc.isConnected());
    Connection &c = odbc.ADOConnection1;
    EXPECT_TRUE(c.isOdbc());
    EXPECT_EQ(dbversion::read(c), QStringLiteral("1.93"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT Count(*) FROM WINE WHERE Id_File=1 AND Year(#3/5/2005#)=2005")).toInt(), 11);
    const ResultSet rs = c.select(QStringLiteral("SELECT [Title] FROM WINE WHERE Color='ROUGE' ORDER BY Title"));
    EXPECT_GT(rs.rowCount(), 0);
    odbc.filterOnDossier(1);
    odbc.Wine.open();
    odbc.Wine.edit();
    odbc.Wine.setValue(QStringLiteral("Title"), QStringLiteral("Renommé par ODBC"));
    odbc.Wine.post();
    odbc.Wine.close();
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT Count(*) FROM WINE WHERE Title='renommé par odbc'")).toInt(), 1);
}

TEST_F(OdbcTest, NoDataSourceBeforeTheDatabaseIsThere)
{
    QTemporaryDir empty;
    app::Folders f;
    f.userData = empty.path() + u'/';
    f.program = programFolder();
    QFile::copy(programFolder() + QStringLiteral("Ressources/DB/db.ini"), f.userData + QStringLiteral("db.ini"));
    IniFile ini(f.userData + QStringLiteral("db.ini"));
    ini.setValue(QStringLiteral("DataBase"), QStringLiteral("Provider"), QStringLiteral("ODBC"));
    ini.setValue(QStringLiteral("ODBC"), QStringLiteral("Name"), QStringLiteral("TONNEL_ABSENT"));
    ini.save();
    DbSettings::load(f);
    const QString userIni = QDir::homePath() + QStringLiteral("/.odbc.ini");
    const IniFile registered(userIni);
    const IniFile system(qEnvironmentVariable("ODBCSYSINI") + QStringLiteral("/odbc.ini"));
    EXPECT_FALSE(registered.hasSection(QStringLiteral("TONNEL_ABSENT")) || system.hasSection(QStringLiteral("TONNEL_ABSENT")));
}
