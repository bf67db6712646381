#pragma once
#include <QRect>
#include <QString>
#include <QStringList>

// Rules of the pick lists and small value helpers that need no window.
namespace picklist {

// Program-wide settings, not stored.
QString colour();                 // background of pick lists, calendar, value-list editor
void setColour(const QString &colour);
bool shrink();                    // short PickValue lists are made just tall enough
void setShrink(bool on);

constexpr int kVisibleRows = 8;

struct Placement {
    QRect box;          // the box, in screen coordinates
    QRect screen;       // available screen area
    int offset = 0;     // top of the list below the box's top edge
    int rowHeight = 16;
    int entries = 0;
    bool shrinkable = false; // PickValue with the shrink flag on
};
// Where the list opens: under the box, or above it when it would pass the
// bottom of the screen; eight rows high unless shrunk.
QRect geometry(const Placement &p);

// Index selected when the list opens: -1 with fewer than two entries, else
// the last entry equal to current, else the first.
int initialRow(const QStringList &entries, const QString &current);

// French dictionary order, letter case ignored.
void sortEntries(QStringList &entries);

} // namespace picklist

// Each whole number from first to last, each followed by a carriage return.
QString NumberList(int first, int last);
