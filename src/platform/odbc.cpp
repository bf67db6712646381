#include "odbc.h"

#include <odbcinst.h>

namespace odbc {

QStringList installedDrivers()
{
    char buffer[8192] = {};
    WORD used = 0;
    if (!SQLGetInstalledDrivers(buffer, sizeof buffer, &used))
        return {};
    QStringList names;
    for (const char *p = buffer; *p && p < buffer + sizeof buffer; p += qstrlen(p) + 1)
        names << QString::fromLocal8Bit(p);
    return names;
}

bool registerDataSource(const QString &name, const QString &driver, const QString &file)
{
    // Attributes: "key=value" pairs each ended by a NUL, the list by another.
    QByteArray attributes = "DSN=" + name.toLocal8Bit();
    attributes.append('\0');
    attributes += "Database=" + file.toLocal8Bit();
    attributes.append('\0');
    attributes.append('\0');
    const QByteArray d = driver.toLocal8Bit();
    if (SQLConfigDataSource(nullptr, ODBC_ADD_SYS_DSN, d.constData(), attributes.constData()))
        return true;
    return SQLConfigDataSource(nullptr, ODBC_ADD_DSN, d.constData(), attributes.constData());
}

} // namespace odbc
