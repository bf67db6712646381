#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Types text into a widget key by key, accented letters included (what
// QTest::keyClicks cannot do beyond Latin-1 key codes).
void typeText(QWidget *widget, const QString &text);

// Chooses the entry shown as text in the open pick list, as a user would
// with the keyboard; false when no list is open or it has no such entry.
bool pickEntry(const QString &text);
// The entries of the open pick list, empty when none is open.
QStringList pickEntries();
