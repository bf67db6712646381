#include "platform/sqlfunctions.h"
#include "support/fixtures.h"

#include <QFile>
#include <algorithm>

using sqlfunctions::frenchCompare;

TEST(FrenchText, SortsInDictionaryOrderAndIgnoresCase)
{
    QStringList words{QStringLiteral("Fabuleux"), QStringLiteral("élégance"), QStringLiteral("Eden"),
                      QStringLiteral("Œuvre"),    QStringLiteral("oeil"),     QStringLiteral("Zèbre"),
                      QStringLiteral("cote"),     QStringLiteral("côte"),     QStringLiteral("Côté")};
    std::sort(words.begin(), words.end(), [](const QString &a, const QString &b) { return frenchCompare(a, b) < 0; });
    EXPECT_EQ(words.join(u' '), QStringLiteral("cote côte Côté Eden élégance Fabuleux oeil Œuvre Zèbre"));
    EXPECT_EQ(frenchCompare(u"ÉTÉ", u"été"), 0);
    EXPECT_NE(frenchCompare(u"ete", u"été"), 0);
}

TEST(FrenchText, LikeIgnoresCaseOfAccentedLetters)
{
    struct {
        const char16_t *pattern, *text;
        bool match;
    } cases[] = {
        {u"%château%", u"GRAND CHÂTEAU", true}, {u"ch_teau", u"Château", true}, {u"%a", u"abc", false},
        {u"a%c", u"abbbc", true},               {u"", u"", true},               {u"%", u"", true},
        {u"a_", u"a", false},                   {u"100\\%", u"100%", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sqlfunctions::like(c.pattern, c.text, QChar(u'\\')), c.match) << QString::fromUtf16(c.pattern).toStdString();
}

class SqlTest : public CellarTest
{
};

TEST_F(SqlTest, RegisteredFunctionsWorkInStatements)
{
    EXPECT_EQ(scalar(QStringLiteral("SELECT 'Éric' = 'éRIC' COLLATE FR")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT 'CHÂTEAU' LIKE '%château%'")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT upper('crème brûlée')")).toString(), QStringLiteral("CRÈME BRÛLÉE"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Year(#3/5/2005#) * 10000 + Month(#3/5/2005#) * 100 + Day(#3/5/2005#)")).toInt(), 20050305);
    EXPECT_TRUE(scalar(QStringLiteral("SELECT Year('pas une date')")).isNull());
}

TEST_F(SqlTest, DatesComeBackAsDatesAndGoInAsIsoText)
{
    db().exec(QStringLiteral("UPDATE BOTTLE SET PurchaseDate = ? WHERE Id = 1"), {QDate(2021, 11, 7)});
    EXPECT_EQ(scalar(QStringLiteral("SELECT PurchaseDate FROM BOTTLE WHERE Id = 1")), QVariant(QDate(2021, 11, 7)));
    EXPECT_EQ(scalar(QStringLiteral("SELECT CAST(PurchaseDate AS TEXT) FROM BOTTLE WHERE Id = 1")).toString(), QStringLiteral("2021-11-07"));
    db().exec(QStringLiteral("UPDATE HISTORIC SET ActionDate = ? WHERE Id = 1"), {QDateTime(QDate(2021, 11, 7), QTime(18, 30, 5))});
    EXPECT_EQ(scalar(QStringLiteral("SELECT ActionDate FROM HISTORIC WHERE Id = 1")), QVariant(QDateTime(QDate(2021, 11, 7), QTime(18, 30, 5))));
}

TEST_F(SqlTest, ErrorsCarryTheEngineMessage)
{
    try {
        db().select(QStringLiteral("SELECT Nothing FROM WINE"));
        FAIL() << "no error";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Nothing"))) << e.message().toStdString();
    }
}

TEST_F(SqlTest, TransactionsRollBackAndDropDeferredWork)
{
    const qint64 wines = count(QStringLiteral("WINE"));
    bool ran = false;
    {
        Transaction t(db());
        db().exec(QStringLiteral("DELETE FROM WINE"));
        db().afterCommit([&] { ran = true; });
        {
            Transaction inner(db());
            db().exec(QStringLiteral("DELETE FROM BOTTLE"));
            inner.commit();
        }
        EXPECT_EQ(count(QStringLiteral("WINE")), 0);
    }
    EXPECT_EQ(count(QStringLiteral("WINE")), wines);
    EXPECT_GT(count(QStringLiteral("BOTTLE")), 0);
    EXPECT_FALSE(ran);

    Transaction t(db());
    db().afterCommit([&] { ran = true; });
    EXPECT_FALSE(ran);
    t.commit();
    EXPECT_TRUE(ran);
}

TEST_F(SqlTest, InnerRollbackSpoilsTheOuterCommit)
{
    const qint64 wines = count(QStringLiteral("WINE"));
    Transaction outer(db());
    db().exec(QStringLiteral("DELETE FROM WINE"));
    {
        Transaction inner(db());
    }
    EXPECT_THROW(outer.commit(), DbError);
    EXPECT_EQ(count(QStringLiteral("WINE")), wines);
}

TEST(Connection, RefusesWhatIsNotADatabase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TONNEL.MDB"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Connection c;
    EXPECT_THROW(c.openFile(path), DbError);
    EXPECT_FALSE(c.isOpen());
    EXPECT_THROW(c.openFile(dir.filePath(QStringLiteral("absent.mdb"))), DbError);
}
