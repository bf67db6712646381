#pragma once
#include <QString>
#include <optional>

class Connection;
class QWidget;

// The four watch lists of the "Listes" menu: bottles to drink or at their
// peak in a year, wines to buy again, wines in alarm.
namespace speciallists {

enum class Kind { Drink, Best, Purchase, Alarm };

// The line chosen on OK; bottle is -1 for the wine lists.
struct Choice {
    qint64 wine = -1;
    qint64 bottle = -1;
};

// Sets up the list's query, shows the configured window modally, frees it;
// the chosen line on OK. year is the current year.
std::optional<Choice> show(Kind kind, Connection &connection, qint64 dossier, const QString &currency, QWidget *parent,
                           int year);

} // namespace speciallists
