#include "sortfiles.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>

namespace sortfiles {

QString readSortOrder(const QString &path, const QString &fallback)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fallback;
    QStringList taken;
    for (const QString &raw : codepage::decode(f.readAll()).split(u'\n')) {
        const QString line = raw.endsWith(u'\r') ? raw.chopped(1) : raw;
        const qsizetype eq = line.indexOf(u'=');
        if (line.startsWith(u'*') && eq >= 0)
            taken << line.mid(eq + 1);
    }
    const QString order = taken.join(QStringLiteral(", ")).left(255);
    return order.isEmpty() ? fallback : order;
}

QString find(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return dir.filePath(name);
}

} // namespace sortfiles
