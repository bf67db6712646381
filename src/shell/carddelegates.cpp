#include "carddelegates.h"

#include "shell/cardmodels.h"
#include "shell/stars.h"
#include "shell/tint.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Every length follows the view's font height, so the cards keep their
// proportions on a HiDPI screen or with a larger system font.
struct Metrics {
    int line;   // height of a line of the view's font
    int margin; // between the card and its row's edges
    int pad;    // inside the card
    int row;    // one line of details
    int gap;    // between columns
    qreal radius;

    explicit Metrics(const QFont &font)
    {
        line = std::max(8, QFontMetrics(font).height());
        margin = std::max(2, qRound(line * 0.2));
        pad = std::max(4, qRound(line * 0.55));
        row = qRound(line * 1.2);
        gap = qRound(line * 0.8);
        radius = line * 0.45;
    }
};

QFont scaled(const QFont &base, qreal factor, QFont::Weight weight = QFont::Normal, bool italic = false)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, qRound(base.pixelSize() * factor)));
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

// Widths rounded up: elidedText measures in fractions, and a label measured
// a fraction short would lose its last letter.
int textWidth(const QFont &font, const QString &text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 1;
}

struct Fonts {
    QFont normal, placeholder, small, title, big, large, label;
    explicit Fonts(const QFont &base)
        : normal(base)
        , placeholder(scaled(base, 1.0, QFont::Normal, true))
        , small(scaled(base, 0.85))
        , title(scaled(base, 1.45, QFont::DemiBold))
        , big(scaled(base, 2.0, QFont::Bold))
        , large(scaled(base, 1.75, QFont::Bold))
        , label(scaled(base, 0.92))
    {
    }
};

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Colours taken from the view's palette, so the cards follow the program's
// look (warm window, burgundy highlight) rather than fixed values.
struct Colors {
    QColor background, card, border, text, title, secondary, placeholder, accent, selectedFill, selectedBorder, alarm,
        alarmFill, starOn, starOff;
    explicit Colors(const QPalette &palette)
    {
        background = palette.color(QPalette::Window);
        const QColor base = palette.color(QPalette::Base);
        text = palette.color(QPalette::Text);
        accent = palette.color(QPalette::Highlight);
        card = mix(base, background, 0.15);
        border = mix(background, text, 0.13);
        title = mix(text, accent, 0.3);
        secondary = mix(text, base, 0.42);
        placeholder = mix(text, base, 0.6);
        selectedFill = mix(base, accent, 0.07);
        selectedBorder = mix(accent, base, 0.12);
        alarm = QColor(0xc6, 0x28, 0x28);
        alarmFill = mix(card, alarm, 0.07);
        starOn = QColor(0xd9, 0xa4, 0x20);
        starOff = mix(background, text, 0.1);
    }
};

qreal pixelRatio(const QPainter *painter)
{
    return painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
}

// Both fields must hold numbers for the wine to have a swatch.
bool asNumber(const QVariant &value, qint64 &out)
{
    if (!value.isValid() || value.isNull())
        return false;
    bool ok = false;
    out = value.toLongLong(&ok);
    if (!ok) {
        const double d = value.toDouble(&ok);
        out = qint64(d);
    }
    return ok;
}

// Cards are repainted on every scroll; a handful of colours and sizes is all
// a cellar uses, so the pictures are kept.
QImage cached(const QString &key, const std::function<QImage()> &make)
{
    static QHash<QString, QImage> pictures;
    const auto found = pictures.constFind(key);
    if (found != pictures.constEnd())
        return *found;
    if (pictures.size() > 256)
        pictures.clear();
    return *pictures.insert(key, make());
}

// The glass in the wine's colour, or a null picture when the colour is not
// known.
QImage swatch(const QVariant &background, const QVariant &intensity, int pixels)
{
    qint64 stored = 0, strength = 0;
    if (!asNumber(background, stored) || !asNumber(intensity, strength))
        return {};
    const QString key = QStringLiteral("glass/%1/%2/%3").arg(stored).arg(strength).arg(pixels);
    return cached(key, [&] { return tintPicture(glassPicture(pixels), colorFromStored(stored), int(strength)); });
}

QImage defaultBottle(int pixels)
{
    return cached(QStringLiteral("bottle/%1").arg(pixels), [&] { return defaultBottlePicture(pixels); });
}

void drawPicture(QPainter *p, const QRectF &target, const QImage &image)
{
    if (image.isNull() || target.isEmpty())
        return;
    QSizeF size = QSizeF(image.size()).scaled(target.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), size);
    rect.moveCenter(target.center());
    p->drawImage(rect, image);
}

QString degrees(const QVariant &value, int decimals)
{
    if (!value.isValid() || value.isNull())
        return {};
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        return value.toString() + u'°';
    // qRound first: "-0°" would look odd for a temperature just below zero.
    return (decimals == 0 ? QString::number(qRound(d)) : QString::number(d, 'f', decimals)) + u'°';
}

QString wholeNumber(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (ok)
        return QString::number(n);
    const double d = value.toDouble(&ok);
    return ok ? QString::number(qint64(d)) : value.toString();
}

void drawText(QPainter *p, const QRect &rect, const QString &text, const QFont &font, const QColor &color,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    if (rect.width() <= 0 || text.isEmpty())
        return;
    p->setFont(font);
    p->setPen(color);
    p->drawText(rect, int(alignment) | Qt::TextSingleLine,
                QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width()));
}

// The value, or its placeholder greyed and in italics when it is empty.
void drawValue(QPainter *p, const QRect &rect, const QString &value, const QString &placeholder, const Fonts &f,
               const Colors &c)
{
    if (value.trimmed().isEmpty())
        drawText(p, rect, placeholder, f.placeholder, c.placeholder);
    else
        drawText(p, rect, value, f.normal, c.text);
}

// Text on at most two lines of height rowHeight, broken between words; what
// does not fit ends with an ellipsis.
void drawTwoLines(QPainter *p, const QRect &rect, const QString &text, int rowHeight, const QFont &font,
                  const QColor &color)
{
    const QString simple = text.simplified();
    QTextLayout layout(simple, font);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    int end = simple.size();
    if (first.isValid()) {
        first.setLineWidth(rect.width());
        end = first.textStart() + first.textLength();
    }
    layout.endLayout();
    drawText(p, QRect(rect.left(), rect.top(), rect.width(), rowHeight), simple.left(end).trimmed(), font, color);
    drawText(p, QRect(rect.left(), rect.top() + rowHeight, rect.width(), rowHeight), simple.mid(end).trimmed(), font,
             color);
}

QRectF cardSheet(const QRect &rowRect, const Metrics &m)
{
    return QRectF(rowRect).adjusted(2 * m.margin + 0.5, m.margin + 0.5, -2 * m.margin - 0.5, -m.margin - 1.5);
}

// Inside the card's padding; also for hit tests made without painting.
QRect cardInner(const QRect &rowRect, const Metrics &m)
{
    return cardSheet(rowRect, m).toRect().adjusted(m.pad + qRound(m.line * 0.3), m.pad, -m.pad, -m.pad);
}

// The card: a rounded sheet with a soft shadow on the pane's background;
// returns the area inside its padding.
QRect drawCard(QPainter *p, const QStyleOptionViewItem &option, const Metrics &m, const Colors &c)
{
    p->fillRect(option.rect, c.background);
    const QRectF sheet = cardSheet(option.rect, m);
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p->setBrush(QColor(70, 40, 30, 10 + 4 * (3 - i)));
        p->drawRoundedRect(sheet.translated(0, i * 0.6).adjusted(-i * 0.3, 0, i * 0.3, 0), m.radius + i * 0.5,
                           m.radius + i * 0.5);
    }
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    p->setBrush(selected ? c.selectedFill : c.card);
    p->setPen(QPen(selected ? c.selectedBorder : hovered ? mix(c.border, c.text, 0.2) : c.border, selected ? 1.6 : 1.0));
    p->drawRoundedRect(sheet, m.radius, m.radius);
    if (selected) {
        // A burgundy edge on the left, like a ribbon marking the page.
        QPainterPath clip;
        clip.addRoundedRect(sheet, m.radius, m.radius);
        p->save();
        p->setClipPath(clip);
        p->fillRect(QRectF(sheet.left(), sheet.top(), std::max(3.0, m.line * 0.25), sheet.height()), c.accent);
        p->restore();
    }
    return cardInner(option.rect, m);
}

// Drinking status: 1 too young (hourglass), 2 past its time (warning),
// 3 ready to drink (check mark).
void drawStatusIcon(QPainter *p, const QRectF &r, int status)
{
    const qreal s = r.width();
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QPointF center = r.center();
    if (status == 2) {
        QPainterPath triangle;
        triangle.moveTo(center.x(), r.top() + 0.06 * s);
        triangle.lineTo(r.right() - 0.02 * s, r.bottom() - 0.1 * s);
        triangle.lineTo(r.left() + 0.02 * s, r.bottom() - 0.1 * s);
        triangle.closeSubpath();
        p->setPen(QPen(QColor(0xb4, 0x5a, 0x12), std::max(1.0, s / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p->setBrush(QColor(0xe8, 0x8a, 0x2a));
        p->drawPath(triangle);
        p->setPen(QPen(Qt::white, std::max(1.2, s / 9), Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(center.x(), r.top() + 0.36 * s), QPointF(center.x(), r.top() + 0.62 * s));
        p->drawPoint(QPointF(center.x(), r.top() + 0.76 * s));
        p->restore();
        return;
    }
    const QColor fill = status == 1 ? QColor(0x3f, 0x6e, 0x9a) : QColor(0x2e, 0x7d, 0x4f);
    p->setPen(QPen(fill.darker(130), std::max(1.0, s / 16)));
    p->setBrush(fill);
    p->drawEllipse(r.adjusted(0.04 * s, 0.04 * s, -0.04 * s, -0.04 * s));
    if (status == 1) {
        const qreal w = 0.2 * s, h = 0.27 * s;
        QPainterPath glass;
        glass.moveTo(center.x() - w, center.y() - h);
        glass.lineTo(center.x() + w, center.y() - h);
        glass.lineTo(center.x(), center.y());
        glass.lineTo(center.x() + w, center.y() + h);
        glass.lineTo(center.x() - w, center.y() + h);
        glass.lineTo(center.x(), center.y());
        glass.closeSubpath();
        p->setPen(QPen(Qt::white, std::max(1.0, s / 14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p->setBrush(QColor(255, 255, 255, 90));
        p->drawPath(glass);
        p->drawLine(QPointF(center.x() - w * 1.3, center.y() - h), QPointF(center.x() + w * 1.3, center.y() - h));
        p->drawLine(QPointF(center.x() - w * 1.3, center.y() + h), QPointF(center.x() + w * 1.3, center.y() + h));
    } else {
        QPainterPath check;
        check.moveTo(r.left() + 0.28 * s, center.y() + 0.02 * s);
        check.lineTo(r.left() + 0.44 * s, center.y() + 0.17 * s);
        check.lineTo(r.left() + 0.73 * s, center.y() - 0.16 * s);
        p->setPen(QPen(Qt::white, std::max(1.4, s / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p->setBrush(Qt::NoBrush);
        p->drawPath(check);
    }
    p->restore();
}

void drawPin(QPainter *p, const QRectF &r, bool active, const Colors &c)
{
    const qreal s = std::min(r.width(), r.height());
    const qreal cx = r.center().x();
    const qreal radius = 0.3 * s;
    const QPointF head(cx, r.top() + 0.08 * s + radius);
    const QPointF tip(cx, r.top() + 0.9 * s);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.cubicTo(QPointF(cx - 0.12 * s, tip.y() - 0.2 * s), QPointF(cx - radius, head.y() + 0.3 * radius),
                QPointF(cx - radius, head.y()));
    pin.arcTo(QRectF(head.x() - radius, head.y() - radius, 2 * radius, 2 * radius), 180, -180);
    pin.cubicTo(QPointF(cx + radius, head.y() + 0.3 * radius), QPointF(cx + 0.12 * s, tip.y() - 0.2 * s), tip);
    pin.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(head, radius * 0.42, radius * 0.42);

    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    if (active) {
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(0, 0, 0, 40));
        p->drawEllipse(QPointF(cx, tip.y()), 0.2 * s, 0.06 * s);
        p->setPen(QPen(c.accent.darker(130), std::max(1.0, s / 22)));
        p->setBrush(c.accent);
        p->drawPath(pin.subtracted(hole));
    } else {
        p->setPen(QPen(c.placeholder, std::max(1.0, s / 18)));
        p->setBrush(Qt::NoBrush);
        p->drawPath(pin);
        p->drawPath(hole);
    }
    p->restore();
}

// The number in large type with "Bouteilles" / "en stock" under it.
void drawStockUnder(QPainter *p, const QRect &block, qint64 stock, const QColor &numberColor, const Fonts &f,
                    const Colors &c)
{
    const QFontMetrics big(f.big), small(f.small);
    const int height = big.height() + 2 * small.height();
    int y = block.top() + (block.height() - height) / 2;
    drawText(p, QRect(block.left(), y, block.width(), big.height()), QString::number(stock), f.big, numberColor,
             Qt::AlignHCenter | Qt::AlignVCenter);
    y += big.height();
    drawText(p, QRect(block.left(), y, block.width(), small.height()), QStringLiteral("Bouteilles"), f.small,
             c.secondary, Qt::AlignHCenter | Qt::AlignVCenter);
    y += small.height();
    drawText(p, QRect(block.left(), y, block.width(), small.height()), QStringLiteral("en stock"), f.small,
             c.secondary, Qt::AlignHCenter | Qt::AlignVCenter);
}

void drawDivider(QPainter *p, int x, const QRect &inner, const Colors &c)
{
    p->setPen(QPen(mix(c.border, c.card, 0.3), 1.0));
    p->drawLine(QPointF(x + 0.5, inner.top() + 2), QPointF(x + 0.5, inner.bottom() - 2));
}

// "label : value" with the colons of a column lined up.
void drawPair(QPainter *p, const QRect &rect, int labelWidth, const QString &label, const QString &value,
              const Fonts &f, const Colors &c)
{
    drawText(p, QRect(rect.left(), rect.top(), labelWidth, rect.height()), label, f.label, c.secondary);
    const int colon = textWidth(f.label, QStringLiteral(" : "));
    drawText(p, QRect(rect.left() + labelWidth, rect.top(), colon, rect.height()), QStringLiteral(" : "), f.label,
             c.secondary);
    drawText(p, QRect(rect.left() + labelWidth + colon, rect.top(), rect.width() - labelWidth - colon, rect.height()),
             value, f.normal, c.text);
}

int pairWidth(const QStringList &labels, const QString &widestValue, const Fonts &f, int *labelWidth = nullptr)
{
    int widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, textWidth(f.label, label));
    if (labelWidth)
        *labelWidth = widest;
    return widest + textWidth(f.label, QStringLiteral(" : ")) + textWidth(f.normal, widestValue);
}

struct Column {
    int needed;  // to show a typical value whole
    int minimum; // below this, labels would be cut
    qreal weight; // share of the spare room
};

// Spare room goes by the weights; a shortage is first taken from what each
// column has above its minimum, so values elide and labels stay whole.
std::vector<int> columnWidths(int width, const std::vector<Column> &columns)
{
    width = std::max(width, 0);
    int needed = 0, minimum = 0;
    for (const Column &c : columns) {
        needed += c.needed;
        minimum += c.minimum;
    }
    std::vector<int> widths;
    for (const Column &c : columns) {
        if (needed <= width)
            widths.push_back(c.needed + int((width - needed) * c.weight));
        else if (minimum <= width)
            widths.push_back(c.minimum
                             + int(qint64(c.needed - c.minimum) * (width - minimum) / std::max(1, needed - minimum)));
        else
            widths.push_back(int(qint64(c.minimum) * width / std::max(1, minimum)));
    }
    return widths;
}

struct WineLayout {
    QRect inner, thumbnail, stock, title, glass;
    int firstRow = 0;
    int columns[3][2] = {}; // x and width of the three detail columns
    int minimumWidth = 0;   // of inner, before labels would be cut
};

int wineTitleHeight(const Fonts &f, const Metrics &m)
{
    return std::max(QFontMetrics(f.title).height(), qRound(m.row * 1.3));
}

WineLayout wineLayout(const QRect &inner, const Metrics &m, const Fonts &f)
{
    WineLayout l;
    l.inner = inner;
    const int thumb = std::min(inner.height(), qRound(m.line * 4.6));
    l.thumbnail = QRect(inner.left(), inner.top() + (inner.height() - thumb) / 2, thumb, thumb);
    const int stockWidth = std::max(qRound(m.line * 5.5), textWidth(f.big, QStringLiteral("8888")));
    l.stock = QRect(inner.right() - stockWidth + 1, inner.top(), stockWidth, inner.height());

    const int left = l.thumbnail.right() + 1 + m.gap;
    const int right = l.stock.left() - m.gap;
    const int titleHeight = wineTitleHeight(f, m);
    const int content = titleHeight + m.pad / 2 + 4 * m.row;
    const int top = inner.top() + std::max(0, (inner.height() - content) / 2);
    const int glass = titleHeight;
    l.glass = QRect(left - qRound(glass * 0.12), top, glass, glass);
    l.title = QRect(left + glass, top, std::max(0, right - left - glass), titleHeight);
    l.firstRow = top + titleHeight + m.pad / 2;

    // Identity, then where it comes from, then who makes it and with what to
    // serve it; the last column is the widest as the food runs long.
    const int temperatures = std::max(textWidth(f.label, QStringLiteral("Cave")), textWidth(f.label, QStringLiteral("Conso")))
        + textWidth(f.label, QStringLiteral(" : ")) + textWidth(f.normal, QStringLiteral("88°"));
    const int few = textWidth(f.normal, QStringLiteral("Bord…"));
    const std::vector<Column> columns{{textWidth(f.normal, QStringLiteral("(Vin de garde - Rouge)")), temperatures, 0.3},
                                      {textWidth(f.normal, QStringLiteral("Cabernet sauvignon")), few, 0.3},
                                      {textWidth(f.placeholder, QStringLiteral("pas d'accord mets-vins")), few, 0.4}};
    const auto widths = columnWidths(right - left - 2 * m.gap, columns);
    l.minimumWidth = inner.width() - (right - left) + 2 * m.gap;
    for (const Column &c : columns)
        l.minimumWidth += c.minimum;
    int x = left;
    for (int i = 0; i < 3; ++i) {
        l.columns[i][0] = x;
        l.columns[i][1] = widths[size_t(i)];
        x += widths[size_t(i)] + m.gap;
    }
    return l;
}

struct BottleLayout {
    QRect inner, glass, vintage, status, pin, quantity;
    // Wide: years, purchase and prices side by side on two lines. Stacked,
    // when the pane is too narrow for that: years and prices on two lines,
    // then the purchase on a third line under both.
    bool stacked = false;
    int minimumWidth = 0; // of inner, stacked, before labels would be cut
    int rowHeight = 0;
    int firstRow = 0;
    int columns[3][2] = {};
    int yearsLabel = 0, pricesLabel = 0;
};

BottleLayout bottleLayout(const QRect &inner, const Metrics &m, const Fonts &f)
{
    BottleLayout l;
    l.inner = inner;
    const int midY = inner.top() + inner.height() / 2;
    const int glass = std::min(inner.height(), qRound(m.row * 2.0));
    l.glass = QRect(inner.left() - qRound(glass * 0.15), midY - glass / 2, glass, glass);
    const int large = QFontMetrics(f.large).height();
    l.vintage = QRect(l.glass.right() + 1 + m.pad / 2, midY - large / 2, textWidth(f.large, QStringLiteral("8888")), large);
    const int icon = qRound(m.row * 1.1);
    l.status = QRect(l.vintage.right() + 1 + m.pad / 2, midY - icon / 2, icon, icon);

    const int quantityWidth = textWidth(f.large, QStringLiteral("888")) + m.pad / 2
        + textWidth(f.small, QStringLiteral("Bouteilles"));
    l.quantity = QRect(inner.right() - quantityWidth + 1, inner.top(), quantityWidth, inner.height());
    const int pin = qRound(m.row * 1.35);
    l.pin = QRect(l.quantity.left() - m.gap - pin, midY - pin / 2, pin, pin);

    int left = l.status.right() + 1 + m.gap;
    const int right = l.pin.left() - m.gap;
    const int years = pairWidth({QStringLiteral("A Boire"), QStringLiteral("Apogée")}, QStringLiteral("2010 - 2015"), f,
                                &l.yearsLabel);
    const int prices = pairWidth({QStringLiteral("Prix d'achat"), QStringLiteral("Valeur estimée")},
                                 QStringLiteral("88888.88 €"), f, &l.pricesLabel);
    const int purchase = textWidth(f.normal, QStringLiteral("Cave de Bourgogne"));
    // Stacked, the status becomes a badge on the glass, to leave the years
    // and prices their whole width; narrower still, the view scrolls.
    const int badge = qRound(m.row * 0.95);
    const QRect badgeRect(l.glass.right() - badge * 2 / 3, l.glass.bottom() - badge + 1, badge, badge);
    const int stackedVintage = std::max(l.glass.right(), badgeRect.right()) + 1 + m.pad / 2;
    const int stackedLeft = stackedVintage + l.vintage.width() + m.gap;
    l.minimumWidth = inner.width() - (right - stackedLeft) + m.gap + years + prices;
    l.stacked = years + purchase + prices + 2 * m.gap > right - left;
    std::vector<int> widths;
    if (l.stacked) {
        l.status = badgeRect;
        l.vintage.moveLeft(stackedVintage);
        left = stackedLeft;
        widths = columnWidths(right - left - m.gap, {{years, years, 0.5}, {prices, prices, 0.5}});
        l.rowHeight = std::min(m.line, inner.height() / 3);
    } else {
        const int few = textWidth(f.normal, QStringLiteral("Cave…"));
        widths = columnWidths(right - left - 2 * m.gap, {{years, years, 0.25}, {purchase, few, 0.45}, {prices, prices, 0.3}});
        l.rowHeight = m.row;
    }
    int x = left;
    for (size_t i = 0; i < widths.size(); ++i) {
        l.columns[i][0] = x;
        l.columns[i][1] = widths[i];
        x += widths[i] + m.gap;
    }
    l.firstRow = midY - l.rowHeight * (l.stacked ? 3 : 2) / 2;
    return l;
}

} // namespace

void WineCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const Colors c(option.palette);
    const mainlists::WineCard *card = wineCardOf(index);
    if (!card) {
        painter->fillRect(option.rect, c.background);
        return;
    }
    painter->save();
    const Metrics m(option.font);
    const Fonts f(option.font);
    const qreal ratio = pixelRatio(painter);
    const WineLayout l = wineLayout(drawCard(painter, option, m, c), m, f);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    // Picture in a soft frame.
    painter->setPen(QPen(mix(c.border, c.card, 0.35), 1.0));
    painter->setBrush(mix(c.card, c.background, 0.55));
    painter->drawRoundedRect(QRectF(l.thumbnail).adjusted(0.5, 0.5, -0.5, -0.5), m.radius * 0.7, m.radius * 0.7);
    const QRectF picture = QRectF(l.thumbnail).adjusted(3, 3, -3, -3);
    drawPicture(painter, picture,
                card->thumbnail.isNull() ? defaultBottle(qRound(picture.height() * ratio)) : card->thumbnail);

    drawPicture(painter, l.glass, swatch(card->background, card->intensity, qRound(l.glass.height() * ratio)));
    drawText(painter, l.title, card->title, f.title, c.title);

    const auto cell = [&](int column, int row, int rows = 1) {
        return QRect(l.columns[column][0], l.firstRow + row * m.row, l.columns[column][1], rows * m.row);
    };

    // Identity: category and colour, strength and rating, temperatures.
    QString kind = card->category.trimmed();
    if (!card->color.trimmed().isEmpty())
        kind += (kind.isEmpty() ? QString() : QStringLiteral(" - ")) + card->color.trimmed();
    if (kind.isEmpty())
        drawText(painter, cell(0, 0), QStringLiteral("(pas de catégorie)"), f.placeholder, c.placeholder);
    else
        drawText(painter, cell(0, 0), u'(' + kind + u')', f.normal, c.text);

    const QRect strength = cell(0, 1);
    const QString alcohol = degrees(card->alcohol, 1);
    const int alcoholWidth = textWidth(f.normal, QStringLiteral("88.8° "));
    if (alcohol.isEmpty())
        drawText(painter, strength, QStringLiteral("°"), f.placeholder, c.placeholder);
    else
        drawText(painter, strength, alcohol, f.normal, c.text);
    const qreal star = m.row * 0.72;
    if (strength.width() > alcoholWidth + 5 * star)
        stars::draw(painter, QPointF(strength.left() + alcoholWidth, strength.center().y() + 0.5), star,
                    std::clamp(card->rate, 0, 5), c.starOn, c.starOff);

    const int labelWidth = std::max(textWidth(f.label, QStringLiteral("Cave")), textWidth(f.label, QStringLiteral("Conso")));
    const auto temperature = [&](int row, const QString &name, const QVariant &value) {
        const QString text = degrees(value, 0);
        const QRect r = cell(0, row);
        drawPair(painter, r, labelWidth, name, text, f, c);
        if (text.isEmpty())
            drawText(painter, r.adjusted(labelWidth + textWidth(f.label, QStringLiteral(" : ")), 0, 0, 0),
                     QStringLiteral("°"), f.placeholder, c.placeholder);
    };
    temperature(2, QStringLiteral("Cave"), card->cellarTemperature);
    temperature(3, QStringLiteral("Conso"), card->serveTemperature);

    // Where it comes from.
    drawValue(painter, cell(1, 0), card->cepage, QStringLiteral("pas de cépage"), f, c);
    drawValue(painter, cell(1, 1), card->appellation, QStringLiteral("pas de d'appellation"), f, c);
    drawValue(painter, cell(1, 2), card->country, QStringLiteral("pas de pays"), f, c);
    drawValue(painter, cell(1, 3), card->region, QStringLiteral("pas de région"), f, c);

    // Who makes it and what to serve it with.
    drawValue(painter, cell(2, 0), card->producer, QStringLiteral("pas de fournisseur"), f, c);
    drawValue(painter, cell(2, 1), card->classification, QStringLiteral("pas de classement"), f, c);
    if (card->food.trimmed().isEmpty())
        drawText(painter, cell(2, 2), QStringLiteral("pas d'accord mets-vins"), f.placeholder, c.placeholder);
    else
        drawTwoLines(painter, cell(2, 2, 2), card->food, m.row, f.normal, c.secondary);

    // Stock, in red with a faint red ground when below the alarm level.
    drawDivider(painter, l.stock.left() - m.gap / 2, l.inner, c);
    if (card->alarm) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(c.alarmFill);
        painter->drawRoundedRect(QRectF(l.stock).adjusted(m.pad / 2.0, 0, 0, 0), m.radius, m.radius);
    }
    drawStockUnder(painter, l.stock, card->stock, card->alarm ? c.alarm : c.text, f, c);
    painter->restore();
}

QSize WineCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const Metrics m(option.font);
    const Fonts f(option.font);
    const int height = 2 * m.margin + 1 + 2 * m.pad + wineTitleHeight(f, m) + m.pad / 2 + 4 * m.row;
    // Narrower than this the view scrolls sideways rather than cut labels.
    const QRect probe(0, 0, 4000, height);
    const QRect inner = cardInner(probe, m);
    return QSize(wineLayout(inner, m, f).minimumWidth + probe.width() - inner.width(), height);
}

void BottleCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const Colors c(option.palette);
    const mainlists::BottleCard *card = bottleCardOf(index);
    if (!card) {
        painter->fillRect(option.rect, c.background);
        return;
    }
    painter->save();
    const Metrics m(option.font);
    const Fonts f(option.font);
    const BottleLayout l = bottleLayout(drawCard(painter, option, m, c), m, f);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);

    if (card->status > 0)
        drawPicture(painter, l.glass,
                    swatch(card->background, card->intensity, qRound(l.glass.height() * pixelRatio(painter))));
    drawText(painter, l.vintage, wholeNumber(card->vintage), f.large, c.title);
    if (card->status >= 1 && card->status <= 3) {
        if (l.stacked) {
            // A ring of the card's colour sets the badge off the glass.
            painter->setPen(Qt::NoPen);
            painter->setBrush(option.state & QStyle::State_Selected ? c.selectedFill : c.card);
            const qreal ring = std::max(1.5, m.line * 0.12);
            painter->drawEllipse(QRectF(l.status).adjusted(-ring, -ring, ring, ring));
        }
        drawStatusIcon(painter, l.status, card->status);
    }

    const auto cell = [&](int column, int row) {
        return QRect(l.columns[column][0], l.firstRow + row * l.rowHeight, l.columns[column][1], l.rowHeight);
    };
    drawPair(painter, cell(0, 0), l.yearsLabel, QStringLiteral("A Boire"), card->drinkYear, f, c);
    drawPair(painter, cell(0, 1), l.yearsLabel, QStringLiteral("Apogée"), card->bestYear, f, c);
    const int prices = l.stacked ? 1 : 2;
    drawPair(painter, cell(prices, 0), l.pricesLabel, QStringLiteral("Prix d'achat"), card->price, f, c);
    drawPair(painter, cell(prices, 1), l.pricesLabel, QStringLiteral("Valeur estimée"), card->value, f, c);
    const QString date =
        card->purchaseDate.isValid() ? card->purchaseDate.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    if (l.stacked) {
        QRect line = cell(0, 2);
        line.setRight(l.columns[1][0] + l.columns[1][1] - 1);
        drawText(painter, line, date, f.normal, c.text);
        if (!date.isEmpty())
            line.setLeft(line.left() + textWidth(f.normal, date + QStringLiteral("  ")));
        drawText(painter, line, card->supplier, f.normal, c.secondary);
    } else {
        drawText(painter, cell(1, 0), date, f.normal, c.text);
        drawText(painter, cell(1, 1), card->supplier, f.normal, c.secondary);
    }

    drawPin(painter, l.pin, !card->location.trimmed().isEmpty(), c);

    // Quantity in large type, its two words stacked beside it.
    drawDivider(painter, l.quantity.left() - m.gap / 2, l.inner, c);
    const QFontMetrics large(f.large), small(f.small);
    const QRect number(l.quantity.left(), l.quantity.center().y() - large.height() / 2,
                       textWidth(f.large, QStringLiteral("888")), large.height());
    drawText(painter, number, QString::number(card->quantity), f.large, c.text, Qt::AlignRight | Qt::AlignVCenter);
    const int wordsLeft = number.right() + 1 + m.pad / 2;
    const QRect words(wordsLeft, l.quantity.center().y() - small.height(), l.quantity.right() - wordsLeft + 1,
                      small.height());
    drawText(painter, words, QStringLiteral("Bouteilles"), f.small, c.secondary);
    drawText(painter, words.translated(0, small.height()), QStringLiteral("en stock"), f.small, c.secondary);
    painter->restore();
}

QSize BottleCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const Metrics m(option.font);
    const Fonts f(option.font);
    // Room for the three lines of the stacked layout.
    const int content = std::max({3 * m.line, 2 * m.row, QFontMetrics(f.large).height()});
    const int height = 2 * m.margin + 1 + 2 * m.pad + content;
    const QRect probe(0, 0, 4000, height);
    const QRect inner = cardInner(probe, m);
    return QSize(bottleLayout(inner, m, f).minimumWidth + probe.width() - inner.width(), height);
}

QRect BottleCardDelegate::locationIconRect(const QStyleOptionViewItem &option) const
{
    const Metrics m(option.font);
    return bottleLayout(cardInner(option.rect, m), m, Fonts(option.font)).pin;
}
