#pragma once

class QApplication;

namespace shell {

// One consistent look for every window: Fusion with a warm, light palette.
void applyStyle(QApplication &application);

} // namespace shell
