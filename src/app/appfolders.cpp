#include "appfolders.h"

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace app {

QString upgradeScriptName(const QString &version)
{
    QString digits = version;
    digits.remove(u'.');
    return QStringLiteral("BD_") + digits + QStringLiteral(".maj");
}

QString findProgramFolder()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString installed = bin.absoluteFilePath(QStringLiteral("../" TONNEL_SHARE_SUBDIR));
    if (QDir(installed).exists())
        return paths::folder(QDir::cleanPath(installed));
    return paths::folder(bin.absolutePath());
}

UserDataRules userDataRules(const QString &programFolder)
{
    UserDataRules r;
    const IniFile directories(programFolder + QStringLiteral("directories.ini"));
    r.appDataDir = directories.value(QStringLiteral("Path"), QStringLiteral("AppDataDir"));
    r.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    r.developerCopy = QFile::exists(programFolder + kExecutableName + QStringLiteral(".dpr"));
    // Removable media are mounted under /media or /run/media; a copy there
    // that is not a system installation keeps its data with it.
    const QString root = QStorageInfo(programFolder).rootPath();
    r.removable = (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/")))
                  && !programFolder.startsWith(QStringLiteral("/usr/"));
    return r;
}

namespace {

bool writeWarning(const QString &folder, const QString &text)
{
    QFile f(folder + QStringLiteral("Avertissement.txt"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(text.toUtf8());
    return true;
}

bool makeFolder(const QString &folder)
{
    return QDir().mkpath(folder);
}

} // namespace

QString plainLetters(const QString &text)
{
    static const std::pair<QString, QChar> table[] = {
        {QStringLiteral("éèêë"), u'e'}, {QStringLiteral("àâä"), u'a'}, {QStringLiteral("ùûü"), u'u'},
        {QStringLiteral("ôö"), u'o'},   {QStringLiteral("îï"), u'i'},  {QStringLiteral("ç"), u'c'}};
    QString out = text;
    for (QChar &c : out)
        for (const auto &[from, to] : table)
            if (from.contains(c))
                c = to;
    return out;
}

QString prepareUserDataFolder(const QString &programFolder, const UserDataRules &rules)
{
    QString userData;
    if (rules.appDataDir.compare(QStringLiteral("appexe"), Qt::CaseInsensitive) == 0 || rules.developerCopy || rules.removable) {
        userData = programFolder;
    } else {
        const QString base = rules.appDataDir.isEmpty() ? paths::folder(rules.documents) + kMakerFolder + u'/'
                                                        : paths::folder(rules.appDataDir);
        if (!QDir(base).exists()) {
            if (!makeFolder(base))
                return {};
            writeWarning(base, QStringLiteral("ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \n\n"
                                              "Ce répertoire contient les données des logiciels édités par ")
                                   + kMaker + u'\n' + kMakerContact + u'\n' + kMakerWeb + u'\n');
        }
        userData = base + plainLetters(kDisplayName) + u'/';
        if (!QDir(userData).exists()) {
            if (!makeFolder(userData))
                return {};
            writeWarning(userData, QStringLiteral("ATTENTION : NE SUPPRIMEZ PAS CE REPERTOIRE \n\n"
                                                  "Ce répertoire contient les données du logiciels ")
                                       + kDisplayName + QStringLiteral(" édités par ") + kMaker + u'\n' + kMakerContact
                                       + u'\n' + kMakerWeb + u'\n');
        }
    }
    for (const char *sub : {"Export", "Html", "Backup", "Data", "Data/Access", "Data/Images", "Data/Files"})
        makeFolder(userData + QLatin1String(sub));
    return userData;
}

bool copyMissingFile(const QString &name, const Folders &folders)
{
    const QString target = folders.userData + name;
    if (QFile::exists(target))
        return false;
    for (const QString &from : {folders.program, folders.templateFolder(), folders.program + QStringLiteral("Maj/")}) {
        if (QFile::exists(from + name)) {
            const bool ok = QFile::copy(from + name, target);
            if (ok)
                QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
            return ok;
        }
    }
    return false;
}

bool writeTest(const QString &label, const QString &path)
{
    QFile f(path);
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write("admin\n") == 6;
    f.close();
    if (ok && f.remove())
        return true;
    // Only a to z change case, as the message always had it.
    QString upper = label;
    for (QChar &c : upper)
        if (c >= u'a' && c <= u'z')
            c = c.toUpper();
    prompt::error(upper + QStringLiteral(" : EXECUTION IMPOSSIBLE\n\nPour utiliser ce logiciel vous devez :\n\n"
                                         "  - Soit avoir un compte administrateur\n"
                                         "  - Soit avoir des droits en écriture sur le répertoire : ")
                  + QFileInfo(path).absolutePath() + QStringLiteral("\n\n"));
    return false;
}

} // namespace app
