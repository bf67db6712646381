#include "enterwine.h"

#include "characteristics.h"
#include "fieldbinding.h"
#include "treemisc.h"
#include "valuelists.h"
#include "winelogic.h"
#include "mainwindow/historiclist.h"
#include "mainwindow/listcolumns.h"
#include "mainwindow/mainlists.h"
#include "mainwindow/movements.h"
#include "platform/prompt.h"
#include "shell/busycursor.h"
#include "shell/datagrid.h"
#include "shell/datasetmodel.h"
#include "shell/dialogbutton.h"
#include "shell/formboxes.h"
#include "shell/pickdialogs.h"
#include "shell/picklogic.h"
#include "shell/stars.h"
#include "shell/strlist.h"
#include "storage/datamodule.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kSoon = QStringLiteral("Bientôt disponible");

enum Page { General, Custom, Enter, Exit, Documents };

QString miscName(int number)
{
    return QStringLiteral("Misc%1").arg(number, 2, 10, QChar(u'0'));
}

QPlainTextEdit *memo(QWidget *parent, const QString &name)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setTabChangesFocus(true);
    return m;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// A box for a small number with its unit after it.
QHBoxLayout *numberRow(QLineEdit *box, const QString &unit)
{
    box->setAlignment(Qt::AlignRight);
    auto *row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(box);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit, box->parentWidget()));
    return row;
}

// Database errors of a command end the command with their message, not the program.
template <class F>
void guarded(F &&command)
{
    try {
        command();
    } catch (const DbError &e) {
        prompt::error(e.message());
    }
}

} // namespace

TEnterWine::TEnterWine(TDataModule1 &data, Commands commands, const QString &currency, QWidget *parent)
    : QDialog(parent)
    , WineBottleList(data.ADOConnection1, QStringLiteral("WineBottleList"), mainlists::bottleMainList())
    , HistoricList(data.ADOConnection1, QStringLiteral("HistoricList"), movements::historicList())
    , m_data(data)
    , m_commands(std::move(commands))
    , m_fields(new FieldBinding(data.Wine, this))
{
    setObjectName(QStringLiteral("TEnterWine"));
    setWindowTitle(QStringLiteral("  Saisie d'un alcool"));

    m_bottleModel = new DatasetModel(WineBottleList, listcolumns::bottleLines(currency), this);
    m_bottleModel->markColor = QColor(0xE8, 0xF4, 0xFF);
    m_enterModel = new ListModel(HistoricList, historicColumns(THistoricList::Kind::Enter, currency), this);
    m_exitModel = new ListModel(HistoricList, historicColumns(THistoricList::Kind::Exit, currency), this);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(buildGeneralPage(), QStringLiteral("Général"));
    PageControl->addTab(buildCustomPage(), QStringLiteral("Personnalisé"));
    PageControl->addTab(buildHistoryPage(false), QStringLiteral("Entrées"));
    PageControl->addTab(buildHistoryPage(true), QStringLiteral("Sorties"));
    PageControl->addTab(new QWidget(PageControl), QStringLiteral("Documents"));
    // Pictures and documents arrive with their own windows.
    PageControl->setTabEnabled(Documents, false);
    PageControl->setTabToolTip(Documents, kSoon);
    PageControl->setCurrentIndex(General);
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) { guarded([&] { pageChanged(index); }); });

    Btn_Ok = dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok"));
    Btn_Cancel = dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler"));
    for (QPushButton *b : {Btn_Ok, Btn_Cancel})
        b->setAutoDefault(false);
    connect(Btn_Ok, &QPushButton::clicked, this, &TEnterWine::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TEnterWine::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 3);
    layout->addWidget(buildBottlePanel(), 2);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    resize(1120, 760);

    m_fields->changed = [this] { refreshCommands(); };
    readCaptions();
}

TEnterWine::~TEnterWine() = default;

// --- Building ---------------------------------------------------------------

QWidget *TEnterWine::buildGeneralPage()
{
    auto *page = new QWidget(PageControl);
    page->setObjectName(QStringLiteral("Tab_General"));
    using Kind = FieldBinding::Kind;
    const auto text = [&](const char *name, const char *field, bool readOnly = false) {
        QLineEdit *b = lineBox(page, name, 0, readOnly);
        if (!readOnly)
            m_fields->bind(b, QLatin1String(field), Kind::Text);
        return b;
    };
    const auto number = [&](const char *name, const char *field, Kind kind, int decimals = 0) {
        QLineEdit *b = lineBox(page, name, 56);
        m_fields->bind(b, QLatin1String(field), kind, decimals);
        return b;
    };

    Ed_Title = text("Ed_Title", "Title");
    Ed_Category = text("Ed_Category", "Category");
    Btn_Category = dropButton(page, "Btn_Category");
    Ed_Code = text("Ed_Code", "Code");
    Ed_Producer = text("Ed_Producer", "", true);
    Btn_Producer = dropButton(page, "Btn_Producer");
    Ed_Country = text("Ed_Country", "", true);
    Btn_Country = dropButton(page, "Btn_Country");
    Ed_Region = text("Ed_Region", "", true);
    Btn_Region = dropButton(page, "Btn_Region");
    Ed_Appellation = text("Ed_Appellation", "", true);
    Btn_Appellation = dropButton(page, "Btn_Appellation");
    Ed_Cepage = text("Ed_Cepage", "Cepage");
    Btn_Cepage = dropButton(page, "Btn_Cepage");
    Ed_Color = text("Ed_Color", "Color");
    Btn_Color = dropButton(page, "Btn_Color");
    Ed_Classification = text("Ed_Classification", "Classification");
    Btn_Classification = dropButton(page, "Btn_Classification");
    Ed_Alcohol = number("Ed_Alcohol", "Alcohol", Kind::Number, 1);
    Ed_CellarTemperature = number("Ed_CellarTemperature", "CellarTemperature", Kind::Number);
    Ed_ServeTemperature = number("Ed_ServeTemperature", "ServeTemperature", Kind::Number);
    Ed_AlarmStock = number("Ed_AlarmStock", "AlarmStock", Kind::Whole);
    Ed_PurchaseStock = number("Ed_PurchaseStock", "PurchaseStock", Kind::Whole);
    Rating = new TRating(page);
    Rating->setObjectName(QStringLiteral("Rating"));
    Ed_Remark1 = memo(page, QStringLiteral("Ed_Remark1"));
    m_fields->bind(Ed_Remark1, QStringLiteral("Remark1"));

    for (QLineEdit *b : {Ed_Producer, Ed_Country, Ed_Region, Ed_Appellation}) {
        b->setProperty("tag", 0);
        b->installEventFilter(this);
    }
    for (QLineEdit *b : {Ed_Category, Ed_Cepage, Ed_Color, Ed_Classification})
        b->installEventFilter(this);
    connect(Btn_Country, &QToolButton::clicked, this, [this] { guarded([this] { pickCountry(); }); });
    connect(Btn_Region, &QToolButton::clicked, this, [this] { guarded([this] { pickRegion(); }); });
    connect(Btn_Appellation, &QToolButton::clicked, this, [this] { guarded([this] { pickAppellation(); }); });
    connect(Btn_Producer, &QToolButton::clicked, this, [this] { guarded([this] { pickProducer(); }); });
    connect(Btn_Category, &QToolButton::clicked, this, [this] { pickCharacteristic(Ed_Category, QStringLiteral("Catégorie")); });
    connect(Btn_Cepage, &QToolButton::clicked, this, [this] { pickCharacteristic(Ed_Cepage, QStringLiteral("Cépage")); });
    connect(Btn_Classification, &QToolButton::clicked, this,
            [this] { pickCharacteristic(Ed_Classification, QStringLiteral("Classement")); });
    connect(Btn_Color, &QToolButton::clicked, this, [this] { guarded([this] { pickColour(); }); });

    // The wine's picture: shown, chosen and removed with the documents.
    Img_Wine = new QLabel(page);
    Img_Wine->setObjectName(QStringLiteral("Img_Wine"));
    Img_Wine->setFixedSize(150, 150);
    Img_Wine->setAlignment(Qt::AlignCenter);
    Img_Wine->setFrameShape(QFrame::StyledPanel);
    Img_Wine->setStyleSheet(QStringLiteral("QLabel { background: white; color: #9a9a9a; }"));
    Btn_Picture_Select = dialogButton(page, "Btn_Picture_Select", QStringLiteral("Sélectionner"));
    Btn_Picture_Select->setMinimumWidth(0);
    Btn_Picture_Select->setAutoDefault(false);
    Btn_Picture_Delete = dropButton(page, "Btn_Picture_Delete", QStringLiteral("✕"));
    for (QWidget *w : std::initializer_list<QWidget *>{Btn_Picture_Select, Btn_Picture_Delete}) {
        w->setEnabled(false);
        w->setToolTip(kSoon);
    }

    List_Food = new QListWidget(page);
    List_Food->setObjectName(QStringLiteral("List_Food"));
    Btn_Food_Add = dropButton(page, "Btn_Food_Add", QStringLiteral("+"));
    Btn_Food_Add->setToolTip(QStringLiteral("Ajouter une image"));
    Btn_Food_Delete = dropButton(page, "Btn_Food_Delete", QStringLiteral("−"));
    Btn_Food_Delete->setToolTip(QStringLiteral("Supprimer cette image"));
    connect(Btn_Food_Add, &QToolButton::clicked, this, &TEnterWine::addFood);
    connect(Btn_Food_Delete, &QToolButton::clicked, this, &TEnterWine::removeFood);

    auto *ids = new QGridLayout;
    ids->setHorizontalSpacing(8);
    ids->setColumnStretch(1, 1);
    ids->setColumnStretch(3, 1);
    const auto label = [page](const QString &caption) { return new QLabel(caption, page); };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    ids->addWidget(label(QStringLiteral("Nom")), 0, 0, right);
    ids->addWidget(Ed_Title, 0, 1, 1, 3);
    ids->addWidget(label(QStringLiteral("Catégorie")), 1, 0, right);
    ids->addLayout(boxRow({Ed_Category, Btn_Category}, false), 1, 1);
    ids->addWidget(label(QStringLiteral("Code")), 1, 2, right);
    ids->addWidget(Ed_Code, 1, 3);
    ids->addWidget(label(QStringLiteral("Producteur")), 2, 0, right);
    ids->addLayout(boxRow({Ed_Producer, Btn_Producer}, false), 2, 1, 1, 3);
    ids->addWidget(label(QStringLiteral("Pays")), 3, 0, right);
    ids->addLayout(boxRow({Ed_Country, Btn_Country}, false), 3, 1);
    ids->addWidget(label(QStringLiteral("Région")), 3, 2, right);
    ids->addLayout(boxRow({Ed_Region, Btn_Region}, false), 3, 3);
    ids->addWidget(label(QStringLiteral("Appellation")), 4, 0, right);
    ids->addLayout(boxRow({Ed_Appellation, Btn_Appellation}, false), 4, 1, 1, 3);
    ids->addWidget(label(QStringLiteral("Cépage")), 5, 0, right);
    ids->addLayout(boxRow({Ed_Cepage, Btn_Cepage}, false), 5, 1);
    ids->addWidget(label(QStringLiteral("Couleur")), 5, 2, right);
    ids->addLayout(boxRow({Ed_Color, Btn_Color}, false), 5, 3);
    ids->addWidget(label(QStringLiteral("Classement")), 6, 0, right);
    ids->addLayout(boxRow({Ed_Classification, Btn_Classification}, false), 6, 1);
    ids->addWidget(label(QStringLiteral("Notation (clic-droit pour 0)")), 6, 2, right);
    ids->addWidget(Rating, 6, 3, Qt::AlignLeft | Qt::AlignVCenter);

    auto *picture = new QVBoxLayout;
    picture->addWidget(label(QStringLiteral("Image")));
    picture->addWidget(Img_Wine);
    picture->addLayout(boxRow({Btn_Picture_Select, Btn_Picture_Delete}));
    picture->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(ids, 1);
    top->addSpacing(12);
    top->addLayout(picture);

    auto *figures = new QHBoxLayout;
    figures->setSpacing(18);
    figures->addWidget(label(QStringLiteral("Degré d'alcool")));
    figures->addLayout(numberRow(Ed_Alcohol, QStringLiteral("°")));
    figures->addWidget(label(QStringLiteral("Températ.  Cave")));
    figures->addLayout(numberRow(Ed_CellarTemperature, QStringLiteral("°")));
    figures->addWidget(label(QStringLiteral("Consom.")));
    figures->addLayout(numberRow(Ed_ServeTemperature, QStringLiteral("°")));
    figures->addWidget(label(QStringLiteral("Stock  Alarme")));
    figures->addLayout(numberRow(Ed_AlarmStock, QString()));
    figures->addWidget(label(QStringLiteral("Achat")));
    figures->addLayout(numberRow(Ed_PurchaseStock, QString()));
    figures->addStretch(1);

    auto *food = new QGridLayout;
    food->addWidget(label(QStringLiteral("A consommer avec ")), 0, 0);
    food->addWidget(List_Food, 1, 0);
    auto *foodButtons = new QVBoxLayout;
    foodButtons->addWidget(Btn_Food_Add);
    foodButtons->addWidget(Btn_Food_Delete);
    foodButtons->addStretch(1);
    food->addLayout(foodButtons, 1, 1);
    food->addWidget(label(QStringLiteral("Remarques (255 caractères)")), 0, 2);
    food->addWidget(Ed_Remark1, 1, 2);
    food->setColumnStretch(0, 2);
    food->setColumnStretch(2, 3);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addLayout(figures);
    layout->addSpacing(4);
    layout->addLayout(food, 1);
    return page;
}

QWidget *TEnterWine::buildCustomPage()
{
    auto *page = new QWidget(PageControl);
    page->setObjectName(QStringLiteral("Tab_Custom"));
    auto *grid = new QGridLayout(page);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (int n = 1; n <= 12; ++n) {
        auto *caption = new QLabel(QStringLiteral("Divers %1").arg(n), page);
        caption->setObjectName(QStringLiteral("Lab_Wine_") + miscName(n));
        caption->setToolTip(QStringLiteral("Double-cliquez\r\npour modifier"));
        caption->installEventFilter(this);
        Lab_Misc << caption;
        const int row = n <= 10 ? (n - 1) % 5 : 5;
        const int col = n <= 10 ? (n - 1) / 5 * 2 : (n - 11) * 2;
        grid->addWidget(caption, row, col, Qt::AlignRight | (n <= 10 ? Qt::AlignVCenter : Qt::AlignTop));
        if (n <= 10) {
            QLineEdit *b = lineBox(page, qPrintable(QStringLiteral("Ed_") + miscName(n)));
            QToolButton *pick = dropButton(page, qPrintable(QStringLiteral("Btn_") + miscName(n)));
            m_fields->bind(b, miscName(n), FieldBinding::Kind::Text);
            b->installEventFilter(this);
            connect(pick, &QToolButton::clicked, this, [this, n] { guarded([this, n] { pickCustom(n); }); });
            Ed_Misc << b;
            Btn_Misc << pick;
            grid->addLayout(boxRow({b, pick}, false), row, col + 1);
        } else {
            QPlainTextEdit *m = memo(page, QStringLiteral("Ed_") + miscName(n));
            m_fields->bind(m, miscName(n));
            Memo_Misc << m;
            grid->addWidget(m, row, col + 1);
        }
    }
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *TEnterWine::buildHistoryPage(bool exits)
{
    auto *page = new QWidget(PageControl);
    page->setObjectName(exits ? QStringLiteral("Tab_Exit") : QStringLiteral("Tab_Enter"));
    auto *grid = new QTableView(page);
    grid->setObjectName(exits ? QStringLiteral("Grid_Exit") : QStringLiteral("Grid_Enter"));
    grid->setModel(exits ? m_exitModel : m_enterModel);
    setUpDataGrid(grid);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            HistoricList.moveTo(current.row());
    });
    QPushButton *remove = dialogButton(page, exits ? "Btn_Exit_Delete" : "Btn_Enter_Delete", QStringLiteral("Supprimer"));
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, [this, exits] { guarded([this, exits] { deleteMovement(exits); }); });
    (exits ? Grid_Exit : Grid_Enter) = grid;
    (exits ? Btn_Exit_Delete : Btn_Enter_Delete) = remove;

    auto *head = new QHBoxLayout;
    head->addWidget(heading(exits ? QStringLiteral("  HISTORIQUE DES SORTIES") : QStringLiteral("  HISTORIQUE DES ENTREES"), page), 1);
    head->addWidget(remove);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(head);
    layout->addWidget(grid, 1);
    return page;
}

QWidget *TEnterWine::buildBottlePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Pan_Detail"));
    Grid_Bottle = new QTableView(panel);
    Grid_Bottle->setObjectName(QStringLiteral("Grid_Bottle"));
    Grid_Bottle->setModel(m_bottleModel);
    setUpDataGrid(Grid_Bottle);
    Grid_Bottle->horizontalHeader()->setStretchLastSection(true);
    connect(Grid_Bottle->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    WineBottleList.moveTo(current.row());
            });
    connect(Grid_Bottle->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { guarded([this, section] { sortBottles(section); }); });
    connect(Grid_Bottle, &QTableView::doubleClicked, this, [this] {
        if (Btn_Bottle_Edit->isEnabled())
            editBottle();
    });

    Btn_Bottle_Add = dialogButton(panel, "Btn_Bottle_Add", QStringLiteral("Entrée"));
    Btn_Bottle_Edit = dialogButton(panel, "Btn_Bottle_Edit", QStringLiteral("Fiche"));
    Btn_Bottle_Exit = dialogButton(panel, "Btn_Bottle_Exit", QStringLiteral("Sortie"));
    for (QPushButton *b : {Btn_Bottle_Add, Btn_Bottle_Edit, Btn_Bottle_Exit})
        b->setAutoDefault(false);
    connect(Btn_Bottle_Add, &QPushButton::clicked, this, &TEnterWine::enterBottles);
    connect(Btn_Bottle_Edit, &QPushButton::clicked, this, &TEnterWine::editBottle);
    connect(Btn_Bottle_Exit, &QPushButton::clicked, this, &TEnterWine::exitBottles);

    auto *head = new QHBoxLayout;
    head->addWidget(heading(QStringLiteral("  DETAIL"), panel), 1);
    for (QPushButton *b : {Btn_Bottle_Add, Btn_Bottle_Edit, Btn_Bottle_Exit})
        head->addWidget(b);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addLayout(head);
    layout->addWidget(Grid_Bottle, 1);
    return panel;
}

void TEnterWine::readCaptions()
{
    const QHash<QString, QString> captions = m_data.customCaptions(m_data.currentDossier());
    for (int n = 1; n <= 12; ++n)
        Lab_Misc[n - 1]->setText(captions.value(QStringLiteral("Wine_") + miscName(n)));
}

// --- Show ---------------------------------------------------------------------

void TEnterWine::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_showing)
        return;
    guarded([this] {
        m_fields->load();
        showReferences();
        const Dataset &w = m_data.Wine;
        Rating->setRate(w.isNull(QStringLiteral("Rate")) ? 0 : int(w.integer(QStringLiteral("Rate"))));
        List_Food->clear();
        List_Food->addItems(wine::splitFood(w.text(QStringLiteral("Food"))));
        const QImage picture = QImage::fromData(w.value(QStringLiteral("ImgMini1")).toByteArray());
        if (picture.isNull())
            Img_Wine->setText(QStringLiteral("Aucune image"));
        else
            Img_Wine->setPixmap(QPixmap::fromImage(picture.scaled(Img_Wine->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        loadBottles(-1);
    });
    refreshCommands();
    m_showing = false;
}

void TEnterWine::showReferences()
{
    for (QLineEdit *b : {Ed_Country, Ed_Region, Ed_Appellation, Ed_Producer})
        emptyBox(b);
    const Dataset &w = m_data.Wine;
    const auto resetFrom = [this](std::initializer_list<const char *> fields) {
        for (const char *f : fields)
            setReference(f, -1);
    };
    // A row that disappeared takes the levels below it along.
    if (const QString t = referenceTitle(QStringLiteral("WINE_COUNTRY"), "Id_Country"); !t.isNull())
        Ed_Country->setText(t);
    else if (w.integer(QStringLiteral("Id_Country")) >= 0)
        resetFrom({"Id_Country", "Id_Region", "Id_Appellation"});
    if (const QString t = referenceTitle(QStringLiteral("WINE_REGION"), "Id_Region"); !t.isNull())
        Ed_Region->setText(t);
    else if (w.integer(QStringLiteral("Id_Region")) >= 0)
        resetFrom({"Id_Region", "Id_Appellation"});
    if (const QString t = referenceTitle(QStringLiteral("WINE_APPELLATION"), "Id_Appellation"); !t.isNull())
        Ed_Appellation->setText(t);
    else if (w.integer(QStringLiteral("Id_Appellation")) >= 0)
        resetFrom({"Id_Appellation"});
    if (const QString t = referenceTitle(QStringLiteral("COMPAGNY"), "Id_Producer"); !t.isNull())
        Ed_Producer->setText(t);
    else if (w.integer(QStringLiteral("Id_Producer")) >= 0)
        resetFrom({"Id_Producer"});
}

// The title of the referenced row; a null string when the id is -1 or the
// row is gone. An id not set yet reads as 0.
QString TEnterWine::referenceTitle(const QString &table, const char *idField)
{
    const qint64 id = m_data.Wine.integer(QLatin1String(idField));
    if (id < 0)
        return {};
    const QVariant title = m_data.ADOConnection1.scalar(wine::titleOf(table, id));
    return title.isValid() ? title.toString() : QString();
}

qint64 TEnterWine::wineId() const
{
    return m_data.Wine.integer(QStringLiteral("Id"), -1);
}

// --- Reference pick lists -------------------------------------------------------

void TEnterWine::pickReference(QLineEdit *box, QStringList &choices, const QString &statement, const QString &idField,
                               const QString &titleField)
{
    const ResultSet rows = m_data.ADOConnection1.select(statement);
    const int id = int(rows.names.indexOf(idField)), title = int(rows.names.indexOf(titleField));
    choices = {QStringLiteral("-1")};
    QStringList entries{QString()};
    for (int r = 0; r < rows.rowCount(); ++r) {
        choices << rows.at(r, id).toString();
        entries << rows.at(r, title).toString();
    }
    TStrList::popup(box, entries, {false, picklist::shrink(), -1});
}

void TEnterWine::pickCountry()
{
    m_lastOpened = Level::Country;
    pickReference(Ed_Country, m_countryChoices, wine::countryList(), QStringLiteral("Id"), QStringLiteral("Title"));
}

void TEnterWine::pickRegion()
{
    m_lastOpened = Level::Region;
    qint64 country = -1;
    if (!Ed_Country->text().isEmpty()) {
        const QVariant id = m_data.ADOConnection1.scalar(wine::countryByTitle(Ed_Country->text()));
        country = id.isValid() && !id.isNull() ? id.toLongLong() : -1;
    }
    pickReference(Ed_Region, m_regionChoices, wine::regionList(country).join(u'\n'), QStringLiteral("Id"),
                  QStringLiteral("Title"));
}

void TEnterWine::pickAppellation()
{
    m_lastOpened = Level::Appellation;
    const Dataset &w = m_data.Wine;
    pickReference(Ed_Appellation, m_appellationChoices,
                  wine::appellationList(w.integer(QStringLiteral("Id_Region"), -1), w.integer(QStringLiteral("Id_Country"), -1))
                      .join(u'\n'),
                  QStringLiteral("AppellationId"), QStringLiteral("AppellationTitle"));
}

void TEnterWine::pickProducer()
{
    pickReference(Ed_Producer, m_producerChoices, wine::producerList(), QStringLiteral("Id"), QStringLiteral("Title"));
}

void TEnterWine::setReference(const char *idField, qint64 id)
{
    m_data.Wine.ensureEditing();
    m_data.Wine.setValue(QLatin1String(idField), id);
}

void TEnterWine::emptyBox(QLineEdit *box)
{
    box->clear();
    box->setProperty("tag", 0);
}

void TEnterWine::referenceChosen(QLineEdit *box)
{
    const auto choice = [box](const QStringList &choices) {
        const int index = box->property("tag").toInt();
        return index >= 0 && index < choices.size() ? choices.at(index).toLongLong() : -1;
    };
    if (box == Ed_Producer) {
        if (!m_showing)
            setReference("Id_Producer", choice(m_producerChoices));
        return;
    }
    if (!isVisible())
        return;
    if (box == Ed_Country && m_lastOpened == Level::Country) {
        setReference("Id_Country", choice(m_countryChoices));
        emptyBox(Ed_Region);
        emptyBox(Ed_Appellation);
        setReference("Id_Region", -1);
        setReference("Id_Appellation", -1);
    } else if (box == Ed_Region && m_lastOpened == Level::Region) {
        const qint64 region = choice(m_regionChoices);
        setReference("Id_Region", region);
        emptyBox(Ed_Appellation);
        setReference("Id_Appellation", -1);
        if (Ed_Country->property("tag").toInt() != 0 || region < 0)
            return;
        const ResultSet rows = m_data.ADOConnection1.select(wine::regionWithCountry(region));
        if (rows.rowCount() == 0)
            return;
        Ed_Country->setText(rows.at(0, 1).toString());
        setReference("Id_Country", rows.at(0, 0).isNull() ? -1 : rows.at(0, 0).toLongLong());
    } else if (box == Ed_Appellation && m_lastOpened == Level::Appellation) {
        const qint64 appellation = choice(m_appellationChoices);
        setReference("Id_Appellation", appellation);
        if (Ed_Region->property("tag").toInt() != 0 || appellation < 0)
            return;
        const ResultSet rows = m_data.ADOConnection1.select(wine::appellationById(appellation));
        if (rows.rowCount() == 0)
            return;
        const auto idAt = [&rows](int c) { return rows.at(0, c).isNull() ? qint64(-1) : rows.at(0, c).toLongLong(); };
        Ed_Country->setText(rows.at(0, 1).toString());
        Ed_Country->setProperty("tag", 0);
        setReference("Id_Country", idAt(0));
        Ed_Region->setText(rows.at(0, 3).toString());
        Ed_Region->setProperty("tag", 0);
        setReference("Id_Region", idAt(2));
    }
}

// --- Characteristics, colours, custom fields ----------------------------------------

void TEnterWine::pickCharacteristic(QLineEdit *box, const QString &branch)
{
    guarded([&] {
        m_data.Wine.ensureEditing();
        PickTreeValue(m_data.ADOConnection1, box, branch);
    });
}

void TEnterWine::pickColour()
{
    m_data.Wine.ensureEditing();
    const ResultSet rows = m_data.ADOConnection1.select(QStringLiteral("SELECT * FROM WINE_COLOR WHERE Id_File=-1 ORDER BY Id"));
    const int title = int(rows.names.indexOf(QStringLiteral("Title")));
    QStringList entries;
    for (int r = 0; r < rows.rowCount(); ++r)
        entries << rows.at(r, title).toString();
    const QString saved = picklist::colour();
    picklist::setColour(QStringLiteral("#FFFFFF"));
    TStrList::popup(Ed_Color, entries, {false, picklist::shrink(), -1});
    picklist::setColour(saved);
}

void TEnterWine::pickCustom(int number)
{
    PickValue(Ed_Misc[number - 1], true, m_data.ComboItems, QStringLiteral("Wine_") + miscName(number), &m_data.Wine);
}

void TEnterWine::editCustomList(int number)
{
    guarded([&] {
        EditValueList(QStringLiteral(" ") + Lab_Misc[number - 1]->text(), QStringLiteral("Wine_") + miscName(number),
                      m_data.ComboItems, this);
    });
}

void TEnterWine::renameCaption(int number)
{
    QLabel *caption = Lab_Misc[number - 1];
    QString text = caption->text();
    if (!EnterString(this, QStringLiteral("Modifiez le libellé"), text))
        return;
    guarded([&] {
        m_data.setCustomCaption(m_data.currentDossier(), caption->objectName().mid(4), text);
        caption->setText(text);
    });
}

void TEnterWine::organiseCharacteristics()
{
    m_fields->followStoredChanges([this] {
        TTreeMisc organiser(m_data, this);
        organiser.exec();
    });
}

// --- Food pairings ----------------------------------------------------------------

void TEnterWine::addFood()
{
    QStringList entries;
    guarded([&] {
        entries = characteristics::GetTreeItemsString(m_data.ADOConnection1, QStringLiteral("Alliance mets-vins"))
                      .split(QStringLiteral("\r\n"));
    });
    // Without the leading empty entry and what follows the last line break.
    entries = entries.mid(1, entries.size() - 2);
    TFoodList chooser(entries, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const QString food = chooser.chosen();
    if (!food.isEmpty() && List_Food->findItems(food, Qt::MatchExactly).isEmpty())
        List_Food->addItem(food);
}

void TEnterWine::removeFood()
{
    if (QListWidgetItem *item = List_Food->currentItem(); item && item->isSelected())
        delete item;
    if (List_Food->count() > 0)
        List_Food->setCurrentRow(0);
}

// --- Bottle lines -----------------------------------------------------------------

void TEnterWine::loadBottles(qint64 bottle)
{
    const BusyCursor busy;
    WineBottleList.close();
    WineBottleList.setFilterLine(QStringLiteral("WHERE Id_Wine=") + QString::number(wineId()));
    WineBottleList.replaceClauseLine(QStringLiteral("ORDER BY"), QStringLiteral("ORDER BY ") + wine::bottleSortExpression(m_sortKey));
    WineBottleList.open();
    if (bottle >= 0)
        WineBottleList.locate(QStringLiteral("Id"), bottle);
    m_bottleModel->reload();
    int marked = -1;
    for (int c = 0; c < m_bottleModel->columnCount(); ++c)
        if (m_bottleModel->column(c).name == m_sortKey)
            marked = c;
    m_bottleModel->setMarkedColumn(marked);
    if (WineBottleList.recNo() >= 0)
        Grid_Bottle->selectRow(WineBottleList.recNo());
}

void TEnterWine::sortBottles(int column)
{
    m_sortKey = m_bottleModel->column(column).name;
    loadBottles(selectedBottle());
}

qint64 TEnterWine::selectedBottle() const
{
    if (!WineBottleList.isOpen() || WineBottleList.recNo() < 0)
        return -1;
    return WineBottleList.integer(QStringLiteral("Id"), -1);
}

void TEnterWine::enterBottles()
{
    guarded([this] {
        const qint64 id = m_commands.enterBottles(wineId());
        if (id >= 0)
            loadBottles(id);
    });
    refreshCommands();
}

void TEnterWine::editBottle()
{
    const qint64 id = selectedBottle();
    if (id < 0)
        return;
    guarded([this, id] {
        m_commands.editBottle(id);
        loadBottles(id);
    });
    refreshCommands();
}

void TEnterWine::exitBottles()
{
    guarded([this] {
        if (m_commands.exitBottles(wineId()) == 1)
            loadBottles(-1);
    });
    refreshCommands();
}

// --- History pages ----------------------------------------------------------------

void TEnterWine::pageChanged(int index)
{
    if (m_historyPage >= 0) {
        HistoricList.close();
        (m_historyPage == Exit ? m_exitModel : m_enterModel)->reload();
        m_historyPage = -1;
    }
    if (index == Enter || index == Exit) {
        HistoricList.setFilterLine(QStringLiteral("WHERE ActionType=%1 AND Id_Wine=%2").arg(index == Exit ? 2 : 1).arg(wineId()));
        HistoricList.open();
        m_historyPage = index;
        (index == Exit ? m_exitModel : m_enterModel)->reload();
        QTableView *grid = index == Exit ? Grid_Exit : Grid_Enter;
        if (HistoricList.recNo() >= 0)
            grid->selectRow(HistoricList.recNo());
    }
    refreshCommands();
}

void TEnterWine::deleteMovement(bool exits)
{
    if (!HistoricList.isOpen() || HistoricList.recNo() < 0)
        return;
    if (!prompt::question(exits ? QStringLiteral("Confirmez-vous la suppression de cette ligne dans l'historique des sorties ?")
                                : QStringLiteral("Confirmez-vous la suppression de cette ligne dans l'historique des entrées ?")))
        return;
    m_data.ADOConnection1.exec(QStringLiteral("DELETE FROM HISTORIC WHERE Id=") + HistoricList.text(QStringLiteral("Id")));
    HistoricList.refreshKeepingPosition();
    (exits ? m_exitModel : m_enterModel)->reload();
    QTableView *grid = exits ? Grid_Exit : Grid_Enter;
    if (HistoricList.recNo() >= 0)
        grid->selectRow(HistoricList.recNo());
    refreshCommands();
}

// --- Commands ---------------------------------------------------------------------

void TEnterWine::refreshCommands()
{
    Btn_Ok->setEnabled(!Ed_Title->text().isEmpty());
    const bool movements = HistoricList.isOpen() && !HistoricList.isEmpty();
    Btn_Enter_Delete->setEnabled(movements);
    Btn_Exit_Delete->setEnabled(movements);
    const bool lines = WineBottleList.isOpen() && !WineBottleList.isEmpty();
    Btn_Bottle_Edit->setEnabled(lines);
    Btn_Bottle_Exit->setEnabled(lines);
}

bool TEnterWine::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (event->type() == QEvent::DynamicPropertyChange && box
        && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == "tag") {
        guarded([&] { referenceChosen(box); });
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto *caption = qobject_cast<QLabel *>(watched); caption && Lab_Misc.contains(caption)) {
            renameCaption(int(Lab_Misc.indexOf(caption)) + 1);
            return true;
        }
        if (box && Ed_Misc.contains(box)) {
            editCustomList(int(Ed_Misc.indexOf(box)) + 1);
            return true;
        }
        if (box == Ed_Producer && m_commands.producers) {
            m_commands.producers();
            return true;
        }
        if (box == Ed_Category || box == Ed_Cepage || box == Ed_Color || box == Ed_Classification) {
            guarded([this] { organiseCharacteristics(); });
            return true;
        }
    }
    if (isEnterKey(event) && box) {
        if (box == Ed_Country)
            Btn_Country->click();
        else if (box == Ed_Region)
            Btn_Region->click();
        else if (box == Ed_Appellation)
            Btn_Appellation->click();
        else if (box == Ed_Producer)
            Btn_Producer->click();
        else if (box == Ed_Category)
            Btn_Category->click();
        else if (box == Ed_Cepage)
            Btn_Cepage->click();
        else if (box == Ed_Color)
            Btn_Color->click();
        else if (box == Ed_Classification)
            Btn_Classification->click();
        else if (Ed_Misc.contains(box))
            Btn_Misc[Ed_Misc.indexOf(box)]->click();
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEnterWine::accept()
{
    guarded([this] {
        Dataset &w = m_data.Wine;
        w.ensureEditing();
        w.setValue(QStringLiteral("Rate"), Rating->rate());
        QStringList food;
        for (int i = 0; i < List_Food->count(); ++i)
            food << List_Food->item(i)->text();
        w.setValue(QStringLiteral("Food"), wine::joinFood(food));
        w.postIfEditing();
        done(1);
    });
}

void TEnterWine::reject()
{
    guarded([this] {
        Dataset &w = m_data.Wine;
        if (m_newRow)
            w.remove();
        else if (w.isEditing())
            w.cancel();
    });
    WineBottleList.close();
    HistoricList.close();
    done(2);
}
