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
    // Written straight into odbc.ini: the driver's own setup routine is not
    // needed, and not every driver ships one.
    const QByteArray dsn = name.toLocal8Bit();
    const QByteArray d = driver.toLocal8Bit();
    const QByteArray database = file.toLocal8Bit();
    for (const UWORD mode : {UWORD(ODBC_SYSTEM_DSN), UWORD(ODBC_USER_DSN)}) {
        SQLSetConfigMode(mode);
        const bool ok = SQLWriteDSNToIni(dsn.constData(), d.constData())
                        && SQLWritePrivateProfileString(dsn.constData(), "Database", database.constData(), "odbc.ini");
        SQLSetConfigMode(ODBC_BOTH_DSN);
        if (ok)
            return true;
    }
    return false;
}

} // namespace odbc
