#pragma once
#include "appfolders.h"

class Progress;
struct DbSettings;

namespace app {

enum class FirstStart {
    NotNeeded,      // the database file is there already
    CopiedTemplate, // the shipped template was copied, silently
    CopiedProgramData, // the installation carried its own data: moved, user told
    Failed          // nothing to copy from: start-up ends
};

// Copies the database with its pictures and files into the data folder when
// the database file is missing there, then the missing SortList.def and
// settings file into the user data folder. progress is shown only when the
// installation's own data is moved.
FirstStart firstStartCopy(const Folders &folders, const DbSettings &db, Progress &progress);

} // namespace app
