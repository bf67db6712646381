#include "bottlelogic.h"

#include "storage/datamodule.h"

#include <QDate>

namespace bottle {

namespace {
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QDate readDate(const QString &text)
{
    QDate d = QDate::fromString(text.trimmed(), kDateFormat);
    if (!d.isValid())
        d = QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
    return d;
}
} // namespace

bool quantityAccepted(const QString &text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok && n != 0;
}

QVariant wholeNumber(const QString &text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? QVariant(n) : QVariant();
}

QVariant amount(const QString &text)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? QVariant(v) : QVariant();
}

QVariant date(const QString &text)
{
    const QDate d = readDate(text);
    return d.isValid() ? QVariant(d) : QVariant();
}

QString amountText(const QVariant &value)
{
    if (value.isNull() || value.toString().isEmpty())
        return {};
    return QString::number(value.toDouble(), 'f', 2);
}

QString dateText(const QVariant &value)
{
    if (value.isNull())
        return {};
    QDate d = value.toDate();
    if (!d.isValid())
        d = QDate::fromString(value.toString().left(10), Qt::ISODate);
    return d.isValid() ? d.toString(kDateFormat) : QString();
}

bool periodAccepted(const QString &from, const QString &to)
{
    const QDate a = readDate(from), b = readDate(to);
    return a.isValid() && b.isValid() && a <= b;
}

qint64 writeEntryMovement(TDataModule1 &data)
{
    Dataset &line = data.Bottle;
    const QString supplier =
        data.ADOConnection1
            .scalar(QStringLiteral("SELECT Title FROM Compagny WHERE Id=") + QString::number(line.integer(QStringLiteral("Id_PurchaseCompagny"), -1)))
            .toString();
    Dataset &h = data.Historic;
    const bool wasOpen = h.isOpen();
    if (!wasOpen)
        h.open();
    h.append();
    h.setValue(QStringLiteral("Id_Wine"), line.value(QStringLiteral("Id_Wine")));
    h.setValue(QStringLiteral("Id_Bottle"), line.value(QStringLiteral("Id")));
    h.setValue(QStringLiteral("ActionType"), 1);
    h.setValue(QStringLiteral("ActionDate"), QDate::currentDate());
    for (const char *f : {"Code", "Reference", "Format", "Quantity", "PurchasePrice", "PurchaseValue"})
        h.setValue(QLatin1String(f), line.value(QLatin1String(f)));
    for (const char *f : {"Vintage", "PurchaseDate"})
        if (!line.isNull(QLatin1String(f)))
            h.setValue(QLatin1String(f), line.value(QLatin1String(f)));
    h.setValue(QStringLiteral("PurchaseCompagny"), supplier);
    for (const char *f : {"Event", "Appreciation", "Guest", "Dish", "Remark"})
        h.setValue(QLatin1String(f), QString());
    h.post();
    const qint64 id = h.integer(QStringLiteral("Id"));
    if (!wasOpen)
        h.close();
    return id;
}

} // namespace bottle
