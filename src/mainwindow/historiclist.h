#pragma once
#include "listwindow.h"

#include <optional>

class Connection;

// The entries or the exits of one year, in the dossier's wines.
class THistoricList : public ListWindow
{
    Q_OBJECT
public:
    enum class Kind { Enter = 1, Exit = 2 };

    THistoricList(Dataset &historicList, Kind kind, const QString &currency, QWidget *parent = nullptr);

    void setDossier(qint64 dossier) { m_dossier = dossier; }
    int year() const { return m_year; }
    // Shows the year in the title and the year control, and runs the query.
    void setYear(int year);
    void refresh() override;

    qint64 selectedWine() const { return currentKey(QStringLiteral("Id_Wine")); }
    qint64 selectedBottle() const { return currentKey(QStringLiteral("Id_Bottle")); }

private:
    Kind m_kind;
    qint64 m_dossier = -1;
    int m_year = 0;
};

// The columns of a history of the kind, as its list and the wine editor show them.
std::vector<ListColumn> historicColumns(THistoricList::Kind kind, const QString &currency);

namespace movements {
struct Chosen {
    qint64 wine = -1;
    qint64 bottle = -1;
};
// Sets up and shows the history of the kind modally; the chosen movement on OK.
std::optional<Chosen> showHistory(THistoricList::Kind kind, Connection &connection, qint64 dossier,
                                  const QString &currency, QWidget *parent, int year);
} // namespace movements
