#include "strlist.h"

#include "picklogic.h"
#include "platform/dataset.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>

namespace {
QPointer<TStrList> g_current;

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// One shade darker than the background, for the thin border.
QString borderOf(const QString &background)
{
    return QColor(background).darker(125).name();
}
} // namespace

TStrList::TStrList(QLineEdit *box)
    : QListWidget(nullptr)
    , m_box(box)
    , m_start(box->text())
{
    setObjectName(QStringLiteral("TStrList"));
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    const QString bg = picklist::colour();
    setStyleSheet(QStringLiteral("TStrList { background: %1; border: 1px solid %2; }"
                                 "TStrList::item { padding: 0 2px; }"
                                 "TStrList::item:selected { background: #7a1f35; color: white; border: none; }")
                      .arg(bg, borderOf(bg)));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { choose(row(item)); });
}

TStrList *TStrList::current() { return g_current; }

TStrList *TStrList::popup(QLineEdit *box, QStringList entries, const Options &options)
{
    if (g_current)
        g_current->close();
    if (options.sorted)
        picklist::sortEntries(entries);
    auto *list = new TStrList(box);
    list->m_sorted = options.sorted;
    list->addItems(entries);
    list->setFont(box->font());

    picklist::Placement p;
    p.box = QRect(box->mapToGlobal(QPoint(0, 0)), box->size());
    QScreen *screen = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
    p.screen = screen->availableGeometry();
    p.offset = options.offset >= 0 ? options.offset : box->height();
    p.rowHeight = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : box->fontMetrics().height() + 2;
    p.entries = int(entries.size());
    p.shrinkable = options.shrinkable;
    list->setGeometry(picklist::geometry(p));

    const int row = picklist::initialRow(entries, box->text());
    if (row >= 0)
        list->setCurrentRow(row);
    else
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
    g_current = list;
    list->show();
    list->activateWindow();
    list->setFocus(Qt::PopupFocusReason);
    return list;
}

void TStrList::choose(int row)
{
    if (row < 0 || row >= count() || !m_box) {
        close();
        return;
    }
    m_box->setText(item(row)->text());
    m_box->setProperty("tag", row);
    QLineEdit *box = m_box;
    close();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void TStrList::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const auto selected = selectedItems();
        if (selected.isEmpty())
            close();
        else
            choose(row(selected.first()));
        return;
    }
    case Qt::Key_Escape:
        close();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

// Type-ahead: the first entry starting with what was typed, case ignored.
void TStrList::keyboardSearch(const QString &search)
{
    QListWidget::keyboardSearch(search);
    if (QListWidgetItem *it = currentItem())
        it->setSelected(true);
}

void TStrList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && isVisible())
        close();
}

void TStrList::hideEvent(QHideEvent *event)
{
    QListWidget::hideEvent(event);
    if (g_current == this)
        g_current = nullptr;
}

TStrList *PickValue(QLineEdit *box, bool sorted, const QString &text)
{
    return TStrList::popup(box, linesOf(text), {sorted, picklist::shrink(), -1});
}

TStrList *PickValue(QLineEdit *box, bool sorted, Dataset &comboItems, const QString &column, Dataset *dataAware)
{
    if (dataAware)
        dataAware->ensureEditing();
    if (!comboItems.isOpen())
        comboItems.open();
    comboItems.first();
    QStringList entries{QString()};
    if (!comboItems.eof())
        entries += linesOf(comboItems.text(column));
    return TStrList::popup(box, entries, {sorted, picklist::shrink(), -1});
}
