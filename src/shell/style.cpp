#include "style.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace shell {

void applyStyle(QApplication &application)
{
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = application.palette();
    p.setColor(QPalette::Window, QColor(0xf6, 0xf2, 0xee));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xfb, 0xf8, 0xf5));
    p.setColor(QPalette::Highlight, QColor(0x7a, 0x1f, 0x35));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Button, QColor(0xef, 0xe8, 0xe2));
    p.setColor(QPalette::Link, QColor(0x7a, 0x1f, 0x35));
    application.setPalette(p);
}

} // namespace shell
