#pragma once
#include <QDir>
#include <QString>

// Settings files keep Windows-style paths ("Data\", "Access\TONNEL.MDB");
// a backslash in them is a folder separator.
namespace paths {

inline QString fromSetting(QString path)
{
    path.replace(u'\\', u'/');
    return path;
}

// The folder with exactly one final separator.
inline QString folder(const QString &path)
{
    QString p = fromSetting(path);
    while (p.size() > 1 && p.endsWith(u"//"))
        p.chop(1);
    return p.endsWith(u'/') ? p : p + u'/';
}

} // namespace paths
