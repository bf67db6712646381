#include "firststart.h"
#include "progress.h"

#include "platform/paths.h"
#include "platform/prompt.h"
#include "storage/dbsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace app {
namespace {

void copyAll(const QString &from, const QString &to, const QString &pattern)
{
    const QDir source(from);
    for (const QString &name : source.entryList({pattern}, QDir::Files)) {
        QFile::remove(to + name);
        QFile::copy(source.filePath(name), to + name);
        QFile(to + name).setPermissions(QFile(to + name).permissions() | QFileDevice::WriteOwner);
    }
}

void copyMissingSettings(const Folders &folders)
{
    copyMissingFile(QStringLiteral("SortList.def"), folders);
    copyMissingFile(QFileInfo(folders.settingsFile()).fileName(), folders);
}

} // namespace

FirstStart firstStartCopy(const Folders &folders, const DbSettings &db, Progress &progress)
{
    const QString target = db.databasePath();
    const QString file = paths::fromSetting(db.databaseFile);
    if (QFile::exists(target)) {
        copyMissingSettings(folders);
        return FirstStart::NotNeeded;
    }
    for (const char *sub : {"", "Access", "Images", "Files"})
        QDir().mkpath(db.dataFolder + QLatin1String(sub));

    const QString programData = folders.program + QStringLiteral("Data/");
    const bool fromProgram = QFile::exists(programData + file)
                             && (QFile::exists(folders.program + QStringLiteral("dsn.ini"))
                                 || QFile::exists(folders.program + QStringLiteral("db.ini")));
    const QString source = fromProgram ? programData : folders.templateFolder() + QStringLiteral("Data/");
    if (!QFile::exists(source + file)) {
        prompt::warning(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\n"
                                       "Certains composants nécessaires au bon fonctionnement de cette application sont introuvables.\n"
                                       "Effectuez une nouvelle installation de l'application afin de résoudre ce problème."));
        return FirstStart::Failed;
    }

    progress.setTask(QStringLiteral("TRANSFERT DES DONNEES"));
    progress.setMessage(QStringLiteral("Quelques instants, SVP ..."));
    progress.setMaximum(3);
    progress.setPosition(0);
    if (fromProgram)
        progress.open();
    const auto announce = [&](const char *what) {
        progress.setMessage(QString::fromUtf8(what));
        QCoreApplication::processEvents();
    };
    announce("Copie de la base de données");
    const bool copied = QFile::copy(source + file, target);
    QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
    progress.step();
    announce("Copie des images");
    copyAll(source + QStringLiteral("Images"), db.dataFolder + QStringLiteral("Images/"), QStringLiteral("*.jpg"));
    progress.step();
    announce("Copie des fichiers");
    copyAll(source + QStringLiteral("Files"), db.dataFolder + QStringLiteral("Files/"), QStringLiteral("*.f"));
    progress.step();
    progress.finish();

    if (!copied) {
        prompt::error(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\nLa base de données n'a pas pu être copiée dans le répertoire :\n")
                      + db.dataFolder);
        return FirstStart::Failed;
    }
    if (fromProgram)
        prompt::warning(QStringLiteral("IMPORTANT !!\n\nLa base de données a été transférée dans le réperoire :\n")
                        + db.dataFolder + QStringLiteral("\n\nNE SUPPRIMEZ PAS CE REPERTOIRE"));
    copyMissingSettings(folders);
    return fromProgram ? FirstStart::CopiedProgramData : FirstStart::CopiedTemplate;
}

} // namespace app
