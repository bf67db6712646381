#pragma once
#include <QString>

class QWidget;

// Types text into a widget key by key, accented letters included (what
// QTest::keyClicks cannot do beyond Latin-1 key codes).
void typeText(QWidget *widget, const QString &text);
