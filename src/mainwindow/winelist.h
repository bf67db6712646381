#pragma once
#include "listwindow.h"

// The list of wines a stock question selects (to buy, in alarm): one line
// per wine with its stock, its thresholds and what is left to buy. The
// query's WHERE and HAVING lines are set by whoever opens the window.
class TWineList : public ListWindow
{
    Q_OBJECT
public:
    explicit TWineList(Dataset &wineList, QWidget *parent = nullptr);

    // WineId of the chosen line, -1 when none.
    qint64 selectedWine() const { return currentKey(QStringLiteral("WineId")); }
};
