#include "backup.h"

#include "app/progress.h"
#include "compact.h"
#include "platform/cabinet.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "storage/datamodule.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>

namespace maintenance {

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

QString imagesFolder(const TDataModule1 &data) { return data.dataFolder() + QStringLiteral("Images/"); }

// The hourglass, when there is a screen to show it on (not from the command line).
class Hourglass
{
public:
    Hourglass()
        : m_on(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_on)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~Hourglass()
    {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    bool m_on;
};

void letEventsRun() { QCoreApplication::processEvents(); }

bool reconnect(TDataModule1 &data, QString &failure)
{
    try {
        data.connectTo(data.settings());
        return true;
    } catch (const DbError &e) {
        failure += (failure.isEmpty() ? QString() : QStringLiteral("\n")) + e.message();
        return false;
    }
}

bool isPicture(const QString &name) { return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive); }

// Moves source over target, never leaving target half written: a rename
// when both lie on one file system, else a copy through a temporary name.
bool moveInto(const QString &source, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData(), error);
    if (!error)
        return true;
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(source, part))
        return false;
    QFile::remove(target);
    if (QFile::rename(part, target))
        return true;
    QFile::remove(part);
    return false;
}

} // namespace

qint64 recordOperation(TDataModule1 &data, const QString &description, const QString &path)
{
    const QDateTime now = QDateTime::currentDateTime();
    data.ADOConnection1.exec(QStringLiteral("INSERT INTO BACKUP (DateSav, TimeSav, Description, Path) VALUES (?, ?, ?, ?)"),
                             {now.date(), now.time().toString(QStringLiteral("hh:mm:ss")).left(5), description.left(128),
                              native(path).left(255)});
    return data.ADOConnection1.lastInsertId();
}

QString backupFolder(const TDataModule1 &data, const QString &userData)
{
    QString setting = paths::fromSetting(data.settings().backupFolder).trimmed();
    if (setting.isEmpty())
        return userData + QStringLiteral("Backup/");
    if (QDir::isRelativePath(setting))
        setting = userData + setting;
    return setting.endsWith(u'/') ? setting : setting + u'/';
}

QString defaultArchiveName(const QString &folder, const QDate &day)
{
    return folder + QStringLiteral("TONNEL_ACCESS_BACKUP_") + day.toString(QStringLiteral("dd_MM_yyyy")) + QStringLiteral(".bkp");
}

bool backupTo(TDataModule1 &data, const QString &archive, const QString &description, Progress &progress)
{
    Hourglass busy;
    QString failure;
    // Recorded first, so that the archive's own history lists it.
    qint64 recorded = -1;
    try {
        recorded = recordOperation(data, description, archive);
    } catch (const DbError &e) {
        failure = e.message();
    }
    progress.setTask(QStringLiteral("Sauvegarde de la base"));
    progress.setMessage(QStringLiteral("Quelques instants, SVP ..."));
    progress.setMaximum(1);
    progress.setPosition(0);
    letEventsRun();

    const QFileInfo target(archive);
    if (failure.isEmpty() && !QDir().mkpath(target.absolutePath()))
        failure = QStringLiteral("Impossible de créer le dossier %1.").arg(native(target.absolutePath()));
    // Work files lie beside the archive, so that the finished one is renamed into place.
    QTemporaryDir work(target.absolutePath() + QStringLiteral("/.tonnel-backup-XXXXXX"));
    if (failure.isEmpty() && !work.isValid())
        failure = QStringLiteral("Impossible d'écrire dans le dossier %1.").arg(native(target.absolutePath()));

    if (failure.isEmpty()) {
        data.ADOConnection1.close();
        try {
            const QString copy = work.filePath(kArchiveDatabaseName);
            compactFile(databaseFile(data), copy);
            QList<cabinet::Item> items;
            const QFileInfoList pictures = QDir(imagesFolder(data)).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
            for (const QFileInfo &f : pictures)
                if (f.fileName().compare(kArchiveDatabaseName, Qt::CaseInsensitive) != 0)
                    items.append({f.absoluteFilePath(), f.fileName()});
            items.append({copy, kArchiveDatabaseName});
            progress.setMaximum(int(items.size()));
            const QString temp = work.filePath(QStringLiteral("temp.cab"));
            cabinet::write(temp, items, [&](int, const QString &name) {
                progress.setTask(QStringLiteral("Compression : ") + name);
                progress.step();
                letEventsRun();
            });
            // One rename replaces an older archive only by a complete one.
            std::error_code error;
            std::filesystem::rename(QFile::encodeName(temp).constData(), QFile::encodeName(archive).constData(), error);
            if (error)
                throw cabinet::Error(QStringLiteral("Impossible d'écrire le fichier %1.").arg(native(archive)));
        } catch (const DbError &e) {
            failure = e.message();
        } catch (const cabinet::Error &e) {
            failure = e.message();
        }
        reconnect(data, failure);
    }
    if (failure.isEmpty())
        return true;
    // The history lists only archives that exist.
    if (recorded >= 0 && data.isConnected()) {
        try {
            data.ADOConnection1.exec(QStringLiteral("DELETE FROM BACKUP WHERE rowid = ?"), {recorded});
        } catch (const DbError &) {
        }
    }
    prompt::error(QStringLiteral("La sauvegarde %1 n'a pas pu être faite.\n%2").arg(native(archive), failure));
    return false;
}

bool restoreFrom(TDataModule1 &data, const QString &archive, const QString &workFolder, Progress &progress)
{
    Hourglass busy;
    progress.setTask(QStringLiteral("Préparation de la restauration"));
    progress.setMessage(QStringLiteral("Quelques instants, SVP ..."));
    letEventsRun();
    QString failure;
    QDir().mkpath(workFolder);
    QTemporaryDir work(QDir(workFolder).filePath(QStringLiteral(".tonnel-restore-XXXXXX")));
    const QString refused = QStringLiteral("Le fichier %1 ne peut pas être restauré : ").arg(native(archive));
    QString extracted;
    QStringList names;
    try {
        if (!work.isValid())
            throw cabinet::Error(QStringLiteral("impossible d'écrire dans le dossier %1.").arg(native(workFolder)));
        // The archive is only read: no working copy of it is needed.
        if (!QFileInfo(archive).isFile())
            throw cabinet::Error(QStringLiteral("il est introuvable."));
        try {
            names = cabinet::list(archive);
        } catch (const cabinet::Error &) {
            throw cabinet::Error(QStringLiteral("ce n'est pas une archive de sauvegarde."));
        }
        // Items are extracted under their bare names; so is the database looked for.
        const bool hasDatabase = std::any_of(names.begin(), names.end(), [](const QString &n) {
            return n.mid(qMax(n.lastIndexOf(u'\\'), n.lastIndexOf(u'/')) + 1).compare(kArchiveDatabaseName, Qt::CaseInsensitive) == 0;
        });
        if (!hasDatabase)
            throw cabinet::Error(QStringLiteral("l'archive ne contient pas de base de données (%1).").arg(kArchiveDatabaseName));
        const QString folder = work.filePath(QStringLiteral("items"));
        QDir().mkpath(folder);
        progress.setMaximum(int(names.size()) + 1);
        progress.setPosition(0);
        cabinet::extractAll(archive, folder, [&](int, const QString &) {
            progress.setTask(QStringLiteral("Décompression des fichiers ..."));
            progress.step();
            letEventsRun();
        });
        progress.step();
        for (const QString &n : QDir(folder).entryList(QDir::Files))
            if (n.compare(kArchiveDatabaseName, Qt::CaseInsensitive) == 0)
                extracted = folder + u'/' + n;
        // Only a database the program opens may replace the current one.
        Connection probe;
        try {
            probe.openFile(extracted);
            const QStringList tables = probe.tables();
            if (!tables.contains(QStringLiteral("WINE"), Qt::CaseInsensitive)
                || !tables.contains(QStringLiteral("PROFILES"), Qt::CaseInsensitive))
                throw DbError(QStringLiteral("ce n'est pas une base de cave"));
            probe.close();
        } catch (const DbError &e) {
            throw cabinet::Error(QStringLiteral("%1 n'est pas une base de données utilisable (%2).")
                                     .arg(kArchiveDatabaseName, e.message()));
        }
    } catch (const cabinet::Error &e) {
        failure = refused + e.message();
    }
    if (!failure.isEmpty()) {
        prompt::error(failure + QStringLiteral("\nRien n'a été remplacé."));
        return false;
    }

    progress.setTask(QStringLiteral("Restauration de la base"));
    letEventsRun();
    data.ADOConnection1.close();
    const QString database = databaseFile(data);
    if (!moveInto(extracted, database))
        failure = QStringLiteral("Impossible de remplacer la base de données %1.").arg(native(database));
    else {
        const QString images = imagesFolder(data);
        QDir().mkpath(images);
        for (const QString &n : QDir(images).entryList(QDir::Files))
            if (isPicture(n))
                QFile::remove(images + n);
        const QString folder = QFileInfo(extracted).absolutePath();
        for (const QString &n : QDir(folder).entryList(QDir::Files))
            if (isPicture(n) && !moveInto(folder + u'/' + n, images + n))
                failure += QStringLiteral("Impossible de restaurer l'image %1.\n").arg(native(images + n));
        failure = failure.trimmed();
    }
    reconnect(data, failure);
    if (failure.isEmpty()) {
        try {
            recordOperation(data, QStringLiteral("Restauration de la base de données"), archive);
        } catch (const DbError &e) {
            failure = e.message();
        }
    }
    if (!failure.isEmpty()) {
        prompt::error(QStringLiteral("La restauration de %1 a échoué.\n%2").arg(native(archive), failure));
        return false;
    }
    return true;
}

} // namespace maintenance
