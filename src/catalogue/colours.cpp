#include "colours.h"

#include "platform/jetsql.h"
#include "shell/tint.h"
#include "storage/datamodule.h"

#include <QPainter>
#include <algorithm>

namespace colours {
namespace {

QColor stored(const QVariant &v, qint64 whenNull)
{
    return colorFromStored(v.isNull() ? whenNull : v.toLongLong());
}

qint64 stored(const QColor &c)
{
    return storedFromColor(c);
}

// Closes the dataset however the work on it ends.
struct Closing {
    Dataset &ds;
    ~Closing()
    {
        if (ds.isEditing())
            ds.cancel();
        ds.close();
    }
};

} // namespace

QList<Entry> list(TDataModule1 &data)
{
    const ResultSet rs = data.ADOConnection1.select(QStringLiteral(
        "SELECT Id, Title, BackGroundColor, Intensity FROM [WINE_COLOR] WHERE Id_File=-1 ORDER BY Id"));
    QList<Entry> entries;
    entries.reserve(rs.rowCount());
    for (int row = 0; row < rs.rowCount(); ++row)
        entries.append({rs.at(row, 0).toLongLong(), rs.at(row, 1).toString(), stored(rs.at(row, 2), kNewBackground),
                        std::clamp(rs.at(row, 3).toInt(), kMinIntensity, kMaxIntensity)});
    return entries;
}

Colour load(TDataModule1 &data, qint64 id)
{
    Dataset &ds = data.WineColors;
    Closing closing{ds};
    ds.open();
    Colour c;
    if (!ds.locate(QStringLiteral("Id"), id))
        return c;
    c.id = id;
    c.title = ds.text(QStringLiteral("Title"));
    c.background = stored(ds.value(QStringLiteral("BackGroundColor")), kNewBackground);
    c.text = stored(ds.value(QStringLiteral("TextColor")), kNewText);
    c.intensity = std::clamp(int(ds.integer(QStringLiteral("Intensity"))), kMinIntensity, kMaxIntensity);
    return c;
}

void save(TDataModule1 &data, const Colour &c, const QString &oldTitle)
{
    Transaction transaction(data.ADOConnection1);
    Dataset &ds = data.WineColors;
    {
        Closing closing{ds};
        ds.open();
        if (!ds.locate(QStringLiteral("Id"), c.id))
            throw DbError(QStringLiteral("La couleur n°%1 n'existe plus.").arg(c.id));
        ds.edit();
        ds.setValue(QStringLiteral("Title"), c.title);
        ds.setValue(QStringLiteral("Comment"), QString());
        ds.setValue(QStringLiteral("BackGroundColor"), stored(c.background));
        ds.setValue(QStringLiteral("TextColor"), stored(c.text));
        ds.setValue(QStringLiteral("Intensity"), std::clamp(c.intensity, kMinIntensity, kMaxIntensity));
        ds.post();
    }
    // Wines of every dossier follow the new name.
    if (c.title != oldTitle)
        data.ADOConnection1.exec(renameStatement(oldTitle, c.title));
    transaction.commit();
}

qint64 add(TDataModule1 &data)
{
    Dataset &ds = data.WineColors;
    Closing closing{ds};
    ds.open();
    ds.append();
    ds.setValue(QStringLiteral("Id_File"), -1);
    ds.setValue(QStringLiteral("Title"), QString());
    ds.setValue(QStringLiteral("Comment"), QString());
    ds.setValue(QStringLiteral("BackGroundColor"), kNewBackground);
    ds.setValue(QStringLiteral("TextColor"), kNewText);
    ds.setValue(QStringLiteral("Intensity"), 0);
    ds.post();
    return ds.integer(QStringLiteral("Id"), -1);
}

void remove(TDataModule1 &data, qint64 id, const QString &title)
{
    Transaction transaction(data.ADOConnection1);
    data.ADOConnection1.exec(clearStatement(title));
    data.ADOConnection1.exec(QStringLiteral("DELETE FROM WINE_COLOR WHERE ID=") + QString::number(id));
    transaction.commit();
}

QString renameStatement(const QString &oldTitle, const QString &newTitle)
{
    return QStringLiteral("UPDATE WINE SET Color=%1 WHERE Color=%2").arg(jetsql::quote(newTitle), jetsql::quote(oldTitle));
}

QString clearStatement(const QString &title)
{
    return QStringLiteral("UPDATE WINE SET Color='' WHERE Color=") + jetsql::quote(title);
}

QImage preview(const QColor &background, int intensity, int size)
{
    const QImage glass = tintPicture(glassPicture(size), background, intensity);
    QImage out(glass.size(), QImage::Format_RGB32);
    out.fill(QColor(kSurround));
    QPainter p(&out);
    p.drawImage(0, 0, glass);
    return out;
}

} // namespace colours
