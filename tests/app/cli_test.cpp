#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

struct CliRun {
    int code;
    QString out, err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(binary(QStringLiteral("tonnel-cli")), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(Cli, InitLaysOutTheFolderOnceThenRunsStatements)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    CliRun r = cli({QStringLiteral("--data"), d, QStringLiteral("init")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    for (const char *path : {"db.ini", "SortList.def", "Export", "Html", "Backup", "Data/Access/TONNEL.MDB", "Data/Images", "Data/Files"})
        EXPECT_TRUE(QFileInfo::exists(d + u'/' + QLatin1String(path))) << path;

    r = cli({QStringLiteral("--data"), d, QStringLiteral("sql"), QStringLiteral("UPDATE WINE SET Title='Témoin' WHERE Id=1")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.isEmpty());
    // A second init keeps the database.
    ASSERT_EQ(cli({QStringLiteral("--data"), d, QStringLiteral("init")}).code, 0);
    r = cli({QStringLiteral("--data"), d, QStringLiteral("sql"),
             QStringLiteral("SELECT [Title] as [Nom], Null as [Vide], #3/5/2005# as [Jour], PurchasePrice, 2.5 * 2 as [Calcul] "
                            "FROM WINE LEFT JOIN BOTTLE ON BOTTLE.Id_Wine = WINE.Id WHERE WINE.Id=1 ORDER BY BOTTLE.Id")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("Nom\tVide\tJour\tPurchasePrice\tCalcul"));
    const QStringList cells = lines[1].split(u'\t');
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0], QStringLiteral("Témoin"));
    EXPECT_EQ(cells[1], QString());
    EXPECT_EQ(cells[2], QStringLiteral("05/03/2005"));
    EXPECT_EQ(cells[4], QStringLiteral("5"));

    r = cli({QStringLiteral("--data"), d, QStringLiteral("sql"),
             QStringLiteral("SELECT PurchaseDate, ActionDate FROM HISTORIC WHERE Id=1")});
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\n\\d\\d/\\d\\d/\\d{4}\t\\d\\d/\\d\\d/\\d{4}\n")).match(r.out).hasMatch()) << r.out.toStdString();
    cli({QStringLiteral("--data"), d, QStringLiteral("sql"), QStringLiteral("UPDATE HISTORIC SET ActionDate='2024-02-29 18:05:09', PurchasePrice=12.125 WHERE Id=1")});
    r = cli({QStringLiteral("--data"), d, QStringLiteral("sql"), QStringLiteral("SELECT ActionDate, PurchasePrice FROM HISTORIC WHERE Id=1")});
    EXPECT_EQ(r.out, QStringLiteral("ActionDate\tPurchasePrice\n29/02/2024 18:05:09\t12.125\n"));
}

TEST(Cli, ErrorsGoToStderrWithStatusOne)
{
    QTemporaryDir dir;
    ASSERT_EQ(cli({QStringLiteral("--data"), dir.path(), QStringLiteral("init")}).code, 0);
    const CliRun r = cli({QStringLiteral("--data"), dir.path(), QStringLiteral("sql"), QStringLiteral("SELECT Nope FROM WINE")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nope"))) << r.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("sql")}).code, 2);
}
