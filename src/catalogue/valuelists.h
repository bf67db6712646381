#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Connection;
class Dataset;
class TStrList;

// Editor of one value list (a column of the first COMBOITEMS row).
class TComboList : public QDialog
{
    Q_OBJECT
public:
    TComboList(const QString &caption, const QString &text, QWidget *parent = nullptr);
    QString text() const;

    QLabel *Lab_Title;
    QPlainTextEdit *Memo_List;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;
};
// Runs TComboList on the column; on OK the column is rewritten. True on OK.
bool EditValueList(const QString &caption, const QString &column, Dataset &comboItems, QWidget *parent = nullptr);

// Chooser of one food pairing, offered in the order given.
class TFoodList : public QDialog
{
    Q_OBJECT
public:
    TFoodList(const QStringList &entries, QWidget *parent = nullptr);
    QString chosen() const;

    QListWidget *List_Food;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;
};

// The values of a branch under the box, sorted after the empty entry,
// 15 pixels below the box's top edge; never shrunk.
TStrList *PickTreeValue(Connection &c, QLineEdit *box, const QString &branch);
