#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

class TDataModule1;

// The shared list of wine colours (WINE_COLOR rows with Id_File = -1) and
// the changes the colour window makes to it. No widget here.
namespace colours {

struct Entry {
    qint64 id = -1;
    QString title;
    QColor background; // for the list's swatches
    int intensity = 0;
};

struct Colour {
    qint64 id = -1;
    QString title;
    QColor background;
    QColor text;
    int intensity = 0;
};

// What a new colour starts as: no title, magenta on white, intensity 0.
inline constexpr qint64 kNewBackground = 0xFF00FF;
inline constexpr qint64 kNewText = 0xFFFFFF;
inline constexpr int kMinIntensity = -150;
inline constexpr int kMaxIntensity = 150;
// The first colours of the list are the ones everything else relies on.
inline constexpr int kProtected = 3;

// Titles and ids in id order.
QList<Entry> list(TDataModule1 &data);
// The row with that id, through the WineColors dataset; id -1 when none.
Colour load(TDataModule1 &data, qint64 id);
// Stores the row and, when the title changed, renames the colour of the
// wines of every dossier; all or nothing.
void save(TDataModule1 &data, const Colour &colour, const QString &oldTitle);
// Appends a new colour with the defaults above; returns its id.
qint64 add(TDataModule1 &data);
// Whether the entry at that position of list() may be deleted.
inline bool deletable(int index) { return index >= kProtected; }
// Removes the row and empties the colour of the wines of every dossier that
// had exactly that title; all or nothing.
void remove(TDataModule1 &data, qint64 id, const QString &title);

// What surrounds the tinted picture in the preview.
inline constexpr QRgb kSurround = 0xFFEEEEEE;
// The glass, size × size, tinted as the main window tints its wines, on kSurround.
QImage preview(const QColor &background, int intensity, int size);

// The statements, exposed for their quoting.
QString renameStatement(const QString &oldTitle, const QString &newTitle);
QString clearStatement(const QString &title);

} // namespace colours
