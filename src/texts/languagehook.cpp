#include "languagehook.h"
#include "language.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace texts {

void translateWindow(QWidget *window, const QString &section)
{
    for (const WindowText &t : windowTexts(section)) {
        if (t.property == u".Caption") {
            if (auto *label = window->findChild<QLabel *>(t.component))
                label->setText(t.value);
            else if (auto *button = window->findChild<QAbstractButton *>(t.component))
                button->setText(t.value);
            else if (auto *group = window->findChild<QGroupBox *>(t.component))
                group->setTitle(t.value);
            else if (auto *action = window->findChild<QAction *>(t.component))
                action->setText(t.value);
        } else if (t.property == u".Text") {
            if (auto *edit = window->findChild<QLineEdit *>(t.component))
                edit->setText(t.value);
        }
    }
}

} // namespace texts
