#pragma once
#include "shell/datasetmodel.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

// One shown column of a list window: name is the dataset field or the
// computed column's name, and the key of the sort map.
struct ListColumn {
    DatasetModel::Column column;
    Qt::Alignment align = Qt::AlignLeft;
};

using ListCompute = std::function<QVariant(const Dataset &, int row)>;
// name and label in UTF-8; width in characters.
ListColumn listColumn(const char *name, const char *label, int width, Qt::Alignment align = Qt::AlignLeft,
                      ListCompute compute = {});

// The nine columns that name a wine in every list, from "Nom" to "Producteur".
std::vector<ListColumn> wineColumns();
// The parts one after the other.
std::vector<ListColumn> concat(std::initializer_list<std::vector<ListColumn>> parts);

// The dataset's rows with an alignment chosen per column: amounts and
// counts read better right-aligned even when shown as text.
class ListModel : public DatasetModel
{
    Q_OBJECT
public:
    ListModel(Dataset &query, const std::vector<ListColumn> &columns, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    int columnOf(const QString &name) const; // -1 when not shown

private:
    std::vector<Qt::Alignment> m_align;
};

// What the print button will hand to the report engine.
struct ListReport {
    QString name;
    QString condition; // may hold "%year"
    QString having;
    QString title;
};

// The frame both list windows share: a heading, an optional year control,
// the grid, and the print, OK and cancel buttons. The window sorts its
// query by the clicked column title and re-opens it.
class ListWindow : public QDialog
{
    Q_OBJECT
public:
    // The title keeps its leading blanks; the caption drops them.
    void setTitle(const QString &title);
    QString title() const { return m_title; }
    void setReport(const ListReport &report) { m_report = report; }
    const ListReport &report() const { return m_report; }

    // Makes column the sort column: ORDER BY line from the sort map, re-open.
    void sortBy(const QString &column);
    QString sortColumn() const { return m_sortColumn; }

    // Runs the query as configured.
    virtual void refresh();

    // Row of the grid's current line, -1 when the list is empty.
    int currentRow() const;
    qint64 currentKey(const QString &field) const;

    QLabel *Lab_Title;
    QLabel *Lab_Year;
    QToolButton *Btn_YearPrev;
    QToolButton *Btn_YearNext;
    QTableView *Grid_List;
    QPushButton *Btn_Print;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;

protected:
    ListWindow(Dataset &query, const QString &name, const QString &keyField, const std::vector<ListColumn> &columns,
               QWidget *parent);
    Dataset &query() { return m_query; }
    void setYearVisible(bool on);
    // Closes and opens the query, keeping the current line when it is still listed.
    void reopen();

private:
    void fitColumns();

    Dataset &m_query;
    QString m_keyField;
    ListModel *m_model;
    QWidget *m_yearBox;
    QString m_title;
    QString m_sortColumn;
    ListReport m_report;
};
