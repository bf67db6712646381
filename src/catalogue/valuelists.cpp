#include "valuelists.h"

#include "characteristics.h"
#include "platform/dataset.h"
#include "shell/picklogic.h"
#include "shell/strlist.h"
#include "texts/languagehook.h"
#include "shell/dialogbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

// --- TComboList ------------------------------------------------------------

TComboList::TComboList(const QString &caption, const QString &text, QWidget *parent)
    : QDialog(parent)
    , Lab_Title(new QLabel(QStringLiteral(" ") + caption, this))
    , Memo_List(new QPlainTextEdit(this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
{
    setObjectName(QStringLiteral("TComboList"));
    setWindowTitle(QStringLiteral("Liste de valeurs"));
    setModal(true);
    Lab_Title->setObjectName(QStringLiteral("Lab_Title"));
    Lab_Title->setStyleSheet(QStringLiteral("font-weight: bold; color: #7a1f35;"));
    Memo_List->setObjectName(QStringLiteral("Memo_List"));
    Memo_List->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; }").arg(picklist::colour()));
    Memo_List->setPlainText(characteristics::uniqueSorted(text).join(u'\n'));
    Btn_Ok->setDefault(true);
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(Lab_Title);
    layout->addWidget(Memo_List, 1);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    resize(360, 420);
    texts::translateWindow(this, QStringLiteral("ComboList"));
}

// Lines as stored: CR LF between entries.
QString TComboList::text() const
{
    return Memo_List->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

bool EditValueList(const QString &caption, const QString &column, Dataset &comboItems, QWidget *parent)
{
    comboItems.close();
    comboItems.open();
    comboItems.first();
    TComboList d(caption, comboItems.eof() ? QString() : comboItems.text(column), parent);
    const bool ok = d.exec() == QDialog::Accepted;
    if (ok) {
        if (comboItems.isEmpty())
            comboItems.append();
        else
            comboItems.edit();
        comboItems.setValue(column, d.text());
        comboItems.post();
    }
    comboItems.close();
    return ok;
}

// --- TFoodList -------------------------------------------------------------

TFoodList::TFoodList(const QStringList &entries, QWidget *parent)
    : QDialog(parent)
    , List_Food(new QListWidget(this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
{
    setObjectName(QStringLiteral("TFoodList"));
    setWindowTitle(QStringLiteral("Liste des accords mets-vins"));
    setModal(true);
    List_Food->setObjectName(QStringLiteral("List_Food"));
    List_Food->addItems(entries);
    if (List_Food->count() > 0)
        List_Food->setCurrentRow(0);
    Btn_Ok->setDefault(true);
    const auto update = [this] { Btn_Ok->setEnabled(List_Food->currentItem() && List_Food->currentItem()->isSelected()); };
    connect(List_Food, &QListWidget::itemSelectionChanged, this, update);
    update();
    connect(List_Food, &QListWidget::itemDoubleClicked, this, [this] {
        if (Btn_Ok->isEnabled())
            accept();
    });
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(List_Food, 1);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    resize(340, 380);
    texts::translateWindow(this, QStringLiteral("ComboList"));
}

QString TFoodList::chosen() const
{
    return List_Food->currentItem() ? List_Food->currentItem()->text() : QString();
}

TStrList *PickTreeValue(Connection &c, QLineEdit *box, const QString &branch)
{
    QStringList entries = characteristics::GetTreeItemsString(c, branch).split(QStringLiteral("\r\n"));
    entries.removeLast(); // after the last line break
    const QString saved = picklist::colour();
    picklist::setColour(QStringLiteral("#FFFFF2"));
    TStrList *list = TStrList::popup(box, entries, {true, false, 15});
    picklist::setColour(saved);
    return list;
}
