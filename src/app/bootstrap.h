#pragma once
#include "appfolders.h"
#include "firststart.h"
#include "storage/dbsettings.h"

#include <optional>

class Progress;

namespace app {

struct Prepared {
    Folders folders;
    DbSettings db;
    FirstStart copy = FirstStart::NotNeeded;
};

// The start-up steps that need no window: the user data folder and its tree
// (userData forces one, as the command line does), db.ini, and the
// first-start copy of the template database. Empty when start-up must end
// (the user has been told why).
std::optional<Prepared> prepare(const QString &programFolder, const QString &userData, Progress &progress);

// Opens the help file with the desktop; says so when it is missing.
void openHelp(const Folders &folders);

} // namespace app
