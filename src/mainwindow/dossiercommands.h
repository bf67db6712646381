#pragma once
#include "app/appfolders.h"

#include <QObject>

class QDateTime;
class TDataModule1;
class TMainForm;

// The File-menu commands that open, create, edit and delete dossiers.
class DossierCommands : public QObject
{
    Q_OBJECT
public:
    DossierCommands(TMainForm &form, TDataModule1 &data, const app::Folders &folders);

    void open();
    void create();
    void edit();
    void remove();

    // Where the safety copy made before a deletion goes.
    static QString deletionBackupName(const app::Folders &folders, const QDateTime &when);

private:
    TMainForm &m_form;
    TDataModule1 &m_data;
    app::Folders m_folders;
};
