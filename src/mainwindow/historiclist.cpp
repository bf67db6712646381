#include "historiclist.h"
#include "cellarfigures.h"
#include "movements.h"

#include "platform/dataset.h"
#include "mainwindow/listcolumns.h"

#include <QLabel>
#include <QTableView>
#include <QToolButton>

std::vector<ListColumn> historicColumns(THistoricList::Kind kind, const QString &currency)
{
    const auto money = [&currency](const char *field) { return listcolumns::money(field, currency); };
    const Qt::Alignment right = Qt::AlignRight;
    const bool exits = kind == THistoricList::Kind::Exit;
    std::vector<ListColumn> out{
        listColumn("Historic_ActionDate", "Date", 10),
        listColumn("Historic_Quantity", "Quantité", 5, right),
        listColumn("Historic_Vintage", "Millésime", 4, right),
    };
    if (exits) {
        out.push_back(listColumn("Historic_Event", "Evénement", 20));
        out.push_back(listColumn("Historic_Appreciation", "Appréciation", 10));
    }
    out = concat({out, {listColumn("Historic_Format", "Format", 15)}, wineColumns(),
                  {listColumn("Historic_PurchaseDate", "Date achat", 10),
                   listColumn("Historic_PurchaseCompagny", "Fournisseur", 20),
                   listColumn("Historic_PurchasePrice", "Valeur d'achat", 12, right, money("Historic_PurchasePrice")),
                   listColumn("Historic_PurchaseValue", "Valeur estimée", 12, right, money("Historic_PurchaseValue"))}});
    if (exits) {
        out.push_back(listColumn("Historic_Guest", "Convives", 20));
        out.push_back(listColumn("Historic_Dish", "Mets", 20));
    } else {
        out.push_back(listColumn("Historic_Remark", "Remarques", 20));
    }
    return out;
}

THistoricList::THistoricList(Dataset &historicList, Kind kind, const QString &currency, QWidget *parent)
    : ListWindow(historicList, kind == Kind::Exit ? QStringLiteral("HistoricExit") : QStringLiteral("HistoricEnter"),
                 QStringLiteral("Id"), historicColumns(kind, currency), parent)
    , m_kind(kind)
{
    Grid_List->setObjectName(kind == Kind::Exit ? QStringLiteral("Grid_Historic_Exit_Result")
                                                : QStringLiteral("Grid_Historic_Enter_Result"));
    setTitle(kind == Kind::Exit ? QStringLiteral("  Historique des sorties en 0000")
                                : QStringLiteral("  Historique des entrées en 0000"));
    sortBy(QStringLiteral("Historic_ActionDate"));
    connect(Btn_YearPrev, &QToolButton::clicked, this, [this] { setYear(m_year - 1); });
    connect(Btn_YearNext, &QToolButton::clicked, this, [this] { setYear(m_year + 1); });
}

void THistoricList::setYear(int year)
{
    m_year = year;
    refresh();
}

void THistoricList::refresh()
{
    const QString year = QString::number(m_year);
    const QString t = title();
    setTitle(t.left(t.size() - 4) + year);
    Lab_Year->setText(year);
    query().replaceClauseLine(QStringLiteral("WHERE"), QStringLiteral("WHERE WINE.Id_File=%1 AND ActionType=%2 AND "
                                                                      "Year(HISTORIC.ActionDate)=%3")
                                                           .arg(m_dossier)
                                                           .arg(int(m_kind))
                                                           .arg(year));
    reopen();
}

namespace movements {

std::optional<Chosen> showHistory(THistoricList::Kind kind, Connection &connection, qint64 dossier,
                                  const QString &currency, QWidget *parent, int year)
{
    Dataset query(connection, QStringLiteral("HistoricList"), historicList());
    THistoricList window(query, kind, currency, parent);
    const bool exits = kind == THistoricList::Kind::Exit;
    const QString condition = QStringLiteral("HISTORIC.Id_File=%1 AND HISTORIC.ActionType=%2 AND Year(HISTORIC.ActionDate)=")
                                  .arg(dossier)
                                  .arg(int(kind));
    window.setReport({exits ? QStringLiteral("HistoricExit") : QStringLiteral("HistoricEnter"), condition, QString(),
                      exits ? QStringLiteral("Historique des sorties de cave en ")
                            : QStringLiteral("Historique des entrées en cave en ")});
    window.setDossier(dossier);
    window.setYear(year);
    if (window.exec() != QDialog::Accepted || window.selectedWine() < 0)
        return std::nullopt;
    return Chosen{window.selectedWine(), window.selectedBottle()};
}

} // namespace movements
