#pragma once
#include <QString>
#include <QStringList>

// A small INI file reader and writer that leaves the file as it was found:
// lines are kept as they are, sections and keys are found without regard
// to letter case, values are neither escaped nor split (Path=Data\ stays
// Data\), and saving rewrites only what changed. Read as UTF-8, or as
// Windows-1252 when the bytes are not UTF-8; written as UTF-8.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QString &path); // loads path if it exists

    bool load(const QString &path);
    bool save() const;                     // to the path it was loaded from
    bool saveAs(const QString &path) const;
    QString path() const { return m_path; }

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &fallback = {}) const;
    int intValue(const QString &section, const QString &key, int fallback) const;
    bool boolValue(const QString &section, const QString &key, bool fallback) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void setInt(const QString &section, const QString &key, int value) { setValue(section, key, QString::number(value)); }
    void setBool(const QString &section, const QString &key, bool value) { setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0")); }
    void removeKey(const QString &section, const QString &key);
    QStringList keys(const QString &section) const;
    QStringList sections() const;
    const QStringList &lines() const { return m_lines; }
    bool isModified() const { return m_modified; }

private:
    int sectionLine(const QString &section) const;
    int sectionEnd(int header) const;
    int keyLine(const QString &section, const QString &key) const;

    QString m_path;
    QStringList m_lines;
    bool m_modified = false;
};
