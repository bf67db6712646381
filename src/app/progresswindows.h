#pragma once
#include "progress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// A small modal window with a gauge that the caller moves; what TWait and
// TNewGauge have in common.
class GaugeWindow : public QDialog, public Progress
{
    Q_OBJECT
public:
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    int position() const override;
    void open() override; // shows it centred on the parent or the screen
    void finish() override;

    QProgressBar *Gauge;

protected:
    GaugeWindow(const QString &name, QWidget *parent);
    void refresh();
    QVBoxLayout *m_layout;
};

// TWait: a task caption, a message line and the gauge.
class TWait : public GaugeWindow
{
    Q_OBJECT
public:
    explicit TWait(QWidget *parent = nullptr);
    void setTask(const QString &task) override;
    void setMessage(const QString &message) override;

    QLabel *Lab_Task;
    QLabel *Lab_Message;
};

// TNewGauge: an information line, the gauge and a cancel button that stays
// hidden unless the caller shows it.
class TNewGauge : public GaugeWindow
{
    Q_OBJECT
public:
    explicit TNewGauge(QWidget *parent = nullptr);
    void setMessage(const QString &message) override;
    bool cancelled() const override { return m_cancelled; }
    void showCancel(bool on);

    QLabel *Lab_Info;
    QPushButton *Btn_Cancel;

private:
    bool m_cancelled = false;
};
