#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

// Microsoft Cabinet archives (MSZIP, one folder), as backups and attached
// files are kept. Every failure throws cabinet::Error with a French message.
namespace cabinet {

class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};

struct Item {
    QString file; // on disk
    QString name; // in the archive, without folders
};

// Called before each item with its index and name.
using ItemCallback = std::function<void(int index, const QString &name)>;

// Writes the archive (replacing it) with the items in order.
void write(const QString &archive, const QList<Item> &items, const ItemCallback &onItem = {});
// The names of the items, in order.
QStringList list(const QString &archive);
// Extracts every item into folder under its bare name.
void extractAll(const QString &archive, const QString &folder, const ItemCallback &onItem = {});

// An archive holding only that file, under its own name.
void compressFile(const QString &file, const QString &archive);
// Writes the first item of the archive to target.
void extractFirst(const QString &archive, const QString &target);

} // namespace cabinet
