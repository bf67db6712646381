// The main window's wine commands: new wine, wine editor, double-click.
#include "mainform.h"

#include "catalogue/enterwine.h"
#include "platform/prompt.h"
#include "shell/cardmodels.h"
#include "shell/datasetmodel.h"
#include "storage/datamodule.h"

#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QTableView>

void TMainForm::connectWineCommands()
{
    connect(Btn_Add_Wine, &QPushButton::clicked, this, &TMainForm::addWine);
    connect(Btn_Edit_Wine, &QPushButton::clicked, this, &TMainForm::editCurrentWine);
    // A double-click opens the wine only while "Fiche" could (never on a filler row).
    const auto onDoubleClick = [this] {
        if (Btn_Edit_Wine->isEnabled())
            editCurrentWine();
    };
    connect(Grid_WineList, &QListView::doubleClicked, this, onDoubleClick);
    connect(Grid_Wine, &QTableView::doubleClicked, this, onDoubleClick);
}

int TMainForm::EditWine(qint64 wine, bool isNew)
{
    if (!startEditing(m_data.Wine, wine, isNew))
        return 2;
    TEnterWine::Commands commands;
    commands.enterBottles = [this](qint64 w) { return EnterBottles(w); };
    commands.editBottle = [this](qint64 bottle) {
        editBottleLine(bottle);
        return 1;
    };
    commands.exitBottles = [this](qint64 w) { return exitWine(w); };
    commands.producers = [this] {
        if (auto *producers = findChild<QAction *>(QStringLiteral("Popup_Param_Producer")); producers && producers->isEnabled())
            producers->trigger();
    };
    TEnterWine editor(m_data, std::move(commands), m_currency, this);
    editor.setNewRow(isNew);
    editor.setBottleSortKey(bottleSortKey());
    const int result = editor.exec();
    setBottleSortKey(editor.bottleSortKey());
    return result;
}

void TMainForm::addWine()
{
    if (m_dossier < 0)
        return;
    qint64 wine = -1;
    try {
        openWine(-1);
        EditWine(-1, true);
        wine = m_data.Wine.integer(QStringLiteral("Id"), -1);
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    closeWine();
    RefreshWineList(wine, true, true, true);
    UpdateCommands();
}

void TMainForm::editCurrentWine()
{
    const qint64 wine = currentWine();
    if (wine < 0)
        return;
    try {
        openWine(wine);
        EditWine(wine, false);
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    closeWine();
    RefreshWineList(wine, true, true, false);
    UpdateCommands();
}

// Wine holds only the wine at hand (none for a new one): a dossier may
// hold thousands, and the editor needs one.
void TMainForm::openWine(qint64 wine)
{
    Dataset &ds = m_data.Wine;
    ds.close();
    ds.setFilterLine(QStringLiteral("WHERE Id_File=%1 AND Id=%2").arg(m_dossier).arg(wine));
    ds.open();
}

void TMainForm::closeWine()
{
    m_data.Wine.close();
    m_data.Wine.setFilterLine(QStringLiteral("WHERE Id_File=") + QString::number(m_dossier));
}

QString TMainForm::bottleSortKey() const
{
    const int c = m_bottleGrid->markedColumn();
    return c < 0 ? QString() : m_bottleGrid->column(c).name;
}

void TMainForm::setBottleSortKey(const QString &key)
{
    for (int c = 0; c < m_bottleGrid->columnCount(); ++c)
        if (m_bottleGrid->column(c).name == key)
            m_bottleGrid->setMarkedColumn(c);
}
