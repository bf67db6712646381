#include "appsettings.h"

#include "platform/ini.h"

namespace {

const QString P = QStringLiteral("Properties");
const QString A = QStringLiteral("AutoCalc");
const QString W = QStringLiteral("Windows");
const QString S = QStringLiteral("Scan");
const QString M = QStringLiteral("SMTP");

QString perDossier(const char *key, qint64 dossier)
{
    return QLatin1String(key) + u'#' + QString::number(dossier);
}

} // namespace

AppSettings AppSettings::read(const QString &path, qint64 dossier)
{
    const IniFile ini(path);
    AppSettings s;
    s.firstLaunch = ini.boolValue(P, QStringLiteral("FirstLaunch"), true);
    s.testMdac = ini.boolValue(P, QStringLiteral("TestMdac"), false);
    s.splash = ini.boolValue(P, QStringLiteral("Splash"), true);
    s.sortId = ini.intValue(P, QStringLiteral("SortId"), 0);
    s.hideBigFontMsg = ini.boolValue(P, QStringLiteral("HideBigFontMsg"), false);
    s.showCalendar = ini.boolValue(P, QStringLiteral("ShowCalendar"), false);
    if (dossier >= 0) {
        s.autoCalcCode = ini.boolValue(A, perDossier("AutoCalcCode", dossier), false);
        s.codePrefix = ini.value(A, perDossier("CodePrefix", dossier));
        s.codeSuffix = ini.value(A, perDossier("CodeSufix", dossier));
        s.formatCodeCount = ini.intValue(A, perDossier("FormatCodeCount", dossier), 1);
    }
    s.left = ini.intValue(W, QStringLiteral("Left"), -1);
    s.top = ini.intValue(W, QStringLiteral("Top"), -1);
    s.width = ini.intValue(W, QStringLiteral("Width"), -1);
    s.height = ini.intValue(W, QStringLiteral("Height"), -1);
    s.state = ini.value(W, QStringLiteral("State"));
    s.style = ini.boolValue(W, QStringLiteral("Style"), false);
    s.twainSource = ini.value(S, QStringLiteral("TwainSource"));
    s.showTwainUi = ini.boolValue(S, QStringLiteral("ShowTwainUI"), false);
    s.maxWidth = ini.intValue(S, QStringLiteral("MaxWidth"), 5000);
    s.jpegQuality = ini.intValue(S, QStringLiteral("JpegQuality"), 100);
    s.smtpName = ini.value(M, QStringLiteral("Name"));
    s.smtpEmail = ini.value(M, QStringLiteral("Email"));
    s.smtpHost = ini.value(M, QStringLiteral("Host"));
    s.smtpPort = ini.intValue(M, QStringLiteral("Port"), 25);
    s.alarm = ini.boolValue(QStringLiteral("Wine"), QStringLiteral("Alarm"), false);
    s.oldDesign = ini.boolValue(QStringLiteral("Design"), QStringLiteral("old"), false);
    return s;
}

bool AppSettings::write(const QString &path, qint64 dossier) const
{
    IniFile ini(path);
    ini.setBool(P, QStringLiteral("FirstLaunch"), firstLaunch);
    ini.setBool(P, QStringLiteral("TestMdac"), testMdac);
    ini.setBool(P, QStringLiteral("Splash"), splash);
    ini.setInt(P, QStringLiteral("SortId"), sortId);
    ini.setBool(P, QStringLiteral("HideBigFontMsg"), hideBigFontMsg);
    ini.setBool(P, QStringLiteral("ShowCalendar"), showCalendar);
    if (dossier >= 0) {
        ini.setBool(A, perDossier("AutoCalcCode", dossier), autoCalcCode);
        ini.setValue(A, perDossier("CodePrefix", dossier), codePrefix);
        ini.setValue(A, perDossier("CodeSufix", dossier), codeSuffix);
        ini.setInt(A, perDossier("FormatCodeCount", dossier), formatCodeCount);
    }
    ini.setInt(W, QStringLiteral("Left"), left);
    ini.setInt(W, QStringLiteral("Top"), top);
    ini.setInt(W, QStringLiteral("Width"), width);
    ini.setInt(W, QStringLiteral("Height"), height);
    ini.setValue(W, QStringLiteral("State"), state);
    ini.setBool(W, QStringLiteral("Style"), style);
    ini.setValue(S, QStringLiteral("TwainSource"), twainSource);
    ini.setBool(S, QStringLiteral("ShowTwainUI"), showTwainUi);
    ini.setInt(S, QStringLiteral("MaxWidth"), maxWidth);
    ini.setInt(S, QStringLiteral("JpegQuality"), jpegQuality);
    ini.setValue(M, QStringLiteral("Name"), smtpName);
    ini.setValue(M, QStringLiteral("Email"), smtpEmail);
    ini.setValue(M, QStringLiteral("Host"), smtpHost);
    ini.setInt(M, QStringLiteral("Port"), smtpPort);
    ini.setBool(QStringLiteral("Wine"), QStringLiteral("Alarm"), alarm);
    ini.setBool(QStringLiteral("Design"), QStringLiteral("old"), oldDesign);
    return ini.saveAs(path);
}
