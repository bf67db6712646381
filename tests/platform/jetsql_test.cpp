#include "platform/jetsql.h"

#include <gtest/gtest.h>

using jetsql::Dialect;
using jetsql::translate;

namespace {

struct Case {
    const char *jet;
    const char *sqlite;
};

void expectAll(std::initializer_list<Case> cases, Dialect dialect = Dialect::Native)
{
    for (const Case &c : cases)
        EXPECT_EQ(translate(QString::fromUtf8(c.jet), dialect).toStdString(), std::string(c.sqlite)) << c.jet;
}

} // namespace

TEST(JetSql, RewritesTheJetForms)
{
    expectAll({
        {"SELECT [WINE].[Title] as [Nom] FROM [WINE]", "SELECT \"WINE\".\"Title\" as \"Nom\" FROM \"WINE\""},
        {"WHERE PurchaseDate >= #3/5/2005#", "WHERE PurchaseDate >= '2005-03-05'"},
        {"WHERE ActionDate < #12/31/2004 14:30:00#", "WHERE ActionDate < '2004-12-31 14:30:00'"},
        {"WHERE ActionDate < #1/2/2004 2:05 PM#", "WHERE ActionDate < '2004-01-02 14:05:00'"},
        {"WHERE Id_Producer <> null AND Location = null", "WHERE Id_Producer IS NOT null AND Location IS null"},
        {"WHERE Location=Null", "WHERE Location IS Null"},
        {"SELECT Title & ' (' & Code & ')' FROM WINE", "SELECT Title || ' (' || Code || ')' FROM WINE"},
        {"WHERE Administrator = True OR Administrator = False", "WHERE Administrator = 1 OR Administrator = 0"},
        {"SELECT DISTINCTROW Category FROM WINE", "SELECT DISTINCT Category FROM WINE"},
        {"SELECT Quantity Mod 6 FROM BOTTLE", "SELECT Quantity % 6 FROM BOTTLE"},
        {"DELETE * FROM WINE WHERE Id=3", "DELETE FROM WINE WHERE Id=3"},
        {"DELETE WINE.* FROM WINE WHERE Id=3", "DELETE FROM WINE WHERE Id=3"},
        {"SELECT TOP 5 Title FROM WINE", "SELECT Title FROM WINE LIMIT 5"},
        {"WHERE Title = \"Clos d'Or\"", "WHERE Title = 'Clos d''Or' COLLATE FR"},
    });
}

TEST(JetSql, LeavesStringLiteralsAlone)
{
    expectAll({
        {"WHERE Remark1 = '[a] #1/2/2003# & True <> null'", "WHERE Remark1 = '[a] #1/2/2003# & True <> null' COLLATE FR"},
        {"WHERE Title LIKE '%d''Yquem%'", "WHERE Title LIKE '%d''Yquem%'"},
        {"INSERT INTO T (A) VALUES ('ORDER BY x')", "INSERT INTO T (A) VALUES ('ORDER BY x')"},
    });
}

TEST(JetSql, CollatesTextComparisonsAndSorts)
{
    expectAll({
        {"WHERE WINE.Color='Rouge'", "WHERE WINE.Color='Rouge' COLLATE FR"},
        {"WHERE 'Rouge' = WINE.Color", "WHERE 'Rouge' COLLATE FR = WINE.Color"},
        {"WHERE BOTTLE.Id_Wine = WINE.Id", "WHERE BOTTLE.Id_Wine = WINE.Id"},
        {"ORDER BY WINE.Title, BOTTLE.Vintage DESC", "ORDER BY WINE.Title COLLATE FR, BOTTLE.Vintage COLLATE FR DESC"},
        {"ORDER BY 2, [Country]", "ORDER BY 2, \"Country\" COLLATE FR"},
        {"SELECT Category, Count(*) FROM WINE GROUP BY Category HAVING Count(*) > 1 ORDER BY Category",
         "SELECT Category, Count(*) FROM WINE GROUP BY Category HAVING Count(*) > 1 ORDER BY Category COLLATE FR"},
        {"SELECT * FROM (SELECT Title FROM WINE ORDER BY Title) WHERE 1=1",
         "SELECT * FROM (SELECT Title FROM WINE ORDER BY Title COLLATE FR) WHERE 1=1"},
    });
}

TEST(JetSql, CollatesColumnComparisonsOnlyForText)
{
    const jetsql::ColumnKinds kinds{{QStringLiteral("title"), QStringLiteral("color")}, {QStringLiteral("id"), QStringLiteral("id_wine")}};
    const auto t = [&](const char *jet) { return translate(QString::fromUtf8(jet), Dialect::Native, &kinds).toStdString(); };
    EXPECT_EQ(t("ON WINE.Color = WINE_COLOR.Title"), "ON WINE.Color = WINE_COLOR.Title COLLATE FR");
    EXPECT_EQ(t("ON [WINE].[Color]=[WINE_COLOR].[Title] AND 1=1"), "ON \"WINE\".\"Color\"=\"WINE_COLOR\".\"Title\" COLLATE FR AND 1=1");
    EXPECT_EQ(t("ON BOTTLE.Id_Wine = WINE.Id"), "ON BOTTLE.Id_Wine = WINE.Id");
    EXPECT_EQ(t("WHERE Title = Upper(Code)"), "WHERE Title = Upper(Code)");
    // Sorting and grouping collate what holds text, not what is known not to.
    EXPECT_EQ(t("GROUP BY WINE.Id, WINE.Title, Upper(Code) ORDER BY WINE.Id, [Title] DESC, Code"),
              "GROUP BY WINE.Id, WINE.Title COLLATE FR, Upper(Code) ORDER BY WINE.Id, \"Title\" COLLATE FR DESC, Code COLLATE FR");
}

TEST(JetSql, RewritesFunctions)
{
    expectAll({
        {"SELECT Left(Title, 3), Right(Code,2), Mid(Title,2,4), Len(Title) FROM WINE",
         "SELECT substr(Title, 1, 3), substr(Code, -(2), 2), substr(Title, 2, 4), length(Title) FROM WINE"},
        {"SELECT UCase(Title), LCase(Code), Nz(Rate, 0), Nz(Code) FROM WINE",
         "SELECT upper(Title), lower(Code), ifnull(Rate, 0), ifnull(Code, '') FROM WINE"},
        {"SELECT IIf(Quantity > 0, 'oui', 'non') FROM BOTTLE",
         "SELECT (CASE WHEN Quantity > 0 THEN 'oui' ELSE 'non' END) FROM BOTTLE"},
        {"WHERE Year(PurchaseDate) = Year(Now())", "WHERE Year(PurchaseDate) = Year(datetime('now', 'localtime'))"},
        {"SELECT Sum(0)+Sum(BOTTLE.Quantity) FROM BOTTLE", "SELECT Sum(0)+Sum(BOTTLE.Quantity) FROM BOTTLE"},
        {"SELECT Left(Left(Title, 5), 2) FROM WINE", "SELECT substr(substr(Title, 1, 5), 1, 2) FROM WINE"},
        {"SELECT T.Left(1) FROM WINE", "SELECT T.Left(1) FROM WINE"},
    });
}

TEST(JetSql, BuiltinDialectNeedsNothingRegistered)
{
    expectAll({{"WHERE Year(ActionDate)=2004 AND Title='é' ORDER BY Title",
                "WHERE CAST(strftime('%Y', ActionDate) AS INTEGER)=2004 AND Title='é' COLLATE NOCASE ORDER BY Title COLLATE NOCASE"}},
              Dialect::Builtin);
}

TEST(JetSql, QuotesLiterals)
{
    EXPECT_EQ(jetsql::quote(QStringLiteral("Côte d'Or")), QStringLiteral("'Côte d''Or'"));
    EXPECT_EQ(jetsql::dateLiteral(2005, 3, 5), QStringLiteral("#3/5/2005#"));
}
