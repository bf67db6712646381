#pragma once
#include <QDialog>

class DatasetModel;
class QPushButton;
class QTableView;
class TDataModule1;
class TMainForm;
namespace app {
struct Folders;
}

// TBackupList: the history of backups, restores and compactions.
class TBackupList : public QDialog
{
    Q_OBJECT
public:
    explicit TBackupList(TDataModule1 &data, QWidget *parent = nullptr);
    ~TBackupList() override;

    QTableView *Grid_Backup;
    QPushButton *Btn_Close;
    QPushButton *Btn_Purge;

    void Btn_PurgeClick();

private:
    void updatePurge();
    TDataModule1 &m_data;
    DatasetModel *m_model;
};

// The "Base de données" commands of the main window.
namespace maintenance {

void backupCommand(TMainForm &main, TDataModule1 &data, const app::Folders &folders);
void restoreCommand(TMainForm &main, TDataModule1 &data, const app::Folders &folders);
void historyCommand(TMainForm &main, TDataModule1 &data);
void compactCommand(TMainForm &main, TDataModule1 &data);

} // namespace maintenance
