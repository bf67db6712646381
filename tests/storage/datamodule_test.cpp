#include "app/progress.h"
#include "storage/dbversion.h"
#include "support/fixtures.h"

#include <QFile>
#include <map>
#include <set>

class DataModuleTest : public CellarTest
{
protected:
    void touch(const QString &path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
};

TEST_F(DataModuleTest, EveryTableAndColumnHasItsExactName)
{
    const auto seq = [](const char *prefix, int from, int to) {
        std::vector<std::string> out;
        for (int i = from; i <= to; ++i)
            out.push_back(prefix + std::string(i < 10 ? "0" : "") + std::to_string(i));
        return out;
    };
    const auto join = [](std::vector<std::string> a, const std::vector<std::string> &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<std::string> tree{"Id", "Id_File", "NodeTitle", "NodeLevel", "NodeImg", "NodePos"};
    const std::vector<std::string> saved{"Id", "Id_File", "NodeTitle", "NodeLevel", "NodePos", "NodeType"};
    const std::vector<std::string> script{"Id", "Id_Tree", "Query", "Remark"};
    const std::vector<std::string> store{"ID_CLASS", "ID_ATTRIBUTE", "USERID", "VALUE"};
    std::map<std::string, std::vector<std::string>> expected{
        {"PROFILES", {"ID", "FullName", "LoginName", "LoginPassword", "Administrator", "Image", "Comment", "Custom00144243"}},
        {"WINE", join(join(join({"Id", "Id_File", "Id_Producer", "Id_Country", "Id_Region", "Id_Appellation", "Title", "Code",
                                 "Reference", "Cepage", "Color", "Classification", "Category", "CellarTemperature",
                                 "ServeTemperature", "Remark1", "Remark2", "BarCode", "WebLink1", "WebLink2", "WebLink3",
                                 "WebLink4", "WebLink5", "VideoLink1", "VideoLink2", "VideoLink3", "VideoLink4", "VideoLink5",
                                 "Img1", "Img2", "Img3", "Img4", "ImgMini1", "ImgMini2", "ImgMini3", "ImgMini4"},
                                seq("Misc", 1, 12)),
                           {"AlarmStock", "PurchaseStock", "Rate", "Alcohol", "Food"}),
                      {})},
        {"BOTTLE", {"Id", "Id_File", "Id_PurchaseCompagny", "Id_Wine", "Code", "Reference", "Vintage", "DrinkYearBegin",
                    "DrinkYearEnd", "BestYearBegin", "BestYearEnd", "Format", "Quantity", "Exit", "PurchaseDate",
                    "PurchasePrice", "PurchaseValue", "Location", "Remark1", "Remark2"}},
        {"HISTORIC", {"Id", "Id_File", "Id_Wine", "Id_Bottle", "ActionType", "ActionDate", "Quantity", "Code", "Reference",
                      "Vintage", "Format", "PurchaseDate", "PurchaseCompagny", "PurchasePrice", "PurchaseValue", "Event",
                      "Appreciation", "Guest", "Dish", "Remark"}},
        {"COMPAGNY", join({"Id", "Id_File", "CoType", "Title", "Name", "Address", "City", "CP", "Region", "Country", "Phone",
                           "Fax", "Email", "WebSite", "Remark1", "ImgMini1", "Img1"},
                          seq("Misc", 1, 12))},
        {"WINE_COUNTRY", {"Id", "Id_File", "Title"}},
        {"WINE_REGION", {"Id", "Id_File", "Id_Country", "Title"}},
        {"WINE_APPELLATION", {"Id", "Id_File", "Id_Region", "Id_Color", "Title"}},
        {"WINE_COLOR", {"Id", "Id_File", "Title", "BackGroundColor", "TextColor", "Intensity", "Comment"}},
        {"TREE_MISC", tree},
        {"TREE_LOCATION", tree},
        {"COMBOITEMS", join(join(join(join({"Id", "Id_File", "Country", "Nationality", "City"}, seq("Producer_Misc", 1, 7)),
                                      join({"Producer_Category"}, seq("Wine_Misc", 1, 10))),
                                 seq("Bottle_Misc", 1, 10)),
                            {"Event", "Appreciation"})},
        {"CUSTOMLAB", join(join(join({"Id_File"}, seq("Wine_Misc", 1, 12)), seq("Bottle_Misc", 1, 12)), seq("Producer_Misc", 1, 7))},
        {"DOCUMENTIMG", {"Id", "Id_File", "Id_Ref", "DoType", "Title", "Img", "ImgMini"}},
        {"DOCUMENTFILE", {"Id", "Id_File", "Id_Ref", "DoType", "Title", "FileIcon", "FileName", "FileType", "FileSize", "Remark"}},
        {"SQL_TREE", saved},
        {"STAT_TREE", saved},
        {"SQL_QUERY", script},
        {"STAT_QUERY", script},
        {"BACKUP", {"DateSav", "TimeSav", "Description", "Path"}},
        {"OBJECT_VAL_BIT", store}, {"OBJECT_VAL_INT", store}, {"OBJECT_VAL_MEMO", store},
        {"OBJECT_VAL_OLE", store}, {"OBJECT_VAL_REAL", store}, {"OBJECT_VAL_STR", store},
    };
    std::set<std::string> tables;
    for (const QString &t : db().tables())
        tables.insert(t.toStdString());
    for (const auto &[table, columns] : expected) {
        ASSERT_TRUE(tables.count(table)) << table;
        std::vector<std::string> actual;
        for (const auto &[name, type] : db().columns(QString::fromStdString(table)))
            actual.push_back(name.toStdString());
        EXPECT_EQ(actual, columns) << table;
    }
    EXPECT_EQ(tables.size(), expected.size());
}

TEST_F(DataModuleTest, VersionRecord)
{
    EXPECT_EQ(dbversion::read(db()), QStringLiteral("1.93"));
    dbversion::write(db(), QStringLiteral("1.9"));
    EXPECT_EQ(dbversion::read(db()), QStringLiteral("1.9"));
    EXPECT_LT(dbversion::number(QStringLiteral("1.9")), dbversion::number(QStringLiteral("1.93")));
    EXPECT_EQ(count(QStringLiteral("OBJECT_VAL_STR")), 1);
    db().exec(QStringLiteral("DELETE FROM OBJECT_VAL_STR"));
    EXPECT_EQ(dbversion::read(db()), QStringLiteral("0"));
    EXPECT_EQ(dbversion::read(db(), QStringLiteral("OBJECT_VAL_STR"), QStringLiteral("VAL")), QStringLiteral("0"));
    dbversion::write(db(), QStringLiteral("1.93"));
    EXPECT_EQ(dbversion::number(dbversion::read(db())), 193);
    EXPECT_EQ(dbversion::number(QStringLiteral("abc")), 0);
}

TEST_F(DataModuleTest, SharedRowsAndTheNoDossierFilter)
{
    for (Dataset *ds : {&data().Wine, &data().Bottle, &data().Historic})
        ds->open();
    EXPECT_TRUE(data().Wine.isEmpty());
    EXPECT_TRUE(data().Bottle.isEmpty());
    EXPECT_TRUE(data().Historic.isEmpty());
    for (Dataset *ds : {&data().WineCountry, &data().WineColors, &data().SqlTree, &data().StatTree})
        EXPECT_NO_THROW(ds->open()) << ds->name().toStdString();
    EXPECT_GT(data().WineCountry.recordCount(), 10);
    EXPECT_GE(data().WineColors.recordCount(), 3);
}

TEST_F(DataModuleTest, QueryHelpers)
{
    EXPECT_EQ(data().scalarQuery(QStringLiteral("SELECT Count(*) FROM WINE WHERE Id_File=1")), 11);
    EXPECT_EQ(data().scalarQuery(QStringLiteral("SELECT Id FROM WINE WHERE Id_File=99")), -1);
    EXPECT_EQ(data().scalarQuery(QStringLiteral("SELECT '' FROM WINE")), -1);
    const QStringList colours = data().distinctValues(QStringLiteral("WINE"), QStringLiteral("Color"), 1);
    EXPECT_TRUE(colours.contains(QStringLiteral("Rouge")));
    EXPECT_EQ(colours.size(), QSet<QString>(colours.begin(), colours.end()).size());
    EXPECT_EQ(data().distinctValues(QStringLiteral("WINE"), QStringLiteral("Color"), 1, QStringLiteral("Color='ROUGE'")),
              QStringList{QStringLiteral("Rouge")});
    EXPECT_TRUE(data().distinctValues(QStringLiteral("WINE"), QStringLiteral("Color"), 2).isEmpty());
}

TEST_F(DataModuleTest, CustomCaptionsRowIsMadeOnFirstNeed)
{
    EXPECT_EQ(count(QStringLiteral("CUSTOMLAB"), QStringLiteral("Id_File=1")), 0);
    QHash<QString, QString> captions = data().customCaptions(1);
    EXPECT_EQ(captions.value(QStringLiteral("Wine_Misc01")), QStringLiteral("Divers 1"));
    EXPECT_EQ(captions.value(QStringLiteral("Producer_Misc07")), QStringLiteral("Divers 7"));
    db().exec(QStringLiteral("UPDATE CUSTOMLAB SET Wine_Misc01='' WHERE Id_File=1"));
    captions = data().customCaptions(1);
    EXPECT_EQ(captions.value(QStringLiteral("Wine_Misc01")), QString());
    EXPECT_EQ(count(QStringLiteral("CUSTOMLAB"), QStringLiteral("Id_File=1")), 1);
}

TEST_F(DataModuleTest, DeletingAWineTakesItsLinesMovementsDocumentsAndFiles)
{
    db().exec(QStringLiteral("INSERT INTO WINE (Id_File, Title) VALUES (1, 'Seul')"));
    const qint64 lonely = db().lastInsertId();
    db().exec(QStringLiteral("INSERT INTO DOCUMENTIMG (Id_File, Id_Ref, DoType, Title) VALUES (1, 2, 1, 'étiquette')"));
    const qint64 doc = db().lastInsertId();
    db().exec(QStringLiteral("INSERT INTO DOCUMENTFILE (Id_File, Id_Ref, DoType, Title) VALUES (1, 2, 1, 'facture')"));
    const qint64 file = db().lastInsertId();
    for (const QString &path : {data().wineImagePath(2), data().documentImagePath(doc), data().documentFilePath(file),
                                data().wineImagePath(lonely)})
        touch(path);
    ASSERT_GT(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=2")), 0);

    data().filterOnDossier(1);
    Dataset &wine = data().Wine;
    wine.open();
    ASSERT_TRUE(wine.locate(QStringLiteral("Id"), 2));
    wine.remove();
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=2")), 0);
    EXPECT_EQ(count(QStringLiteral("HISTORIC"), QStringLiteral("Id_Wine=2")), 0);
    EXPECT_EQ(count(QStringLiteral("DOCUMENTIMG"), QStringLiteral("Id_Ref=2")), 0);
    EXPECT_EQ(count(QStringLiteral("DOCUMENTFILE"), QStringLiteral("Id_Ref=2")), 0);
    EXPECT_FALSE(QFile::exists(data().wineImagePath(2)));
    EXPECT_FALSE(QFile::exists(data().documentImagePath(doc)));
    EXPECT_FALSE(QFile::exists(data().documentFilePath(file)));

    // A wine with nothing attached goes alone.
    const qint64 bottles = count(QStringLiteral("BOTTLE"));
    ASSERT_TRUE(wine.locate(QStringLiteral("Id"), lonely));
    wine.remove();
    EXPECT_EQ(count(QStringLiteral("WINE"), QStringLiteral("Id=%1").arg(lonely)), 0);
    EXPECT_EQ(count(QStringLiteral("BOTTLE")), bottles);
    EXPECT_FALSE(QFile::exists(data().wineImagePath(lonely)));
}

TEST_F(DataModuleTest, AFailedCascadeKeepsRowsAndFiles)
{
    touch(data().wineImagePath(3));
    const qint64 bottles = count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=3"));
    data().filterOnDossier(1);
    data().Wine.open();
    ASSERT_TRUE(data().Wine.locate(QStringLiteral("Id"), 3));
    db().exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE DELETE ON HISTORIC BEGIN SELECT RAISE(ABORT, 'refusé'); END"));
    EXPECT_THROW(data().Wine.remove(), DbError);
    db().exec(QStringLiteral("DROP TRIGGER refuse"));
    EXPECT_EQ(count(QStringLiteral("BOTTLE"), QStringLiteral("Id_Wine=3")), bottles);
    EXPECT_TRUE(QFile::exists(data().wineImagePath(3)));
}

TEST_F(DataModuleTest, DeletingADossierTakesEverythingOfItAndNothingShared)
{
    db().exec(QStringLiteral("INSERT INTO PROFILES (LoginName) VALUES ('Vide')"));
    const qint64 empty = db().lastInsertId();
    db().exec(QStringLiteral("INSERT INTO CUSTOMLAB (Id_File) VALUES (%1)").arg(empty));
    db().exec(QStringLiteral("INSERT INTO OBJECT_VAL_INT (ID_CLASS, ID_ATTRIBUTE, USERID, VALUE) VALUES (1, 1, %1, 5)").arg(empty));
    db().exec(QStringLiteral("INSERT INTO TREE_MISC (Id_File, NodeTitle, NodeLevel, NodePos) VALUES (1, 'à moi', 0, 999)"));
    const qint64 shared = count(QStringLiteral("COMPAGNY")) + count(QStringLiteral("WINE_COUNTRY")) + count(QStringLiteral("TREE_MISC"));

    NoProgress progress;
    data().deleteDossier(empty, progress);
    EXPECT_EQ(count(QStringLiteral("CUSTOMLAB"), QStringLiteral("Id_File=%1").arg(empty)), 0);
    EXPECT_EQ(count(QStringLiteral("OBJECT_VAL_INT")), 0);

    touch(data().wineImagePath(1));
    NoProgress perWine;
    data().deleteDossier(1, perWine);
    EXPECT_EQ(perWine.position(), 12);
    EXPECT_EQ(count(QStringLiteral("PROFILES")), 0);
    EXPECT_EQ(count(QStringLiteral("WINE")), 0);
    EXPECT_EQ(count(QStringLiteral("BOTTLE")), 0);
    EXPECT_EQ(count(QStringLiteral("HISTORIC")), 0);
    EXPECT_EQ(count(QStringLiteral("COMPAGNY")) + count(QStringLiteral("WINE_COUNTRY")) + count(QStringLiteral("TREE_MISC")), shared - 1);
    EXPECT_FALSE(QFile::exists(data().wineImagePath(1)));
    EXPECT_EQ(dbversion::read(db()), QStringLiteral("1.93"));
}

TEST_F(DataModuleTest, LinksAbove32767AreKept)
{
    db().exec(QStringLiteral("INSERT INTO WINE (Id, Id_File, Title) VALUES (70000, 1, 'Lointain')"));
    data().setCurrentDossier(1);
    data().setCurrentWine(70000);
    data().filterOnDossier(1);
    data().Bottle.open();
    data().Bottle.append();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Id_Wine FROM BOTTLE WHERE Id=%1").arg(data().Bottle.integer(QStringLiteral("Id")))).toLongLong(), 70000);
}
