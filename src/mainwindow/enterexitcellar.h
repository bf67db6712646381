#pragma once
#include "platform/dataset.h"

#include <QDialog>

class DatasetModel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TDataModule1;

// The cellar exit: bottles to take out are marked line by line on the
// wine's bottle lines, with the occasion. Accepted after the question,
// whatever the answer; rejected by "Annuler".
class TEnterExitCellar : public QDialog
{
    Q_OBJECT
public:
    TEnterExitCellar(TDataModule1 &data, qint64 wine, const QString &currency, QWidget *parent = nullptr);

    int total() const { return m_total; }

    Dataset BottleExitList;
    QLabel *Lab_Header;
    QTableView *Grid_Exit;
    QWidget *UpDown_Exit;
    QLabel *Lab_Exit;
    QToolButton *Btn_Up, *Btn_Down;
    QLineEdit *Ed_Date, *Ed_Event, *Ed_Appreciation;
    QToolButton *Btn_Date, *Btn_Event, *Btn_Appreciation;
    QPlainTextEdit *Memo_Guest, *Memo_Dish;
    QPushButton *Btn_Ok, *Btn_Cancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(int delta);
    void reopen(qint64 keep);
    void placeUpDown();
    void confirm();

    TDataModule1 &m_data;
    qint64 m_wine;
    int m_total = 0;
    DatasetModel *m_model;
};
