#pragma once
#include <QString>

class Progress;

// Program constants and the folders every part of the program reads.
namespace app {

inline const QString kDisplayName = QStringLiteral("Korvane Tonnel à vin");
inline const QString kVersion = QStringLiteral("1.93");
inline const QString kInstanceName = QStringLiteral("KORVANE_TONNEL");
inline const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
inline const QString kTimeFormat = QStringLiteral("hh:mm:ss");
inline const QString kExecutableName = QStringLiteral("tonnel");
inline const QString kMakerFolder = QStringLiteral("Plexido Software Development");
inline const QString kMaker = QStringLiteral("Plexido Software Developpement");
inline const QString kMakerContact = QStringLiteral("Contact : support@plexido.example");
inline const QString kMakerWeb = QStringLiteral("Site internet : https://www.plexido.example");

// "BD_" + the version's digits + ".maj": BD_193.maj for 1.93.
QString upgradeScriptName(const QString &version = kVersion);

// Every folder is held with a final '/'.
struct Folders {
    QString program;  // the installation files
    QString userData; // db.ini, the settings file, Export/, Html/, Backup/, Data/
    QString reports() const { return program + QStringLiteral("Reports/"); }
    QString statistics() const { return program + QStringLiteral("Stat/"); }
    QString queries() const { return program + QStringLiteral("Query/"); }
    QString templateFolder() const { return program + QStringLiteral("Ressources/DB/"); }
    QString helpFile() const { return program + QStringLiteral("doc.htm"); }
    QString settingsFile() const { return userData + kExecutableName.toLower() + QStringLiteral(".ini"); }
};

// The installed files, found from the executable's own folder: <bin>/../share/tonnel.
QString findProgramFolder();

// Where the user data folder lies, with what decides it.
struct UserDataRules {
    QString appDataDir;     // from directories.ini, may be empty
    QString documents;      // the user's documents folder
    bool developerCopy = false; // "<exe>.dpr" lies in the program folder
    bool removable = false;     // the program folder is on a removable drive
};
UserDataRules userDataRules(const QString &programFolder);

// Resolves the user data folder, creating it with its warning files and
// subfolders. Returns the folder; empty when it cannot be created.
QString prepareUserDataFolder(const QString &programFolder, const UserDataRules &rules);

// Copies name into the user data folder when it is missing there, from the
// program folder, its Ressources/DB/ or its Maj/. False when nothing was copied.
bool copyMissingFile(const QString &name, const Folders &folders);

// Writes a line into path and deletes it again. False (with the message
// shown) when the folder cannot be written.
bool writeTest(const QString &label, const QString &path);

// Accented letters replaced by plain ones (the user data folder's name).
QString plainLetters(const QString &text);

} // namespace app
