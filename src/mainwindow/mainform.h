#pragma once
#include "app/appsettings.h"

#include <QMainWindow>

class TDataModule1;

// The program's hub window.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(TDataModule1 &data, AppSettings &settings, const QString &settingsPath, QWidget *parent = nullptr);

    qint64 currentDossier() const { return m_dossier; }

signals:
    void helpRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void restoreGeometryFromSettings();
    void rememberGeometry();

    TDataModule1 &m_data;
    AppSettings &m_settings;
    QString m_settingsPath;
    qint64 m_dossier = -1;
};
