#pragma once
#include <QDialog>
#include <QTreeWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TDataModule1;

// The node editor: one title, OK (result 1) only while it is not empty,
// Cancel (result 2).
class TEnterTreeMiscNode : public QDialog
{
    Q_OBJECT
public:
    TEnterTreeMiscNode(const QString &title, QWidget *parent = nullptr);
    QString title() const;

    QLineEdit *Ed_Title;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Cancel;
};

// The tree widget of the organiser: values are dragged within their branch.
class TMiscTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    // True when value may be dropped on target.
    static bool canDrop(const QTreeWidgetItem *value, const QTreeWidgetItem *target);

signals:
    void valueDropped(QTreeWidgetItem *value, QTreeWidgetItem *target);

protected:
    bool ownDrag(const QDropEvent *event) const;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

// The characteristics organiser: branches given by the database, values
// added, renamed, deleted and reordered; the tree is written back when the
// window closes, whatever closes it.
class TTreeMisc : public QDialog
{
    Q_OBJECT
public:
    explicit TTreeMisc(TDataModule1 &data, QWidget *parent = nullptr);

    void done(int result) override;
    // Places value in front of target (a value of the same branch).
    bool moveValue(QTreeWidgetItem *value, QTreeWidgetItem *target);
    QString currentBranch() const { return m_branch; }
    QString currentValue() const { return m_value; }

    TMiscTreeView *Tree_Misc;
    QPushButton *Btn_Add;
    QPushButton *Btn_Modify;
    QPushButton *Btn_Delete;
    QPushButton *Btn_Close;
    QMenu *Popup_Tree;
    QAction *Popup_Add;
    QAction *Popup_Modify;
    QAction *Popup_Delete;

private:
    void load();
    void updateCommands();
    void onSelected();
    void addValue();
    void changeValue();
    void deleteValue();
    void decorate(QTreeWidgetItem *item);
    QTreeWidgetItem *newNode(const QString &title, qint64 id);

    TDataModule1 &m_data;
    QString m_branch;
    QString m_value;
    QList<qint64> m_loaded;
    QList<qint64> m_kept;
    bool m_written = false;
};
