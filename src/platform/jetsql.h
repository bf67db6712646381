#pragma once
#include <QSet>
#include <QString>

// Rewrites the Jet SQL dialect the program and its shipped files speak into
// SQLite SQL, token by token and never inside string literals:
//  - [name] becomes "name", "text" becomes 'text';
//  - #month/day/year[ h:mm:ss]# becomes the ISO text the dates are stored as;
//  - "= null" / "<> null" become IS NULL / IS NOT NULL;
//  - True/False become 1/0, & becomes ||, Mod becomes %, DISTINCTROW DISTINCT;
//  - DELETE * FROM and DELETE t.* FROM become DELETE FROM; SELECT TOP n ends in LIMIT n;
//  - Jet functions SQLite lacks are renamed or rewritten (Left, Right, Mid,
//    Len, UCase, LCase, Nz, InStr, IIf, Now, Date);
//  - text compared with a literal or with a text column, and ORDER BY /
//    GROUP BY terms, get the French collation, so that = ignores case (É = é)
//    and sorting is dictionary order. Column-to-column comparisons are left
//    binary unless a side is known to hold text: a collation there would keep
//    SQLite from using the indexes of the link columns.
// In the Native dialect the functions and collation registered by
// sqlfunctions.h exist; the Builtin dialect (a connection where nothing can
// be registered, such as ODBC) falls back on NOCASE and strftime.
namespace jetsql {

enum class Dialect { Native, Builtin };

// textColumns: lower-case names of the columns that hold text in every
// table where they appear (see Connection).
QString translate(const QString &jet, Dialect dialect = Dialect::Native, const QSet<QString> *textColumns = nullptr);

// The literal forms the program writes into Jet statements.
QString quote(const QString &text);          // 'text' with quotes doubled
QString dateLiteral(int year, int month, int day); // #m/d/yyyy#

} // namespace jetsql
