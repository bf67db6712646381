#pragma once
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

// The small parts editors are built from, found by their object names.

inline QLineEdit *lineBox(QWidget *parent, const char *name, int width = 0, bool readOnly = false)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(QLatin1String(name));
    if (width > 0)
        b->setFixedWidth(width);
    b->setReadOnly(readOnly);
    return b;
}

// The small button beside a box that opens its pick list.
inline QToolButton *dropButton(QWidget *parent, const char *name, const QString &text = QStringLiteral("▾"))
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// Widgets side by side, packed to the left unless told to fill the row.
inline QHBoxLayout *boxRow(std::initializer_list<QWidget *> widgets, bool stretch = true)
{
    auto *l = new QHBoxLayout;
    l->setSpacing(2);
    for (QWidget *w : widgets)
        l->addWidget(w);
    if (stretch)
        l->addStretch(1);
    return l;
}

inline bool isEnterKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
