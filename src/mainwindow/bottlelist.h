#pragma once
#include "listwindow.h"

// The list of the dossier's bottle lines that a year selects (to drink, at
// their peak). The condition may hold "%year", replaced by the year shown.
class TBottleList : public ListWindow
{
    Q_OBJECT
public:
    TBottleList(Dataset &bottleList, const QString &currency, QWidget *parent = nullptr);

    void setDossier(qint64 dossier) { m_dossier = dossier; }
    void setCondition(const QString &condition) { m_condition = condition; }
    QString condition() const { return m_condition; }

    int year() const { return m_year; }
    // Shows the year in the title and the year control, and runs the query.
    void setYear(int year);
    void refresh() override;

    qint64 selectedWine() const { return currentKey(QStringLiteral("WineId")); }
    qint64 selectedBottle() const { return currentKey(QStringLiteral("BottleId")); }

private:
    qint64 m_dossier = -1;
    QString m_condition;
    int m_year = 0;
};
