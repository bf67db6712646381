#include "datamodule.h"

#include "app/progress.h"
#include "platform/paths.h"

#include <QFile>

namespace {

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

QStringList bottleSql()
{
    static const char *const columns[] = {
        "Id", "Id_File", "Id_PurchaseCompagny", "Id_Wine", "Code", "Reference", "Vintage", "DrinkYearBegin",
        "DrinkYearEnd", "BestYearBegin", "BestYearEnd", "Format", "Quantity", "Exit", "PurchaseDate",
        "PurchasePrice", "PurchaseValue", "Location", "Remark1", "Remark2"};
    QStringList out{QStringLiteral("SELECT ")};
    for (const char *c : columns)
        out << QStringLiteral("  BOTTLE.") + QLatin1String(c) + u',';
    out.last().chop(1);
    out << QStringLiteral("FROM BOTTLE") << QStringLiteral("WHERE ID_FILE=-1") << QStringLiteral("ORDER BY VINTAGE");
    return out;
}

// Keeps the progress window the dossier cascade reports to.
class ProgressScope
{
public:
    ProgressScope(Progress *&slot, Progress &p)
        : m_slot(slot)
    {
        m_slot = &p;
    }
    ~ProgressScope() { m_slot = nullptr; }

private:
    Progress *&m_slot;
};

} // namespace

TDataModule1::TDataModule1(QObject *parent)
    : QObject(parent)
    , MainFile(ADOConnection1, QStringLiteral("MainFile"),
               lines({"SELECT ID, FullName, LoginName, LoginPassword, Administrator, Image, Comment as [Color], "
                      "Custom00144243 as [Size] FROM PROFILES"}), this)
    , Wine(ADOConnection1, QStringLiteral("Wine"), lines({"SELECT * FROM WINE", "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , Bottle(ADOConnection1, QStringLiteral("Bottle"), bottleSql(), this)
    , Historic(ADOConnection1, QStringLiteral("Historic"),
               lines({"SELECT * FROM HISTORIC", "WHERE ID_FILE=-1", "ORDER BY ACTIONDATE"}), this)
    , CompagnyList(ADOConnection1, QStringLiteral("CompagnyList"),
                   lines({"SELECT Id, Id_File, CoType, Title, Name, Address, City, CP, Region, Country, Phone, Fax, "
                          "Email, WebSite, Remark1, ImgMini1, Img1, Misc01, Misc02, Misc03, Misc04, Misc05, Misc06, "
                          "Misc07, Misc08, Misc09, Misc10, Misc11, Misc12",
                          "FROM COMPAGNY", "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , WineCountry(ADOConnection1, QStringLiteral("WineCountry"),
                  lines({"SELECT Id, Id_File, Title", "FROM WINE_COUNTRY", "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , WineRegion(ADOConnection1, QStringLiteral("WineRegion"),
                 lines({"SELECT Id, Id_File, Id_Country, Title", "FROM WINE_REGION", "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , WineAppellation(ADOConnection1, QStringLiteral("WineAppellation"),
                      lines({"SELECT Id, Id_File, Id_Region, Id_Color, Title", "FROM WINE_APPELLATION",
                             "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , WineColors(ADOConnection1, QStringLiteral("WineColors"),
                 lines({"SELECT Id, Id_File, Title, BackGroundColor, TextColor, Intensity, Comment", "FROM WINE_COLOR",
                        "WHERE ID_FILE=-1", "ORDER BY TITLE"}), this)
    , TreeMisc(ADOConnection1, QStringLiteral("TreeMisc"), lines({"SELECT * FROM TREE_MISC"}), this)
    , TreeLocation(ADOConnection1, QStringLiteral("TreeLocation"), lines({"SELECT * FROM TREE_LOCATION"}), this)
    , ComboItems(ADOConnection1, QStringLiteral("ComboItems"), lines({"SELECT * FROM COMBOITEMS"}), this)
    , CustomLabel(ADOConnection1, QStringLiteral("CustomLabel"), lines({"SELECT * FROM CUSTOMLAB", "WHERE Id_File=-1"}), this)
    , DocumentImg(ADOConnection1, QStringLiteral("DocumentImg"), lines({"SELECT * FROM DOCUMENTIMG", "WHERE ID_REF=-1"}), this)
    , DocumentFile(ADOConnection1, QStringLiteral("DocumentFile"), lines({"SELECT * FROM DOCUMENTFILE", "WHERE Id_Ref=-1"}), this)
    , Backup(ADOConnection1, QStringLiteral("Backup"), lines({"SELECT * FROM BACKUP"}), this)
    , Query(ADOConnection1, QStringLiteral("Query"), {}, this)
    , SqlTree(ADOConnection1, QStringLiteral("SqlTree"), lines({"SELECT * ", "FROM SQL_TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"}), this)
    , SqlQuery(ADOConnection1, QStringLiteral("SqlQuery"), lines({"SELECT * ", "FROM SQL_QUERY", "WHERE Id_Tree=-1"}), this)
    , StatTree(ADOConnection1, QStringLiteral("StatTree"), lines({"SELECT * ", "FROM STAT_TREE", "WHERE Id_File=-1", "ORDER BY NODEPOS"}), this)
    , StatQuery(ADOConnection1, QStringLiteral("StatQuery"), lines({"SELECT * ", "FROM STAT_QUERY", "WHERE Id_Tree=-1"}), this)
{
    for (Dataset *ds : {&Wine, &Bottle, &Historic})
        ds->setPostNewRows(true);
    Wine.onNewRecord = [this](Dataset &ds) {
        ds.setValue(QStringLiteral("Id_File"), m_dossier);
        for (const char *memo : {"Remark1", "Remark2", "Misc11", "Misc12"})
            ds.setValue(QLatin1String(memo), QStringLiteral(""));
    };
    Bottle.onNewRecord = [this](Dataset &ds) {
        ds.setValue(QStringLiteral("Id_File"), m_dossier);
        ds.setValue(QStringLiteral("Id_Wine"), m_wine);
        ds.setValue(QStringLiteral("Remark1"), QStringLiteral(""));
        ds.setValue(QStringLiteral("Remark2"), QStringLiteral(""));
    };
    Historic.onNewRecord = [this](Dataset &ds) { ds.setValue(QStringLiteral("Id_File"), m_dossier); };
    Wine.beforeDelete = [this](Dataset &ds) { cascadeWine(ds.integer(QStringLiteral("Id"))); };
    MainFile.beforeDelete = [this](Dataset &ds) { cascadeDossier(ds.integer(QStringLiteral("ID"))); };
    DocumentImg.beforeDelete = [this](Dataset &ds) { removeFileAfterCommit(documentImagePath(ds.integer(QStringLiteral("Id")))); };
    DocumentFile.beforeDelete = [this](Dataset &ds) { removeFileAfterCommit(documentFilePath(ds.integer(QStringLiteral("Id")))); };
}

TDataModule1::~TDataModule1() = default;

void TDataModule1::connectTo(const DbSettings &settings)
{
    m_settings = settings;
    if (!settings.databaseFilePresent())
        return;
    for (Dataset *ds : datasets())
        ds->close();
    ADOConnection1.close();
    if (settings.isOdbc())
        ADOConnection1.openOdbc(settings.dsnName);
    else
        ADOConnection1.openFile(settings.dataFolder + paths::fromSetting(settings.oledbFileName));
}

QList<Dataset *> TDataModule1::datasets()
{
    return {&MainFile, &Wine, &Bottle, &Historic, &CompagnyList, &WineCountry, &WineRegion, &WineAppellation,
            &WineColors, &TreeMisc, &TreeLocation, &ComboItems, &CustomLabel, &DocumentImg, &DocumentFile,
            &Backup, &Query, &SqlTree, &SqlQuery, &StatTree, &StatQuery};
}

Dataset *TDataModule1::dataset(const QString &name)
{
    for (Dataset *ds : datasets())
        if (ds->name().compare(name, Qt::CaseInsensitive) == 0)
            return ds;
    return nullptr;
}

void TDataModule1::filterOnDossier(qint64 id)
{
    const QString mine = QStringLiteral("WHERE Id_File=") + QString::number(id);
    for (Dataset *ds : {&Wine, &Bottle, &Historic}) {
        ds->close();
        ds->setFilterLine(mine);
    }
    for (Dataset *ds : {&CompagnyList, &WineCountry, &WineRegion, &WineAppellation}) {
        ds->close();
        ds->setFilterLine(QStringLiteral("WHERE Id_File=-1"));
    }
}

void TDataModule1::runStatement(Dataset &ds, const QString &statement)
{
    ds.execSql(statement);
}

qint64 TDataModule1::scalarQuery(const QString &statement)
{
    const QVariant v = ADOConnection1.scalar(statement);
    if (v.isNull() || v.toString().isEmpty())
        return -1;
    return v.toLongLong();
}

QStringList TDataModule1::distinctValues(const QString &table, const QString &column, qint64 dossier, const QString &extra)
{
    QString sql = QStringLiteral("SELECT DISTINCT [%1] FROM [%2]").arg(column, table);
    if (dossier >= 0) {
        sql += QStringLiteral(" WHERE Id_File=") + QString::number(dossier);
        if (!extra.isEmpty())
            sql += QStringLiteral(" AND ") + extra;
    } else if (!extra.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + extra;
    }
    const ResultSet rs = ADOConnection1.select(sql);
    QStringList values;
    for (int r = 0; r < rs.rowCount(); ++r)
        values << rs.at(r, 0).toString();
    return values;
}

QHash<QString, QString> TDataModule1::customCaptions(qint64 dossier)
{
    openCaptionRow(dossier);
    QHash<QString, QString> captions;
    for (const QString &field : Query.fieldNames())
        if (field.compare(QStringLiteral("Id_File"), Qt::CaseInsensitive) != 0)
            captions.insert(field, Query.text(field));
    Query.close();
    return captions;
}

void TDataModule1::setCustomCaption(qint64 dossier, const QString &column, const QString &caption)
{
    openCaptionRow(dossier);
    Query.edit();
    Query.setValue(column, caption);
    Query.post();
    Query.close();
}

// Query on the dossier's CUSTOMLAB row, appended when the dossier has none.
void TDataModule1::openCaptionRow(qint64 dossier)
{
    Query.close();
    Query.setSqlText(QStringLiteral("SELECT * FROM CustomLab WHERE Id_File=") + QString::number(dossier));
    Query.open();
    if (!Query.isEmpty())
        return;
    Query.append();
    Query.setValue(QStringLiteral("Id_File"), dossier);
    Query.post();
}

QString TDataModule1::wineImagePath(qint64 id) const
{
    return dataFolder() + QStringLiteral("Images/Wine%1.jpg").arg(id);
}

QString TDataModule1::documentImagePath(qint64 id) const
{
    return dataFolder() + QStringLiteral("Images/Doc%1.jpg").arg(id);
}

QString TDataModule1::documentFilePath(qint64 id) const
{
    return dataFolder() + QStringLiteral("Files/File%1.f").arg(id);
}

void TDataModule1::removeFileAfterCommit(const QString &path)
{
    ADOConnection1.afterCommit([path] { QFile::remove(path); });
}

void TDataModule1::cascadeWine(qint64 wineId)
{
    const QString id = QString::number(wineId);
    removeFileAfterCommit(wineImagePath(wineId));
    ADOConnection1.exec(QStringLiteral("DELETE FROM BOTTLE WHERE Id_Wine=") + id);
    ADOConnection1.exec(QStringLiteral("DELETE FROM HISTORIC WHERE Id_Wine=") + id);
    for (Dataset *docs : {&DocumentImg, &DocumentFile}) {
        docs->close();
        docs->setFilterLine(QStringLiteral("WHERE DoType=1 and Id_Ref=") + id);
        docs->open();
        while (!docs->isEmpty()) {
            docs->first();
            docs->remove();
        }
        docs->close();
    }
}

void TDataModule1::cascadeDossier(qint64 dossierId)
{
    const QString id = QString::number(dossierId);
    Wine.close();
    Wine.setFilterLine(QStringLiteral("WHERE Id_File=") + id);
    Wine.open();
    if (m_progress)
        m_progress->setMaximum(Wine.recordCount() + 1);
    while (!Wine.isEmpty()) {
        Wine.first();
        Wine.remove();
        if (m_progress)
            m_progress->step();
    }
    Wine.close();
    if (m_progress)
        m_progress->step();
    static const char *const statements[] = {
        "DELETE FROM CUSTOMLAB WHERE CUSTOMLAB.Id_File=", "DELETE FROM COMBOITEMS WHERE COMBOITEMS.Id_File=",
        "DELETE FROM TREE_LOCATION WHERE TREE_LOCATION.Id_File=", "DELETE FROM TREE_MISC WHERE TREE_MISC.Id_File=",
        "DELETE FROM OBJECT_VAL_BIT WHERE OBJECT_VAL_BIT.USERID=", "DELETE FROM OBJECT_VAL_INT WHERE OBJECT_VAL_INT.USERID=",
        "DELETE FROM OBJECT_VAL_MEMO WHERE OBJECT_VAL_MEMO.USERID=", "DELETE FROM OBJECT_VAL_OLE WHERE OBJECT_VAL_OLE.USERID=",
        "DELETE FROM OBJECT_VAL_REAL WHERE OBJECT_VAL_REAL.USERID=", "DELETE FROM OBJECT_VAL_STR WHERE OBJECT_VAL_STR.USERID="};
    for (const char *s : statements)
        ADOConnection1.exec(QLatin1String(s) + id);
}

void TDataModule1::deleteDossier(qint64 id, Progress &progress)
{
    const ProgressScope scope(m_progress, progress);
    Transaction t(ADOConnection1);
    MainFile.close();
    MainFile.open();
    if (!MainFile.locate(QStringLiteral("ID"), id))
        throw DbError(QStringLiteral("Le dossier %1 est introuvable.").arg(id));
    MainFile.remove();
    MainFile.close();
    t.commit();
}
