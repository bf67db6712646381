#include "listwindow.h"
#include "cellarfigures.h"

#include "platform/dataset.h"
#include "platform/prompt.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QList<DatasetModel::Column> modelColumns(const std::vector<ListColumn> &columns)
{
    QList<DatasetModel::Column> out;
    for (const ListColumn &c : columns)
        out << c.column;
    return out;
}

} // namespace

ListColumn listColumn(const char *name, const char *label, int width, Qt::Alignment align, ListCompute compute)
{
    return {{QString::fromUtf8(name), QString::fromUtf8(label), width, std::move(compute)}, align};
}

std::vector<ListColumn> wineColumns()
{
    return {
        listColumn("Title", "Nom", 25),
        listColumn("Category", "Catégorie", 10),
        listColumn("Cepage", "Cépage", 15),
        listColumn("Color", "Couleur", 10),
        listColumn("Classification", "Classement", 15),
        listColumn("Country", "Pays", 20),
        listColumn("Region", "Région", 20),
        listColumn("Appellation", "Appellation", 20),
        listColumn("Producer", "Producteur", 20),
    };
}

std::vector<ListColumn> concat(std::initializer_list<std::vector<ListColumn>> parts)
{
    std::vector<ListColumn> out;
    for (const auto &part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

ListModel::ListModel(Dataset &query, const std::vector<ListColumn> &columns, QObject *parent)
    : DatasetModel(query, modelColumns(columns), parent)
{
    for (const ListColumn &c : columns)
        m_align.push_back(c.align);
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.isValid())
        return QVariant::fromValue(m_align[size_t(index.column())] | Qt::AlignVCenter);
    return DatasetModel::data(index, role);
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Titles of right-aligned columns are centred: the sort arrow sits on the right.
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal && section >= 0
        && size_t(section) < m_align.size()) {
        const bool right = m_align[size_t(section)] & Qt::AlignRight;
        return QVariant::fromValue(right ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
    return DatasetModel::headerData(section, orientation, role);
}

int ListModel::columnOf(const QString &name) const
{
    for (int c = 0; c < columnCount(); ++c)
        if (column(c).name == name)
            return c;
    return -1;
}

ListWindow::ListWindow(Dataset &query, const QString &name, const QString &keyField,
                       const std::vector<ListColumn> &columns, QWidget *parent)
    : QDialog(parent)
    , Lab_Title(new QLabel(this))
    , Lab_Year(new QLabel(this))
    , Btn_YearPrev(new QToolButton(this))
    , Btn_YearNext(new QToolButton(this))
    , Grid_List(new QTableView(this))
    , Btn_Print(new QPushButton(QStringLiteral(" &Imprimer"), this))
    , Btn_Ok(new QPushButton(QStringLiteral(" &Ok"), this))
    , Btn_Cancel(new QPushButton(QStringLiteral(" &Annuler"), this))
    , m_query(query)
    , m_keyField(keyField)
    , m_model(new ListModel(query, columns, this))
    , m_yearBox(new QWidget(this))
{
    setObjectName(name);
    setModal(true);
    setSizeGripEnabled(true);
    resize(1000, 560);

    Lab_Title->setObjectName(QStringLiteral("Lab_Title"));
    QFont heading = Lab_Title->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    Lab_Title->setFont(heading);

    Lab_Year->setObjectName(QStringLiteral("Lab_Year"));
    Lab_Year->setAlignment(Qt::AlignCenter);
    Lab_Year->setMinimumWidth(Lab_Year->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    QFont yearFont = Lab_Year->font();
    yearFont.setBold(true);
    Lab_Year->setFont(yearFont);
    Btn_YearPrev->setObjectName(QStringLiteral("Btn_YearPrev"));
    Btn_YearNext->setObjectName(QStringLiteral("Btn_YearNext"));
    Btn_YearPrev->setArrowType(Qt::LeftArrow);
    Btn_YearNext->setArrowType(Qt::RightArrow);
    Btn_YearPrev->setToolTip(QStringLiteral("Année précédente"));
    Btn_YearNext->setToolTip(QStringLiteral("Année suivante"));
    for (QToolButton *b : {Btn_YearPrev, Btn_YearNext})
        b->setFixedSize(26, 26);
    auto *year = new QHBoxLayout(m_yearBox);
    year->setContentsMargins(0, 0, 0, 0);
    year->setSpacing(2);
    year->addWidget(Btn_YearPrev);
    year->addWidget(Lab_Year);
    year->addWidget(Btn_YearNext);

    Grid_List->setObjectName(QStringLiteral("Grid_List"));
    Grid_List->setModel(m_model);
    Grid_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_List->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid_List->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid_List->setAlternatingRowColors(true);
    Grid_List->setShowGrid(false);
    Grid_List->setWordWrap(false);
    Grid_List->setTextElideMode(Qt::ElideRight);
    Grid_List->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette grid = Grid_List->palette();
    grid.setColor(QPalette::Base, Qt::white);
    grid.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF8));
    Grid_List->setPalette(grid);
    Grid_List->verticalHeader()->hide();
    Grid_List->verticalHeader()->setDefaultSectionSize(Grid_List->fontMetrics().height() + 8);
    QHeaderView *header = Grid_List->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    header->setMinimumHeight(Grid_List->fontMetrics().height() + 12);
    header->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: #F3F4F6; color: #2B2B2B; padding: 4px 6px; border: none;"
        " border-right: 1px solid #E2E4E8; border-bottom: 1px solid #C9CDD3; font-weight: 600; }"));
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) { sortBy(m_model->column(section).name); });
    connect(Grid_List, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && Btn_Ok->isEnabled())
            accept();
    });

    Btn_Print->setObjectName(QStringLiteral("Btn_Print"));
    Btn_Print->setAutoDefault(false);
    // Printing arrives with the reports.
    Btn_Print->setEnabled(false);
    Btn_Print->setToolTip(QStringLiteral("Bientôt disponible"));
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Ok->setDefault(true);
    Btn_Ok->setEnabled(false);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    for (QPushButton *b : {Btn_Print, Btn_Ok, Btn_Cancel})
        b->setMinimumWidth(96);
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(Lab_Title, 1);
    top->addWidget(m_yearBox);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Btn_Print);
    bottom->addStretch(1);
    bottom->addWidget(Btn_Ok);
    bottom->addWidget(Btn_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(Grid_List, 1);
    layout->addLayout(bottom);

    fitColumns();
    Grid_List->setFocus();
}

void ListWindow::setTitle(const QString &title)
{
    m_title = title;
    Lab_Title->setText(title.trimmed());
    setWindowTitle(title.trimmed());
}

void ListWindow::setYearVisible(bool on)
{
    m_yearBox->setVisible(on);
}

void ListWindow::sortBy(const QString &column)
{
    m_sortColumn = column;
    m_query.replaceClauseLine(QStringLiteral("ORDER BY"), QStringLiteral("ORDER BY ") + figures::sortExpression(column));
    const int c = m_model->columnOf(column);
    m_model->setMarkedColumn(c);
    if (c >= 0)
        Grid_List->horizontalHeader()->setSortIndicator(c, Qt::AscendingOrder);
    if (m_query.isOpen())
        reopen();
}

void ListWindow::refresh()
{
    reopen();
}

void ListWindow::reopen()
{
    const qint64 current = currentKey(m_keyField);
    m_query.close();
    try {
        m_query.open();
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("La liste n'a pas pu être lue :\n") + e.message());
    }
    m_model->reload();
    int row = 0;
    if (current >= 0)
        for (int r = 0; r < m_model->rowCount(); ++r)
            if (m_query.valueAt(r, m_keyField).toLongLong() == current) {
                row = r;
                break;
            }
    if (m_model->rowCount() > 0)
        Grid_List->selectRow(row);
    Btn_Ok->setEnabled(m_model->rowCount() > 0);
}

int ListWindow::currentRow() const
{
    const QModelIndex index = Grid_List->currentIndex();
    return index.isValid() ? index.row() : -1;
}

qint64 ListWindow::currentKey(const QString &field) const
{
    const int row = currentRow();
    if (row < 0 || !m_query.isOpen())
        return -1;
    const QVariant v = m_query.valueAt(row, field);
    return v.isNull() ? -1 : v.toLongLong();
}

void ListWindow::fitColumns()
{
    // A character is counted as wide as a digit, so years and amounts fit.
    const int digit = Grid_List->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QFont bold = Grid_List->horizontalHeader()->font();
    bold.setWeight(QFont::DemiBold);
    const QFontMetrics titles(bold);
    // Titles wider than their column keep their room (with the sort arrow).
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const DatasetModel::Column &col = m_model->column(c);
        const int width = std::max(col.widthChars * digit + 14,
                                   titles.horizontalAdvance(col.label) + 34);
        Grid_List->setColumnWidth(c, width);
    }
}
