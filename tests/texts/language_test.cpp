#include "texts/language.h"
#include "texts/languagehook.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using texts::lookup;

class LanguageTest : public ::testing::Test
{
protected:
    void TearDown() override { texts::setBaseName({}); }

    QString writeFiles(const QByteArray &ssl, const QByteArray &csl)
    {
        const QString base = m_dir.filePath(QStringLiteral("english"));
        for (const auto &[ext, content] : {std::pair{".ssl", ssl}, std::pair{".csl", csl}}) {
            if (content.isNull())
                continue;
            QFile f(base + QLatin1String(ext));
            f.open(QIODevice::WriteOnly);
            f.write(content);
        }
        return base;
    }

    QTemporaryDir m_dir;
};

TEST_F(LanguageTest, DefaultsWithLineBreaks)
{
    EXPECT_EQ(lookup(QStringLiteral("CommonLib"), QStringLiteral("String1"), QStringLiteral("Le fichier d'aide est introuvable !")),
              QStringLiteral("Le fichier d'aide est introuvable !"));
    EXPECT_EQ(lookup(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("avant{CR}après")), QStringLiteral("avant\naprès"));
    EXPECT_EQ(lookup(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("Fichier %1 introuvable."), QStringLiteral("a.req")),
              QStringLiteral("Fichier a.req introuvable."));
}

TEST_F(LanguageTest, LanguageFilesReplaceTheDefaults)
{
    texts::setBaseName(writeFiles("[CommonLib]\r\nString1=Help file not found!{CR}Sorry\r\n", "[CommonLib]\r\nString2=From csl\r\n"));
    EXPECT_EQ(lookup(QStringLiteral("commonlib"), QStringLiteral("String1"), QStringLiteral("d")), QStringLiteral("Help file not found!\nSorry"));
    EXPECT_EQ(lookup(QStringLiteral("CommonLib"), QStringLiteral("String2"), QStringLiteral("d")), QStringLiteral("From csl"));
    EXPECT_EQ(lookup(QStringLiteral("CommonLib"), QStringLiteral("String3"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(lookup(QString(), QStringLiteral("String1"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(lookup(QStringLiteral("CommonLib"), QString(), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(LanguageTest, WindowHookChangesCaptionsByName)
{
    QWidget window;
    auto *label = new QLabel(QStringLiteral("Nom"), &window);
    label->setObjectName(QStringLiteral("Lab_Title"));
    auto *check = new QCheckBox(QStringLiteral("Trier"), &window);
    check->setObjectName(QStringLiteral("Chk_Sort"));
    auto *edit = new QLineEdit(QStringLiteral("x"), &window);
    edit->setObjectName(QStringLiteral("Ed_Title"));
    auto *action = new QAction(QStringLiteral("&Fichier"), &window);
    action->setObjectName(QStringLiteral("Popup_File"));

    texts::translateWindow(&window, QStringLiteral("Test"));
    EXPECT_EQ(label->text(), QStringLiteral("Nom")); // no language file: unchanged

    texts::setBaseName(writeFiles("[Other]\r\nLab_Title.Caption=No\r\n[test]\r\n; comment\r\n\r\nLab_Title.Caption=Name{CR}here\r\n"
                                  "Chk_Sort.Caption=Sort\r\nEd_Title.Text=y=z\r\nPopup_File.Caption=&File\r\nLab_Title.Width=4\r\n"
                                  "Missing.Caption=?\r\nnoequals\r\n[Next]\r\nChk_Sort.Caption=Later\r\n",
                                  QByteArray()));
    texts::translateWindow(&window, QStringLiteral("Test"));
    EXPECT_EQ(label->text(), QStringLiteral("Name\nhere"));
    EXPECT_EQ(check->text(), QStringLiteral("Sort"));
    EXPECT_EQ(edit->text(), QStringLiteral("y=z"));
    EXPECT_EQ(action->text(), QStringLiteral("&File"));

    // A section header on the last line applies nothing.
    texts::setBaseName(writeFiles("[Last]", QByteArray()));
    texts::translateWindow(&window, QStringLiteral("Last"));
    EXPECT_EQ(check->text(), QStringLiteral("Sort"));
}
