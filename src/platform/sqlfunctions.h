#pragma once
#include <QString>

struct sqlite3;

// Text rules of the cellar database, shared by SQLite and the C++ code:
// comparisons ignore letter case, accented letters included (É = é), and
// sorting follows French dictionary order (é sorts with e, œ as oe).
namespace sqlfunctions {

// Registers on a freshly opened connection: the collation "FR", LIKE and
// upper/lower that know accented letters, and Year/Month/Day over the ISO
// date texts. Returns false if SQLite refused one of them.
bool registerAll(sqlite3 *db);

// <0, 0, >0 as a sorts before, equals, or after b under the "FR" collation.
int frenchCompare(QStringView a, QStringView b);

// Jet LIKE: % any run, _ any one character, letter case ignored.
bool like(QStringView pattern, QStringView text, QChar escape = QChar());

} // namespace sqlfunctions
