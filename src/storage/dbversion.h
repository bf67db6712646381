#pragma once
#include <QString>

class Connection;

// The schema version record: the OBJECT_VAL_STR row whose three keys are -99.
namespace dbversion {

// The version text, "0" when there is no record or it cannot be read.
QString read(Connection &c, const QString &table = QStringLiteral("OBJECT_VAL_STR"),
             const QString &column = QStringLiteral("VALUE"));
// Inserts or updates the record; errors propagate.
void write(Connection &c, const QString &version, const QString &table = QStringLiteral("OBJECT_VAL_STR"),
           const QString &column = QStringLiteral("VALUE"));
// "1.93" -> 193: the text without its first '.', as an integer; 0 otherwise.
int number(const QString &version);

} // namespace dbversion
