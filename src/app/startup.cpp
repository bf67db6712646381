#include "startup.h"

#include "app/mdacmsg.h"
#include "app/progresswindows.h"
#include "app/splash.h"
#include "mainwindow/mainform.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/singleinstance.h"
#include "storage/datamodule.h"
#include "storage/dbversion.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

Startup::Startup(Options options)
    : m_options(std::move(options))
{
}

Startup::~Startup() = default;

bool Startup::start()
{
    const QString program = m_options.programFolder.isEmpty() ? app::findProgramFolder()
                                                              : paths::folder(m_options.programFolder);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    prompt::setDefaultTitle(app::kDisplayName);

    m_instance = std::make_unique<SingleInstance>(app::kInstanceName, m_options.lockFolder);
    if (!m_instance->tryAcquire()) {
        prompt::information(app::kDisplayName + QStringLiteral(" est déjà en exécution."));
        return false;
    }

    {
        TWait wait;
        auto prepared = app::prepare(program, m_options.userData, wait);
        if (!prepared)
            return false;
        m_prepared = *prepared;
    }
    const app::Folders &folders = m_prepared.folders;
    if (!app::writeTest(app::kDisplayName + u' ' + app::kVersion, folders.userData + QStringLiteral("write.tmp")))
        return false;

    m_settings = AppSettings::read(folders.settingsFile(), 0);

    if (m_settings.testMdac && !dataAccessSufficient())
        TMdacMsg(folders.program).exec();

    TSplash splash;
    if (m_settings.splash) {
        splash.show();
        splash.repaint();
    }
    splash.setGaugeMaximum(8);
    splash.setGauge(1);
    splash.setInfo(QStringLiteral("Initialisation de la base de données ..."));
    splash.setInfo(QStringLiteral("Chargement du logiciel ..."));
    splash.setGauge(4);

    if (!openDatabase(splash))
        return false;
    if (m_prepared.db.databaseFilePresent())
        checkVersion();

    splash.setGauge(5);
    splash.setInfo(QStringLiteral("Chargement du logiciel ..."));
    splash.setGauge(6);
    splash.setGauge(7);
    m_main = std::make_unique<TMainForm>(*m_data, m_settings, folders);
    splash.setGauge(8);
    splash.close();
    m_main->show();
    return true;
}

bool Startup::openDatabase(TSplash &splash)
{
    m_data = std::make_unique<TDataModule1>();
    QString problem = dataAccessProblem(m_prepared.db);
    if (problem.isEmpty()) {
        try {
            m_data->connectTo(m_prepared.db);
            if (m_data->isConnected())
                return true;
        } catch (const DbError &e) {
            problem = e.message();
        }
    }
    splash.hide();
    if (!problem.isEmpty())
        prompt::error(problem);
    prompt::error(QStringLiteral("EXECUTION IMPOSSIBLE !!\n\n"
                                 "Ce logiciel a rencontré un problème lors de la connexion à la base de données.\n"
                                 "Contactez notre support technique par e-mail : support@plexido.example"));
    return false;
}

// The version record tells whether the database needs the upgrade script of
// this version; a developer's copy stamps its own version.
void Startup::checkVersion()
{
    const app::Folders &folders = m_prepared.folders;
    Connection &c = m_data->ADOConnection1;
    try {
        if (QFile::exists(folders.program + app::kExecutableName + QStringLiteral(".dpr")))
            dbversion::write(c, app::kVersion);
        if (dbversion::number(dbversion::read(c)) < dbversion::number(app::kVersion))
            app::copyMissingFile(app::upgradeScriptName(), folders);
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
}

int Startup::run()
{
    if (!start())
        return 1;
    return QApplication::exec();
}
