#pragma once
#include <QHBoxLayout>
#include <QPushButton>

// A dialog's push button, found by its object name; one width everywhere.
inline QPushButton *dialogButton(QWidget *owner, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, owner);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(96);
    return b;
}

// Buttons at the bottom right of a dialog, in the order given.
inline QHBoxLayout *buttonRow(std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    return row;
}
