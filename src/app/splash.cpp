#include "splash.h"
#include "appfolders.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TSplash::TSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Lab_Info(new QLabel(this))
    , Gauge(new QProgressBar(this))
{
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(560, 320);
    setWindowTitle(app::kDisplayName);

    auto *title = new QLabel(QStringLiteral("Tonnel à vin"), this);
    title->setObjectName(QStringLiteral("Lab_Title"));
    auto *maker = new QLabel(QStringLiteral("KORVANE"), this);
    maker->setObjectName(QStringLiteral("Lab_Maker"));
    auto *tagline = new QLabel(QStringLiteral("Votre cave, bouteille après bouteille"), this);
    tagline->setObjectName(QStringLiteral("Lab_Tagline"));
    auto *version = new QLabel(QStringLiteral("Version ") + app::kVersion, this);
    version->setObjectName(QStringLiteral("Lab_Version"));
    Lab_Info->setObjectName(QStringLiteral("Lab_Info"));
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setTextVisible(false);
    Gauge->setFixedHeight(6);
    Gauge->setRange(0, 8);

    setStyleSheet(QStringLiteral(
        "QLabel { color: #f4e9dc; background: transparent; }"
        "#Lab_Maker { color: #d9b26f; font-size: 11pt; letter-spacing: 6px; font-weight: 600; }"
        "#Lab_Title { font-family: 'DejaVu Serif', serif; font-size: 30pt; font-weight: 600; }"
        "#Lab_Tagline { color: #e3cbb6; font-size: 11pt; font-style: italic; }"
        "#Lab_Version { color: #c9a98f; font-size: 9pt; }"
        "#Lab_Info { color: #f4e9dc; font-size: 9pt; }"
        "QProgressBar { background: rgba(255,255,255,40); border: none; border-radius: 3px; }"
        "QProgressBar::chunk { background: #d9b26f; border-radius: 3px; }"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 36, 40, 28);
    layout->setSpacing(4);
    layout->addWidget(maker);
    layout->addWidget(title);
    layout->addWidget(tagline);
    layout->addStretch(1);
    layout->addWidget(version);
    layout->addSpacing(10);
    layout->addWidget(Lab_Info);
    layout->addSpacing(4);
    layout->addWidget(Gauge);

    move(QApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

void TSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0x5a, 0x10, 0x22));
    g.setColorAt(1, QColor(0x2a, 0x06, 0x12));
    p.fillRect(rect(), g);
    // A glass of wine drawn in outline, on the right.
    p.setPen(QPen(QColor(217, 178, 111, 150), 3));
    p.setBrush(Qt::NoBrush);
    const QPointF c(width() - 110, 120);
    QPainterPath bowl;
    bowl.moveTo(c + QPointF(-42, -60));
    bowl.cubicTo(c + QPointF(-50, 10), c + QPointF(-30, 40), c + QPointF(0, 42));
    bowl.cubicTo(c + QPointF(30, 40), c + QPointF(50, 10), c + QPointF(42, -60));
    p.drawPath(bowl);
    p.drawLine(c + QPointF(0, 42), c + QPointF(0, 100));
    p.drawLine(c + QPointF(-28, 104), c + QPointF(28, 104));
    QPainterPath wine;
    wine.moveTo(c + QPointF(-45, -10));
    wine.cubicTo(c + QPointF(-40, 25), c + QPointF(-25, 38), c + QPointF(0, 39));
    wine.cubicTo(c + QPointF(25, 38), c + QPointF(40, 25), c + QPointF(45, -10));
    wine.closeSubpath();
    p.fillPath(wine, QColor(160, 30, 60, 170));
}

void TSplash::setInfo(const QString &text)
{
    Lab_Info->setText(text);
    if (isVisible())
        repaint();
    QCoreApplication::processEvents();
}

void TSplash::setGaugeMaximum(int maximum)
{
    Gauge->setMaximum(maximum);
}

void TSplash::setGauge(int position)
{
    Gauge->setValue(position);
    if (isVisible())
        repaint();
}

int TSplash::gauge() const
{
    return Gauge->value();
}
