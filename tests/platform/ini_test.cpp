#include "platform/codepage.h"
#include "platform/ini.h"

#include <QFile>
#include <QTemporaryDir>
#include "support/files.h"

#include <gtest/gtest.h>

namespace {

QString write(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    writeFile(path, content);
    return path;
}


} // namespace

TEST(IniFile, ReadsWindowsPathsAndIgnoresCase)
{
    QTemporaryDir dir;
    const IniFile ini(write(dir, "; comment\r\n[DataBase]\r\nPath=Data\\\r\nProvider = OLEDB \r\n[Other]\r\nList=a,b;c\r\n"));
    EXPECT_EQ(ini.value(QStringLiteral("database"), QStringLiteral("PATH")), QStringLiteral("Data\\"));
    EXPECT_EQ(ini.value(QStringLiteral("DataBase"), QStringLiteral("Provider")), QStringLiteral("OLEDB"));
    EXPECT_EQ(ini.value(QStringLiteral("Other"), QStringLiteral("List")), QStringLiteral("a,b;c"));
    EXPECT_EQ(ini.value(QStringLiteral("Other"), QStringLiteral("Missing"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(ini.intValue(QStringLiteral("Other"), QStringLiteral("List"), 7), 7);
}

TEST(IniFile, RewritesOnlyWhatChanged)
{
    QTemporaryDir dir;
    const QByteArray original = "; garder\r\n[A]\r\nKey=1\r\nOther=x\\y\r\n\r\n[B]\r\nZ=2\r\n";
    const QString path = write(dir, original);
    IniFile ini(path);
    ini.setValue(QStringLiteral("a"), QStringLiteral("key"), QStringLiteral("1"));
    EXPECT_FALSE(ini.isModified());
    ini.setValue(QStringLiteral("A"), QStringLiteral("Key"), QStringLiteral("2"));
    ini.setValue(QStringLiteral("A"), QStringLiteral("New"), QStringLiteral("é"));
    ini.setValue(QStringLiteral("C"), QStringLiteral("K"), QStringLiteral("v"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readFile(path), QByteArray("; garder\r\n[A]\r\nKey=2\r\nOther=x\\y\r\nNew=\xc3\xa9\r\n\r\n[B]\r\nZ=2\r\n\r\n[C]\r\nK=v\r\n"));
}

TEST(IniFile, ReadsOldWindowsTexts)
{
    QTemporaryDir dir;
    const IniFile ini(write(dir, "[S]\r\nK=\x80 \x9c\x75vre \xe9t\xe9\r\n"));
    EXPECT_EQ(ini.value(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("€ œuvre été"));
    EXPECT_EQ(codepage::toWindows1252(QStringLiteral("€ œ é")), QByteArray("\x80 \x9c \xe9"));
}
