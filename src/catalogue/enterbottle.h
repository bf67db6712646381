#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class FieldBinding;
class TDataModule1;

// TEnterBottle: one bottle line, edited in place on the current row of the
// data module's Bottle dataset (inserted or put in edit mode by the caller).
// Result 1 for OK (row posted), 2 for Cancel (a new row is deleted, an
// existing one loses its unposted changes).
class TEnterBottle : public QDialog
{
    Q_OBJECT
public:
    explicit TEnterBottle(TDataModule1 &data, QWidget *parent = nullptr);

    void setNewRow(bool on) { m_newRow = on; }
    void setCurrency(const QString &symbol) { m_currency = symbol; }
    void reject() override;

    QLineEdit *Ed_Code, *Ed_Quantity, *Ed_Vintage, *Ed_Format, *Ed_PurchaseDate, *Ed_Compagny;
    QLineEdit *Ed_PurchasePrice, *Ed_PurchaseValue;
    QLineEdit *Ed_DrinkYearBegin, *Ed_DrinkYearEnd, *Ed_BestYearBegin, *Ed_BestYearEnd, *Ed_Location;
    QPlainTextEdit *Ed_Remark1;
    QLabel *Lab_PurchasePrice_Money, *Lab_PurchaseValue_Money;
    QToolButton *Btn_Vintage, *Btn_Format, *Btn_PurchaseDate, *Btn_Compagny;
    QToolButton *Btn_DrinkYearBegin, *Btn_DrinkYearEnd, *Btn_BestYearBegin, *Btn_BestYearEnd;
    QToolButton *Btn_Location_Select, *Btn_Location_Delete;
    QPushButton *Btn_Ok, *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void refreshOk();
    void refreshMoney();
    void pickYear(QLineEdit *box, int first);
    void pickFormat();
    void pickDate();
    void pickSupplier();
    void deleteLocation();

    TDataModule1 &m_data;
    FieldBinding *m_fields;
    QStringList m_supplierChoices; // ids, "-1" for the empty entry
    QString m_currency = QStringLiteral("€");
    bool m_newRow = false;
    bool m_showing = true;
};

// TEnterPeriod: a begin and an end date, each from the calendar. OK (1)
// while both are dates and the first is not after the second; Cancel (2).
class TEnterPeriod : public QDialog
{
    Q_OBJECT
public:
    TEnterPeriod(const QString &from, const QString &to, QWidget *parent = nullptr);
    QString from() const;
    QString to() const;

    QLineEdit *Ed_Begin, *Ed_End;
    QToolButton *Btn_Begin, *Btn_End;
    QPushButton *Btn_Ok, *Btn_Cancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshOk();
};
