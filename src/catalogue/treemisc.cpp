#include "treemisc.h"

#include "characteristics.h"
#include "platform/prompt.h"
#include "shell/busycursor.h"
#include "storage/datamodule.h"
#include "shell/dialogbutton.h"

#include <QDragMoveEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int kIdRole = Qt::UserRole;


int depthOf(const QTreeWidgetItem *item)
{
    int depth = 0;
    for (const QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        ++depth;
    return depth;
}

const QTreeWidgetItem *branchOf(const QTreeWidgetItem *item)
{
    while (item && item->parent())
        item = item->parent();
    return item;
}

// Nodes in display (pre-order) order.
void collect(QTreeWidgetItem *item, int depth, QList<characteristics::Node> &out)
{
    out.append({item->data(0, kIdRole).toLongLong(), item->text(0), depth});
    for (int i = 0; i < item->childCount(); ++i)
        collect(item->child(i), depth + 1, out);
}
} // namespace

// --- TEnterTreeMiscNode ----------------------------------------------------

TEnterTreeMiscNode::TEnterTreeMiscNode(const QString &title, QWidget *parent)
    : QDialog(parent)
    , Ed_Title(new QLineEdit(title, this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
{
    setObjectName(QStringLiteral("TEnterTreeMiscNode"));
    setWindowTitle(QStringLiteral("Saisie d'une branche"));
    setModal(true);
    Ed_Title->setObjectName(QStringLiteral("Ed_Title"));
    Ed_Title->setMaxLength(128);
    Ed_Title->setMinimumWidth(300);
    Btn_Ok->setDefault(true);
    const auto update = [this] { Btn_Ok->setEnabled(!Ed_Title->text().isEmpty()); };
    connect(Ed_Title, &QLineEdit::textChanged, this, update);
    update();
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { done(2); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    auto *label = new QLabel(QStringLiteral("Titre"), this);
    label->setObjectName(QStringLiteral("Lab_Title"));
    layout->addWidget(label);
    layout->addWidget(Ed_Title);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Btn_Ok);
    row->addWidget(Btn_Cancel);
    layout->addLayout(row);
}

QString TEnterTreeMiscNode::title() const { return Ed_Title->text(); }

// --- TMiscTreeView ---------------------------------------------------------

bool TMiscTreeView::canDrop(const QTreeWidgetItem *value, const QTreeWidgetItem *target)
{
    return value && target && value != target && value->parent() && target->parent()
           && branchOf(value) == branchOf(target);
}

// Only items of this tree are dragged; the value moved is the current one.
bool TMiscTreeView::ownDrag(const QDropEvent *event) const
{
    return event->mimeData() && event->mimeData()->hasFormat(mimeTypes().value(0));
}

void TMiscTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (ownDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMiscTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    const QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (ownDrag(event) && canDrop(currentItem(), target))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMiscTreeView::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    QTreeWidgetItem *value = currentItem();
    // The view moves the item itself; the model must not remove it again.
    event->setDropAction(Qt::IgnoreAction);
    if (!ownDrag(event) || !canDrop(value, target)) {
        event->ignore();
        return;
    }
    event->accept();
    emit valueDropped(value, target);
}

// --- TTreeMisc -------------------------------------------------------------

TTreeMisc::TTreeMisc(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , Tree_Misc(new TMiscTreeView(this))
    , Btn_Add(dialogButton(this, "Btn_Add", QStringLiteral(" &Ajouter")))
    , Btn_Modify(dialogButton(this, "Btn_Modify", QStringLiteral(" &Modifier")))
    , Btn_Delete(dialogButton(this, "Btn_Delete", QStringLiteral(" &Supprimer")))
    , Btn_Close(dialogButton(this, "Btn_Close", QStringLiteral(" &Fermer")))
    , Popup_Tree(new QMenu(this))
    , m_data(data)
{
    setObjectName(QStringLiteral("TTreeMisc"));
    setWindowTitle(QStringLiteral("Organisation des caractèristiques"));
    setModal(true);
    Tree_Misc->setObjectName(QStringLiteral("Tree_Misc"));
    Tree_Misc->setHeaderHidden(true);
    Tree_Misc->setDragEnabled(true);
    Tree_Misc->setAcceptDrops(true);
    Tree_Misc->viewport()->setAcceptDrops(true);
    Tree_Misc->setDropIndicatorShown(true);
    Tree_Misc->setDragDropMode(QAbstractItemView::InternalMove);
    Tree_Misc->setContextMenuPolicy(Qt::CustomContextMenu);
    Tree_Misc->setStyleSheet(QStringLiteral("QTreeWidget::item { padding: 2px 0; }"));
    Popup_Tree->setObjectName(QStringLiteral("Popup_Tree"));
    Popup_Add = Popup_Tree->addAction(QStringLiteral("&Ajouter"));
    Popup_Modify = Popup_Tree->addAction(QStringLiteral("&Modifier"));
    Popup_Delete = Popup_Tree->addAction(QStringLiteral("&Supprimer"));
    Popup_Add->setObjectName(QStringLiteral("Popup_Add"));
    Popup_Modify->setObjectName(QStringLiteral("Popup_Modify"));
    Popup_Delete->setObjectName(QStringLiteral("Popup_Delete"));

    connect(Btn_Add, &QPushButton::clicked, this, &TTreeMisc::addValue);
    connect(Popup_Add, &QAction::triggered, this, &TTreeMisc::addValue);
    connect(Btn_Modify, &QPushButton::clicked, this, &TTreeMisc::changeValue);
    connect(Popup_Modify, &QAction::triggered, this, &TTreeMisc::changeValue);
    connect(Btn_Delete, &QPushButton::clicked, this, &TTreeMisc::deleteValue);
    connect(Popup_Delete, &QAction::triggered, this, &TTreeMisc::deleteValue);
    connect(Btn_Close, &QPushButton::clicked, this, [this] {
        Btn_Close->setEnabled(false);
        done(1);
    });
    connect(Tree_Misc, &QTreeWidget::itemSelectionChanged, this, &TTreeMisc::onSelected);
    connect(Tree_Misc, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent())
            changeValue();
    });
    connect(Tree_Misc, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { Popup_Tree->popup(Tree_Misc->viewport()->mapToGlobal(at)); });
    connect(Tree_Misc, &TMiscTreeView::valueDropped, this, &TTreeMisc::moveValue);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(Btn_Add);
    buttons->addWidget(Btn_Modify);
    buttons->addWidget(Btn_Delete);
    buttons->addStretch();
    buttons->addWidget(Btn_Close);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(Tree_Misc, 1);
    layout->addLayout(buttons);
    resize(460, 440);

    load();
    updateCommands();
}

QTreeWidgetItem *TTreeMisc::newNode(const QString &title, qint64 id)
{
    auto *item = new QTreeWidgetItem(QStringList{title});
    item->setData(0, kIdRole, id);
    return item;
}

void TTreeMisc::decorate(QTreeWidgetItem *item)
{
    QStyle *s = style();
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (item->parent()) {
        item->setIcon(0, s->standardIcon(QStyle::SP_FileIcon));
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    } else {
        item->setIcon(0, s->standardIcon(item->isSelected() ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    }
    item->setFlags(flags);
}

void TTreeMisc::load()
{
    Dataset &ds = m_data.TreeMisc;
    const QStringList sql = ds.sql();
    ds.close();
    ds.replaceClauseLine(QStringLiteral("ORDER BY"), QStringLiteral("ORDER BY NODEPOS"));
    ds.open();
    QTreeWidgetItem *previous = nullptr;
    int previousLevel = 0;
    QList<QTreeWidgetItem *> order; // display order, for going backwards
    QList<qint64> skipped;
    for (ds.first(); !ds.eof(); ds.next()) {
        const qint64 id = ds.integer(QStringLiteral("Id"));
        const int level = int(ds.integer(QStringLiteral("NodeLevel")));
        QTreeWidgetItem *item = newNode(ds.text(QStringLiteral("NodeTitle")), id);
        bool placed = true;
        if (level == previousLevel) {
            if (previous && previous->parent())
                previous->parent()->insertChild(previous->parent()->indexOfChild(previous) + 1, item);
            else if (previous || level == 0)
                Tree_Misc->addTopLevelItem(item);
            else
                placed = false;
        } else if (level > previousLevel) {
            if (previous)
                previous->addChild(item);
            else
                placed = false;
        } else {
            placed = false;
            for (qsizetype i = order.size() - 1; i >= 0; --i) {
                if (depthOf(order[i]) != level)
                    continue;
                QTreeWidgetItem *sibling = order[i];
                if (QTreeWidgetItem *parent = sibling->parent())
                    parent->insertChild(parent->indexOfChild(sibling) + 1, item);
                else
                    Tree_Misc->insertTopLevelItem(Tree_Misc->indexOfTopLevelItem(sibling) + 1, item);
                placed = true;
                break;
            }
        }
        if (!placed) {
            delete item;
            skipped << id;
            continue;
        }
        order << item;
        previous = item;
        previousLevel = level;
    }
    ds.close();
    ds.setSql(sql);

    // Colours live in their own table: their branch stays out of the view,
    // and its rows are kept when the tree is written back.
    QSet<qint64> hidden;
    QTreeWidgetItem *colours = nullptr;
    for (int i = 0; i < Tree_Misc->topLevelItemCount() && !colours; ++i)
        if (Tree_Misc->topLevelItem(i)->text(0) == QStringLiteral("Couleur"))
            colours = Tree_Misc->topLevelItem(i);
    if (colours) {
        QList<characteristics::Node> nodes;
        collect(colours, 0, nodes);
        for (const auto &n : nodes)
            hidden.insert(n.id);
    }
    for (QTreeWidgetItem *item : std::as_const(order)) {
        const qint64 id = item->data(0, kIdRole).toLongLong();
        if (hidden.contains(id))
            continue;
        m_loaded << id;
        decorate(item);
    }
    delete colours;
    // Kept rows go after the view's rows in their stored order.
    const ResultSet rs = m_data.ADOConnection1.select(QStringLiteral("SELECT Id FROM TREE_MISC ORDER BY NodePos"));
    for (int r = 0; r < rs.rowCount(); ++r) {
        const qint64 id = rs.at(r, 0).toLongLong();
        if (hidden.contains(id) || skipped.contains(id))
            m_kept << id;
    }
    Tree_Misc->setCurrentItem(nullptr);
    Tree_Misc->clearSelection();
}

void TTreeMisc::updateCommands()
{
    const QList<QTreeWidgetItem *> sel = Tree_Misc->selectedItems();
    const QTreeWidgetItem *item = sel.isEmpty() ? nullptr : sel.first();
    const bool branch = item && !item->parent();
    const bool value = item && item->parent();
    Btn_Add->setEnabled(branch);
    Popup_Add->setEnabled(branch);
    Btn_Modify->setEnabled(value);
    Popup_Modify->setEnabled(value);
    Btn_Delete->setEnabled(value);
    Popup_Delete->setEnabled(value);
}

void TTreeMisc::onSelected()
{
    const QList<QTreeWidgetItem *> sel = Tree_Misc->selectedItems();
    QTreeWidgetItem *item = sel.isEmpty() ? nullptr : sel.first();
    m_branch = item ? branchOf(item)->text(0) : QString();
    m_value = item ? item->text(0) : QString();
    for (int i = 0; i < Tree_Misc->topLevelItemCount(); ++i)
        decorate(Tree_Misc->topLevelItem(i));
    updateCommands();
}

void TTreeMisc::addValue()
{
    const QList<QTreeWidgetItem *> sel = Tree_Misc->selectedItems();
    if (sel.isEmpty() || sel.first()->parent())
        return;
    TEnterTreeMiscNode editor(QString(), this);
    if (editor.exec() == 1) {
        QTreeWidgetItem *item = newNode(editor.title(), -1);
        sel.first()->addChild(item);
        decorate(item);
        sel.first()->setExpanded(true);
    }
    updateCommands();
}

void TTreeMisc::changeValue()
{
    const QList<QTreeWidgetItem *> sel = Tree_Misc->selectedItems();
    if (sel.isEmpty() || !sel.first()->parent())
        return;
    QTreeWidgetItem *item = sel.first();
    TEnterTreeMiscNode editor(item->text(0), this);
    if (editor.exec() == 1) {
        const QString title = editor.title();
        item->setText(0, title);
        if (title != m_value) {
            try {
                characteristics::rewriteValue(m_data.ADOConnection1, m_branch, m_value, title);
            } catch (const DbError &e) {
                prompt::error(e.message());
            }
        }
        m_value = title;
    }
    updateCommands();
}

void TTreeMisc::deleteValue()
{
    const QList<QTreeWidgetItem *> sel = Tree_Misc->selectedItems();
    if (sel.isEmpty() || !sel.first()->parent())
        return;
    if (prompt::question(QStringLiteral("Désirez-vous supprimer cette branche ?"))) {
        try {
            characteristics::rewriteValue(m_data.ADOConnection1, m_branch, m_value, QString());
            delete sel.first();
        } catch (const DbError &e) {
            prompt::error(e.message());
        }
    }
    updateCommands();
}

bool TTreeMisc::moveValue(QTreeWidgetItem *value, QTreeWidgetItem *target)
{
    if (!TMiscTreeView::canDrop(value, target))
        return false;
    QTreeWidgetItem *parent = value->parent();
    parent->takeChild(parent->indexOfChild(value));
    parent->insertChild(parent->indexOfChild(target), value);
    decorate(value);
    Tree_Misc->setCurrentItem(value);
    updateCommands();
    return true;
}

void TTreeMisc::done(int result)
{
    if (!m_written) {
        m_written = true;
        QList<characteristics::Node> nodes;
        for (int i = 0; i < Tree_Misc->topLevelItemCount(); ++i)
            collect(Tree_Misc->topLevelItem(i), 0, nodes);
        try {
            BusyCursor busy;
            characteristics::writeBack(m_data.ADOConnection1, nodes, m_loaded, m_kept);
        } catch (const DbError &e) {
            prompt::error(QStringLiteral("Les caractéristiques n'ont pas pu être enregistrées.\n%1").arg(e.message()));
        }
    }
    QDialog::done(result);
}
