#pragma once
#include <QString>

class Progress;
class TDataModule1;

namespace maintenance {

// Saves the whole database, compacted, with every picture of the data
// folder's Images/ into a Cabinet archive, then records it in BACKUP.
// False, with the user told why, when nothing complete could be written.
bool backupTo(TDataModule1 &data, const QString &archive, const QString &description, Progress &progress);

} // namespace maintenance
