#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Connection;

// The characteristics tree (TREE_MISC) and the fields that follow its values.
namespace characteristics {

// An empty entry, then the values of the branch in tree order; every entry
// followed by CR LF.
QString GetTreeItemsString(Connection &c, const QString &branch);

// Column that holds the values of a branch ("WINE.Category"...), or empty
// when none follows it.
QString followingColumn(const QString &branch);
// Every wine or bottle line of every dossier holding oldTitle takes newTitle
// (empty to clear). Nothing for branches no column follows.
void rewriteValue(Connection &c, const QString &branch, const QString &oldTitle, const QString &newTitle);

// A node as written back: id -1 for a new node.
struct Node {
    qint64 id = -1;
    QString title;
    int level = 0;
};
// Writes the nodes in order (NodePos from 0), then the rows kept out of the
// view after them in their own order, and deletes the loaded rows that are
// gone. One transaction.
void writeBack(Connection &c, const QList<Node> &nodes, const QList<qint64> &loaded, const QList<qint64> &kept);

// Entries of a value list: sorted, case ignored, repeats (case ignored) left out.
QStringList uniqueSorted(const QString &text);

} // namespace characteristics
