#pragma once
#include "storage/dossiers.h"

#include <QDialog>

class Dataset;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// TFileList: picks one dossier by name.
class TFileList : public QDialog
{
    Q_OBJECT
public:
    explicit TFileList(const QList<dossiers::Entry> &entries, QWidget *parent = nullptr);
    // The chosen dossier once accepted.
    dossiers::Entry chosen() const;

    QListWidget *List_Files;
    QPushButton *Btn_Ok, *Btn_Cancel, *Btn_Close;

private:
    QList<dossiers::Entry> m_entries;
};

// TEnterFile: edits the current row of MainFile (appended or in edit mode).
// The password box starts empty and means "unchanged"; a typed password is
// stored hashed.
class TEnterFile : public QDialog
{
    Q_OBJECT
public:
    explicit TEnterFile(Dataset &row, QWidget *parent = nullptr);
    void accept() override; // posts; stays open when the database refuses
    void reject() override; // cancels the row's changes

    QLineEdit *Ed_Name, *Ed_Password, *Ed_Owner;
    QPlainTextEdit *Ed_Comment;
    QCheckBox *Chk_NoPassword;
    QPushButton *Btn_Ok, *Btn_Cancel;

private:
    Dataset &m_row;
};

// TEnterPassWord: asks for the password of a dossier.
class TEnterPassWord : public QDialog
{
    Q_OBJECT
public:
    explicit TEnterPassWord(QWidget *parent = nullptr);
    QString password() const;

    QLineEdit *Ed_Password;
    QPushButton *Btn_Ok, *Btn_Cancel;
};
