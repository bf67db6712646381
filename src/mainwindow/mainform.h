#pragma once
#include "app/appfolders.h"
#include "app/appsettings.h"
#include "platform/dataset.h"
#include "shell/cardmodels.h"

#include <QMainWindow>
#include <QPointer>

class DatasetModel;
class QAction;
class QCalendarWidget;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTimer;
class QToolButton;
class TDataModule1;

// The program's hub: the open dossier's wines as cards (or a grid) above
// the bottle lines of the selected wine, with every command of the program.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(TDataModule1 &data, AppSettings &settings, const app::Folders &folders, QWidget *parent = nullptr);
    ~TMainForm() override;

    // State other windows read
    qint64 currentDossier() const { return m_dossier; }
    qint64 currentWine() const;
    qint64 currentBottle() const;
    QString wineWhereLine() const;
    QString currency() const { return m_currency; }
    bool cardLayout() const { return !m_settings.oldDesign; }

    // Operations other windows call
    void RefreshWineList(qint64 wine, bool reloadThumbnails, bool refreshBottles, bool rebuild);
    void RefreshBottleList(qint64 bottle);
    void UpdateCommands();
    void OpenDossier(qint64 id, const QString &name);
    void CloseDossier();
    void ShowWineSummary();
    void ShowBottleSummary();
    bool HasWineAlarm(qint64 dossier);
    void SelectWineAndBottle(qint64 wine, qint64 bottle);
    // The wine editor on wine (or a new wine); its result, 1 for OK.
    int EditWine(qint64 wine, bool isNew);
    // The bottle editor on line bottle (or a new line); its result, 1 for OK.
    int EditBottle(qint64 bottle, bool isNew);
    // Cellar entry of a new line of the current wine (or of the wine being
    // edited); its Id, or -1.
    qint64 EnterBottles() { return EnterBottles(currentWine()); }
    qint64 EnterBottles(qint64 wine);
    void ClearFilters();
    void DeleteWine();
    // Cellar exit of the wine's bottles; 1 when the exit window closed with OK.
    int ExitBottles(qint64 wine);

    Dataset WineMainList;
    Dataset BottleMainList;

    // Controls, by their names
    QLabel *Lab_Title;
    QLabel *Lab_Wine, *Lab_Wine_Value, *Lab_Bottle, *Lab_Bottle_Value;
    QListView *Grid_WineList, *Grid_BottleList;
    QTableView *Grid_Wine, *Grid_Bottle;
    QPushButton *Btn_Add_Wine, *Btn_Edit_Wine, *Btn_Delete_Wine;
    QPushButton *Btn_Add_Bottle, *Btn_Edit_Bottle, *Btn_Delete_Bottle;
    QToolButton *Btn_Sort_Wine, *Btn_Sort_Bottle, *Btn_WineAlarm;
    QToolButton *Btn_Lists, *Btn_Search, *Btn_Print, *Btn_Html, *Btn_Stat, *Btn_Enter, *Btn_Exit;
    QLabel *DigitalTime;
    QCalendarWidget *MiniCalendar;
    QTimer *Clock, *Timer2;

    WineCardModel wineCards;
    BottleCardModel bottleCards;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    // Opens ds if needed and inserts a row, or puts row id in edit mode;
    // false when id is not there.
    static bool startEditing(Dataset &ds, qint64 id, bool isNew);
    void connectWineCommands();
    void openWine(qint64 wine);
    void closeWine();
    void addWine();
    void editCurrentWine();
    void connectBottleCommands();
    void editCurrentBottle();
    void editBottleLine(qint64 bottle);
    int exitWine(qint64 wine);
    // Field name of the bottle column last clicked, shared with the wine editor.
    QString bottleSortKey() const;
    void setBottleSortKey(const QString &key);
    void afterBottleChange(qint64 bottle);
    QWidget *buildLeftBar();
    QWidget *buildWinePane();
    QWidget *buildBottlePane();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, bool soon = true);
    void markSoon(QObject *command);
    void setCommandEnabled(QObject *command, bool on);
    void setTitle(const QString &dossier);
    void placeWindow();
    void openFirstDossier();
    void rebuildWineList(qint64 wine, bool reloadThumbnails);
    void refreshOneWine(qint64 wine, bool reloadThumbnails);
    QHash<qint64, QImage> loadThumbnails(qint64 wine);
    void selectWineRow(int row);
    void selectBottleRow(int row);
    void updateFillers();
    void onWineRowChanged();
    void onWineCardClicked(const QModelIndex &index);
    void onBottleCardClicked(const QModelIndex &index);
    void showList(int kind);
    void showHistory(bool exits);
    void exitCurrentWine();
    void unmarkSoon(QObject *command);
    void tick();
    void rememberGeometry();

    // Bottles and amounts per wine, kept so that a changed wine updates the
    // heading of the view without summing the whole cellar again.
    struct Totals {
        double quantity = 0, purchase = 0, value = 0;
        Totals &operator+=(const Totals &o);
        Totals &operator-=(const Totals &o);
    };
    static Totals totalsOf(const ResultSet &rows, int r);
    QHash<qint64, Totals> m_totals;
    Totals m_viewTotals;
    QHash<qint64, QImage> m_thumbnails; // 65 × 65 pictures of the wines that have one
    mainlists::Colours m_colours;

    TDataModule1 &m_data;
    AppSettings &m_settings;
    app::Folders m_folders;
    qint64 m_dossier = -1;
    QString m_currency;
    bool m_notify = true;
    bool m_shown = false;
    bool m_blink = false;
    bool m_alarmShown = false;
    QStackedWidget *m_wineStack, *m_bottleStack;
    DatasetModel *m_wineGrid, *m_bottleGrid;
    QMenu *m_fileMenu, *m_paramMenu, *m_listMenu, *m_searchMenu, *m_reportMenu, *m_htmlMenu, *m_toolsMenu, *m_helpMenu;
    QAction *m_statMenu;
};
