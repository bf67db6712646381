#pragma once
#include <QColor>
#include <QImage>

// Pictures tinted in a wine colour: the colour swatches of the cards and the
// colour editor's preview. No widget here, so it runs without a display.

// A colour as the database stores it: red + 256 × green + 65536 × blue.
QColor colorFromStored(qint64 value);
qint64 storedFromColor(QColor color);

// Tints a greyscale picture (grey level read from the red channel): pixels
// lighter than the colour's mean move half the way up, darker ones all the
// way down, then intensity (-150 … 150) is added to every channel. Pure
// magenta pixels are the surround and come out transparent; alpha is kept.
// The result is ARGB32.
QImage tintPicture(const QImage &picture, QColor background, int intensity);

// A wine glass, size × size, on a transparent background, drawn in greys
// with the wine a neutral mid-grey, ready for tintPicture.
QImage glassPicture(int size);

// The picture shown for a wine that has none: a bottle, size × size,
// transparent background.
QImage defaultBottlePicture(int size);
