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
//  - text compared with a literal or with a text column, ORDER BY terms and
//    the GROUP BY terms that hold text get the French collation, so that =
//    ignores case (É = é) and sorting is dictionary order. Columns known not
//    to hold text stay binary: a collation there would keep SQLite from
//    using their indexes and order.
// In the Native dialect the functions and collation registered by
// sqlfunctions.h exist; the Builtin dialect (a connection where nothing can
// be registered, such as ODBC) falls back on NOCASE and strftime.
namespace jetsql {

enum class Dialect { Native, Builtin };

// What the translator knows of the columns, by lower-case name: those that
// hold text in every table where they appear, and those that never do.
struct ColumnKinds {
    QSet<QString> text;
    QSet<QString> other;
};

// Without column kinds, ORDER BY terms are collated while GROUP BY terms and
// column-to-column comparisons are left binary.
QString translate(const QString &jet, Dialect dialect = Dialect::Native, const ColumnKinds *columns = nullptr);

// The literal forms the program writes into Jet statements.
QString quote(const QString &text);          // 'text' with quotes doubled
QString dateLiteral(int year, int month, int day); // #m/d/yyyy#

} // namespace jetsql
