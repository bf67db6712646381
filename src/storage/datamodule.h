#pragma once
#include "dbsettings.h"
#include "platform/dataset.h"

#include <QHash>
#include <QObject>
#include <memory>

class Progress;

// The shared data module: the one connection and the named datasets most
// windows read and write, with the operations every part uses on them.
class TDataModule1 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    // Opens the connection as db.ini says: nothing when the database file is
    // missing; throws DbError when opening fails.
    void connectTo(const DbSettings &settings);
    bool isConnected() const { return ADOConnection1.isOpen(); }
    const DbSettings &settings() const { return m_settings; }
    QString dataFolder() const { return m_settings.dataFolder; }

    Connection ADOConnection1;
    Dataset MainFile;
    Dataset Wine;
    Dataset Bottle;
    Dataset Historic;
    Dataset CompagnyList;
    Dataset WineCountry;
    Dataset WineRegion;
    Dataset WineAppellation;
    Dataset WineColors;
    Dataset TreeMisc;
    Dataset TreeLocation;
    Dataset ComboItems;
    Dataset CustomLabel;
    Dataset DocumentImg;
    Dataset DocumentFile;
    Dataset Backup;
    Dataset Query;
    Dataset SqlTree;
    Dataset SqlQuery;
    Dataset StatTree;
    Dataset StatQuery;

    Dataset *dataset(const QString &name);
    QList<Dataset *> datasets();

    // The state new rows take their links from; the main window keeps them.
    qint64 currentDossier() const { return m_dossier; }
    void setCurrentDossier(qint64 id) { m_dossier = id; }
    qint64 currentWine() const { return m_wine; }
    void setCurrentWine(qint64 id) { m_wine = id; }

    // Points Wine, Bottle and Historic at a dossier and the shared lists
    // back at the shared rows.
    void filterOnDossier(qint64 id);

    // Closes ds, takes statement as its SQL, runs it, closes it.
    void runStatement(Dataset &ds, const QString &statement);
    // First column of the first row as an integer; -1 when none or empty.
    qint64 scalarQuery(const QString &statement);
    // "SELECT DISTINCT [column] FROM [table]" with the dossier filter (when
    // dossier >= 0) and the extra condition; one entry per value.
    QStringList distinctValues(const QString &table, const QString &column, qint64 dossier = -1,
                               const QString &extra = {});
    // Captions of the dossier's custom fields, column name -> caption; the
    // row is created when the dossier has none.
    QHash<QString, QString> customCaptions(qint64 dossier);
    // Sets one caption column ("Wine_Misc01"...) of the dossier's row.
    void setCustomCaption(qint64 dossier, const QString &column, const QString &caption);

    // Removes the current PROFILES row of MainFile with everything of that
    // dossier, reporting per wine.
    void deleteDossier(qint64 id, Progress &progress);

    // The file that holds a row's picture or content, in the data folder.
    QString wineImagePath(qint64 id) const;
    QString documentImagePath(qint64 id) const;
    QString documentFilePath(qint64 id) const;

private:
    void openCaptionRow(qint64 dossier);
    void cascadeWine(qint64 wineId);
    void cascadeDossier(qint64 dossierId);
    void removeFileAfterCommit(const QString &path);

    DbSettings m_settings;
    qint64 m_dossier = -1;
    qint64 m_wine = -1;
    Progress *m_progress = nullptr;
};
