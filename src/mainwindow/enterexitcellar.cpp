#include "enterexitcellar.h"
#include "cellarfigures.h"
#include "movements.h"

#include "catalogue/valuelists.h"
#include "platform/prompt.h"
#include "shell/datagrid.h"
#include "shell/datasetmodel.h"
#include "shell/formboxes.h"
#include "shell/pickdialogs.h"
#include "shell/strlist.h"
#include "storage/datamodule.h"
#include "mainwindow/listcolumns.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Stock and marks stand out from the rest of the line.
class ExitModel : public DatasetModel
{
public:
    using DatasetModel::DatasetModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        const bool counts = index.isValid() && index.column() < 2;
        if (counts && role == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
        if (counts && role == Qt::BackgroundRole)
            return QColor(0xF0, 0xF0, 0xF0);
        if (counts && role == Qt::ForegroundRole)
            return QColor(Qt::black);
        if (role == Qt::TextAlignmentRole && index.isValid() && (index.column() < 3 || index.column() > 7))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return DatasetModel::data(index, role);
    }
};

// The counts keep their grey on the selected line too.
class CountDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_Selected;
    }
};

QList<DatasetModel::Column> exitColumns(const QString &currency)
{
    const auto years = listcolumns::yearRange;
    const auto money = [&currency](const char *field) { return listcolumns::money(field, currency); };
    return {
        {QStringLiteral("Quantity"), QStringLiteral("Stock"), 5},
        {QStringLiteral("Exit"), QStringLiteral("Sortir"), 7},
        {QStringLiteral("Vintage"), QStringLiteral("Millésime"), 4},
        {QStringLiteral("Format"), QStringLiteral("Format"), 16},
        {QStringLiteral("DrinkYear"), QStringLiteral("Boire"), 10, years("DrinkYearBegin", "DrinkYearEnd")},
        {QStringLiteral("BestYear"), QStringLiteral("Apogée"), 10, years("BestYearBegin", "BestYearEnd")},
        {QStringLiteral("PurchaseDate"), QStringLiteral("Date achat"), 10},
        {QStringLiteral("PurchaseCompagny"), QStringLiteral("Fournisseur"), 16},
        {QStringLiteral("PurchasePrice"), QStringLiteral("Prix d'achat (unit.)"), 0, money("PurchasePrice")},
        {QStringLiteral("PurchaseValue"), QStringLiteral("Valeur estimée (unit.)"), 0, money("PurchaseValue")},
    };
}

} // namespace

TEnterExitCellar::TEnterExitCellar(TDataModule1 &data, qint64 wine, const QString &currency, QWidget *parent)
    : QDialog(parent)
    , BottleExitList(data.ADOConnection1, QStringLiteral("BottleExitList"), movements::bottleExitList(wine))
    , m_data(data)
    , m_wine(wine)
{
    setObjectName(QStringLiteral("TEnterExitCellar"));
    setWindowTitle(QStringLiteral("Sortie de cave"));
    setModal(true);
    resize(1160, 540);

    Lab_Header = new QLabel(this);
    Lab_Header->setObjectName(QStringLiteral("Lab_Header"));
    QFont heading = Lab_Header->font();
    heading.setBold(true);
    Lab_Header->setFont(heading);

    Grid_Exit = new QTableView(this);
    Grid_Exit->setObjectName(QStringLiteral("Grid_Exit"));
    m_model = new ExitModel(BottleExitList, exitColumns(currency), this);
    Grid_Exit->setModel(m_model);
    setUpDataGrid(Grid_Exit);
    Grid_Exit->verticalHeader()->setDefaultSectionSize(Grid_Exit->fontMetrics().height() + 12);
    auto *counts = new CountDelegate(Grid_Exit);
    Grid_Exit->setItemDelegateForColumn(0, counts);
    Grid_Exit->setItemDelegateForColumn(1, counts);
    Grid_Exit->horizontalHeader()->setStretchLastSection(true);
    Grid_Exit->installEventFilter(this);

    // The up/down control rides on the "Sortir" cell of the current line.
    UpDown_Exit = new QWidget(Grid_Exit->viewport());
    UpDown_Exit->setObjectName(QStringLiteral("UpDown_Exit"));
    UpDown_Exit->setAutoFillBackground(true);
    Lab_Exit = new QLabel(UpDown_Exit);
    Lab_Exit->setObjectName(QStringLiteral("Lab_Exit"));
    Lab_Exit->setAlignment(Qt::AlignCenter);
    Lab_Exit->setFont(heading);
    Btn_Down = new QToolButton(UpDown_Exit);
    Btn_Down->setObjectName(QStringLiteral("Btn_Down"));
    Btn_Down->setArrowType(Qt::DownArrow);
    Btn_Up = new QToolButton(UpDown_Exit);
    Btn_Up->setObjectName(QStringLiteral("Btn_Up"));
    Btn_Up->setArrowType(Qt::UpArrow);
    for (QToolButton *b : {Btn_Down, Btn_Up}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
    }
    auto *ud = new QHBoxLayout(UpDown_Exit);
    ud->setContentsMargins(0, 0, 0, 0);
    ud->setSpacing(0);
    ud->addWidget(Btn_Down);
    ud->addWidget(Lab_Exit, 1);
    ud->addWidget(Btn_Up);
    connect(Btn_Up, &QToolButton::clicked, this, [this] { step(1); });
    connect(Btn_Down, &QToolButton::clicked, this, [this] { step(-1); });

    Ed_Date = new QLineEdit(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), this);
    Ed_Date->setObjectName(QStringLiteral("Ed_Date"));
    Ed_Date->setMaximumWidth(120);
    Ed_Event = new QLineEdit(this);
    Ed_Event->setObjectName(QStringLiteral("Ed_Event"));
    Ed_Appreciation = new QLineEdit(this);
    Ed_Appreciation->setObjectName(QStringLiteral("Ed_Appreciation"));
    for (QLineEdit *e : {Ed_Date, Ed_Event, Ed_Appreciation})
        e->installEventFilter(this);
    for (QLineEdit *e : {Ed_Event, Ed_Appreciation})
        e->setReadOnly(true);
    Btn_Date = dropButton(this, "Btn_Date", QStringLiteral("…"));
    Btn_Event = dropButton(this, "Btn_Event", QStringLiteral("…"));
    Btn_Appreciation = dropButton(this, "Btn_Appreciation", QStringLiteral("…"));
    connect(Btn_Date, &QToolButton::clicked, this, [this] { PickDate(Ed_Date); });
    connect(Btn_Event, &QToolButton::clicked, this,
            [this] { PickValue(Ed_Event, true, m_data.ComboItems, QStringLiteral("Event")); });
    connect(Btn_Appreciation, &QToolButton::clicked, this,
            [this] { PickValue(Ed_Appreciation, true, m_data.ComboItems, QStringLiteral("Appreciation")); });
    Memo_Guest = new QPlainTextEdit(this);
    Memo_Guest->setObjectName(QStringLiteral("Memo_Guest"));
    Memo_Dish = new QPlainTextEdit(this);
    Memo_Dish->setObjectName(QStringLiteral("Memo_Dish"));
    for (QPlainTextEdit *m : {Memo_Guest, Memo_Dish}) {
        m->setTabChangesFocus(true);
        m->setMaximumHeight(64);
    }

    const auto withButton = [this](QLineEdit *e, QToolButton *b) {
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(e, 1);
        row->addWidget(b);
        return row;
    };
    auto *left = new QFormLayout;
    left->addRow(QStringLiteral("Date :"), withButton(Ed_Date, Btn_Date));
    left->addRow(QStringLiteral("Evénement :"), withButton(Ed_Event, Btn_Event));
    left->addRow(QStringLiteral("Appréciation :"), withButton(Ed_Appreciation, Btn_Appreciation));
    auto *right = new QFormLayout;
    right->addRow(QStringLiteral("Convives :"), Memo_Guest);
    right->addRow(QStringLiteral("Mets :"), Memo_Dish);
    auto *occasion = new QHBoxLayout;
    occasion->addLayout(left, 2);
    occasion->addSpacing(16);
    occasion->addLayout(right, 3);

    Btn_Ok = new QPushButton(QStringLiteral("&Ok"), this);
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Cancel = new QPushButton(QStringLiteral("&Annuler"), this);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    for (QPushButton *b : {Btn_Ok, Btn_Cancel}) {
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
    }
    connect(Btn_Ok, &QPushButton::clicked, this, &TEnterExitCellar::confirm);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(Lab_Header);
    layout->addWidget(Grid_Exit, 1);
    layout->addLayout(occasion);
    layout->addLayout(buttons);

    try {
        movements::resetMarks(m_data.ADOConnection1, m_wine);
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("Les bouteilles n'ont pas pu être préparées pour la sortie :\n") + e.message());
    }
    connect(Grid_Exit->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { placeUpDown(); });
    reopen(-1);
    Grid_Exit->setFocus();
}

void TEnterExitCellar::reopen(qint64 keep)
{
    BottleExitList.close();
    try {
        BottleExitList.open();
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("Les bouteilles n'ont pas pu être lues :\n") + e.message());
    }
    m_model->reload();
    int row = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        if (BottleExitList.valueAt(r, QStringLiteral("Id")).toLongLong() == keep)
            row = r;
    if (m_model->rowCount() > 0)
        Grid_Exit->selectRow(row);
    Lab_Header->setText(movements::exitHeader(m_total).trimmed());
    Btn_Ok->setEnabled(m_total > 0);
    placeUpDown();
}

void TEnterExitCellar::placeUpDown()
{
    const QModelIndex current = Grid_Exit->currentIndex();
    if (!current.isValid()) {
        UpDown_Exit->hide();
        return;
    }
    const QModelIndex cell = m_model->index(current.row(), 1);
    UpDown_Exit->setGeometry(Grid_Exit->visualRect(cell).adjusted(1, 1, -1, -1));
    Lab_Exit->setText(cell.data().toString());
    UpDown_Exit->show();
    UpDown_Exit->raise();
}

void TEnterExitCellar::step(int delta)
{
    const int row = Grid_Exit->currentIndex().row();
    if (row < 0)
        return;
    const qint64 id = BottleExitList.valueAt(row, QStringLiteral("Id")).toLongLong();
    try {
        if (movements::changeMark(m_data.ADOConnection1, id, delta))
            m_total += delta;
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("La bouteille n'a pas pu être marquée :\n") + e.message());
    }
    reopen(id);
}

void TEnterExitCellar::confirm()
{
    if (m_total <= 0)
        return;
    if (prompt::question(movements::exitQuestion(m_total))) {
        const movements::Occasion occasion{movements::exitDate(Ed_Date->text()), Ed_Event->text(),
                                           Ed_Appreciation->text(), Memo_Guest->toPlainText(),
                                           Memo_Dish->toPlainText()};
        try {
            movements::exitBottles(m_data.ADOConnection1, m_data.currentDossier(), m_wine, occasion);
        } catch (const DbError &e) {
            prompt::error(QStringLiteral("La sortie de cave n'a pas pu être enregistrée :\n") + e.message());
            return;
        }
    }
    accept();
}

bool TEnterExitCellar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Grid_Exit && event->type() == QEvent::Resize)
        placeUpDown();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == Grid_Exit && (key == Qt::Key_Plus || key == Qt::Key_Minus)) {
            step(key == Qt::Key_Plus ? 1 : -1);
            return true;
        }
        const bool enter = isEnterKey(event);
        if (enter && watched == Ed_Date) {
            Btn_Date->click();
            return true;
        }
        if (enter && watched == Ed_Event) {
            Btn_Event->click();
            return true;
        }
        if (enter && watched == Ed_Appreciation) {
            Btn_Appreciation->click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && (watched == Ed_Event || watched == Ed_Appreciation)) {
        const bool ev = watched == Ed_Event;
        EditValueList(ev ? QStringLiteral(" Evénements") : QStringLiteral(" Appréciations"),
                      ev ? QStringLiteral("Event") : QStringLiteral("Appreciation"), m_data.ComboItems, this);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
