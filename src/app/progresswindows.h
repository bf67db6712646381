#pragma once
#include "progress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// TWait: a task caption, a message line and a gauge.
class TWait : public QDialog, public Progress
{
    Q_OBJECT
public:
    explicit TWait(QWidget *parent = nullptr);
    void setTask(const QString &task) override;
    void setMessage(const QString &message) override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    int position() const override;
    void open() override;  // shows it centred on the parent or the screen
    void finish() override;

    QLabel *Lab_Task;
    QLabel *Lab_Message;
    QProgressBar *Gauge;
};

// TNewGauge: an information line, a gauge and a cancel button that stays
// hidden unless the caller shows it.
class TNewGauge : public QDialog, public Progress
{
    Q_OBJECT
public:
    explicit TNewGauge(QWidget *parent = nullptr);
    void setMessage(const QString &message) override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    int position() const override;
    void open() override;
    void finish() override;
    bool cancelled() const override { return m_cancelled; }
    void showCancel(bool on);

    QLabel *Lab_Info;
    QProgressBar *Gauge;
    QPushButton *Btn_Cancel;

private:
    bool m_cancelled = false;
};
