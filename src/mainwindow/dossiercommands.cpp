#include "dossiercommands.h"

#include "app/progresswindows.h"
#include "maintenance/backup.h"
#include "mainwindow/dossierwindows.h"
#include "mainwindow/mainform.h"
#include "platform/prompt.h"
#include "shell/busycursor.h"
#include "storage/datamodule.h"
#include "storage/dossiers.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

DossierCommands::DossierCommands(TMainForm &form, TDataModule1 &data, const app::Folders &folders)
    : QObject(&form)
    , m_form(form)
    , m_data(data)
    , m_folders(folders)
{
}

QString DossierCommands::deletionBackupName(const app::Folders &folders, const QDateTime &when)
{
    return folders.userData + QStringLiteral("Backup/DEL_FILE_BACKUP_")
           + when.toString(QStringLiteral("dd_MM_yyyy_hh_mm_")) + QStringLiteral(".bkp");
}

void DossierCommands::open()
{
    dossiers::Entry chosen;
    QString stored;
    try {
        TFileList list(dossiers::list(m_data), &m_form);
        if (list.exec() != QDialog::Accepted)
            return;
        chosen = list.chosen();
        if (chosen.id < 0)
            return;
        stored = dossiers::storedPassword(m_data, chosen.id);
        if (!stored.isEmpty()) {
            TEnterPassWord ask(&m_form);
            if (ask.exec() != QDialog::Accepted)
                return;
            if (!dossiers::checkPassword(stored, ask.password())) {
                prompt::information(QStringLiteral("Mot de passe incorrect !"));
                return;
            }
            // The plain value still works if it cannot be replaced now.
            if (dossiers::needsUpgrade(stored)) {
                try {
                    dossiers::setStoredPassword(m_data, chosen.id, dossiers::hashPassword(ask.password()));
                } catch (const DbError &) {
                }
            }
        }
    } catch (const DbError &e) {
        prompt::error(e.message());
        return;
    }
    m_form.OpenDossier(chosen.id, chosen.name);
}

void DossierCommands::create()
{
    Dataset &ds = m_data.MainFile;
    qint64 id = -1;
    QString name;
    try {
        ds.close();
        ds.open();
        ds.append();
        TEnterFile editor(ds, &m_form);
        if (editor.exec() == QDialog::Accepted) {
            id = ds.integer(QStringLiteral("ID"), -1);
            name = ds.text(QStringLiteral("LoginName"));
        }
        ds.close();
    } catch (const DbError &e) {
        ds.close();
        prompt::error(e.message());
    }
    if (id >= 0)
        m_form.OpenDossier(id, name);
    m_form.UpdateCommands();
}

void DossierCommands::edit()
{
    Dataset &ds = m_data.MainFile;
    try {
        ds.close();
        ds.open();
        if (ds.locate(QStringLiteral("ID"), m_form.currentDossier())) {
            ds.edit();
            TEnterFile editor(ds, &m_form);
            editor.exec();
        }
        ds.close();
    } catch (const DbError &e) {
        ds.close();
        prompt::error(e.message());
    }
    m_form.UpdateCommands();
}

void DossierCommands::remove()
{
    const qint64 id = m_form.currentDossier();
    if (id < 0 || !prompt::question(QStringLiteral("Confirmez-vous la suppression de ce dossier ?")))
        return;

    const QString archive = deletionBackupName(m_folders, QDateTime::currentDateTime());
    QDir().mkpath(QFileInfo(archive).absolutePath());
    bool saved = false;
    {
        TWait wait(&m_form);
        wait.setTask(QStringLiteral("Sauvegarde automatique"));
        wait.setMessage(QStringLiteral("Quelques instants, SVP ..."));
        wait.open();
        m_form.setEnabled(false);
        saved = maintenance::backupTo(m_data, archive, QStringLiteral("Sauvagarde automatique (suppression d'un dossier)"), wait);
        m_form.setEnabled(true);
        wait.finish();
    }
    // Without a copy to come back to, the dossier stays.
    if (!saved) {
        prompt::error(QStringLiteral("La sauvegarde automatique a échoué : le dossier n'a pas été supprimé."));
        return;
    }

    BusyCursor busy;
    TWait wait(&m_form);
    wait.setTask(QStringLiteral("Suppression du dossier"));
    wait.setMessage(QStringLiteral("Quelques instants, SVP ..."));
    wait.setMaximum(1);
    wait.setPosition(0);
    wait.open();
    m_form.setEnabled(false);
    bool deleted = false;
    try {
        m_data.deleteDossier(id, wait);
        deleted = true;
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    m_data.MainFile.close();
    if (deleted)
        m_form.CloseDossier();
    m_form.setEnabled(true);
    wait.finish();
}
