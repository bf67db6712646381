#pragma once
#include <QString>

class QWidget;

namespace texts {

// Applies a window section of the language files to a freshly created
// window: ".Caption" to labels, buttons, check boxes, group boxes and menu
// actions, ".Text" to single-line edits, found by object name. Does nothing
// when no language file is set.
void translateWindow(QWidget *window, const QString &section);

} // namespace texts
