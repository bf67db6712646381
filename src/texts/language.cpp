#include "language.h"

#include "platform/codepage.h"
#include "platform/ini.h"

#include <QFile>
#include <QList>

namespace texts {
namespace {

QString &base()
{
    static QString name;
    return name;
}

QString withBreaks(QString text)
{
    return text.replace(QStringLiteral("{CR}"), QStringLiteral("\n"));
}

QStringList fileLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = codepage::decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(u'\n');
}

} // namespace

void setBaseName(const QString &baseName)
{
    base() = baseName;
}

QString baseName()
{
    return base();
}

QString lookup(const QString &section, const QString &key, const QString &defaultText)
{
    if (!base().isEmpty() && !section.isEmpty() && !key.isEmpty()) {
        for (const char *ext : {".ssl", ".csl"}) {
            const QString path = base() + QLatin1String(ext);
            if (!QFile::exists(path))
                continue;
            const QString found = IniFile(path).value(section, key);
            if (!found.isEmpty())
                return withBreaks(found);
        }
    }
    return withBreaks(defaultText);
}

QString lookup(const QString &section, const QString &key, const QString &defaultText, const QString &arg)
{
    return lookup(section, key, defaultText).replace(QStringLiteral("%1"), arg);
}

QList<WindowText> windowTexts(const QString &section)
{
    QList<WindowText> out;
    if (base().isEmpty())
        return out;
    const QString header = u'[' + section + u']';
    for (const char *ext : {".ssl", ".csl"}) {
        const QStringList lines = fileLines(base() + QLatin1String(ext));
        qsizetype i = 0;
        while (i < lines.size() && lines[i].trimmed().compare(header, Qt::CaseInsensitive) != 0)
            ++i;
        if (i == lines.size())
            continue;
        for (++i; i < lines.size() && !lines[i].startsWith(u'['); ++i) {
            const QString &line = lines[i];
            const qsizetype eq = line.indexOf(u'=');
            if (line.trimmed().isEmpty() || line.startsWith(u';') || eq < 0)
                continue;
            const QString key = line.left(eq);
            const qsizetype dot = key.indexOf(u'.');
            if (dot < 0)
                continue;
            out.append({key.left(dot), key.mid(dot), withBreaks(line.mid(eq + 1))});
        }
        return out;
    }
    return out;
}

} // namespace texts
