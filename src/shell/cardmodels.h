#pragma once
#include "mainwindow/mainlists.h"

#include <QAbstractListModel>

// The card panes' models: one row per card, then filler rows so the pane
// looks like a full sheet. CardRole gives a pointer to the card, null on a
// filler row.
enum CardRoles { CardRole = Qt::UserRole + 1 };

template <typename Card>
class CardModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_cards.size()) + m_fillers;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != CardRole || index.row() >= int(m_cards.size()))
            return {};
        return QVariant::fromValue(static_cast<const void *>(&m_cards[size_t(index.row())]));
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.row() < int(m_cards.size()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
    }

    void setCards(std::vector<Card> cards)
    {
        beginResetModel();
        m_cards = std::move(cards);
        endResetModel();
    }
    // A card's content changes, never its size: the caller repaints its row.
    // dataChanged would make the list view lay out every row again.
    void replaceQuietly(int row, Card card)
    {
        if (row >= 0 && row < int(m_cards.size()))
            m_cards[size_t(row)] = std::move(card);
    }
    // At least one filler row, more when the cards do not fill the pane.
    void setFillers(int fillers)
    {
        fillers = std::max(fillers, m_cards.empty() ? 0 : 1);
        if (fillers == m_fillers)
            return;
        beginResetModel();
        m_fillers = fillers;
        endResetModel();
    }
    const std::vector<Card> &cards() const { return m_cards; }
    int cardCount() const { return int(m_cards.size()); }
    qint64 idAt(int row) const { return row >= 0 && row < cardCount() ? m_cards[size_t(row)].id : -1; }
    int rowOf(qint64 id) const
    {
        for (int r = 0; r < cardCount(); ++r)
            if (m_cards[size_t(r)].id == id)
                return r;
        return -1;
    }

private:
    std::vector<Card> m_cards;
    int m_fillers = 0;
};

using WineCardModel = CardModel<mainlists::WineCard>;
using BottleCardModel = CardModel<mainlists::BottleCard>;

inline const mainlists::WineCard *wineCardOf(const QModelIndex &index)
{
    return static_cast<const mainlists::WineCard *>(index.data(CardRole).value<const void *>());
}

inline const mainlists::BottleCard *bottleCardOf(const QModelIndex &index)
{
    return static_cast<const mainlists::BottleCard *>(index.data(CardRole).value<const void *>());
}
