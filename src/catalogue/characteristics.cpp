#include "characteristics.h"

#include "platform/connection.h"
#include "platform/jetsql.h"
#include "shell/picklogic.h"

#include <QRegularExpression>
#include <QSet>

namespace characteristics {

QString GetTreeItemsString(Connection &c, const QString &branch)
{
    const ResultSet rs = c.select(QStringLiteral("SELECT NodeTitle, NodeLevel FROM TREE_MISC ORDER BY NodePos"));
    QStringList entries{QString()};
    bool collecting = false;
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QString title = rs.at(r, 0).toString();
        const int level = rs.at(r, 1).toInt();
        if (title == branch)
            collecting = true;
        else if (level == 0)
            collecting = false;
        if (collecting && level == 1)
            entries << title;
    }
    return entries.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString followingColumn(const QString &branch)
{
    if (branch == QStringLiteral("Catégorie"))
        return QStringLiteral("WINE.Category");
    if (branch == QStringLiteral("Cépage"))
        return QStringLiteral("WINE.Cepage");
    if (branch == QStringLiteral("Classement"))
        return QStringLiteral("WINE.Classification");
    if (branch == QStringLiteral("Format"))
        return QStringLiteral("BOTTLE.Format");
    return {};
}

void rewriteValue(Connection &c, const QString &branch, const QString &oldTitle, const QString &newTitle)
{
    const QString target = followingColumn(branch);
    if (target.isEmpty())
        return;
    const QString table = target.section(u'.', 0, 0);
    const QString column = target.section(u'.', 1);
    Transaction t(c);
    c.exec(QStringLiteral("UPDATE %1 SET %2=%3 WHERE %2=%4")
               .arg(table, column, jetsql::quote(newTitle), jetsql::quote(oldTitle)));
    t.commit();
}

void writeBack(Connection &c, const QList<Node> &nodes, const QList<qint64> &loaded, const QList<qint64> &kept)
{
    Transaction t(c);
    QSet<qint64> written;
    int pos = 0;
    for (const Node &n : nodes) {
        if (n.id < 0) {
            c.exec(QStringLiteral("INSERT INTO TREE_MISC (NodeTitle, NodeLevel, NodePos) VALUES (?, ?, ?)"),
                   {n.title, n.level, pos});
            written.insert(c.lastInsertId());
        } else {
            c.exec(QStringLiteral("UPDATE TREE_MISC SET NodeTitle=?, NodeLevel=?, NodePos=? WHERE Id=?"),
                   {n.title, n.level, pos, n.id});
            written.insert(n.id);
        }
        ++pos;
    }
    // Rows left out of the view keep their order after the view's rows.
    for (qint64 id : kept)
        c.exec(QStringLiteral("UPDATE TREE_MISC SET NodePos=? WHERE Id=?"), {pos++, id});
    for (qint64 id : loaded)
        if (!written.contains(id))
            c.exec(QStringLiteral("DELETE FROM TREE_MISC WHERE Id=?"), {id});
    t.commit();
}

QStringList uniqueSorted(const QString &text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    picklist::sortEntries(lines);
    QStringList out;
    QSet<QString> seen;
    for (const QString &l : lines)
        if (!seen.contains(l.toLower())) {
            seen.insert(l.toLower());
            out << l;
        }
    return out;
}

} // namespace characteristics
