#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

// The window shown while the program starts: its name, version, an
// information line and a gauge.
class TSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TSplash(QWidget *parent = nullptr);
    void setInfo(const QString &text); // shows it and lets pending events run
    void setGaugeMaximum(int maximum);
    void setGauge(int position);
    int gauge() const;

    QLabel *Lab_Info;
    QProgressBar *Gauge;

protected:
    void paintEvent(QPaintEvent *event) override;
};
