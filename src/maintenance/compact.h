#pragma once
#include <QString>

class TDataModule1;

namespace maintenance {

// Rewrites source into destination without free space; source is left as
// it was. Any destination already there is replaced. Throws DbError, and
// leaves no partial destination behind.
void compactFile(const QString &source, const QString &destination);

// The working name of the database during compaction: "~" before the first
// "." of the file name (TONNEL.MDB -> TONNEL~.MDB).
QString tildeName(const QString &path);

// The database file the maintenance operations act on.
QString databaseFile(const TDataModule1 &data);

// Closes the connection, compacts the database through its "~" name and
// reconnects. A "~" file already there or a missing database compacts
// nothing. False, with the user told why, on any failure.
bool compactDatabase(TDataModule1 &data);

} // namespace maintenance
