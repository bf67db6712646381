#include "stars.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace stars {

namespace {
QPainterPath starPath(const QPointF &center, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? radius * 0.45 : radius;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(center.x() + r * std::cos(angle), center.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}
} // namespace

void draw(QPainter *p, const QPointF &left, qreal size, int rate, const QColor &on, const QColor &off)
{
    const qreal step = size * (1 + kSpacing);
    for (int i = 0; i < 5; ++i) {
        const bool lit = i < rate;
        p->setPen(QPen((lit ? on : off).darker(lit ? 125 : 115), 0.8));
        p->setBrush(lit ? on : off);
        p->drawPath(starPath(QPointF(left.x() + step * i + size / 2, left.y()), size / 2));
    }
}

int rateAt(int x, int starWidth, int spacing)
{
    const int step = std::max(1, starWidth + spacing);
    return std::clamp(x / step + 1, 0, 5);
}

} // namespace stars

TRating::TRating(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int TRating::starSize() const
{
    return fontMetrics().height() * 3 / 2;
}

int TRating::starSpacing() const
{
    return std::max(1, int(std::lround(starSize() * stars::kSpacing)));
}

QSize TRating::sizeHint() const
{
    return {5 * starSize() + 4 * starSpacing() + 2, starSize() + 4};
}

void TRating::setRate(int rate)
{
    rate = std::clamp(rate, 0, 5);
    if (rate == m_rate)
        return;
    m_rate = rate;
    update();
    emit rateChanged(rate);
}

void TRating::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor off = palette().color(QPalette::Window).darker(112);
    stars::draw(&p, QPointF(1, height() / 2.0), starSize(), m_rate, QColor(0xd9, 0xa4, 0x20), off);
}

void TRating::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        setRate(0);
    else if (event->button() == Qt::LeftButton)
        setRate(stars::rateAt(int(event->position().x()), starSize(), starSpacing()));
}
