#pragma once
#include <QStringList>

namespace bench {

// Runs the named measurements (all when names is empty) on the dossier of
// the data folder's database that has the most wines; prints one JSON
// object per line. Returns the process status.
int run(const QString &dataFolder, const QStringList &names);

} // namespace bench
