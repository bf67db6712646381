#pragma once
#include <QString>
#include <QVariant>

class TDataModule1;

namespace bottle {
// OK of the bottle editor: the quantity reads as a whole number other than 0.
bool quantityAccepted(const QString &text);
// A box's text as a column value: NULL when empty or unreadable.
QVariant wholeNumber(const QString &text);
QVariant amount(const QString &text);
QVariant date(const QString &text);
// A column value as the box shows it.
QString amountText(const QVariant &value);
QString dateText(const QVariant &value);
// Both dates read and the first is not after the second.
bool periodAccepted(const QString &from, const QString &to);
// Records the entry of the current row of the Bottle dataset into the
// cellar: one HISTORIC row dated today. Returns the movement's Id.
qint64 writeEntryMovement(TDataModule1 &data);
} // namespace bottle
