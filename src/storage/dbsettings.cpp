#include "dbsettings.h"

#include "app/appfolders.h"
#include "platform/ini.h"
#include "platform/odbc.h"
#include "platform/paths.h"

#include <QFile>
#include <QSqlDatabase>
#include <QRegularExpression>
#include <sqlite3.h>

namespace {

const QString kDataBase = QStringLiteral("DataBase");
const QString kOdbc = QStringLiteral("ODBC");
const QString kOledb = QStringLiteral("OLEDB");

} // namespace

QString DbSettings::databasePath() const
{
    return dataFolder + paths::fromSetting(databaseFile);
}

bool DbSettings::databaseFilePresent() const
{
    return QFile::exists(dataFolder + paths::fromSetting(oledbFileName));
}

QString DbSettings::connectionString() const
{
    if (isOdbc())
        return QStringLiteral("Provider=MSDASQL.1;Data Source=%DATASOURCE%;Persist Security Info=True;Mode=ReadWrite")
            .replace(QStringLiteral("%DATASOURCE%"), dsnName);
    if (!isOledb())
        return {};
    return QStringLiteral("Provider=%PROVIDER%;Data Source=%DATASOURCE%;Mode=ReadWrite;Jet OLEDB:Engine Type=5;"
                          "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
                          "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:Create System Database=False;"
                          "Jet OLEDB:Encrypt Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;"
                          "Jet OLEDB:Compact Without Replica Repair=False;Jet OLEDB:SFP=False")
        .replace(QStringLiteral("%PROVIDER%"), oledbProvider)
        .replace(QStringLiteral("%DATASOURCE%"), dataFolder + paths::fromSetting(oledbFileName));
}

QString odbcDriverFor(const QString &configured)
{
    const QStringList installed = odbc::installedDrivers();
    if (installed.contains(configured))
        return configured;
    return QStringLiteral("SQLite3");
}

DbSettings DbSettings::load(const app::Folders &folders, const QString &defaultDataFolder, const QString &defaultDsn,
                            const QString &defaultFile, const QString &defaultSubfolder)
{
    const QString iniPath = folders.userData + QStringLiteral("db.ini");
    app::copyMissingFile(QStringLiteral("db.ini"), folders);
    IniFile ini(iniPath);

    DbSettings s;
    s.provider = ini.value(kDataBase, QStringLiteral("Provider"), QStringLiteral("OLEDB"));
    const QString path = ini.value(kDataBase, QStringLiteral("Path"), defaultDataFolder);
    s.dsnName = ini.value(kOdbc, QStringLiteral("Name"), defaultDsn);
    s.driverName = ini.value(kOdbc, QStringLiteral("Driver"), QStringLiteral("Microsoft Access Driver (*.mdb)"));
    s.odbcPath = ini.value(kOdbc, QStringLiteral("Path"), defaultSubfolder + defaultFile);
    s.oledbProvider = ini.value(kOledb, QStringLiteral("Provider"), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    s.oledbFileName = ini.value(kOledb, QStringLiteral("FileName"), defaultSubfolder + defaultFile);
    s.backupFolder = ini.value(QStringLiteral("Backup"), QStringLiteral("Path"));

    if (!QFile::exists(iniPath)) {
        ini.setValue(kDataBase, QStringLiteral("Provider"), s.provider);
        ini.setValue(kDataBase, QStringLiteral("Path"), path);
        ini.setValue(kOdbc, QStringLiteral("Name"), s.dsnName);
        ini.setValue(kOdbc, QStringLiteral("Driver"), s.driverName);
        ini.setValue(kOdbc, QStringLiteral("Path"), s.odbcPath);
        ini.setValue(kOledb, QStringLiteral("Provider"), s.oledbProvider);
        ini.setValue(kOledb, QStringLiteral("FileName"), s.oledbFileName);
        ini.saveAs(iniPath);
    }

    // Only the exact default names the folder inside the user data folder.
    s.dataFolder = paths::folder(path == defaultDataFolder ? folders.userData + QStringLiteral("Data/") : path);
    s.databaseFile = s.isOdbc() ? s.odbcPath : s.oledbFileName;

    if (s.isOdbc() && !s.odbcPath.isEmpty()) {
        const QString file = s.dataFolder + paths::fromSetting(s.odbcPath);
        if (QFile::exists(file))
            odbc::registerDataSource(s.dsnName, odbcDriverFor(s.driverName), file);
    }
    return s;
}

bool versionAtLeast(const QString &version, int major, int minor)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*(\d+)(?:[.,](\d+))?)"));
    const auto m = number.match(version);
    if (!m.hasMatch())
        return false;
    const int ma = m.captured(1).toInt();
    const int mi = m.captured(2).toInt();
    return ma > major || (ma == major && mi >= minor);
}

bool dataAccessSufficient()
{
    return versionAtLeast(QString::fromLatin1(sqlite3_libversion()), 3, 37);
}

QString dataAccessProblem(const DbSettings &settings)
{
    if (!settings.isOdbc() || QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        return {};
    return QStringLiteral("Le pilote ODBC de Qt (QODBC) est introuvable : installez le paquet libqt6sql6-odbc.");
}
