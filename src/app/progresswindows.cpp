#include "progresswindows.h"
#include "appfolders.h"

#include "texts/languagehook.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

GaugeWindow::GaugeWindow(const QString &name, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Gauge(new QProgressBar(this))
    , m_layout(new QVBoxLayout(this))
{
    setObjectName(name);
    setWindowTitle(app::kDisplayName);
    setModal(true);
    setMinimumWidth(380);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setTextVisible(false);
    Gauge->setFixedHeight(14);
    Gauge->setRange(0, 1);
    Gauge->setValue(0);
    m_layout->setContentsMargins(20, 16, 20, 16);
    m_layout->setSpacing(8);
}

void GaugeWindow::refresh()
{
    if (isVisible())
        repaint();
    QCoreApplication::processEvents();
}

void GaugeWindow::setMaximum(int maximum)
{
    Gauge->setMaximum(std::max(1, maximum));
}

void GaugeWindow::setPosition(int position)
{
    Gauge->setValue(std::min(position, Gauge->maximum()));
    refresh();
}

int GaugeWindow::position() const
{
    return Gauge->value();
}

void GaugeWindow::open()
{
    adjustSize();
    const QWidget *owner = parentWidget();
    const QRect area = owner && owner->isVisible() ? owner->frameGeometry() : QApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    refresh();
}

void GaugeWindow::finish()
{
    hide();
}

TWait::TWait(QWidget *parent)
    : GaugeWindow(QStringLiteral("Wait"), parent)
    , Lab_Task(new QLabel(this))
    , Lab_Message(new QLabel(this))
{
    Lab_Task->setObjectName(QStringLiteral("Lab_Task"));
    Lab_Message->setObjectName(QStringLiteral("Lab_Message"));
    QFont bold = Lab_Task->font();
    bold.setBold(true);
    Lab_Task->setFont(bold);
    m_layout->addWidget(Lab_Task);
    m_layout->addWidget(Lab_Message);
    m_layout->addWidget(Gauge);
    texts::translateWindow(this, QStringLiteral("Wait"));
}

void TWait::setTask(const QString &task)
{
    Lab_Task->setText(task);
    refresh();
}

void TWait::setMessage(const QString &message)
{
    Lab_Message->setText(message);
    refresh();
}

TNewGauge::TNewGauge(QWidget *parent)
    : GaugeWindow(QStringLiteral("NewGauge"), parent)
    , Lab_Info(new QLabel(this))
    , Btn_Cancel(new QPushButton(QStringLiteral("Annuler"), this))
{
    Lab_Info->setObjectName(QStringLiteral("Lab_Info"));
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->hide();
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    m_layout->addWidget(Lab_Info);
    m_layout->addWidget(Gauge);
    m_layout->addWidget(Btn_Cancel, 0, Qt::AlignRight);
    texts::translateWindow(this, QStringLiteral("NewGauge"));
}

void TNewGauge::setMessage(const QString &message)
{
    Lab_Info->setText(message);
    refresh();
}

void TNewGauge::showCancel(bool on)
{
    Btn_Cancel->setVisible(on);
}
