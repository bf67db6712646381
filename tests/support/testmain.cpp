// Every test runs offscreen, with an empty home of its own, and with the
// prompt service answering instead of showing dialogs.
#include "platform/prompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    // ODBC data sources registered by tests stay in the temporary home.
    const QString odbc = home.path() + QStringLiteral("/odbc");
    QDir().mkpath(odbc);
    QFile::copy(QStringLiteral("/etc/odbcinst.ini"), odbc + QStringLiteral("/odbcinst.ini"));
    qputenv("ODBCSYSINI", odbc.toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    prompt::setTestMode(true);
    return RUN_ALL_TESTS();
}
