#pragma once
#include <QList>
#include <QString>

class TDataModule1;

// Access passwords of dossiers. New passwords are kept as a salted PBKDF2
// hash; passwords written by older versions are plain text and still work
// until they are replaced by a hash at their first correct entry.
namespace dossiers {

// "$pbkdf2-sha256$<iterations>$<salt base64>$<hash base64>", 90 characters.
QString hashPassword(const QString &password);
bool isHashed(const QString &stored);
// An empty stored value means no password: then anything is accepted.
bool checkPassword(const QString &stored, const QString &typed);
// A plain stored password that should be hashed once it has been checked.
bool needsUpgrade(const QString &stored);

struct Entry {
    qint64 id = -1;
    QString name;
};
// Every dossier in the order MainFile returns them.
QList<Entry> list(TDataModule1 &data);
// The stored password of a dossier (empty when none or no such dossier).
QString storedPassword(TDataModule1 &data, qint64 id);
void setStoredPassword(TDataModule1 &data, qint64 id, const QString &stored);

} // namespace dossiers
