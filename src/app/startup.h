#pragma once
#include "app/appsettings.h"
#include "app/bootstrap.h"

#include <QString>
#include <memory>

class TDataModule1;
class TMainForm;
class TSplash;
class SingleInstance;

// The program's start, from the single-instance lock to the main window.
class Startup
{
public:
    struct Options {
        QString programFolder; // default: found from the executable
        QString userData;      // default: resolved as usual
        QString lockFolder;    // default: the temp folder
    };

    explicit Startup(Options options);
    ~Startup();

    // Runs every step up to the shown main window. False when start-up
    // ended (the user has been told why).
    bool start();
    // start(), then the message loop until the main window closes.
    int run();

    TMainForm *mainWindow() const { return m_main.get(); }
    TDataModule1 *data() const { return m_data.get(); }
    const app::Folders &folders() const { return m_prepared.folders; }
    const AppSettings &settings() const { return m_settings; }

private:
    bool openDatabase(TSplash &splash);
    void checkVersion();

    Options m_options;
    std::unique_ptr<SingleInstance> m_instance;
    app::Prepared m_prepared;
    AppSettings m_settings;
    std::unique_ptr<TDataModule1> m_data;
    std::unique_ptr<TMainForm> m_main;
};
