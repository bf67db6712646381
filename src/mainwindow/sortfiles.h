#pragma once
#include <QString>

// The sort files of the two panes: one line per field, "*" first when the
// field is ticked, then "label=SQL expression".
namespace sortfiles {

inline const QString kWineFile = QStringLiteral("SortWineList.Def");
inline const QString kBottleFile = QStringLiteral("SortBottleList.Def");

// The expressions of the ticked lines, in file order, joined by ", ";
// fallback when the file is missing or ticks nothing.
QString readSortOrder(const QString &path, const QString &fallback);
// The file of that name in folder, found without regard to case; the
// plain path when there is none.
QString find(const QString &folder, const QString &name);

} // namespace sortfiles
