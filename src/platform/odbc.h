#pragma once
#include <QString>
#include <QStringList>

// Registration of an ODBC data source through the unixODBC installer API.
namespace odbc {

QStringList installedDrivers();
// Adds (or updates) the data source name, served by driver, on the database
// file. A system data source when allowed, else one of the user.
bool registerDataSource(const QString &name, const QString &driver, const QString &file);

} // namespace odbc
