#include "support/fixtures.h"

#include <QSignalSpy>

class DatasetTest : public CellarTest
{
};

TEST_F(DatasetTest, ClauseLinesAreFoundAndReplaced)
{
    Dataset &wine = data().Wine;
    EXPECT_EQ(wine.findClauseLine(QStringLiteral("WHERE")), 1);
    EXPECT_EQ(wine.findClauseLine(QStringLiteral("ORDER BY")), 2);
    EXPECT_EQ(wine.findClauseLine(QStringLiteral("HAVING")), -1);
    wine.setFilterLine(QStringLiteral("WHERE Id_File=1"));
    EXPECT_EQ(wine.sql().at(1), QStringLiteral("WHERE Id_File=1"));
    wine.open();
    EXPECT_EQ(wine.recordCount(), 11);
    EXPECT_EQ(data().Bottle.sql().first(), QStringLiteral("SELECT "));
    EXPECT_EQ(data().Bottle.sql().at(1), QStringLiteral("  BOTTLE.Id,"));
    EXPECT_EQ(data().Bottle.sql().at(20), QStringLiteral("  BOTTLE.Remark2"));
}

TEST_F(DatasetTest, NavigatesLikeACursor)
{
    Dataset &wine = data().Wine;
    wine.setFilterLine(QStringLiteral("WHERE Id_File=1"));
    wine.open();
    QStringList titles;
    for (wine.first(); !wine.eof(); wine.next())
        titles << wine.text(QStringLiteral("Title"));
    EXPECT_EQ(titles.size(), 11);
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end(), [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; }));
    EXPECT_TRUE(wine.locate(QStringLiteral("Title"), titles[5].toUpper()));
    EXPECT_EQ(wine.text(QStringLiteral("Title")), titles[5]);
    wine.close();
    wine.setFilterLine(QStringLiteral("WHERE Id_File=-1"));
    wine.open();
    EXPECT_TRUE(wine.isEmpty());
    EXPECT_TRUE(wine.eof());
    EXPECT_TRUE(wine.bof());
}

TEST_F(DatasetTest, EditsInsertsAndDeletesThroughItsTable)
{
    Dataset &ds = data().MainFile;
    ds.open();
    ds.append();
    ds.setValue(QStringLiteral("LoginName"), QStringLiteral("Cave d'été"));
    ds.setValue(QStringLiteral("Color"), QStringLiteral("Remarques")); // alias of Comment
    ds.post();
    const qint64 id = ds.integer(QStringLiteral("ID"));
    EXPECT_GT(id, 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Comment FROM PROFILES WHERE ID=%1").arg(id)).toString(), QStringLiteral("Remarques"));

    ds.edit();
    ds.setValue(QStringLiteral("LoginName"), QStringLiteral("Autre"));
    ds.cancel();
    EXPECT_EQ(ds.text(QStringLiteral("LoginName")), QStringLiteral("Cave d'été"));
    ds.edit();
    ds.setValue(QStringLiteral("FullName"), QStringLiteral("Marie"));
    ds.refreshKeepingPosition(); // an unposted edit is dropped
    EXPECT_EQ(ds.integer(QStringLiteral("ID")), id);

    ds.remove();
    EXPECT_EQ(count(QStringLiteral("PROFILES"), QStringLiteral("ID=%1").arg(id)), 0);
}

TEST_F(DatasetTest, NewRowsGetTheirDefaultsAndAnIdAtOnce)
{
    data().setCurrentDossier(1);
    data().setCurrentWine(4);
    data().filterOnDossier(1);
    Dataset &bottle = data().Bottle;
    bottle.open();
    bottle.append();
    EXPECT_EQ(bottle.state(), Dataset::State::Edit);
    const qint64 id = bottle.integer(QStringLiteral("Id"));
    EXPECT_GT(id, 0);
    EXPECT_EQ(bottle.integer(QStringLiteral("Id_Wine")), 4);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Remark1 FROM BOTTLE WHERE Id=%1").arg(id)), QVariant(QString()));
    EXPECT_FALSE(scalar(QStringLiteral("SELECT Remark1 IS NOT NULL FROM BOTTLE WHERE Id=%1").arg(id)).toInt() == 0);
    EXPECT_TRUE(bottle.isNull(QStringLiteral("PurchaseDate")));
    EXPECT_TRUE(bottle.isNull(QStringLiteral("Exit")));
    bottle.setValue(QStringLiteral("PurchaseDate"), QDate(2024, 2, 29));
    bottle.post();
    EXPECT_EQ(bottle.date(QStringLiteral("PurchaseDate")), QDate(2024, 2, 29));

    Dataset &wine = data().Wine;
    wine.open();
    wine.append();
    for (const char *memo : {"Remark1", "Remark2", "Misc11", "Misc12"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT %1 IS NOT NULL FROM WINE WHERE Id=%2").arg(QLatin1String(memo)).arg(wine.integer(QStringLiteral("Id")))).toInt(), 1) << memo;
    EXPECT_EQ(wine.integer(QStringLiteral("Id_File")), 1);
}

TEST_F(DatasetTest, JoinsAreReadOnly)
{
    Dataset &q = data().Query;
    q.setSqlText(QStringLiteral("SELECT WINE.Title, BOTTLE.Vintage FROM WINE LEFT JOIN BOTTLE ON BOTTLE.Id_Wine = WINE.Id"));
    q.open();
    EXPECT_FALSE(q.isEditable());
    EXPECT_THROW(q.edit(), DbError);
    EXPECT_THROW(q.remove(), DbError);
}

TEST_F(DatasetTest, TellsWhenTheCurrentRowChanges)
{
    Dataset &backup = data().Backup;
    db().exec(QStringLiteral("INSERT INTO BACKUP (DateSav, TimeSav, Description, Path) VALUES (#1/2/2025#, '10:00', 'a', '/x.bkp')"));
    db().exec(QStringLiteral("INSERT INTO BACKUP (DateSav, TimeSav, Description, Path) VALUES (#1/3/2025#, '11:00', 'b', '/y.bkp')"));
    QSignalSpy spy(&backup, &Dataset::currentRowChanged);
    backup.open();
    backup.next();
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(backup.date(QStringLiteral("DateSav")), QDate(2025, 1, 3));
    // Tables without an Id are still edited by row.
    backup.edit();
    backup.setValue(QStringLiteral("Description"), QStringLiteral("changée"));
    backup.post();
    EXPECT_EQ(count(QStringLiteral("BACKUP"), QStringLiteral("Description='changée'")), 1);
}
