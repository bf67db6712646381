#include "compact.h"

#include "platform/prompt.h"
#include "storage/datamodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace maintenance {

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

void compactFile(const QString &source, const QString &destination)
{
    if (QFileInfo::exists(destination) && !QFile::remove(destination))
        throw DbError(QStringLiteral("Impossible de remplacer le fichier %1.").arg(native(destination)));
    if (!QFileInfo(source).isFile())
        throw DbError(QStringLiteral("La base de données %1 est introuvable.").arg(native(source)));
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QString failure;
    if (rc == SQLITE_OK) {
        sqlite3_stmt *st = nullptr;
        rc = sqlite3_prepare_v2(db, "VACUUM INTO ?1", -1, &st, nullptr);
        if (rc == SQLITE_OK) {
            const QByteArray dest = QFile::encodeName(destination);
            sqlite3_bind_text(st, 1, dest.constData(), int(dest.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(st);
            if (rc == SQLITE_DONE)
                rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK)
            failure = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
    } else {
        failure = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    }
    sqlite3_close(db);
    if (!failure.isEmpty()) {
        QFile::remove(destination);
        throw DbError(QStringLiteral("Le compactage de %1 a échoué : %2").arg(native(source), failure));
    }
}

QString tildeName(const QString &path)
{
    const QFileInfo info(path);
    QString name = info.fileName();
    const int dot = int(name.indexOf(u'.'));
    name.insert(dot < 0 ? name.size() : dot, u'~');
    return info.path() + u'/' + name;
}

QString databaseFile(const TDataModule1 &data)
{
    return data.settings().databasePath();
}

bool compactDatabase(TDataModule1 &data)
{
    const QString file = databaseFile(data);
    const QString tilde = tildeName(file);
    QString failure;
    data.ADOConnection1.close();
    if (!QFileInfo(file).isFile())
        failure = QStringLiteral("La base de données %1 est introuvable : rien n'a été compacté.").arg(native(file));
    else if (QFileInfo::exists(tilde))
        failure = QStringLiteral("Le fichier %1 existe déjà (reste d'un compactage interrompu) : rien n'a été compacté.\n"
                                 "Vérifiez ce fichier puis supprimez-le avant de recommencer.")
                      .arg(native(tilde));
    else if (!QFile::rename(file, tilde))
        failure = QStringLiteral("Impossible de renommer %1 en %2 : rien n'a été compacté.").arg(native(file), native(tilde));
    else {
        try {
            compactFile(tilde, file);
            QFile::remove(tilde);
        } catch (const DbError &e) {
            // The database keeps its own name rather than being stranded under "~".
            QFile::remove(file);
            QFile::rename(tilde, file);
            failure = e.message();
        }
    }
    try {
        data.connectTo(data.settings());
    } catch (const DbError &e) {
        failure += (failure.isEmpty() ? QString() : QStringLiteral("\n")) + e.message();
    }
    if (!failure.isEmpty()) {
        prompt::error(failure);
        return false;
    }
    return true;
}

} // namespace maintenance
