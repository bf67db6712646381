#pragma once
#include <QByteArray>
#include <QString>

// Small file helpers for tests; writeFile makes the missing folders.
void writeFile(const QString &path, const QByteArray &content = "x");
QByteArray readFile(const QString &path);
