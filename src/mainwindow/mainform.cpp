#include "mainform.h"

#include "app/bootstrap.h"
#include "catalogue/treemisc.h"
#include "catalogue/entercolor.h"
#include "mainwindow/cellarfigures.h"
#include "mainwindow/listcolumns.h"
#include "mainwindow/dossiercommands.h"
#include "mainwindow/enterexitcellar.h"
#include "mainwindow/historiclist.h"
#include "mainwindow/mainlists.h"
#include "mainwindow/sortfiles.h"
#include "mainwindow/speciallists.h"
#include "maintenance/maintenancewindows.h"
#include "platform/prompt.h"
#include "shell/busycursor.h"
#include "shell/carddelegates.h"
#include "shell/datagrid.h"
#include "shell/datasetmodel.h"
#include "storage/datamodule.h"

#include <optional>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kSoon = QStringLiteral("Bientôt disponible");
const QString kWineHeading = QStringLiteral("  LIVRE DE CAVE ");
const QString kBottleHeading = QStringLiteral("  DETAIL ");
const QString kWebSite = QStringLiteral("https://www.plexido.example");

QPushButton *paneButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton *barButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setMinimumHeight(44);
    return b;
}

// A label whose text is set again unchanged still relays out its window.
void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

QVariant integerOrEmpty(const QVariant &v)
{
    return v.isNull() ? QVariant() : QVariant(qint64(v.toDouble()));
}

} // namespace

TMainForm::TMainForm(TDataModule1 &data, AppSettings &settings, const app::Folders &folders, QWidget *parent)
    : QMainWindow(parent)
    , WineMainList(data.ADOConnection1, QStringLiteral("WineMainList"), mainlists::wineMainList(), this)
    , BottleMainList(data.ADOConnection1, QStringLiteral("BottleMainList"), mainlists::bottleMainList(), this)
    , m_data(data)
    , m_settings(settings)
    , m_folders(folders)
{
    setObjectName(QStringLiteral("MainForm"));
    m_currency = figures::currencySymbol(QLocale().currencySymbol());
    m_data.setCurrentDossier(-1);

    // The sort files of the panes come from the installation the first time.
    for (const QString &name : {sortfiles::kWineFile, sortfiles::kBottleFile})
        if (!QFile::exists(sortfiles::find(m_folders.userData, name)))
            QFile::copy(sortfiles::find(m_folders.templateFolder(), name), m_folders.userData + name);

    Lab_Title = new QLabel(this);
    Lab_Title->setObjectName(QStringLiteral("Lab_Title"));
    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(buildLeftBar());
    auto *splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildWinePane());
    splitter->addWidget(buildBottlePane());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    connectWineCommands();
    connectBottleCommands();

    connect(&WineMainList, &Dataset::currentRowChanged, this, &TMainForm::onWineRowChanged);
    Clock = new QTimer(this);
    Clock->setObjectName(QStringLiteral("Clock"));
    Clock->setInterval(1000);
    connect(Clock, &QTimer::timeout, this, &TMainForm::tick);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] {
        if (!Btn_WineAlarm->isHidden() && m_settings.alarm)
            showList(int(speciallists::Kind::Alarm));
    });

    for (QLabel *heading : {Lab_Wine, Lab_Bottle})
        heading->setStyleSheet(QStringLiteral("font-weight: bold; color: #7a1f35;"));
    for (QLabel *value : {Lab_Wine_Value, Lab_Bottle_Value})
        value->setStyleSheet(QStringLiteral("color: #6b5a50; padding-left: 12px;"));

    setTitle({});
    m_settings.firstLaunch = false;
}

TMainForm::~TMainForm() = default;

// --- Building -------------------------------------------------------------

QAction *TMainForm::addCommand(QMenu *menu, const char *name, const QString &caption, bool soon)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    if (soon)
        markSoon(a);
    return a;
}

void TMainForm::markSoon(QObject *command)
{
    command->setProperty("soon", true);
    command->setProperty("toolTip", kSoon);
    command->setProperty("enabled", false);
}

void TMainForm::unmarkSoon(QObject *command)
{
    command->setProperty("soon", false);
    command->setProperty("toolTip", QString());
}

void TMainForm::setCommandEnabled(QObject *command, bool on)
{
    command->setProperty("enabled", on && !command->property("soon").toBool());
}

void TMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    const auto menu = [&](const char *name, const QString &caption) {
        QMenu *m = bar->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->setToolTipsVisible(true);
        return m;
    };
    m_fileMenu = menu("Menu_File", QStringLiteral("&Fichier"));
    auto *dossierCommands = new DossierCommands(*this, m_data, m_folders);
    connect(addCommand(m_fileMenu, "Popup_File_Open", QStringLiteral("&Ouvrir un dossier"), false), &QAction::triggered,
            dossierCommands, &DossierCommands::open);
    connect(addCommand(m_fileMenu, "Popup_File_Close", QStringLiteral("&Fermer ce dossier"), false), &QAction::triggered,
            this, &TMainForm::CloseDossier);
    connect(addCommand(m_fileMenu, "Popup_File_Edit", QStringLiteral("&Modifier ce dossier"), false), &QAction::triggered,
            dossierCommands, &DossierCommands::edit);
    connect(addCommand(m_fileMenu, "Popup_File_Add", QStringLiteral("&Créer un dossier"), false), &QAction::triggered,
            dossierCommands, &DossierCommands::create);
    connect(addCommand(m_fileMenu, "Popup_File_Delete", QStringLiteral("&Supprimer ce dossier"), false), &QAction::triggered,
            dossierCommands, &DossierCommands::remove);
    m_fileMenu->addSeparator();
    addCommand(m_fileMenu, "Popup_File_Properties", QStringLiteral("Propriétés"));
    m_fileMenu->addSeparator();
    connect(addCommand(m_fileMenu, "Popup_File_Exit", QStringLiteral("&Quitter"), false), &QAction::triggered, this,
            &QWidget::close);

    m_paramMenu = menu("Menu_Param", QStringLiteral("&Paramètrage"));
    addCommand(m_paramMenu, "Popup_Param_Producer", QStringLiteral("&Producteurs"));
    addCommand(m_paramMenu, "Popup_Param_Compagny", QStringLiteral("&Fournisseurs"));
    addCommand(m_paramMenu, "Popup_Param_Appellations", QStringLiteral("&Appellations"));
    addCommand(m_paramMenu, "Popup_Param_Location", QStringLiteral("&Localisations"));
    connect(addCommand(m_paramMenu, "Popup_Param_Misc", QStringLiteral("&Caractéristiques"), false), &QAction::triggered, this, [this] {
        TTreeMisc window(m_data, this);
        window.exec();
        RefreshWineList(currentWine(), false, true, true);
    });
    connect(addCommand(m_paramMenu, "Popup_Param_Color", QStringLiteral("Couleurs"), false), &QAction::triggered, this, [this] {
        TEnterColor window(m_data, this);
        window.exec();
        RefreshWineList(currentWine(), false, true, true);
    });

    m_listMenu = menu("Menu_List", QStringLiteral("&Listes"));
    const std::pair<const char *, const char *> lists[] = {{"Popup_List_Wine_Drink", "Bouteilles consommables"},
                                                           {"Popup_List_Wine_Best", "Bouteilles à leur apogée"},
                                                           {"Popup_List_Wine_Purchase", "Alcools à acheter"},
                                                           {"Popup_List_Wine_Alarm", "Alcools en alerte"}};
    for (int kind = 0; kind < 4; ++kind)
        connect(addCommand(m_listMenu, lists[kind].first, QString::fromUtf8(lists[kind].second), false),
                &QAction::triggered, this, [this, kind] { showList(kind); });
    m_listMenu->addSeparator();
    QMenu *history = m_listMenu->addMenu(QStringLiteral("Historique"));
    history->setToolTipsVisible(true);
    connect(addCommand(history, "Popup_List_Wine_Historic_Enter", QStringLiteral("Entrées"), false), &QAction::triggered,
            this, [this] { showHistory(false); });
    connect(addCommand(history, "Popup_List_Wine_Historic_Exit", QStringLiteral("Sorties"), false), &QAction::triggered,
            this, [this] { showHistory(true); });
    addCommand(m_listMenu, "Localisationencave1", QStringLiteral("Localisation en cave"));

    m_searchMenu = menu("Menu_Search", QStringLiteral("&Recherche"));
    addCommand(m_searchMenu, "Popup_Search_FastSearch", QStringLiteral("Recherche &rapide"));
    addCommand(m_searchMenu, "Popup_Search_Research", QStringLiteral("Recherche &multicritères"));
    addCommand(m_searchMenu, "Popup_Search_Queries", QStringLiteral("Re&quêteur"));

    const auto outputMenu = [&](QMenu *m, const char *prefix, bool printed) {
        const QString p = QLatin1String(prefix);
        addCommand(m, (p + QStringLiteral("_Fich_Wine")).toLatin1().constData(), QStringLiteral("&Fiche d'un alcool"));
        for (const auto &[list, caption] : {std::pair{"Wine", "Liste des alcools"}, std::pair{"Bottle", "Liste des bouteilles (détail)"}}) {
            QMenu *sub = m->addMenu(QString::fromUtf8(caption));
            sub->setToolTipsVisible(true);
            const QString base = p + QStringLiteral("_List_") + QLatin1String(list);
            addCommand(sub, (base + QStringLiteral("_Full")).toLatin1().constData(), QStringLiteral("&Complet"));
            addCommand(sub, (base + QStringLiteral("_Partial")).toLatin1().constData(), QStringLiteral("Critères de &sélection"));
            addCommand(sub, (base + QStringLiteral("_Sort")).toLatin1().constData(), QStringLiteral("Livre de cave"));
        }
        QMenu *hist = m->addMenu(QStringLiteral("Historique"));
        hist->setToolTipsVisible(true);
        addCommand(hist, (p + QStringLiteral("_Historic_Enter")).toLatin1().constData(), QStringLiteral("Entrées"));
        addCommand(hist, (p + QStringLiteral("_Historic_Exit")).toLatin1().constData(), QStringLiteral("Sorties"));
        m->addSeparator();
        addCommand(m, printed ? "Popup_Report_List_Procucer" : "Popup_Html_List_Producer", QStringLiteral("Liste des &producteurs"));
        addCommand(m, printed ? "Popup_Report_List_PurchaseCompagny" : "Popup_Html_List_PurchaseCompagny",
                   printed ? QStringLiteral("Liste des &fournisseurs") : QStringLiteral("Liste des &fournisseur"));
    };
    m_reportMenu = menu("Menu_Report", QStringLiteral("&Impression"));
    outputMenu(m_reportMenu, "Popup_Report", true);
    m_htmlMenu = menu("Menu_Html", QStringLiteral("&Html"));
    outputMenu(m_htmlMenu, "Popup_Html", false);

    m_statMenu = bar->addAction(QStringLiteral("&Statistiques"));
    m_statMenu->setObjectName(QStringLiteral("Menu_Stat"));
    markSoon(m_statMenu);

    m_toolsMenu = menu("Menu_Tools", QStringLiteral("&Outils"));
    QMenu *database = m_toolsMenu->addMenu(QStringLiteral("&Base de données"));
    database->setObjectName(QStringLiteral("Popup_Tools_DataBase"));
    database->setToolTipsVisible(true);
    connect(addCommand(database, "Popup_Tools_DataBase_Backup", QStringLiteral("&Sauvegarde"), false), &QAction::triggered,
            this, [this] { maintenance::backupCommand(*this, m_data, m_folders); });
    connect(addCommand(database, "Popup_Tools_DataBase_restore", QStringLiteral("&Restauration"), false),
            &QAction::triggered, this, [this] { maintenance::restoreCommand(*this, m_data, m_folders); });
    connect(addCommand(database, "Popup_Tools_DataBase_History", QStringLiteral("&Historique"), false),
            &QAction::triggered, this, [this] { maintenance::historyCommand(*this, m_data); });
    connect(addCommand(database, "Popup_Tools_DataBase_Compact", QStringLiteral("&Compacter/Réparer"), false),
            &QAction::triggered, this, [this] { maintenance::compactCommand(*this, m_data); });
    addCommand(m_toolsMenu, "Popup_Tools_Import", QStringLiteral("&Importation (format texte)"));
    addCommand(m_toolsMenu, "Popup_Tools_Export", QStringLiteral("&Exportation (format texte)"));

    m_helpMenu = menu("Menu_Help", QStringLiteral("&Aide"));
    QAction *doc = addCommand(m_helpMenu, "Popup_Help_Doc", QStringLiteral("&Documentation"), false);
    doc->setShortcut(QKeySequence::HelpContents);
    connect(doc, &QAction::triggered, this, [this] { app::openHelp(m_folders); });
    connect(addCommand(m_helpMenu, "MenuItem13", QStringLiteral("&Site web"), false), &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(kWebSite)); });
    connect(addCommand(m_helpMenu, "Apropos1", QStringLiteral("&A propos"), false), &QAction::triggered, this, [] {
        prompt::information(QStringLiteral("%1\nVersion %2\n\nGestion de cave à vin.\n%3")
                                .arg(app::kDisplayName, app::kVersion, kWebSite),
                            QStringLiteral("A propos"));
    });
}

QWidget *TMainForm::buildLeftBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Pan_Left"));
    bar->setFixedWidth(128);
    auto *layout = new QVBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    Btn_Enter = barButton("Btn_Enter", QStringLiteral("Entrée\nen cave"), bar);
    Btn_Exit = barButton("Btn_Exit", QStringLiteral("Sortie\nde cave"), bar);
    for (QToolButton *b : {Btn_Enter, Btn_Exit}) {
        b->setMinimumHeight(58);
        markSoon(b);
        layout->addWidget(b);
    }
    unmarkSoon(Btn_Exit);
    connect(Btn_Exit, &QToolButton::clicked, this, &TMainForm::exitCurrentWine);
    layout->addSpacing(10);
    Btn_Lists = barButton("Btn_Lists", QStringLiteral("&Listes"), bar);
    Btn_Search = barButton("Btn_Search", QStringLiteral("&Chercher"), bar);
    Btn_Print = barButton("Btn_Print", QStringLiteral("&Imprimer"), bar);
    Btn_Html = barButton("Btn_Html", QStringLiteral("&Html"), bar);
    Btn_Stat = barButton("Btn_Stat", QStringLiteral("&Stat."), bar);
    const std::pair<QToolButton *, QMenu *> popups[] = {
        {Btn_Lists, m_listMenu}, {Btn_Search, m_searchMenu}, {Btn_Print, m_reportMenu}, {Btn_Html, m_htmlMenu}};
    for (const auto &[button, menu] : popups) {
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        layout->addWidget(button);
    }
    markSoon(Btn_Stat);
    layout->addWidget(Btn_Stat);
    layout->addStretch(1);

    Btn_WineAlarm = new QToolButton(bar);
    Btn_WineAlarm->setObjectName(QStringLiteral("Btn_WineAlarm"));
    Btn_WineAlarm->setToolTip(QStringLiteral("Alarme agenda"));
    Btn_WineAlarm->setText(QStringLiteral("⚠ Alerte stock"));
    Btn_WineAlarm->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont alarmFont = Btn_WineAlarm->font();
    alarmFont.setBold(true);
    Btn_WineAlarm->setFont(alarmFont);
    Btn_WineAlarm->setAutoRaise(false);
    Btn_WineAlarm->hide();
    connect(Btn_WineAlarm, &QToolButton::clicked, this, [this] { showList(int(speciallists::Kind::Alarm)); });
    layout->addWidget(Btn_WineAlarm);

    DigitalTime = new QLabel(bar);
    DigitalTime->setObjectName(QStringLiteral("DigitalTime"));
    DigitalTime->setAlignment(Qt::AlignCenter);
    QFont clock = DigitalTime->font();
    clock.setPointSizeF(clock.pointSizeF() * 1.6);
    clock.setBold(true);
    DigitalTime->setFont(clock);
    MiniCalendar = new QCalendarWidget(bar);
    MiniCalendar->setObjectName(QStringLiteral("MiniCalendar"));
    MiniCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MiniCalendar->setNavigationBarVisible(false);
    MiniCalendar->setFixedHeight(120);
    layout->addWidget(DigitalTime);
    layout->addWidget(MiniCalendar);
    DigitalTime->setVisible(m_settings.showCalendar);
    MiniCalendar->setVisible(m_settings.showCalendar);
    return bar;
}

QWidget *TMainForm::buildWinePane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("Pan_Wine"));
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *head = new QHBoxLayout;
    Lab_Wine = new QLabel(kWineHeading, pane);
    Lab_Wine->setObjectName(QStringLiteral("Lab_Wine"));
    Lab_Wine_Value = new QLabel(pane);
    Lab_Wine_Value->setObjectName(QStringLiteral("Lab_Wine_Value"));
    Btn_Add_Wine = paneButton("Btn_Add_Wine", QStringLiteral("Ajout"), pane);
    Btn_Edit_Wine = paneButton("Btn_Edit_Wine", QStringLiteral("Fiche"), pane);
    Btn_Delete_Wine = paneButton("Btn_Delete_Wine", QStringLiteral("Supp."), pane);
    Btn_Sort_Wine = new QToolButton(pane);
    Btn_Sort_Wine->setObjectName(QStringLiteral("Btn_Sort_Wine"));
    Btn_Sort_Wine->setText(QStringLiteral("⇅"));
    markSoon(Btn_Sort_Wine);
    connect(Btn_Delete_Wine, &QPushButton::clicked, this, &TMainForm::DeleteWine);
    head->addWidget(Lab_Wine);
    head->addWidget(Lab_Wine_Value, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{Btn_Add_Wine, Btn_Edit_Wine, Btn_Delete_Wine, Btn_Sort_Wine})
        head->addWidget(w);
    layout->addLayout(head);

    m_wineStack = new QStackedWidget(pane);
    Grid_WineList = new QListView(m_wineStack);
    Grid_WineList->setObjectName(QStringLiteral("Grid_WineList"));
    Grid_WineList->setModel(&wineCards);
    Grid_WineList->setItemDelegate(new WineCardDelegate(Grid_WineList));
    Grid_WineList->setUniformItemSizes(true);
    Grid_WineList->setFocusPolicy(Qt::NoFocus);
    Grid_WineList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    Grid_WineList->viewport()->installEventFilter(this);
    Grid_WineList->viewport()->setBackgroundRole(QPalette::Window);
    Grid_WineList->setMouseTracking(true);
    connect(Grid_WineList, &QListView::clicked, this, &TMainForm::onWineCardClicked);

    Grid_Wine = new QTableView(m_wineStack);
    Grid_Wine->setObjectName(QStringLiteral("Grid_Wine"));
    const auto wineValue = [](const char *field) {
        return [f = QString::fromLatin1(field)](const Dataset &ds, int row) { return ds.valueAt(row, f); };
    };
    m_wineGrid = new DatasetModel(WineMainList,
                                  {{QStringLiteral("Total"), QStringLiteral("Stock"), 5,
                                    [](const Dataset &ds, int row) { return integerOrEmpty(ds.valueAt(row, QStringLiteral("Quantity"))); }},
                                   {QStringLiteral("Category"), QStringLiteral("Catégorie"), 10},
                                   {QStringLiteral("Title"), QStringLiteral("Nom"), 25},
                                   {QStringLiteral("WineCode"), QStringLiteral("Code"), 10},
                                   {QStringLiteral("Color"), QStringLiteral("Couleur"), 10},
                                   {QStringLiteral("Appellation"), QStringLiteral("Appellation"), 20},
                                   {QStringLiteral("Region"), QStringLiteral("Région"), 20},
                                   {QStringLiteral("Country"), QStringLiteral("Pays"), 20},
                                   {QStringLiteral("Rate"), QStringLiteral("Notation"), 5, wineValue("Rate")},
                                   {QStringLiteral("Classification"), QStringLiteral("Classement"), 15},
                                   {QStringLiteral("Cepage"), QStringLiteral("Cépage"), 15},
                                   {QStringLiteral("Producer"), QStringLiteral("Producteur"), 20}},
                                  this);
    m_wineGrid->markColor = QColor(0xF0, 0xE1, 0xE1);
    Grid_Wine->setModel(m_wineGrid);
    connect(Grid_Wine->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && current.row() != WineMainList.recNo())
                    WineMainList.moveTo(current.row());
            });
    m_wineStack->addWidget(Grid_WineList);
    m_wineStack->addWidget(Grid_Wine);
    m_wineStack->setCurrentWidget(cardLayout() ? static_cast<QWidget *>(Grid_WineList) : Grid_Wine);
    layout->addWidget(m_wineStack, 1);
    return pane;
}

QWidget *TMainForm::buildBottlePane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("Pan_Bottle"));
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *head = new QHBoxLayout;
    Lab_Bottle = new QLabel(kBottleHeading, pane);
    Lab_Bottle->setObjectName(QStringLiteral("Lab_Bottle"));
    Lab_Bottle_Value = new QLabel(pane);
    Lab_Bottle_Value->setObjectName(QStringLiteral("Lab_Bottle_Value"));
    Btn_Add_Bottle = paneButton("Btn_Add_Bottle", QStringLiteral("Entrée"), pane);
    Btn_Edit_Bottle = paneButton("Btn_Edit_Bottle", QStringLiteral("Fiche"), pane);
    Btn_Delete_Bottle = paneButton("Btn_Delete_Bottle", QStringLiteral("Sortie"), pane);
    Btn_Sort_Bottle = new QToolButton(pane);
    Btn_Sort_Bottle->setObjectName(QStringLiteral("Btn_Sort_Bottle"));
    Btn_Sort_Bottle->setText(QStringLiteral("⇅"));
    for (QObject *o : std::initializer_list<QObject *>{Btn_Add_Bottle, Btn_Edit_Bottle, Btn_Delete_Bottle, Btn_Sort_Bottle})
        markSoon(o);
    unmarkSoon(Btn_Delete_Bottle);
    connect(Btn_Delete_Bottle, &QPushButton::clicked, this, &TMainForm::exitCurrentWine);
    head->addWidget(Lab_Bottle);
    head->addWidget(Lab_Bottle_Value, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{Btn_Add_Bottle, Btn_Edit_Bottle, Btn_Delete_Bottle, Btn_Sort_Bottle})
        head->addWidget(w);
    layout->addLayout(head);

    m_bottleStack = new QStackedWidget(pane);
    Grid_BottleList = new QListView(m_bottleStack);
    Grid_BottleList->setObjectName(QStringLiteral("Grid_BottleList"));
    Grid_BottleList->setModel(&bottleCards);
    Grid_BottleList->setItemDelegate(new BottleCardDelegate(Grid_BottleList));
    Grid_BottleList->setUniformItemSizes(true);
    Grid_BottleList->setFocusPolicy(Qt::NoFocus);
    Grid_BottleList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    Grid_BottleList->viewport()->installEventFilter(this);
    Grid_BottleList->viewport()->setBackgroundRole(QPalette::Window);
    Grid_BottleList->setMouseTracking(true);
    connect(Grid_BottleList, &QListView::clicked, this, &TMainForm::onBottleCardClicked);

    Grid_Bottle = new QTableView(m_bottleStack);
    Grid_Bottle->setObjectName(QStringLiteral("Grid_Bottle"));
    QList<DatasetModel::Column> bottleColumns = listcolumns::bottleLines(m_currency);
    bottleColumns.append({QStringLiteral("Location"), QStringLiteral("Localisation"), 0});
    m_bottleGrid = new DatasetModel(BottleMainList, bottleColumns, this);
    m_bottleGrid->markColor = QColor(0xF0, 0xE1, 0xE1);
    Grid_Bottle->setModel(m_bottleGrid);
    connect(Grid_Bottle->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    BottleMainList.moveTo(current.row());
                UpdateCommands();
            });
    for (QTableView *grid : {Grid_Wine, Grid_Bottle}) {
        setUpDataGrid(grid);
        connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this, grid](int section) {
            static_cast<DatasetModel *>(grid->model())->setMarkedColumn(section);
            if (grid == Grid_Wine)
                RefreshWineList(currentWine(), true, true, true);
            else
                RefreshBottleList(currentBottle());
        });
    }
    m_wineGrid->setMarkedColumn(2);
    m_bottleGrid->setMarkedColumn(1);
    m_bottleStack->addWidget(Grid_BottleList);
    m_bottleStack->addWidget(Grid_Bottle);
    m_bottleStack->setCurrentWidget(cardLayout() ? static_cast<QWidget *>(Grid_BottleList) : Grid_Bottle);
    layout->addWidget(m_bottleStack, 1);
    return pane;
}

// --- State ----------------------------------------------------------------

qint64 TMainForm::currentWine() const
{
    if (!WineMainList.isOpen() || WineMainList.isEmpty() || WineMainList.recNo() < 0)
        return -1;
    return WineMainList.integer(QStringLiteral("Id"), -1);
}

qint64 TMainForm::currentBottle() const
{
    if (!BottleMainList.isOpen() || BottleMainList.isEmpty() || BottleMainList.recNo() < 0)
        return -1;
    return BottleMainList.integer(QStringLiteral("Id"), -1);
}

QString TMainForm::wineWhereLine() const
{
    const int i = WineMainList.findClauseLine(QStringLiteral("WHERE"));
    return i < 0 ? QString() : WineMainList.sql().at(i);
}

void TMainForm::setTitle(const QString &dossier)
{
    QString title = u' ' + app::kDisplayName + u' ' + app::kVersion;
    if (!dossier.isEmpty())
        title += QStringLiteral(" - ") + dossier;
    Lab_Title->setText(title);
    setWindowTitle(title.trimmed());
}

// --- Refreshing -----------------------------------------------------------

void TMainForm::RefreshWineList(qint64 wine, bool reloadThumbnails, bool refreshBottles, bool rebuild)
{
    std::optional<BusyCursor> busy;
    if (rebuild)
        busy.emplace();
    m_notify = false;
    // The refresh runs without handing events back, so nothing can be
    // clicked meanwhile: the window need not be disabled.
    try {
        if (rebuild)
            rebuildWineList(wine, reloadThumbnails);
        else
            refreshOneWine(wine, reloadThumbnails);
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    ShowWineSummary();
    if (rebuild && wine >= 0)
        WineMainList.locate(QStringLiteral("Id"), wine);
    if (!cardLayout() && WineMainList.recNo() >= 0)
        Grid_Wine->selectRow(WineMainList.recNo());
    m_data.setCurrentWine(currentWine());
    m_notify = true;
    if (refreshBottles)
        RefreshBottleList(-1);
}

void TMainForm::rebuildWineList(qint64 wine, bool reloadThumbnails)
{
    WineMainList.close();
    WineMainList.setFilterLine(QStringLiteral("WHERE WINE.Id_File=") + QString::number(m_dossier));
    WineMainList.replaceClauseLine(QStringLiteral("ORDER BY"),
                                   QStringLiteral("ORDER BY ")
                                       + sortfiles::readSortOrder(sortfiles::find(m_folders.userData, sortfiles::kWineFile),
                                                                  QStringLiteral("WINE.Id")));
    m_totals.clear();
    m_viewTotals = {};
    wineCards.setCards({});
    WineMainList.open();
    m_wineGrid->reload();
    const ResultSet &rows = WineMainList.rows();
    for (int r = 0; r < rows.rowCount(); ++r) {
        const Totals t = totalsOf(rows, r);
        m_totals.insert(WineMainList.valueAt(r, QStringLiteral("Id")).toLongLong(), t);
        m_viewTotals += t;
    }
    if (!cardLayout())
        return;

    const QHash<qint64, QImage> thumbnails = reloadThumbnails ? loadThumbnails(-1) : m_thumbnails;
    m_colours = mainlists::colours(m_data.ADOConnection1.select(mainlists::colourList()));
    std::vector<mainlists::WineCard> cards = mainlists::wineCards(rows, m_colours);
    int selected = 0;
    for (size_t i = 0; i < cards.size(); ++i) {
        cards[i].thumbnail = thumbnails.value(cards[i].id);
        if (cards[i].id == wine)
            selected = int(i);
    }
    m_thumbnails = thumbnails;
    wineCards.setCards(std::move(cards));
    updateFillers();
    selectWineRow(selected);
}

// Only one wine is read again: its card, its stock and its amounts.
void TMainForm::refreshOneWine(qint64 wine, bool reloadThumbnails)
{
    if (wine < 0 || !WineMainList.isOpen())
        return;
    QStringList sql = WineMainList.sql();
    sql[WineMainList.findClauseLine(QStringLiteral("WHERE"))] += QStringLiteral(" AND WINE.Id=") + QString::number(wine);
    const ResultSet one = m_data.ADOConnection1.select(sql.join(u'\n'));
    m_viewTotals -= m_totals.value(wine);
    m_totals.remove(wine);
    if (one.rowCount() == 0)
        return;
    m_totals.insert(wine, totalsOf(one, 0));
    m_viewTotals += m_totals.value(wine);

    const int row = wineCards.rowOf(wine);
    if (!cardLayout() || row < 0)
        return;
    if (reloadThumbnails) {
        m_thumbnails.remove(wine);
        m_thumbnails.insert(loadThumbnails(wine));
    }
    mainlists::WineCard card = mainlists::wineCard(one, 0, m_colours);
    card.thumbnail = m_thumbnails.value(wine);
    wineCards.replaceQuietly(row, std::move(card));
    Grid_WineList->update(wineCards.index(row));
}

TMainForm::Totals TMainForm::totalsOf(const ResultSet &rows, int r)
{
    const auto number = [&](const char *name) {
        const int c = int(rows.names.indexOf(QLatin1String(name)));
        return c < 0 ? 0.0 : rows.at(r, c).toDouble();
    };
    return {number("Quantity"), number("PurchaseTotal"), number("ValueTotal")};
}

QHash<qint64, QImage> TMainForm::loadThumbnails(qint64 wine)
{
    QHash<qint64, QImage> out;
    const ResultSet rs = m_data.ADOConnection1.select(mainlists::wineThumbnails(m_dossier, wine));
    for (int r = 0; r < rs.rowCount(); ++r) {
        const QImage image = QImage::fromData(rs.at(r, 1).toByteArray());
        if (!image.isNull())
            out.insert(rs.at(r, 0).toLongLong(), image);
    }
    return out;
}

void TMainForm::RefreshBottleList(qint64 bottle)
{
    const BusyCursor busy;
    BottleMainList.close();
    BottleMainList.setFilterLine(QStringLiteral("WHERE Id_Wine=") + QString::number(currentWine()));
    BottleMainList.replaceClauseLine(QStringLiteral("ORDER BY"),
                                     QStringLiteral("ORDER BY ")
                                         + sortfiles::readSortOrder(sortfiles::find(m_folders.userData, sortfiles::kBottleFile),
                                                                    QStringLiteral("BOTTLE.Id")));
    try {
        BottleMainList.open();
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    m_bottleGrid->reload();
    int selected = 0;
    if (cardLayout()) {
        std::vector<mainlists::BottleCard> cards;
        const ResultSet &rows = BottleMainList.rows();
        const int year = QDate::currentDate().year();
        for (int r = 0; r < rows.rowCount(); ++r) {
            cards.push_back(mainlists::bottleCard(rows, r, m_currency, year));
            if (cards.back().id == bottle)
                selected = r;
        }
        bottleCards.setCards(std::move(cards));
        updateFillers();
    }
    ShowBottleSummary();
    if (bottle >= 0)
        BottleMainList.locate(QStringLiteral("Id"), bottle);
    selectBottleRow(cardLayout() ? selected : BottleMainList.recNo());
}

void TMainForm::selectWineRow(int row)
{
    if (row >= 0 && row < wineCards.rowCount())
        Grid_WineList->setCurrentIndex(wineCards.index(row));
}

void TMainForm::selectBottleRow(int row)
{
    QAbstractItemView *view = cardLayout() ? static_cast<QAbstractItemView *>(Grid_BottleList) : Grid_Bottle;
    if (row >= 0 && row < view->model()->rowCount())
        view->setCurrentIndex(view->model()->index(row, 0));
}

// Filler rows make the card panes look like a full sheet.
void TMainForm::updateFillers()
{
    // Bottle lines show no row at all when there is none.
    const auto fill = [](QListView *view, auto &model, bool whenEmpty) {
        const int height = view->sizeHintForRow(0) > 0 ? view->sizeHintForRow(0) : 1;
        model.setFillers(whenEmpty || model.cardCount() ? view->viewport()->height() / height - model.cardCount() : 0);
    };
    const int wineRow = Grid_WineList->currentIndex().row();
    fill(Grid_WineList, wineCards, true);
    selectWineRow(wineRow);
    const int bottleRow = Grid_BottleList->currentIndex().row();
    fill(Grid_BottleList, bottleCards, false);
    selectBottleRow(bottleRow);
}

TMainForm::Totals &TMainForm::Totals::operator+=(const Totals &o)
{
    quantity += o.quantity;
    purchase += o.purchase;
    value += o.value;
    return *this;
}

TMainForm::Totals &TMainForm::Totals::operator-=(const Totals &o)
{
    quantity -= o.quantity;
    purchase -= o.purchase;
    value -= o.value;
    return *this;
}

// The view's wines, bottles and amounts, from the totals kept per wine.
void TMainForm::ShowWineSummary()
{
    const bool empty = m_dossier < 0 || WineMainList.recordCount() == 0;
    setTextIfChanged(Lab_Wine, empty ? kWineHeading : figures::wineHeading(WineMainList.recordCount(), qint64(m_viewTotals.quantity)));
    setTextIfChanged(Lab_Wine_Value, empty ? QString() : figures::valueLine(m_viewTotals.purchase, m_viewTotals.value, m_currency));
}

void TMainForm::ShowBottleSummary()
{
    Lab_Bottle->setText(kBottleHeading);
    Lab_Bottle_Value->clear();
    if (m_dossier < 0)
        return;
    const int where = BottleMainList.findClauseLine(QStringLiteral("WHERE"));
    try {
        const ResultSet rs = m_data.ADOConnection1.select(mainlists::bottleSummary(BottleMainList.sql().at(where)));
        if (rs.rowCount() == 0)
            return;
        const qint64 bottles = rs.at(0, 1).isNull() ? 0 : qint64(rs.at(0, 1).toDouble());
        Lab_Bottle->setText(figures::bottleHeading(bottles));
        Lab_Bottle_Value->setText(figures::valueLine(rs.at(0, 2).toDouble(), rs.at(0, 3).toDouble(), m_currency));
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
}

bool TMainForm::HasWineAlarm(qint64 dossier)
{
    if (dossier < 0)
        return false;
    const BusyCursor busy;
    try {
        return m_data.ADOConnection1.select(mainlists::alarmCheck(dossier)).rowCount() > 0;
    } catch (const DbError &) {
        return false;
    }
}

// --- Dossiers -------------------------------------------------------------

void TMainForm::OpenDossier(qint64 id, const QString &name)
{
    setTitle(name);
    m_dossier = id;
    m_data.setCurrentDossier(id);
    m_data.filterOnDossier(id);
    RefreshWineList(-1, true, true, true);
    UpdateCommands();
}

void TMainForm::CloseDossier()
{
    setTitle({});
    m_dossier = -1;
    m_data.setCurrentDossier(-1);
    RefreshWineList(-1, true, true, true);
    UpdateCommands();
}

void TMainForm::openFirstDossier()
{
    try {
        Dataset &profiles = m_data.MainFile;
        profiles.close();
        profiles.open();
        if (!profiles.isEmpty() && profiles.text(QStringLiteral("LoginPassword")).isEmpty())
            OpenDossier(profiles.integer(QStringLiteral("ID")), profiles.text(QStringLiteral("LoginName")));
        profiles.close();
    } catch (const DbError &) {
        prompt::warning(QStringLiteral("INSTABILITE DETECTEE !!\n\n"
                                       "Le programme exécutable de ce logiciel ne semble pas compatible avec votre base de données.\n"
                                       "L'installation de la mise à jour gratuite disponible sur notre site internet peut résoudre ce problème."));
        QDesktopServices::openUrl(QUrl(kWebSite));
    }
    if (m_dossier < 0)
        RefreshWineList(-1, true, true, true);
    UpdateCommands();
}

void TMainForm::ClearFilters()
{
    // The filter bar comes with its own criteria; nothing narrows the view yet.
}

void TMainForm::SelectWineAndBottle(qint64 wine, qint64 bottle)
{
    ClearFilters();
    if (cardLayout())
        selectWineRow(wineCards.rowOf(wine));
    WineMainList.locate(QStringLiteral("Id"), wine);
    RefreshBottleList(bottle);
    UpdateCommands();
}

void TMainForm::DeleteWine()
{
    const qint64 wine = currentWine();
    if (wine < 0 || !prompt::question(QStringLiteral("Confirmez-vous la suppression de cet alcool ?")))
        return;
    try {
        openWine(wine);
        if (m_data.Wine.locate(QStringLiteral("Id"), wine))
            m_data.Wine.remove();
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
    closeWine();
    RefreshWineList(-1, true, true, true);
    UpdateCommands();
}

// --- Commands -------------------------------------------------------------

void TMainForm::UpdateCommands()
{
    const bool open = m_dossier >= 0;
    for (QMenu *m : {m_paramMenu, m_listMenu, m_searchMenu, m_reportMenu, m_htmlMenu})
        m->menuAction()->setEnabled(open);
    setCommandEnabled(m_statMenu, open);
    for (QObject *b : std::initializer_list<QObject *>{Btn_Lists, Btn_Search, Btn_Print, Btn_Html, Btn_Stat, Btn_Enter, Btn_Exit})
        setCommandEnabled(b, open);

    bool anyDossier = false;
    try {
        anyDossier = m_data.scalarQuery(QStringLiteral("SELECT Count(*) FROM PROFILES")) > 0;
    } catch (const DbError &) {
    }
    const auto command = [this](const char *name) { return findChild<QAction *>(QLatin1String(name)); };
    setCommandEnabled(command("Popup_File_Open"), !open && anyDossier);
    setCommandEnabled(command("Popup_File_Add"), !open);
    for (const char *name : {"Popup_File_Close", "Popup_File_Edit", "Popup_File_Delete", "Popup_Tools_Import", "Popup_Tools_Export"})
        setCommandEnabled(command(name), open);
    for (const char *name : {"Popup_List_Wine_Drink", "Popup_List_Wine_Best", "Popup_List_Wine_Purchase", "Popup_List_Wine_Alarm",
                             "Popup_List_Wine_Historic_Enter", "Popup_List_Wine_Historic_Exit"})
        setCommandEnabled(command(name), open);
    setCommandEnabled(Btn_Sort_Wine, open);
    setCommandEnabled(Btn_Sort_Bottle, open);

    const int wineRow = cardLayout() ? Grid_WineList->currentIndex().row() : WineMainList.recNo();
    const int wineCount = cardLayout() ? wineCards.cardCount() : WineMainList.recordCount();
    const bool wineChosen = open && WineMainList.isOpen() && !WineMainList.isEmpty() && wineRow >= 0 && wineRow < wineCount;
    const int bottleRow = cardLayout() ? Grid_BottleList->currentIndex().row() : BottleMainList.recNo();
    const int bottleCount = cardLayout() ? bottleCards.cardCount() : BottleMainList.recordCount();
    const bool bottleChosen = open && BottleMainList.isOpen() && !BottleMainList.isEmpty() && bottleRow >= 0 && bottleRow < bottleCount;
    setCommandEnabled(Btn_Add_Wine, open);
    setCommandEnabled(Btn_Edit_Wine, wineChosen);
    setCommandEnabled(Btn_Delete_Wine, wineChosen);
    setCommandEnabled(Btn_Add_Bottle, wineChosen);
    setCommandEnabled(Btn_Edit_Bottle, bottleChosen);
    setCommandEnabled(Btn_Delete_Bottle, bottleChosen);
    setCommandEnabled(Btn_Exit, wineChosen);

    Btn_WineAlarm->setVisible(HasWineAlarm(m_dossier));
}

void TMainForm::showList(int kind)
{
    if (m_dossier < 0)
        return;
    const auto choice = speciallists::show(speciallists::Kind(kind), m_data.ADOConnection1, m_dossier, m_currency, this,
                                           QDate::currentDate().year());
    if (!choice)
        return;
    if (choice->bottle >= 0) {
        SelectWineAndBottle(choice->wine, choice->bottle);
        return;
    }
    ClearFilters();
    if (cardLayout())
        selectWineRow(wineCards.rowOf(choice->wine));
    WineMainList.locate(QStringLiteral("Id"), choice->wine);
}

void TMainForm::showHistory(bool exits)
{
    if (m_dossier < 0)
        return;
    const auto choice = movements::showHistory(exits ? THistoricList::Kind::Exit : THistoricList::Kind::Enter,
                                               m_data.ADOConnection1, m_dossier, m_currency, this,
                                               QDate::currentDate().year());
    if (choice)
        SelectWineAndBottle(choice->wine, choice->bottle);
}

int TMainForm::exitWine(qint64 wine)
{
    const int result = ExitBottles(wine);
    if (result == 1) {
        // Only this wine changed: its card and the heading follow, no rebuild.
        RefreshBottleList(currentBottle());
        RefreshWineList(currentWine(), false, false, false);
    }
    UpdateCommands();
    return result;
}

int TMainForm::ExitBottles(qint64 wine)
{
    if (wine < 0)
        return 2;
    TEnterExitCellar window(m_data, wine, m_currency, this);
    return window.exec() == QDialog::Accepted ? 1 : 2;
}

void TMainForm::exitCurrentWine()
{
    exitWine(currentWine());
}

void TMainForm::onWineRowChanged()
{
    if (!m_notify)
        return;
    m_data.setCurrentWine(currentWine());
    if (!cardLayout() && WineMainList.recNo() >= 0 && Grid_Wine->currentIndex().row() != WineMainList.recNo())
        Grid_Wine->selectRow(WineMainList.recNo());
    RefreshBottleList(-1);
    UpdateCommands();
}

void TMainForm::onWineCardClicked(const QModelIndex &index)
{
    const qint64 id = wineCards.idAt(index.row());
    if (id >= 0 && id != currentWine())
        WineMainList.locate(QStringLiteral("Id"), id);
    UpdateCommands();
}

void TMainForm::onBottleCardClicked(const QModelIndex &index)
{
    const qint64 id = bottleCards.idAt(index.row());
    if (id >= 0)
        BottleMainList.locate(QStringLiteral("Id"), id);
    UpdateCommands();
}

void TMainForm::tick()
{
    m_blink = !m_blink;
    QString now = QTime::currentTime().toString(QStringLiteral("hh:mm:ss")).left(5);
    if (m_blink)
        now[2] = u' ';
    DigitalTime->setText(now);
    // A palette change, not a style sheet: this runs every second.
    QPalette blink = Btn_WineAlarm->palette();
    blink.setColor(QPalette::Button, m_blink ? QColor(0xc0, 0x39, 0x2b) : QColor(0xf6, 0xd5, 0xd0));
    blink.setColor(QPalette::ButtonText, m_blink ? QColor(Qt::white) : QColor(0x7a, 0x1f, 0x35));
    Btn_WineAlarm->setPalette(blink);
}

// --- Window ---------------------------------------------------------------

void TMainForm::placeWindow()
{
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const AppSettings &s = m_settings;
    if (s.width >= 0 && s.left + s.width <= area.right() + 1 && s.top + s.height <= area.bottom() + 1) {
        resize(s.width, s.height);
        move(s.left, s.top);
    } else {
        resize(std::min(800, area.width()), std::min(600, area.height()));
        move(area.center() - rect().center());
    }
    QPoint p = pos();
    if (p.x() < area.left())
        p.setX(std::max(0, area.left() + (area.width() - width()) / 2));
    if (p.y() < area.top())
        p.setY(std::max(0, area.top() + (area.height() - height()) / 2));
    move(p);
    if (s.state == u"wsMaximized")
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    placeWindow();
    openFirstDossier();
    Clock->start();
    Timer2->start();
    tick();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && (watched == Grid_WineList->viewport() || watched == Grid_BottleList->viewport()))
        updateFillers();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::rememberGeometry()
{
    if (!isMaximized()) {
        m_settings.left = x();
        m_settings.top = y();
        m_settings.width = width();
        m_settings.height = height();
    }
    m_settings.state = isMaximized() ? QStringLiteral("wsMaximized")
                       : isMinimized() ? QStringLiteral("wsMinimized")
                                       : QStringLiteral("wsNormal");
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    rememberGeometry();
    m_settings.write(m_folders.settingsFile(), m_dossier);
    event->accept();
}
