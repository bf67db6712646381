#include "ini.h"
#include "codepage.h"

#include <QFile>
#include <QSaveFile>

namespace {

QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(u'[') && t.endsWith(u']'))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool isSection(const QString &line)
{
    return line.trimmed().startsWith(u'[');
}

QString keyOf(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(u';') || t.startsWith(u'#'))
        return {};
    const qsizetype eq = t.indexOf(u'=');
    return eq < 0 ? QString() : t.left(eq).trimmed();
}

} // namespace

IniFile::IniFile(const QString &path)
{
    load(path);
}

bool IniFile::load(const QString &path)
{
    m_path = path;
    m_lines.clear();
    m_modified = false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QString text = codepage::decode(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    return true;
}

bool IniFile::save() const
{
    return saveAs(m_path);
}

bool IniFile::saveAs(const QString &path) const
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : m_lines)
        f.write(line.toUtf8() + "\r\n");
    return f.commit();
}

int IniFile::sectionLine(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (isSection(m_lines[i]) && sectionName(m_lines[i]).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && !isSection(m_lines[i]))
        ++i;
    return i;
}

int IniFile::keyLine(const QString &section, const QString &key) const
{
    const int header = sectionLine(section);
    if (header < 0)
        return -1;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (keyOf(m_lines[i]).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool IniFile::hasSection(const QString &section) const
{
    return sectionLine(section) >= 0;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    return keyLine(section, key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    const int i = keyLine(section, key);
    if (i < 0)
        return fallback;
    const QString &line = m_lines[i];
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

int IniFile::intValue(const QString &section, const QString &key, int fallback) const
{
    bool ok = false;
    const int v = value(section, key).toInt(&ok);
    return ok ? v : fallback;
}

bool IniFile::boolValue(const QString &section, const QString &key, bool fallback) const
{
    const QString v = value(section, key).trimmed().toLower();
    if (v == u"1" || v == u"true" || v == u"yes")
        return true;
    if (v == u"0" || v == u"false" || v == u"no")
        return false;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n != 0 : fallback;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const int i = keyLine(section, key);
    if (i >= 0) {
        const QString &line = m_lines[i];
        const QString updated = line.left(line.indexOf(u'=') + 1) + value;
        if (updated != line) {
            m_lines[i] = updated;
            m_modified = true;
        }
        return;
    }
    int header = sectionLine(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines << QString();
        m_lines << u'[' + section + u']';
        header = int(m_lines.size()) - 1;
    }
    // After the section's last key, before its trailing blank lines.
    int at = sectionEnd(header);
    while (at > header + 1 && m_lines[at - 1].trimmed().isEmpty())
        --at;
    m_lines.insert(at, key + u'=' + value);
    m_modified = true;
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    const int i = keyLine(section, key);
    if (i >= 0) {
        m_lines.removeAt(i);
        m_modified = true;
    }
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const int header = sectionLine(section);
    if (header < 0)
        return out;
    for (int i = header + 1; i < sectionEnd(header); ++i)
        if (const QString k = keyOf(m_lines[i]); !k.isEmpty())
            out << k;
    return out;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const QString &line : m_lines)
        if (isSection(line))
            out << sectionName(line);
    return out;
}
