#include "app/startup.h"
#include "mainwindow/mainform.h"
#include "platform/promptdialogs.h"
#include "platform/prompt.h"
#include "shell/style.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

bool hasDisplay()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char *v = std::getenv(name); v && *v)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "tonnel : aucun affichage graphique disponible (DISPLAY n'est pas défini).\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tonnel"));
    shell::applyStyle(application);
    PromptDialogs dialogs;
    prompt::setBackend(&dialogs);

    Startup startup({});
    if (!startup.start())
        return 1;

    // SIGTERM and SIGINT close the main window as the user would, so that
    // the settings are saved.
    std::unique_ptr<QSocketNotifier> notifier;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        notifier = std::make_unique<QSocketNotifier>(g_signalPipe[1], QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, startup.mainWindow(), [&] {
            char byte;
            [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
            startup.mainWindow()->close();
        });
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
    }
    const int code = QApplication::exec();
    prompt::setBackend(nullptr);
    return code;
}
