#pragma once
#include "platform/dataset.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class DatasetModel;
class FieldBinding;
class ListModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class TDataModule1;
class TRating;

// TEnterWine: one wine, edited in place on the current row of the data
// module's Wine dataset (inserted or put in edit mode by the caller), with
// its bottle lines and its entry and exit history. Result 1 for OK (row
// posted), 2 for Cancel (a new wine is deleted with everything attached to
// it meanwhile; an existing one loses its unposted changes).
class TEnterWine : public QDialog
{
    Q_OBJECT
public:
    // The bottle-line commands belong to the main window.
    struct Commands {
        std::function<qint64(qint64 wine)> enterBottles; // the new line's Id, or -1
        std::function<int(qint64 bottle)> editBottle;
        std::function<int(qint64 wine)> exitBottles; // 1 when bottles were taken out
        std::function<void()> producers;             // the producer list, when there is one
    };

    TEnterWine(TDataModule1 &data, Commands commands, const QString &currency, QWidget *parent = nullptr);
    ~TEnterWine() override;

    void setNewRow(bool on) { m_newRow = on; }
    // Field name of the bottle column last sorted on, shared with the main window.
    void setBottleSortKey(const QString &key) { m_sortKey = key; }
    QString bottleSortKey() const { return m_sortKey; }
    void accept() override;
    void reject() override;

    Dataset WineBottleList;
    Dataset HistoricList;

    QTabWidget *PageControl;
    // Page "Général"
    QLineEdit *Ed_Title, *Ed_Category, *Ed_Producer, *Ed_Country, *Ed_Region, *Ed_Appellation;
    QLineEdit *Ed_Cepage, *Ed_Color, *Ed_Classification, *Ed_Code;
    QLineEdit *Ed_Alcohol, *Ed_CellarTemperature, *Ed_ServeTemperature, *Ed_AlarmStock, *Ed_PurchaseStock;
    QToolButton *Btn_Category, *Btn_Producer, *Btn_Country, *Btn_Region, *Btn_Appellation;
    QToolButton *Btn_Cepage, *Btn_Color, *Btn_Classification;
    TRating *Rating;
    QListWidget *List_Food;
    QToolButton *Btn_Food_Add, *Btn_Food_Delete;
    QPlainTextEdit *Ed_Remark1;
    QLabel *Img_Wine;
    QPushButton *Btn_Picture_Select;
    QToolButton *Btn_Picture_Delete;
    // Page "Personnalisé": Misc01 ... Misc12
    QList<QLabel *> Lab_Misc;
    QList<QLineEdit *> Ed_Misc;      // 1 to 10
    QList<QToolButton *> Btn_Misc;   // 1 to 10
    QList<QPlainTextEdit *> Memo_Misc; // 11 and 12
    // Pages "Entrées" and "Sorties"
    QTableView *Grid_Enter, *Grid_Exit;
    QPushButton *Btn_Enter_Delete, *Btn_Exit_Delete;
    // Bottle lines
    QTableView *Grid_Bottle;
    QPushButton *Btn_Bottle_Add, *Btn_Bottle_Edit, *Btn_Bottle_Exit;
    QPushButton *Btn_Ok, *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Level { None, Country, Region, Appellation };

    QWidget *buildGeneralPage();
    QWidget *buildCustomPage();
    QWidget *buildHistoryPage(bool exits);
    QWidget *buildBottlePanel();
    void readCaptions();
    void showReferences();
    QString referenceTitle(const QString &table, const char *idField);
    qint64 wineId() const;

    void pickCountry();
    void pickRegion();
    void pickAppellation();
    void pickProducer();
    void pickReference(QLineEdit *box, QStringList &choices, const QString &statement, const QString &idField,
                       const QString &titleField);
    void referenceChosen(QLineEdit *box);
    void setReference(const char *idField, qint64 id);
    void emptyBox(QLineEdit *box);
    void pickCharacteristic(QLineEdit *box, const QString &branch);
    void pickColour();
    void pickCustom(int number);
    void editCustomList(int number);
    void renameCaption(int number);
    void organiseCharacteristics();
    void addFood();
    void removeFood();

    void loadBottles(qint64 bottle);
    void sortBottles(int column);
    qint64 selectedBottle() const;
    void enterBottles();
    void editBottle();
    void exitBottles();
    void pageChanged(int index);
    void deleteMovement(bool exits);
    void refreshCommands();

    TDataModule1 &m_data;
    Commands m_commands;
    FieldBinding *m_fields;
    DatasetModel *m_bottleModel;
    ListModel *m_enterModel, *m_exitModel;
    QStringList m_countryChoices, m_regionChoices, m_appellationChoices, m_producerChoices;
    Level m_lastOpened = Level::None;
    QString m_sortKey = QStringLiteral("Vintage");
    int m_historyPage = -1;
    bool m_newRow = false;
    bool m_showing = true;
};
