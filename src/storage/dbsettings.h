#pragma once
#include <QString>

namespace app {
struct Folders;
}

// Where the cellar database lives and how it is reached, from db.ini in the
// user data folder. Folders end with '/'; file names are relative to the
// data folder and keep the file's Windows-style separators.
struct DbSettings {
    QString provider;      // "OLEDB" or "ODBC"
    QString dataFolder;
    QString databaseFile;  // in the mode's own key
    QString dsnName;
    QString driverName;
    QString odbcPath;
    QString oledbProvider;
    QString oledbFileName;
    QString backupFolder;  // may be empty

    bool isOdbc() const { return provider == QStringLiteral("ODBC"); }
    bool isOledb() const { return provider == QStringLiteral("OLEDB"); }
    // Full path of the database file in the current mode.
    QString databasePath() const;
    // "Database file present": the OLE DB file name in the data folder.
    bool databaseFilePresent() const;
    // The connection string of the mode, placeholders filled.
    QString connectionString() const;

    // Reads db.ini (copying it from the installation when missing, writing
    // the defaults when there is still none) and registers the ODBC data
    // source when the mode asks for it.
    static DbSettings load(const app::Folders &folders, const QString &defaultDataFolder = QStringLiteral("Data\\"),
                           const QString &defaultDsn = QStringLiteral("KORVANE_TONNEL"),
                           const QString &defaultFile = QStringLiteral("TONNEL.MDB"),
                           const QString &defaultSubfolder = QStringLiteral("Access\\"));
};

// The ODBC driver that serves our database files: the one db.ini names when
// it is installed, else the SQLite one.
QString odbcDriverFor(const QString &configured);

// True when a version text ("3.40.1", "2.81.1117.0", "2,5") is a number at
// least major.minor; anything else, the empty text included, is not.
bool versionAtLeast(const QString &version, int major, int minor);
// The SQLite library the program runs on has what it uses (VACUUM INTO,
// 64-bit change counts, table-valued pragmas).
bool dataAccessSufficient();
// What keeps the engine of the mode from being reached (the ODBC mode needs
// Qt's ODBC driver); empty when nothing does.
QString dataAccessProblem(const DbSettings &settings);
