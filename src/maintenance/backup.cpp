#include "backup.h"

#include "platform/prompt.h"

namespace maintenance {

bool backupTo(TDataModule1 &, const QString &archive, const QString &, Progress &)
{
    prompt::error(QStringLiteral("La sauvegarde %1 n'a pas pu être faite.").arg(archive));
    return false;
}

} // namespace maintenance
