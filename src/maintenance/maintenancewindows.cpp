#include "maintenancewindows.h"

#include "app/appfolders.h"
#include "app/progresswindows.h"
#include "backup.h"
#include "compact.h"
#include "mainwindow/mainform.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "shell/busycursor.h"
#include "shell/datasetmodel.h"
#include "storage/datamodule.h"
#include "texts/language.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TBackupList::TBackupList(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , Grid_Backup(new QTableView(this))
    , Btn_Close(new QPushButton(QStringLiteral(" &Fermer"), this))
    , Btn_Purge(new QPushButton(QStringLiteral("Purger l'historique"), this))
    , m_data(data)
{
    setObjectName(QStringLiteral("TBackupList"));
    setWindowTitle(QStringLiteral("  Historique des sauvegardes"));
    setModal(true);
    resize(760, 360);
    Grid_Backup->setObjectName(QStringLiteral("Grid_Backup"));
    Btn_Close->setObjectName(QStringLiteral("Btn_Close"));
    Btn_Purge->setObjectName(QStringLiteral("Btn_Purge"));

    data.Backup.close();
    data.Backup.open();
    m_model = new DatasetModel(data.Backup,
                               {{QStringLiteral("DateSav"), QStringLiteral("Date"), 10},
                                {QStringLiteral("TimeSav"), QStringLiteral("Heure"), 6},
                                {QStringLiteral("Description"), QStringLiteral("Description"), 40},
                                {QStringLiteral("Path"), QStringLiteral("Fichier de sauvegarde"), 50}},
                               this);
    Grid_Backup->setModel(m_model);
    Grid_Backup->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid_Backup->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid_Backup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_Backup->verticalHeader()->hide();
    Grid_Backup->horizontalHeader()->setStretchLastSection(true);
    Grid_Backup->resizeColumnsToContents();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Btn_Purge);
    buttons->addStretch();
    buttons->addWidget(Btn_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Grid_Backup);
    layout->addLayout(buttons);

    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Purge, &QPushButton::clicked, this, &TBackupList::Btn_PurgeClick);
    connect(&data.Backup, &Dataset::currentRowChanged, this, &TBackupList::updatePurge);
    updatePurge();
}

TBackupList::~TBackupList()
{
    m_data.Backup.close();
}

void TBackupList::updatePurge()
{
    Btn_Purge->setEnabled(m_data.Backup.isOpen() && !m_data.Backup.isEmpty());
}

void TBackupList::Btn_PurgeClick()
{
    if (!prompt::question(texts::lookup(QStringLiteral("BackupList"), QStringLiteral("Message1"),
                                        QStringLiteral("Désirez-vous purger l'historique des sauvegardes ?"))))
        return;
    try {
        BusyCursor busy;
        m_data.runStatement(m_data.Backup, QStringLiteral("DELETE FROM Backup"));
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    m_data.Backup.close();
    m_data.Backup.open();
    m_model->reload();
    updatePurge();
}

namespace maintenance {

namespace {

const QString kFilter = QStringLiteral("Sauvegarde base de donnée (*.bkp)");

// The main window disabled with its lists left as they are; on leaving,
// the lists come back on the same wine and bottle line.
class MainWindowPause
{
public:
    explicit MainWindowPause(TMainForm &main, bool keepPosition = true)
        : m_main(main)
        , m_wine(keepPosition ? main.currentWine() : -1)
        , m_bottle(keepPosition ? main.currentBottle() : -1)
    {
        QApplication::processEvents();
        m_main.setEnabled(false);
    }
    ~MainWindowPause()
    {
        try {
            if (m_main.currentDossier() >= 0) {
                m_main.RefreshWineList(m_wine, true, true, true);
                if (m_bottle >= 0)
                    m_main.RefreshBottleList(m_bottle);
            }
            m_main.UpdateCommands();
        } catch (const DbError &e) {
            // The operation has already said what failed; this adds why the lists are empty.
            prompt::error(e.message());
        }
        m_main.setEnabled(true);
    }

private:
    TMainForm &m_main;
    qint64 m_wine, m_bottle;
};

QString withExtension(QString file)
{
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".bkp");
    return file;
}

} // namespace

void backupCommand(TMainForm &main, TDataModule1 &data, const app::Folders &folders)
{
    const QString folder = backupFolder(data, folders.userData);
    QDir().mkpath(folder);
    const QString chosen = prompt::saveFileName(QStringLiteral("Localisation de la sauvegarde"), defaultArchiveName(folder), kFilter);
    if (chosen.isEmpty())
        return;
    bool done = false;
    {
        TWait wait(&main);
        wait.open();
        MainWindowPause pause(main);
        done = backupTo(data, withExtension(chosen), QStringLiteral("Sauvegarde de la base de données"), wait);
        wait.finish();
    }
    if (done)
        prompt::information(QStringLiteral("Sauvegarde effectuée."));
}

void restoreCommand(TMainForm &main, TDataModule1 &data, const app::Folders &folders)
{
    const QString folder = backupFolder(data, folders.userData);
    const QString chosen =
        prompt::openFileName(QStringLiteral("Sélectionnez la base de données à restaurer"), folder, kFilter);
    if (chosen.isEmpty())
        return;
    bool done = false;
    {
        TWait wait(&main);
        wait.open();
        if (main.currentDossier() >= 0)
            main.CloseDossier();
        MainWindowPause pause(main, false);
        done = restoreFrom(data, chosen, folders.userData + QStringLiteral("Backup/"), wait);
        wait.finish();
    }
    if (done)
        prompt::information(QStringLiteral("Sauvegarde restaurée."));
}

void historyCommand(TMainForm &main, TDataModule1 &data)
{
    TBackupList list(data, &main);
    list.exec();
}

void compactCommand(TMainForm &main, TDataModule1 &data)
{
    if (!prompt::question(QStringLiteral("Confirmez-vous le compactage de la base de données ?")))
        return;
    bool done = false;
    {
        BusyCursor busy;
        try {
            recordOperation(data, QStringLiteral("Compactage de la base de données"),
                            data.dataFolder() + paths::fromSetting(data.settings().oledbFileName));
        } catch (const DbError &e) {
            prompt::error(e.message());
            return;
        }
        TWait wait(&main);
        wait.setTask(QStringLiteral("Compactage de la base"));
        wait.setMessage(QStringLiteral("Quelques instants, SVP ..."));
        wait.open();
        MainWindowPause pause(main);
        done = compactDatabase(data);
        wait.finish();
    }
    if (done)
        prompt::information(QStringLiteral("Compactage effectué."));
}

} // namespace maintenance
