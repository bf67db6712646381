#pragma once
#include <QString>

// The settings file in the user data folder (named after the executable,
// ".ini"): every key with its default, read at start-up and written back at
// shutdown.
struct AppSettings {
    // Properties
    bool firstLaunch = true;
    bool testMdac = false;
    bool splash = true;
    int sortId = 0;
    bool hideBigFontMsg = false;
    bool showCalendar = false;
    // AutoCalc, for the current dossier
    bool autoCalcCode = false;
    QString codePrefix;
    QString codeSuffix;
    int formatCodeCount = 1;
    // Windows: -1 means not stored
    int left = -1, top = -1, width = -1, height = -1;
    QString state;          // "wsNormal", "wsMinimized", "wsMaximized"
    bool style = false;
    // Scan
    QString twainSource;
    bool showTwainUi = false;
    int maxWidth = 5000;
    int jpegQuality = 100;
    // SMTP
    QString smtpName, smtpEmail, smtpHost;
    int smtpPort = 25;
    // Wine
    bool alarm = false;
    // Design
    bool oldDesign = false;

    // The AutoCalc keys are read and written only for a dossier id >= 0.
    static AppSettings read(const QString &path, qint64 dossier);
    bool write(const QString &path, qint64 dossier) const;
};
