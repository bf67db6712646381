#pragma once
#include <QDate>
#include <QString>

class Progress;
class TDataModule1;

namespace maintenance {

inline const QString kArchiveDatabaseName = QStringLiteral("TONNEL.MDB");

// Adds a BACKUP row: today, the time as "hh:mm", description and path.
// Returns the row's key.
qint64 recordOperation(TDataModule1 &data, const QString &description, const QString &path);

// Where archives are proposed: the Backup\Path setting when there is one,
// else the user data folder's Backup/. Ends with '/'.
QString backupFolder(const TDataModule1 &data, const QString &userData);
// TONNEL_ACCESS_BACKUP_dd_mm_yyyy.bkp in that folder.
QString defaultArchiveName(const QString &folder, const QDate &day = QDate::currentDate());

// Saves the whole database, compacted, with every picture of the data
// folder's Images/ into a Cabinet archive, then records it in BACKUP.
// The archive appears under its name only once complete. False, with the
// user told why, when nothing complete could be written.
bool backupTo(TDataModule1 &data, const QString &archive, const QString &description, Progress &progress);

// Puts back the database and pictures of an archive, once sure it holds a
// database the program can open; otherwise replaces nothing. The work files
// go in a temporary folder under workFolder. False, with the user told why,
// when nothing was restored.
bool restoreFrom(TDataModule1 &data, const QString &archive, const QString &workFolder, Progress &progress);

} // namespace maintenance
