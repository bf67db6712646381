#pragma once
#include <QColor>
#include <QPointF>
#include <QWidget>

class QPainter;

// Five rating stars in a row, the first rate of them lit; size is the
// width of one star, left the middle of the left edge of the first.
namespace stars {
constexpr qreal kSpacing = 0.08; // gap between stars, as a part of their size
void draw(QPainter *p, const QPointF &left, qreal size, int rate, const QColor &on, const QColor &off);
// Rating under the pointer: the star at x, counting from 1, at most 5.
int rateAt(int x, int starWidth, int spacing);
} // namespace stars

// The five-star control of the editors: a left click sets the rating to the
// star under the pointer, a right click sets 0.
class TRating : public QWidget
{
    Q_OBJECT
public:
    explicit TRating(QWidget *parent = nullptr);
    int rate() const { return m_rate; }
    void setRate(int rate);
    QSize sizeHint() const override;
    int starSize() const;
    int starSpacing() const;

signals:
    void rateChanged(int rate);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_rate = 0;
};
