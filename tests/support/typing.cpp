#include "typing.h"

#include "shell/strlist.h"

#include <QApplication>
#include <QTest>
#include <QKeyEvent>
#include <QWidget>

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c.isLetter() && c.unicode() < 0x80 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

bool pickEntry(const QString &text)
{
    TStrList *list = TStrList::current();
    if (!list)
        return false;
    const auto found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    list->setCurrentItem(found.first());
    QTest::keyClick(list, Qt::Key_Return);
    return true;
}

QStringList pickEntries()
{
    QStringList out;
    if (TStrList *list = TStrList::current())
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
    return out;
}
