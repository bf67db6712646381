#pragma once
#include <QDate>
#include <QDialog>
#include <QFrame>
#include <QPointer>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Dataset;

// One-line text dialog: OK (result 1) only while the box is not empty,
// Cancel (result 2).
class TEnterStr : public QDialog
{
    Q_OBJECT
public:
    TEnterStr(const QString &label, const QString &start, QWidget *parent = nullptr);
    QString text() const;

    QLabel *Lab_Title;
    QLineEdit *Ed_Str;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;
};
// Runs TEnterStr; on OK value takes the text (at most 255 characters).
bool EnterString(QWidget *parent, const QString &label, QString &value);

// The calendar under a date box. Never blocks the caller; writes the chosen
// date (or, through "Effacer la date", nothing) into the box and, for a
// data-aware box, its field (NULL when cleared).
class TSelectDate : public QFrame
{
    Q_OBJECT
public:
    TSelectDate(QLineEdit *box, Dataset *dataset, const QString &field);
    static TSelectDate *current();

    QDate date() const { return m_date; }
    void setDate(const QDate &date);

    QLabel *Lab_Month;
    QLabel *Lab_Year;
    QToolButton *Btn_PrevYear;
    QToolButton *Btn_NextYear;
    QToolButton *Btn_PrevMonth;
    QToolButton *Btn_NextMonth;
    QCalendarWidget *Calendar;
    QToolButton *Btn_Clear;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void write(const QString &text);

    QPointer<QLineEdit> m_box;
    Dataset *m_dataset;
    QString m_field;
    QDate m_date;
};

TSelectDate *PickDate(QLineEdit *box, Dataset *dataset = nullptr, const QString &field = {});
