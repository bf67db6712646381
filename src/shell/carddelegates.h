#pragma once
#include <QStyledItemDelegate>

// The cards of the main window's two panes, drawn from the records of
// WineCardModel and BottleCardModel (cardmodels.h). A filler row gets only
// the pane's background. Sizes follow the view's font, so HiDPI works.

class WineCardDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

class BottleCardDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where the location pin of the card in option.rect lies, for the
    // pointing-hand cursor and the click that shows the location.
    QRect locationIconRect(const QStyleOptionViewItem &option) const;
};
