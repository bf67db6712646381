#include "datagrid.h"

#include "datasetmodel.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

void setUpDataGrid(QTableView *grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->horizontalHeader()->setHighlightSections(false);
    const auto *model = qobject_cast<const DatasetModel *>(grid->model());
    if (!model)
        return;
    const QFontMetrics fm = grid->fontMetrics();
    const int digit = fm.horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < model->columnCount(); ++c) {
        const DatasetModel::Column &col = model->column(c);
        const int title = fm.horizontalAdvance(col.label) + 24;
        grid->setColumnWidth(c, std::max(title, col.widthChars * digit + 16));
    }
}
