#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

class Connection;

// Cellar exits and the movement history: the queries and the writes,
// without windows.
namespace movements {

// The wine's bottle lines with their marks, oldest vintage first.
QStringList bottleExitList(qint64 wine);
// Movements with their wine; the WHERE line matches no dossier until set.
QStringList historicList();

// What the exit window shows and asks for a total of marked bottles.
QString exitHeader(int total);
QString exitQuestion(int total);
// The date typed as dd/mm/yyyy, today when it does not read as one.
QDate exitDate(const QString &text);

// Clears the marks of the wine's lines.
void resetMarks(Connection &c, qint64 wine);
// Moves the line's mark by delta within 0..Quantity; whether it moved.
bool changeMark(Connection &c, qint64 bottle, int delta);

struct Occasion {
    QDate date;
    QString event, appreciation, guest, dish;
};

// Takes the marked bottles of the wine out in one transaction: lowers each
// line, writes one movement per line, deletes the lines left empty.
// Returns the bottles taken out; throws DbError with nothing written.
int exitBottles(Connection &c, qint64 dossier, qint64 wine, const Occasion &occasion);

} // namespace movements
