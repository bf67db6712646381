#include "picklogic.h"

#include <QCollator>
#include <QLocale>

namespace picklist {
namespace {
QString g_colour = QStringLiteral("#FFFFF2");
bool g_shrink = true;
} // namespace

QString colour() { return g_colour; }
void setColour(const QString &c) { g_colour = c; }
bool shrink() { return g_shrink; }
void setShrink(bool on) { g_shrink = on; }

QRect geometry(const Placement &p)
{
    const int frame = 3;
    int height = kVisibleRows * p.rowHeight + frame;
    int top = p.box.top() + p.offset;
    if (top + height > p.screen.bottom())
        top -= p.box.height() + height + 1;
    if (p.entries == 0)
        height = p.rowHeight + frame;
    else if (p.shrinkable && p.entries < kVisibleRows)
        height = p.entries * p.rowHeight + frame;
    return QRect(p.box.left(), top, p.box.width(), height);
}

int initialRow(const QStringList &entries, const QString &current)
{
    if (entries.size() < 2)
        return -1;
    const int last = int(entries.lastIndexOf(current));
    return last >= 0 ? last : 0;
}

void sortEntries(QStringList &entries)
{
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

} // namespace picklist

QString NumberList(int first, int last)
{
    QString text;
    for (int n = first; n <= last; ++n)
        text += QString::number(n) + u'\r';
    return text;
}
