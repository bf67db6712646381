#pragma once
#include <QDialog>

class QTextBrowser;
class QPushButton;

// Tells the user that the database library is too old, from html/mdac.htm.
class TMdacMsg : public QDialog
{
    Q_OBJECT
public:
    explicit TMdacMsg(const QString &programFolder, QWidget *parent = nullptr);

    QTextBrowser *Browser;
    QPushButton *Btn_Close;
};
