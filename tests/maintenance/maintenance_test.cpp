#include "support/fixtures.h"

#include "app/progress.h"
#include "maintenance/backup.h"
#include "maintenance/compact.h"
#include "maintenance/maintenancewindows.h"
#include "mainwindow/mainform.h"
#include "platform/cabinet.h"
#include "platform/prompt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class MaintenanceTest : public MainWindowTest
{
protected:
    void showMainWindow() { show(); }
    void trigger(const char *name)
    {
        QAction *a = m_form->findChild<QAction *>(QLatin1String(name));
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
    qint64 firstWine() { return scalar(QStringLiteral("SELECT Min(Id) FROM WINE")).toLongLong(); }
    QString images() { return data().dataFolder() + QStringLiteral("Images/"); }
    QString archive(const QString &name) { return userData() + QStringLiteral("Backup/") + name; }
    bool backup(const QString &file)
    {
        NoProgress progress;
        return maintenance::backupTo(data(), file, QStringLiteral("Essai"), progress);
    }

};

// Through the menu: backup, delete a wine and its picture, add another
// picture, restore: the wine and its picture are back, the new one gone.
TEST_F(MaintenanceTest, RestoreBringsBackTheWineAndItsPicture)
{
    showMainWindow();
    const qint64 wine = firstWine();
    const QByteArray picture("\xff\xd8 picture of the wine");
    writeFile(data().wineImagePath(wine), picture);
    const qint64 wines = count(QStringLiteral("WINE"));

    const QString file = archive(QStringLiteral("essai.bkp"));
    prompt::setNextFileName(file);
    trigger("Popup_Tools_DataBase_Backup");
    ASSERT_EQ(prompt::lastText(), QStringLiteral("Sauvegarde effectuée."));
    ASSERT_TRUE(QFileInfo(file).isFile());
    EXPECT_TRUE(m_form->isEnabled());
    EXPECT_GE(m_form->currentDossier(), 0) << "a backup leaves the dossier open";

    db().exec(QStringLiteral("DELETE FROM WINE WHERE Id=%1").arg(wine));
    QFile::remove(data().wineImagePath(wine));
    writeFile(images() + QStringLiteral("Wine99999.jpg"), "added later");

    prompt::setNextFileName(file);
    trigger("Popup_Tools_DataBase_restore");
    ASSERT_EQ(prompt::lastText(), QStringLiteral("Sauvegarde restaurée."));
    EXPECT_EQ(m_form->currentDossier(), -1);
    EXPECT_TRUE(m_form->isEnabled());
    EXPECT_EQ(count(QStringLiteral("WINE")), wines);
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id=%1").arg(wine)), 1);
    EXPECT_EQ(readFile(data().wineImagePath(wine)), picture);
    EXPECT_FALSE(QFileInfo::exists(images() + QStringLiteral("Wine99999.jpg")));
    // The archive's own row came back with the database; the restore adds one.
    EXPECT_EQ(count(QStringLiteral("BACKUP"), QStringLiteral("Description='Restauration de la base de données'")), 1);
    // No work file is left in the backup folder.
    EXPECT_EQ(QDir(userData() + QStringLiteral("Backup")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("essai.bkp")});
}

TEST_F(MaintenanceTest, DamagedOrForeignArchiveReplacesNothing)
{
    const QString work = userData() + QStringLiteral("Backup/");
    writeFile(work + QStringLiteral("Wine1.jpg"), "jpeg");
    writeFile(work + QStringLiteral("TONNEL.MDB"), "this is not a database at all, only some text to fill a page");
    const QString plainDb = userData() + QStringLiteral("plain.db");
    QFile::copy(data().settings().databasePath(), plainDb); // like a pre-upgrade copy
    struct Case {
        const char *name;
        std::function<void(const QString &)> make;
        const char *why;
    };
    const std::vector<Case> cases = {
        {"text.bkp", [](const QString &f) { writeFile(f, "not a cabinet"); }, "ce n'est pas une archive de sauvegarde"},
        {"copy.bkp", [&](const QString &f) { QFile::copy(plainDb, f); }, "ce n'est pas une archive de sauvegarde"},
        {"nodb.bkp", [&](const QString &f) { cabinet::write(f, {{work + QStringLiteral("Wine1.jpg"), QStringLiteral("Wine1.jpg")}}); },
         "ne contient pas de base de données"},
        {"baddb.bkp",
         [&](const QString &f) { cabinet::write(f, {{work + QStringLiteral("TONNEL.MDB"), QStringLiteral("TONNEL.MDB")}}); },
         "n'est pas une base de données utilisable"},
    };
    db().exec(QStringLiteral("INSERT INTO WINE (Id_File, Title) VALUES (1, 'Témoin')"));
    writeFile(images() + QStringLiteral("Wine424242.jpg"), "kept");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = work + QLatin1String(c.name);
        c.make(file);
        prompt::clear();
        NoProgress progress;
        EXPECT_FALSE(maintenance::restoreFrom(data(), file, work, progress));
        EXPECT_TRUE(prompt::lastText().contains(file)) << prompt::lastText().toStdString();
        EXPECT_TRUE(prompt::lastText().contains(QString::fromUtf8(c.why))) << prompt::lastText().toStdString();
        ASSERT_TRUE(data().isConnected());
        EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Title='Témoin'")), 1);
        EXPECT_EQ(readFile(images() + QStringLiteral("Wine424242.jpg")), "kept");
        EXPECT_EQ(count(QStringLiteral("BACKUP")), 0);
    }
}

// Twice through the menu; the lists come back on the same wine and bottle.
TEST_F(MaintenanceTest, CompactingTwiceLeavesAWorkingDatabase)
{
    showMainWindow();
    db().exec(QStringLiteral("DELETE FROM HISTORIC")); // free pages to give back
    const qint64 wine = m_form->currentWine();
    const qint64 bottle = m_form->currentBottle();
    ASSERT_GE(wine, 0);
    const QString file = data().settings().databasePath();
    for (int round = 0; round < 2; ++round) {
        prompt::setNextAnswer(prompt::Yes);
        trigger("Popup_Tools_DataBase_Compact");
        ASSERT_EQ(prompt::lastText(), QStringLiteral("Compactage effectué.")) << round;
        EXPECT_TRUE(data().isConnected());
        EXPECT_EQ(m_form->currentWine(), wine);
        EXPECT_EQ(m_form->currentBottle(), bottle);
        EXPECT_TRUE(m_form->isEnabled());
    }
    EXPECT_FALSE(QFileInfo::exists(maintenance::tildeName(file)));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    EXPECT_EQ(count(QStringLiteral("BACKUP"), QStringLiteral("Description='Compactage de la base de données'")), 2);

    prompt::setNextAnswer(prompt::No);
    trigger("Popup_Tools_DataBase_Compact");
    EXPECT_EQ(count(QStringLiteral("BACKUP")), 2) << "No changes nothing";
}

TEST_F(MaintenanceTest, LeftoverTildeFileRefusesCompaction)
{
    const QString file = data().settings().databasePath();
    const QString tilde = maintenance::tildeName(file);
    EXPECT_TRUE(tilde.endsWith(QStringLiteral("/TONNEL~.MDB")));
    writeFile(tilde, "left by an earlier failure");
    const QByteArray before = readFile(file);
    EXPECT_FALSE(maintenance::compactDatabase(data()));
    EXPECT_TRUE(prompt::lastText().contains(tilde)) << prompt::lastText().toStdString();
    EXPECT_EQ(readFile(tilde), "left by an earlier failure");
    EXPECT_EQ(readFile(file), before);
    ASSERT_TRUE(data().isConnected());
    EXPECT_GT(count(QStringLiteral("WINE")), 0);
}

TEST_F(MaintenanceTest, ArchiveIsReadByCabextract)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("cabextract"));
    if (tool.isEmpty())
        GTEST_SKIP() << "cabextract is not installed";
    writeFile(images() + QStringLiteral("Wine3.jpg"), QByteArray(50000, 'x') + "end");
    const QString file = archive(QStringLiteral("lu.bkp"));
    ASSERT_TRUE(backup(file));
    QProcess list;
    list.start(tool, {QStringLiteral("-l"), file});
    ASSERT_TRUE(list.waitForFinished());
    const QString listing = QString::fromUtf8(list.readAllStandardOutput());
    EXPECT_EQ(list.exitCode(), 0) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("Wine3.jpg")));
    EXPECT_TRUE(listing.contains(QStringLiteral("TONNEL.MDB")));

    const QString out = userData() + QStringLiteral("out");
    QProcess extract;
    extract.start(tool, {QStringLiteral("-q"), QStringLiteral("-d"), out, file});
    ASSERT_TRUE(extract.waitForFinished());
    EXPECT_EQ(extract.exitCode(), 0);
    EXPECT_EQ(readFile(out + QStringLiteral("/Wine3.jpg")), readFile(images() + QStringLiteral("Wine3.jpg")));
    Connection copy;
    ASSERT_NO_THROW(copy.openFile(out + QStringLiteral("/TONNEL.MDB")));
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT Count(*) FROM WINE")).toLongLong(), count(QStringLiteral("WINE")));
}

TEST_F(MaintenanceTest, CompressOneFileAndExtractTheFirstItem)
{
    const QString source = userData() + QStringLiteral("File7.txt");
    writeFile(source, "attached content");
    const QString packed = userData() + QStringLiteral("File7.f");
    cabinet::compressFile(source, packed);
    EXPECT_EQ(cabinet::list(packed), QStringList{QStringLiteral("File7.txt")});
    const QString target = userData() + QStringLiteral("sortie/copie.txt");
    QDir().mkpath(userData() + QStringLiteral("sortie"));
    cabinet::extractFirst(packed, target);
    EXPECT_EQ(readFile(target), "attached content");
}

// The archive only appears under its name once complete.
TEST_F(MaintenanceTest, FailedBackupLeavesNoArchive)
{
    const QString blocked = archive(QStringLiteral("occupe.bkp"));
    writeFile(blocked + QStringLiteral("/dedans"), "a folder stands where the archive should go");
    EXPECT_FALSE(backup(blocked));
    EXPECT_TRUE(prompt::lastText().contains(blocked)) << prompt::lastText().toStdString();
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(QDir(userData() + QStringLiteral("Backup")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("occupe.bkp")});
    EXPECT_TRUE(data().isConnected());

    const QString nowhere = userData() + QStringLiteral("fichier/dessous.bkp");
    writeFile(userData() + QStringLiteral("fichier"), "a file where a folder is needed");
    EXPECT_FALSE(backup(nowhere));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    EXPECT_EQ(count(QStringLiteral("BACKUP")), 0); // the history lists only archives that exist
}

TEST_F(MaintenanceTest, HistoryWindowShowsAndPurges)
{
    showMainWindow();
    const QString kept = archive(QStringLiteral("garde.bkp"));
    ASSERT_TRUE(backup(kept));
    maintenance::recordOperation(data(), QStringLiteral("Compactage de la base de données"), QStringLiteral("/tmp/x"));
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<TBackupList *>(QApplication::activeModalWidget());
        if (!w)
            return;
        driven = true;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("  Historique des sauvegardes"));
        EXPECT_EQ(w->Grid_Backup->model()->rowCount(), 2);
        EXPECT_EQ(w->Grid_Backup->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Fichier de sauvegarde"));
        EXPECT_TRUE(w->Btn_Purge->isEnabled());
        w->grab().save(QStringLiteral("/tmp/backup-list.png"));

        prompt::setNextAnswer(prompt::No);
        QTest::mouseClick(w->Btn_Purge, Qt::LeftButton);
        EXPECT_EQ(w->Grid_Backup->model()->rowCount(), 2);

        prompt::setNextAnswer(prompt::Yes);
        QTest::mouseClick(w->Btn_Purge, Qt::LeftButton);
        EXPECT_EQ(prompt::lastText(), QStringLiteral("Désirez-vous purger l'historique des sauvegardes ?"));
        EXPECT_EQ(w->Grid_Backup->model()->rowCount(), 0);
        EXPECT_FALSE(w->Btn_Purge->isEnabled());
        QTest::mouseClick(w->Btn_Close, Qt::LeftButton);
    });
    trigger("Popup_Tools_DataBase_History");
    EXPECT_TRUE(driven);
    EXPECT_EQ(count(QStringLiteral("BACKUP")), 0);
    EXPECT_TRUE(QFileInfo(kept).isFile()) << "purging keeps the archives";
}

// The command line runs the same operations.
TEST_F(MaintenanceTest, CommandLineBacksUpRestoresAndCompacts)
{
    const QString file = archive(QStringLiteral("cli.bkp"));
    const qint64 wines = count(QStringLiteral("WINE"));
    data().ADOConnection1.close(); // the program is another process
    const auto cli = [&](const QStringList &args) {
        QProcess p;
        p.start(binary(QStringLiteral("tonnel-cli")), QStringList{QStringLiteral("--data"), userData()} + args);
        p.waitForFinished(-1);
        return p.exitCode();
    };
    EXPECT_EQ(cli({QStringLiteral("backup"), file}), 0);
    ASSERT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(cli({QStringLiteral("sql"), QStringLiteral("DELETE FROM WINE")}), 0);
    EXPECT_EQ(cli({QStringLiteral("restore"), file}), 0);
    EXPECT_EQ(cli({QStringLiteral("compact")}), 0);
    EXPECT_NE(cli({QStringLiteral("restore"), userData() + QStringLiteral("db.ini")}), 0);
    data().connectTo(data().settings());
    EXPECT_EQ(count(QStringLiteral("WINE")), wines);
    EXPECT_EQ(count(QStringLiteral("BACKUP")), 3);
}
