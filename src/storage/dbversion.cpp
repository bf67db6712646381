#include "dbversion.h"

#include "platform/dataset.h"

namespace dbversion {
namespace {

QString keys()
{
    return QStringLiteral(" WHERE [ID_CLASS]=-99 AND [ID_ATTRIBUTE]=-99 AND [USERID]=-99");
}

} // namespace

QString read(Connection &c, const QString &table, const QString &column)
{
    try {
        Dataset q(c, QStringLiteral("GetBDVersion"),
                  {QStringLiteral("SELECT [%1] FROM [%2]").arg(column, table) + keys()});
        q.open();
        if (q.isEmpty() || q.value(column).isNull())
            return QStringLiteral("0");
        return q.text(column).left(255);
    } catch (const DbError &) {
        return QStringLiteral("0");
    }
}

void write(Connection &c, const QString &version, const QString &table, const QString &column)
{
    Dataset q(c, QStringLiteral("SetBDVersion"),
              {QStringLiteral("SELECT [%1], [ID_CLASS], [ID_ATTRIBUTE], [USERID] FROM [%2]").arg(column, table) + keys()});
    q.open();
    if (q.isEmpty())
        q.append();
    else
        q.edit();
    q.setValue(column, version);
    for (const char *key : {"ID_CLASS", "ID_ATTRIBUTE", "USERID"})
        q.setValue(QLatin1String(key), -99);
    q.post();
}

int number(const QString &version)
{
    QString digits = version.trimmed();
    const qsizetype dot = digits.indexOf(u'.');
    if (dot >= 0)
        digits.remove(dot, 1);
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? n : 0;
}

} // namespace dbversion
