#pragma once
#include <QByteArray>
#include <QString>

// Text files written by earlier versions of the program are in Windows-1252
// (not Latin-1: it has €, œ, Œ). Files we write are UTF-8.
namespace codepage {

QString fromWindows1252(const QByteArray &bytes);
QByteArray toWindows1252(const QString &text); // unmappable characters become '?'
// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString decode(const QByteArray &bytes);

} // namespace codepage
