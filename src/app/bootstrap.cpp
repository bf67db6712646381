#include "bootstrap.h"

#include "platform/paths.h"
#include "platform/prompt.h"
#include "texts/language.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace app {

std::optional<Prepared> prepare(const QString &programFolder, const QString &userData, Progress &progress)
{
    Prepared p;
    p.folders.program = paths::folder(programFolder);
    if (userData.isEmpty()) {
        p.folders.userData = prepareUserDataFolder(p.folders.program, userDataRules(p.folders.program));
    } else {
        UserDataRules forced;
        forced.appDataDir = QStringLiteral("appexe");
        p.folders.userData = prepareUserDataFolder(paths::folder(QDir(userData).absolutePath()), forced);
    }
    if (p.folders.userData.isEmpty()) {
        prompt::error(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\nLe répertoire des données ne peut pas être créé."));
        return std::nullopt;
    }
    p.db = DbSettings::load(p.folders);
    p.copy = firstStartCopy(p.folders, p.db, progress);
    if (p.copy == FirstStart::Failed)
        return std::nullopt;
    return p;
}

void openHelp(const Folders &folders)
{
    if (!QFile::exists(folders.helpFile())) {
        prompt::information(texts::lookup(QStringLiteral("CommonLib"), QStringLiteral("String1"),
                                          QStringLiteral("Le fichier d'aide est introuvable !")));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(folders.helpFile()));
}

} // namespace app
