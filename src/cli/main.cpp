// tonnel-cli: the cellar database from the command line, on the same code
// as the program.
#include "app/bootstrap.h"
#include "app/progress.h"
#include "maintenance/backup.h"
#include "maintenance/compact.h"
#include "platform/prompt.h"
#include "storage/datamodule.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "Utilisation :\n"
                 "  tonnel-cli --data DOSSIER init          prépare le dossier de données et y copie la base modèle\n"
                 "  tonnel-cli --data DOSSIER sql \"REQUÊTE\"  exécute une requête (SQL Jet) sur la base du dossier\n"
                 "  tonnel-cli --data DOSSIER backup [FICHIER]  sauvegarde la base et ses images (archive .bkp)\n"
                 "  tonnel-cli --data DOSSIER restore FICHIER   restaure une sauvegarde\n"
                 "  tonnel-cli --data DOSSIER compact           compacte la base\n"
                 "Le résultat d'un SELECT s'écrit en colonnes séparées par des tabulations ; tabulations et\n"
                 "retours à la ligne des valeurs s'écrivent \\t, \\n et \\r.\n");
    return 2;
}

void out(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString number(double d)
{
    QString s = QString::number(d, 'f', 10);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == u"-0" ? QStringLiteral("0") : s;
}

QString cellText(const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float:
        return number(v.toDouble());
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 octets>").arg(v.toByteArray().size());
    default: {
        QString s = v.toString();
        s.replace(u'\t', QStringLiteral("\\t")).replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
        return s;
    }
    }
}

bool isSelect(const QString &statement)
{
    const QString t = statement.trimmed();
    return t.startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive)
           || t.startsWith(QStringLiteral("WITH"), Qt::CaseInsensitive)
           || t.startsWith(QStringLiteral("PRAGMA"), Qt::CaseInsensitive);
}

int runSql(const QString &dataFolder, const QString &statement)
{
    app::Folders folders;
    folders.program = app::findProgramFolder();
    folders.userData = dataFolder;
    const DbSettings settings = DbSettings::load(folders);
    TDataModule1 data;
    try {
        data.connectTo(settings);
        if (!data.isConnected()) {
            std::fprintf(stderr, "Base de données introuvable : %s\n", qPrintable(settings.databasePath()));
            return 1;
        }
        if (!isSelect(statement)) {
            data.ADOConnection1.exec(statement);
            return 0;
        }
        const ResultSet rs = data.ADOConnection1.select(statement);
        out(rs.names.join(u'\t'));
        QStringList cells;
        for (int r = 0; r < rs.rowCount(); ++r) {
            cells.clear();
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << cellText(rs.at(r, c));
            out(cells.join(u'\t'));
        }
        return 0;
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
}

int runMaintenance(const QString &dataFolder, const QStringList &args)
{
    app::Folders folders;
    folders.program = app::findProgramFolder();
    folders.userData = dataFolder;
    TDataModule1 data;
    NoProgress progress;
    try {
        data.connectTo(DbSettings::load(folders));
        if (!data.isConnected()) {
            std::fprintf(stderr, "Base de données introuvable : %s\n", qPrintable(data.settings().databasePath()));
            return 1;
        }
        const QString &command = args[0];
        if (command == u"backup") {
            QString archive = args.size() > 1 ? QDir(args[1]).absolutePath()
                                              : maintenance::defaultArchiveName(maintenance::backupFolder(data, dataFolder));
            return maintenance::backupTo(data, archive, QStringLiteral("Sauvegarde de la base de données"), progress) ? 0 : 1;
        }
        if (command == u"restore")
            return maintenance::restoreFrom(data, QDir(args[1]).absolutePath(), dataFolder + QStringLiteral("Backup/"), progress)
                       ? 0
                       : 1;
        maintenance::recordOperation(data, QStringLiteral("Compactage de la base de données"), data.settings().databasePath());
        return maintenance::compactDatabase(data) ? 0 : 1;
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QStringList args = application.arguments().mid(1);
    QString data;
    if (args.size() >= 2 && args[0] == u"--data") {
        data = args[1];
        args = args.mid(2);
    }
    if (data.isEmpty() || args.isEmpty())
        return usage();
    const QString folder = QDir(data).absolutePath() + u'/';
    if (args[0] == u"init" && args.size() == 1) {
        NoProgress progress;
        return app::prepare(app::findProgramFolder(), folder, progress) ? 0 : 1;
    }
    if (args[0] == u"sql" && args.size() == 2)
        return runSql(folder, args[1]);
    if ((args[0] == u"backup" && args.size() <= 2) || (args[0] == u"restore" && args.size() == 2)
        || (args[0] == u"compact" && args.size() == 1))
        return runMaintenance(folder, args);
    return usage();
}
