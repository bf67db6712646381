// The main window's bottle-line commands: cellar entry and line editing.
#include "mainform.h"

#include "catalogue/bottlelogic.h"
#include "catalogue/enterbottle.h"
#include "platform/prompt.h"
#include "shell/datasetmodel.h"
#include "storage/datamodule.h"

#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

void TMainForm::connectBottleCommands()
{
    for (QObject *o : std::initializer_list<QObject *>{Btn_Add_Bottle, Btn_Edit_Bottle, Btn_Enter}) {
        o->setProperty("soon", false);
        o->setProperty("toolTip", QString());
    }
    connect(Btn_Add_Bottle, &QPushButton::clicked, this, [this] { EnterBottles(); });
    connect(Btn_Enter, &QToolButton::clicked, this, [this] { EnterBottles(); });
    connect(Btn_Edit_Bottle, &QPushButton::clicked, this, &TMainForm::editCurrentBottle);
    // A double-click opens the line only while "Fiche" could.
    const auto onDoubleClick = [this] {
        if (Btn_Edit_Bottle->isEnabled())
            editCurrentBottle();
    };
    connect(Grid_BottleList, &QListView::doubleClicked, this, onDoubleClick);
    connect(Grid_Bottle, &QTableView::doubleClicked, this, onDoubleClick);
}

int TMainForm::EditBottle(qint64 bottle, bool isNew)
{
    if (!startEditing(m_data.Bottle, bottle, isNew))
        return 2;
    TEnterBottle editor(m_data, this);
    editor.setNewRow(isNew);
    editor.setCurrency(m_currency);
    const int result = editor.exec();
    ShowWineSummary();
    return result;
}

qint64 TMainForm::EnterBottles(qint64 wine)
{
    if (wine < 0)
        return -1;
    qint64 id = -1;
    m_data.setCurrentWine(wine);
    try {
        m_data.Bottle.close();
        m_data.Bottle.open();
        if (EditBottle(-1, true) == 1) {
            id = m_data.Bottle.integer(QStringLiteral("Id"));
            bottle::writeEntryMovement(m_data);
        }
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    m_data.Bottle.close();
    if (id >= 0)
        afterBottleChange(id);
    UpdateCommands();
    return id;
}

void TMainForm::editCurrentBottle()
{
    editBottleLine(currentBottle());
}

void TMainForm::editBottleLine(qint64 id)
{
    if (id < 0)
        return;
    try {
        m_data.Bottle.close();
        m_data.Bottle.open();
        EditBottle(id, false);
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    m_data.Bottle.close();
    afterBottleChange(id);
    UpdateCommands();
}

bool TMainForm::startEditing(Dataset &ds, qint64 id, bool isNew)
{
    if (!ds.isOpen())
        ds.open();
    if (isNew) {
        ds.insert();
        return true;
    }
    if (!ds.locate(QStringLiteral("Id"), id))
        return false;
    ds.edit();
    return true;
}

void TMainForm::afterBottleChange(qint64 bottle)
{
    m_notify = false;
    WineMainList.refreshKeepingPosition();
    if (!cardLayout())
        m_wineGrid->reload();
    m_notify = true;
    RefreshBottleList(bottle);
    RefreshWineList(currentWine(), false, false, false);
}
