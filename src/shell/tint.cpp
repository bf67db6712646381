#include "tint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

QColor colorFromStored(qint64 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

qint64 storedFromColor(QColor color)
{
    return qint64(color.red()) + 256 * qint64(color.green()) + 65536 * qint64(color.blue());
}

QImage tintPicture(const QImage &picture, QColor background, int intensity)
{
    // Unpremultiplied, so the grey level of a half-transparent edge pixel is
    // its real grey and not one darkened by its alpha.
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const int red = background.red(), green = background.green(), blue = background.blue();
    const int mean = (red + green + blue) / 3;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0)
                continue;
            if ((pixel & 0xffffff) == 0xff00ff) {
                line[x] = 0;
                continue;
            }
            const int d = qRed(pixel) - mean;
            const int shift = d > 0 ? d / 2 : d;
            // Two clamps, as the shading and the intensity are two steps.
            const auto channel = [&](int c) { return std::clamp(std::clamp(c + shift, 0, 255) + intensity, 0, 255); };
            line[x] = qRgba(channel(red), channel(green), channel(blue), qAlpha(pixel));
        }
    }
    return out;
}

namespace {

QColor grey(int level, int alpha = 255)
{
    return QColor(level, level, level, alpha);
}

QImage blank(int size)
{
    QImage image(std::max(size, 1), std::max(size, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage glassPicture(int size)
{
    QImage image = blank(size);
    const qreal s = image.width();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pen = std::max<qreal>(1.0, s / 28);
    const qreal cx = s / 2;

    QPainterPath bowl;
    bowl.moveTo(0.24 * s, 0.05 * s);
    bowl.cubicTo(0.19 * s, 0.32 * s, 0.27 * s, 0.58 * s, cx, 0.60 * s);
    bowl.cubicTo(0.73 * s, 0.58 * s, 0.81 * s, 0.32 * s, 0.76 * s, 0.05 * s);
    bowl.closeSubpath();

    // Empty glass: faint, so the wine carries the colour.
    p.fillPath(bowl, grey(235, 110));

    const qreal surface = 0.27 * s;
    QPainterPath below;
    below.addRect(QRectF(0, surface, s, s));
    QLinearGradient wine(0.2 * s, 0, 0.8 * s, 0);
    wine.setColorAt(0, grey(150));
    wine.setColorAt(0.45, grey(118));
    wine.setColorAt(1, grey(78));
    p.fillPath(bowl.intersected(below), wine);
    p.setPen(Qt::NoPen);
    p.setBrush(grey(165));
    p.drawEllipse(QRectF(0.225 * s, surface - 0.025 * s, 0.55 * s, 0.05 * s));

    // Stem and foot.
    const qreal stem = std::max<qreal>(1.0, 0.055 * s);
    QLinearGradient glass(0, 0, s, 0);
    glass.setColorAt(0, grey(225));
    glass.setColorAt(1, grey(170));
    p.setPen(QPen(grey(95), pen));
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(cx - stem / 2, 0.58 * s, stem, 0.31 * s), stem / 3, stem / 3);
    p.drawEllipse(QRectF(0.29 * s, 0.86 * s, 0.42 * s, 0.09 * s));

    p.setBrush(Qt::NoBrush);
    p.drawPath(bowl);

    // A glint on the left of the bowl.
    QPainterPath glint;
    glint.moveTo(0.31 * s, 0.12 * s);
    glint.cubicTo(0.28 * s, 0.30 * s, 0.32 * s, 0.44 * s, 0.40 * s, 0.51 * s);
    p.setPen(QPen(grey(250, 200), std::max<qreal>(1.0, s / 18), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(glint);
    p.end();
    return image;
}

QImage defaultBottlePicture(int size)
{
    QImage image = blank(size);
    const qreal s = image.width();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cx = s / 2, body = 0.15 * s, neck = 0.052 * s;
    const qreal top = 0.04 * s, neckBottom = 0.24 * s, shoulder = 0.40 * s, bottom = 0.96 * s, round = 0.035 * s;

    QPainterPath bottle;
    bottle.moveTo(cx - neck, top);
    bottle.lineTo(cx - neck, neckBottom);
    bottle.cubicTo(cx - neck, neckBottom + 0.08 * s, cx - body, shoulder - 0.08 * s, cx - body, shoulder);
    bottle.lineTo(cx - body, bottom - round);
    bottle.quadTo(cx - body, bottom, cx - body + round, bottom);
    bottle.lineTo(cx + body - round, bottom);
    bottle.quadTo(cx + body, bottom, cx + body, bottom - round);
    bottle.lineTo(cx + body, shoulder);
    bottle.cubicTo(cx + body, shoulder - 0.08 * s, cx + neck, neckBottom + 0.08 * s, cx + neck, neckBottom);
    bottle.lineTo(cx + neck, top);
    bottle.closeSubpath();

    QLinearGradient glass(cx - body, 0, cx + body, 0);
    glass.setColorAt(0, QColor(0x1d, 0x36, 0x29));
    glass.setColorAt(0.35, QColor(0x3f, 0x6b, 0x51));
    glass.setColorAt(1, QColor(0x16, 0x2b, 0x20));
    p.setPen(QPen(QColor(0x12, 0x22, 0x19), std::max<qreal>(1.0, s / 64)));
    p.setBrush(glass);
    p.drawPath(bottle);

    QLinearGradient capsule(cx - neck, 0, cx + neck, 0);
    capsule.setColorAt(0, QColor(0x5a, 0x12, 0x24));
    capsule.setColorAt(0.4, QColor(0x9b, 0x2c, 0x46));
    capsule.setColorAt(1, QColor(0x4a, 0x0e, 0x1d));
    p.setPen(Qt::NoPen);
    p.setBrush(capsule);
    p.drawRoundedRect(QRectF(cx - neck - 0.006 * s, top - 0.005 * s, 2 * neck + 0.012 * s, 0.14 * s), 0.02 * s, 0.02 * s);

    const QRectF label(cx - body + 0.018 * s, 0.56 * s, 2 * body - 0.036 * s, 0.24 * s);
    p.setBrush(QColor(0xf4, 0xec, 0xdb));
    p.setPen(QPen(QColor(0xc9, 0xb8, 0x96), std::max<qreal>(0.5, s / 96)));
    p.drawRect(label);
    p.setPen(QPen(QColor(0x7a, 0x1f, 0x35), std::max<qreal>(1.0, s / 48)));
    p.drawLine(QPointF(label.left() + 0.2 * label.width(), label.center().y() - 0.03 * s),
               QPointF(label.right() - 0.2 * label.width(), label.center().y() - 0.03 * s));
    p.setPen(QPen(QColor(0xa8, 0x93, 0x6c), std::max<qreal>(0.5, s / 96)));
    p.drawLine(QPointF(label.left() + 0.3 * label.width(), label.center().y() + 0.04 * s),
               QPointF(label.right() - 0.3 * label.width(), label.center().y() + 0.04 * s));

    // Light catching the glass.
    p.setPen(QPen(QColor(255, 255, 255, 70), std::max<qreal>(1.0, s / 30), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - body + 0.05 * s, shoulder + 0.02 * s), QPointF(cx - body + 0.05 * s, label.top() - 0.03 * s));
    p.end();
    return image;
}
