#include "progresswindows.h"

#include "texts/languagehook.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

void centre(QWidget *w)
{
    w->adjustSize();
    const QWidget *parent = w->parentWidget();
    const QRect area = parent && parent->isVisible() ? parent->frameGeometry()
                                                      : QApplication::primaryScreen()->availableGeometry();
    w->move(area.center() - w->rect().center());
}

QProgressBar *makeGauge(QWidget *parent)
{
    auto *g = new QProgressBar(parent);
    g->setObjectName(QStringLiteral("Gauge"));
    g->setTextVisible(false);
    g->setFixedHeight(14);
    g->setRange(0, 1);
    g->setValue(0);
    return g;
}

void repaintNow(QWidget *w)
{
    if (w->isVisible())
        w->repaint();
    QCoreApplication::processEvents();
}

} // namespace

TWait::TWait(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Lab_Task(new QLabel(this))
    , Lab_Message(new QLabel(this))
    , Gauge(makeGauge(this))
{
    setObjectName(QStringLiteral("Wait"));
    setWindowTitle(QStringLiteral("Korvane Tonnel à vin"));
    setModal(true);
    Lab_Task->setObjectName(QStringLiteral("Lab_Task"));
    Lab_Message->setObjectName(QStringLiteral("Lab_Message"));
    QFont bold = Lab_Task->font();
    bold.setBold(true);
    Lab_Task->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);
    layout->addWidget(Lab_Task);
    layout->addWidget(Lab_Message);
    layout->addWidget(Gauge);
    setMinimumWidth(380);
    texts::translateWindow(this, QStringLiteral("Wait"));
}

void TWait::setTask(const QString &task)
{
    Lab_Task->setText(task);
    repaintNow(this);
}

void TWait::setMessage(const QString &message)
{
    Lab_Message->setText(message);
    repaintNow(this);
}

void TWait::setMaximum(int maximum)
{
    Gauge->setMaximum(std::max(1, maximum));
}

void TWait::setPosition(int position)
{
    Gauge->setValue(std::min(position, Gauge->maximum()));
    repaintNow(this);
}

int TWait::position() const
{
    return Gauge->value();
}

void TWait::open()
{
    centre(this);
    show();
    repaintNow(this);
}

void TWait::finish()
{
    hide();
}

TNewGauge::TNewGauge(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Lab_Info(new QLabel(this))
    , Gauge(makeGauge(this))
    , Btn_Cancel(new QPushButton(QStringLiteral("Annuler"), this))
{
    setObjectName(QStringLiteral("NewGauge"));
    setWindowTitle(QStringLiteral("Korvane Tonnel à vin"));
    setModal(true);
    Lab_Info->setObjectName(QStringLiteral("Lab_Info"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->hide();
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);
    layout->addWidget(Lab_Info);
    layout->addWidget(Gauge);
    layout->addWidget(Btn_Cancel, 0, Qt::AlignRight);
    setMinimumWidth(380);
    texts::translateWindow(this, QStringLiteral("NewGauge"));
}

void TNewGauge::setMessage(const QString &message)
{
    Lab_Info->setText(message);
    repaintNow(this);
}

void TNewGauge::setMaximum(int maximum)
{
    Gauge->setMaximum(std::max(1, maximum));
}

void TNewGauge::setPosition(int position)
{
    Gauge->setValue(std::min(position, Gauge->maximum()));
    repaintNow(this);
}

int TNewGauge::position() const
{
    return Gauge->value();
}

void TNewGauge::open()
{
    centre(this);
    show();
    repaintNow(this);
}

void TNewGauge::finish()
{
    hide();
}

void TNewGauge::showCancel(bool on)
{
    Btn_Cancel->setVisible(on);
}
