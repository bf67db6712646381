#include "measure.h"

#include "app/bootstrap.h"
#include "app/progress.h"
#include "maintenance/backup.h"
#include "mainwindow/mainform.h"
#include "platform/sqlfunctions.h"
#include "storage/datamodule.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace bench {
namespace {

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Median of several timed runs, in milliseconds.
double median(int runs, const std::function<void()> &setup, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char *name, qint64 n, double ms, double baseline)
{
    if (baseline > 0)
        std::printf("{\"name\":\"%s\",\"n\":%lld,\"ms\":%.3f,\"baseline_ms\":%.3f,\"ratio\":%.3f,\"rss_mb\":%.1f}\n", name, n,
                    ms, baseline, ms / baseline, residentMb());
    else
        std::printf("{\"name\":\"%s\",\"n\":%lld,\"ms\":%.3f,\"baseline_ms\":null,\"ratio\":null,\"rss_mb\":%.1f}\n", name,
                    n, ms, residentMb());
    std::fflush(stdout);
}

// The statement stepped through the SQLite C API on a connection of its own,
// every value read, with the same functions and collation.
double rawStep(const QString &file, const QString &sql, int runs)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlfunctions::registerAll(db);
    const QByteArray text = sql.toUtf8();
    const double ms = median(runs, {}, [&] {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, text.constData(), int(text.size()), &st, nullptr);
        const int n = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int c = 0; c < n; ++c)
                if (sqlite3_column_type(st, c) == SQLITE_TEXT)
                    sqlite3_column_text(st, c);
        sqlite3_finalize(st);
    });
    sqlite3_close(db);
    return ms;
}

// Runs a program to its end; false when it could not or failed.
bool runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Backup and restore of the whole data folder against the gcab tool on the
// same files: compressing the database and every picture, and extracting.
int measureMaintenance(TDataModule1 &data, bool backup, bool restore)
{
    const QString gcab = QStandardPaths::findExecutable(QStringLiteral("gcab"));
    if (gcab.isEmpty()) {
        std::fprintf(stderr, "gcab est introuvable\n");
        return 1;
    }
    QTemporaryDir work;
    const QString archive = work.filePath(QStringLiteral("bench.bkp"));
    QStringList files{data.settings().databasePath()};
    const QString images = data.dataFolder() + QStringLiteral("Images/");
    for (const QString &n : QDir(images).entryList(QDir::Files))
        files << images + n;
    const qint64 n = files.size();
    NoProgress progress;
    bool ok = true;
    const auto ourBackup = [&] {
        ok = maintenance::backupTo(data, archive, QStringLiteral("Mesure"), progress) && ok;
    };
    if (backup || restore)
        ourBackup();
    if (backup) {
        const QString cab = work.filePath(QStringLiteral("gcab.cab"));
        const double baseline = median(3, {}, [&] {
            ok = runTool(gcab, QStringList{QStringLiteral("-c"), QStringLiteral("-z"), QStringLiteral("-n"), cab} + files) && ok;
        });
        const double ms = median(3, {}, ourBackup);
        report("backup", n, ms, baseline);
    }
    if (restore) {
        const QString out = work.filePath(QStringLiteral("gcab-out"));
        const double baseline = median(3, [&] { QDir(out).removeRecursively(); QDir().mkpath(out); }, [&] {
            ok = runTool(gcab, {QStringLiteral("-x"), QStringLiteral("-C"), out, archive}) && ok;
        });
        const double ms = median(3, {}, [&] {
            ok = maintenance::restoreFrom(data, archive, work.filePath(QStringLiteral("restore")), progress) && ok;
        });
        report("restore", n, ms, baseline);
    }
    data.ADOConnection1.exec(QStringLiteral("DELETE FROM BACKUP WHERE Description='Mesure' OR Path=?"), {archive});
    if (!ok)
        std::fprintf(stderr, "backup/restore: une opération a échoué\n");
    return ok ? 0 : 1;
}

} // namespace

int run(const QString &dataFolder, const QStringList &names)
{
    NoProgress progress;
    const auto prepared = app::prepare(app::findProgramFolder(), dataFolder, progress);
    if (!prepared)
        return 1;
    TDataModule1 data;
    data.connectTo(prepared->db);
    Connection &c = data.ADOConnection1;
    const ResultSet biggest = c.select(QStringLiteral(
        "SELECT PROFILES.ID, PROFILES.LoginName, Count(WINE.Id) AS n FROM PROFILES LEFT JOIN WINE ON WINE.Id_File = PROFILES.ID "
        "GROUP BY PROFILES.ID, PROFILES.LoginName ORDER BY 3 DESC"));
    if (biggest.rowCount() == 0) {
        std::fprintf(stderr, "Aucun dossier dans %s\n", qPrintable(dataFolder));
        return 1;
    }
    const qint64 dossier = biggest.at(0, 0).toLongLong();
    const QString name = biggest.at(0, 1).toString();
    const qint64 wines = biggest.at(0, 2).toLongLong();
    const auto wanted = [&](const char *n) { return names.isEmpty() || names.contains(QLatin1String(n)); };

    AppSettings settings;
    TMainForm form(data, settings, prepared->folders);
    form.resize(1200, 800);
    form.show();
    QApplication::processEvents();
    const auto paint = [&] {
        form.Grid_WineList->viewport()->repaint();
        QApplication::processEvents();
    };

    if (wanted("open_dossier")) {
        form.OpenDossier(dossier, name);
        QStringList sql = form.WineMainList.sql();
        const double baseline = rawStep(prepared->db.databasePath(), c.translate(sql.join(u'\n')), 5);
        const double ms = median(5, [&] { form.CloseDossier(); }, [&] {
            form.OpenDossier(dossier, name);
            paint();
        });
        report("open_dossier", wines, ms, baseline);
    }
    if (wanted("refresh_card")) {
        if (form.currentDossier() != dossier)
            form.OpenDossier(dossier, name);
        const qint64 wine = form.currentWine();
        const qint64 bottle = form.currentBottle();
        int delta = 1;
        const double ms = median(21, [&] {
            c.exec(QStringLiteral("UPDATE BOTTLE SET Quantity = Quantity + %1 WHERE Id = %2").arg(delta).arg(bottle));
            delta = -delta;
        }, [&] {
            form.RefreshWineList(wine, false, false, false);
            QApplication::processEvents(); // paints what changed
        });
        report("refresh_card", wines, ms, 0);
    }
    if (wanted("scroll")) {
        if (form.currentDossier() != dossier)
            form.OpenDossier(dossier, name);
        // Painting reads the cards held in memory: no statement may run.
        int statements = 0;
        sqlite3_trace_v2(c.handle(), SQLITE_TRACE_STMT, [](unsigned, void *count, void *, void *) {
            ++*static_cast<int *>(count);
            return 0;
        }, &statements);
        QListView *view = form.Grid_WineList;
        const double ms = median(5, {}, [&] {
            for (int step = 0; step < 50; ++step) {
                view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + view->viewport()->height());
                view->viewport()->repaint();
            }
        });
        sqlite3_trace_v2(c.handle(), 0, nullptr, nullptr);
        report("scroll", 50, ms, 0);
        if (statements != 0) {
            std::fprintf(stderr, "scroll: %d statements ran while painting\n", statements);
            return 1;
        }
    }
    form.close();
    if (wanted("backup") || wanted("restore"))
        return measureMaintenance(data, wanted("backup"), wanted("restore"));
    return 0;
}

} // namespace bench
