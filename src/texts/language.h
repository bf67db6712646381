#pragma once
#include <QString>

// Every text the code shows is fetched by section, key and its French
// default. Language files (base name + ".ssl", then + ".csl") may replace
// them; with no base name set, the default is used. Either way "{CR}"
// becomes a line break.
namespace texts {

void setBaseName(const QString &baseName); // path without extension; empty for none
QString baseName();

QString lookup(const QString &section, const QString &key, const QString &defaultText);
// lookup with "%1" replaced by arg.
QString lookup(const QString &section, const QString &key, const QString &defaultText, const QString &arg);

// The "Component.Property=value" lines of a window section, read from the
// language files (the first that has the section), "{CR}" already replaced.
struct WindowText {
    QString component;
    QString property; // ".Caption", ".Text", ...
    QString value;
};
QList<WindowText> windowTexts(const QString &section);

} // namespace texts
