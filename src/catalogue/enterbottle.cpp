#include "enterbottle.h"

#include "bottlelogic.h"
#include "catalogue/treemisc.h"
#include "catalogue/valuelists.h"
#include "platform/prompt.h"
#include "shell/pickdialogs.h"
#include "shell/picklogic.h"
#include "shell/strlist.h"
#include "storage/datamodule.h"
#include "shell/dialogbutton.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLineEdit *box(QWidget *parent, const char *name, int width = 0, bool readOnly = false)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(QLatin1String(name));
    if (width > 0)
        b->setFixedWidth(width);
    b->setReadOnly(readOnly);
    return b;
}

QToolButton *dropButton(QWidget *parent, const char *name, const QString &text = QStringLiteral("▾"))
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets, bool stretch = true)
{
    auto *l = new QHBoxLayout;
    l->setSpacing(2);
    for (QWidget *w : widgets)
        l->addWidget(w);
    if (stretch)
        l->addStretch(1);
    return l;
}

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TEnterBottle::TEnterBottle(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TEnterBottle"));
    setWindowTitle(QStringLiteral("  Saisie de bouteille(s)"));

    Ed_Code = box(this, "Ed_Code", 160);
    Ed_Quantity = box(this, "Ed_Quantity", 60);
    Ed_Vintage = box(this, "Ed_Vintage", 60);
    Btn_Vintage = dropButton(this, "Btn_Vintage");
    Ed_Format = box(this, "Ed_Format", 160, true);
    Btn_Format = dropButton(this, "Btn_Format");
    Ed_PurchaseDate = box(this, "Ed_PurchaseDate", 90);
    Ed_PurchaseDate->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
    Btn_PurchaseDate = dropButton(this, "Btn_PurchaseDate", QStringLiteral("…"));
    Ed_Compagny = box(this, "Ed_Compagny", 0, true);
    Btn_Compagny = dropButton(this, "Btn_Compagny");
    Ed_PurchasePrice = box(this, "Ed_PurchasePrice", 90);
    Ed_PurchaseValue = box(this, "Ed_PurchaseValue", 90);
    for (QLineEdit *b : {Ed_Quantity, Ed_Vintage, Ed_PurchasePrice, Ed_PurchaseValue})
        b->setAlignment(Qt::AlignRight);
    // The boxes hold the edit format; the symbol beside them completes the money format.
    Lab_PurchasePrice_Money = new QLabel(this);
    Lab_PurchasePrice_Money->setObjectName(QStringLiteral("Lab_PurchasePrice_Money"));
    Lab_PurchaseValue_Money = new QLabel(this);
    Lab_PurchaseValue_Money->setObjectName(QStringLiteral("Lab_PurchaseValue_Money"));
    Ed_DrinkYearBegin = box(this, "Ed_DrinkYearBegin", 60);
    Btn_DrinkYearBegin = dropButton(this, "Btn_DrinkYearBegin");
    Ed_DrinkYearEnd = box(this, "Ed_DrinkYearEnd", 60);
    Btn_DrinkYearEnd = dropButton(this, "Btn_DrinkYearEnd");
    Ed_BestYearBegin = box(this, "Ed_BestYearBegin", 60);
    Btn_BestYearBegin = dropButton(this, "Btn_BestYearBegin");
    Ed_BestYearEnd = box(this, "Ed_BestYearEnd", 60);
    Btn_BestYearEnd = dropButton(this, "Btn_BestYearEnd");
    Ed_Remark1 = new QPlainTextEdit(this);
    Ed_Remark1->setObjectName(QStringLiteral("Ed_Remark1"));
    Ed_Remark1->setTabChangesFocus(true);
    Ed_Remark1->setFixedHeight(70);
    Ed_Location = box(this, "Ed_Location", 0, true);
    Btn_Location_Select = dropButton(this, "Btn_Location_Select", QStringLiteral("…"));
    // The location chooser is not there yet.
    Btn_Location_Select->setEnabled(false);
    Btn_Location_Select->setToolTip(QStringLiteral("Bientôt disponible"));
    Btn_Location_Delete = dropButton(this, "Btn_Location_Delete", QStringLiteral("✕"));
    Btn_Location_Delete->setToolTip(QStringLiteral("Supprimer la localisation"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    int r = 0;
    const auto line = [&](const QString &caption, QLayout *content) {
        auto *lab = new QLabel(caption, this);
        grid->addWidget(lab, r, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addLayout(content, r++, 1);
    };
    line(QStringLiteral("Code"), row({Ed_Code}));
    line(QStringLiteral("Quantité"), row({Ed_Quantity}));
    line(QStringLiteral("Millésime"), row({Ed_Vintage, Btn_Vintage}));
    line(QStringLiteral("Format"), row({Ed_Format, Btn_Format}));
    line(QStringLiteral("Date d'achat"), row({Ed_PurchaseDate, Btn_PurchaseDate}));
    line(QStringLiteral("Fournisseur"), row({Ed_Compagny, Btn_Compagny}, false));
    line(QStringLiteral("Prix d'achat (Unit.)"), row({Ed_PurchasePrice, Lab_PurchasePrice_Money}));
    line(QStringLiteral("Valeur estimée (Unit.)"), row({Ed_PurchaseValue, Lab_PurchaseValue_Money}));
    line(QStringLiteral("Boire de"),
         row({Ed_DrinkYearBegin, Btn_DrinkYearBegin, new QLabel(QStringLiteral("  à "), this), Ed_DrinkYearEnd, Btn_DrinkYearEnd}));
    line(QStringLiteral("Apogé de "),
         row({Ed_BestYearBegin, Btn_BestYearBegin, new QLabel(QStringLiteral("  à "), this), Ed_BestYearEnd, Btn_BestYearEnd}));
    line(QStringLiteral("Localisation"), row({Ed_Location, Btn_Location_Select, Btn_Location_Delete}, false));
    auto *remarkCaption = new QLabel(QStringLiteral("Remarques (255 caractères)"), this);
    grid->addWidget(remarkCaption, r++, 0, 1, 2);
    grid->addWidget(Ed_Remark1, r++, 0, 1, 2);

    Btn_Ok = dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok"));
    Btn_Cancel = dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler"));
    for (QPushButton *b : {Btn_Ok, Btn_Cancel})
        b->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    setFixedWidth(440);

    bind(Ed_Code, QStringLiteral("Code"), Kind::Text);
    bind(Ed_Quantity, QStringLiteral("Quantity"), Kind::Whole);
    bind(Ed_Vintage, QStringLiteral("Vintage"), Kind::Whole);
    bind(Ed_Format, QStringLiteral("Format"), Kind::Text);
    bind(Ed_PurchaseDate, QStringLiteral("PurchaseDate"), Kind::Date);
    bind(Ed_PurchasePrice, QStringLiteral("PurchasePrice"), Kind::Amount);
    bind(Ed_PurchaseValue, QStringLiteral("PurchaseValue"), Kind::Amount);
    bind(Ed_DrinkYearBegin, QStringLiteral("DrinkYearBegin"), Kind::Whole);
    bind(Ed_DrinkYearEnd, QStringLiteral("DrinkYearEnd"), Kind::Whole);
    bind(Ed_BestYearBegin, QStringLiteral("BestYearBegin"), Kind::Whole);
    bind(Ed_BestYearEnd, QStringLiteral("BestYearEnd"), Kind::Whole);
    bind(Ed_Location, QStringLiteral("Location"), Kind::Text);
    connect(Ed_Remark1, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loading)
            return;
        m_data.Bottle.ensureEditing();
        m_data.Bottle.setValue(QStringLiteral("Remark1"), Ed_Remark1->toPlainText());
    });

    const std::pair<QToolButton *, QLineEdit *> years[] = {{Btn_DrinkYearBegin, Ed_DrinkYearBegin},
                                                           {Btn_DrinkYearEnd, Ed_DrinkYearEnd},
                                                           {Btn_BestYearBegin, Ed_BestYearBegin},
                                                           {Btn_BestYearEnd, Ed_BestYearEnd}};
    for (auto [button, yearBox] : years)
        connect(button, &QToolButton::clicked, this, [this, b = yearBox] { pickYear(b, 1990); });
    connect(Btn_Vintage, &QToolButton::clicked, this, [this] { pickYear(Ed_Vintage, 1900); });
    connect(Btn_Format, &QToolButton::clicked, this, &TEnterBottle::pickFormat);
    connect(Btn_PurchaseDate, &QToolButton::clicked, this, &TEnterBottle::pickDate);
    connect(Btn_Compagny, &QToolButton::clicked, this, &TEnterBottle::pickSupplier);
    connect(Btn_Location_Delete, &QToolButton::clicked, this, &TEnterBottle::deleteLocation);
    for (QLineEdit *b : {Ed_Vintage, Ed_DrinkYearBegin, Ed_DrinkYearEnd, Ed_BestYearBegin, Ed_BestYearEnd, Ed_Format,
                         Ed_PurchaseDate, Ed_Compagny})
        b->installEventFilter(this);
    connect(Btn_Ok, &QPushButton::clicked, this, [this] {
        m_data.Bottle.postIfEditing();
        done(1);
    });
    connect(Btn_Cancel, &QPushButton::clicked, this, &TEnterBottle::reject);

    // Shared with the wine editor's custom captions; the page itself is not shown.
    m_data.customCaptions(m_data.currentDossier());
}

void TEnterBottle::bind(QLineEdit *b, const QString &field, Kind kind)
{
    m_bound.append({b, field, kind});
    connect(b, &QLineEdit::textChanged, this, [this, i = m_bound.size() - 1] {
        if (m_loading)
            return;
        write(m_bound.at(i));
        refreshOk();
    });
    if (kind == Kind::Amount)
        connect(b, &QLineEdit::editingFinished, this, [this, b] {
            const QString shown = bottle::amountText(bottle::amount(b->text()));
            if (!shown.isEmpty() && shown != b->text()) {
                m_loading = true;
                b->setText(shown);
                m_loading = false;
            }
        });
}

void TEnterBottle::write(const Bound &b)
{
    Dataset &ds = m_data.Bottle;
    const QString text = b.box->text();
    QVariant value;
    switch (b.kind) {
    case Kind::Text: value = text; break;
    case Kind::Whole: value = bottle::wholeNumber(text); break;
    case Kind::Amount: value = bottle::amount(text); break;
    case Kind::Date: value = bottle::date(text); break;
    }
    ds.ensureEditing();
    ds.setValue(b.field, value);
}

void TEnterBottle::load()
{
    const Dataset &ds = m_data.Bottle;
    m_loading = true;
    for (const Bound &b : m_bound) {
        const QVariant v = ds.value(b.field);
        switch (b.kind) {
        case Kind::Text: b.box->setText(v.toString()); break;
        case Kind::Whole: b.box->setText(v.isNull() ? QString() : QString::number(v.toLongLong())); break;
        case Kind::Amount: b.box->setText(bottle::amountText(v)); break;
        case Kind::Date: b.box->setText(bottle::dateText(v)); break;
        }
    }
    Ed_Remark1->setPlainText(ds.text(QStringLiteral("Remark1")));
    m_loading = false;
    refreshMoney();
}

void TEnterBottle::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_showing)
        return;
    load();
    m_supplierChoices = {QStringLiteral("-1")};
    Ed_Compagny->clear();
    Ed_Compagny->setProperty("tag", 0);
    Dataset &ds = m_data.Bottle;
    const qint64 supplier = ds.integer(QStringLiteral("Id_PurchaseCompagny"), -1);
    const QVariant title =
        supplier >= 0 ? m_data.ADOConnection1.scalar(QStringLiteral("SELECT Title FROM COMPAGNY WHERE ID=") + QString::number(supplier))
                      : QVariant();
    if (!title.isValid() || title.isNull()) {
        if (ds.isNull(QStringLiteral("Id_PurchaseCompagny")) || supplier >= 0) {
            ds.ensureEditing();
            ds.setValue(QStringLiteral("Id_PurchaseCompagny"), -1);
        }
    } else {
        Ed_Compagny->setText(title.toString());
    }
    refreshOk();
    m_showing = false;
}

bool TEnterBottle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Ed_Compagny && event->type() == QEvent::DynamicPropertyChange
        && static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == "tag" && !m_showing) {
        const int index = Ed_Compagny->property("tag").toInt();
        if (index >= 0 && index < m_supplierChoices.size()) {
            m_data.Bottle.ensureEditing();
            m_data.Bottle.setValue(QStringLiteral("Id_PurchaseCompagny"), m_supplierChoices.at(index).toLongLong());
        }
        return false;
    }
    if (watched == Ed_Format && event->type() == QEvent::MouseButtonDblClick) {
        TTreeMisc organiser(m_data, this);
        organiser.exec();
        return true;
    }
    if (isEnter(event)) {
        if (watched == Ed_Vintage)
            pickYear(Ed_Vintage, 1900);
        else if (watched == Ed_Format)
            pickFormat();
        else if (watched == Ed_PurchaseDate)
            pickDate();
        else if (watched == Ed_Compagny)
            pickSupplier();
        else if (watched == Ed_DrinkYearBegin || watched == Ed_DrinkYearEnd || watched == Ed_BestYearBegin
                 || watched == Ed_BestYearEnd)
            pickYear(static_cast<QLineEdit *>(watched), 1990);
        else
            return QDialog::eventFilter(watched, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEnterBottle::refreshOk()
{
    Btn_Ok->setEnabled(bottle::quantityAccepted(Ed_Quantity->text()));
}

void TEnterBottle::refreshMoney()
{
    Lab_PurchasePrice_Money->setText(m_currency);
    Lab_PurchaseValue_Money->setText(m_currency);
}

void TEnterBottle::pickYear(QLineEdit *b, int first)
{
    m_data.Bottle.ensureEditing();
    PickValue(b, false, QStringLiteral("\r") + NumberList(first, 2099));
}

void TEnterBottle::pickFormat()
{
    m_data.Bottle.ensureEditing();
    PickTreeValue(m_data.ADOConnection1, Ed_Format, QStringLiteral("Format"));
}

void TEnterBottle::pickDate()
{
    m_data.Bottle.ensureEditing();
    PickDate(Ed_PurchaseDate, &m_data.Bottle, QStringLiteral("PurchaseDate"));
}

void TEnterBottle::pickSupplier()
{
    m_data.Bottle.ensureEditing();
    Dataset &q = m_data.Query;
    q.close();
    q.setSqlText(QStringLiteral("SELECT Id, Title FROM COMPAGNY WHERE CoType=1 ORDER BY Title"));
    q.open();
    m_supplierChoices = {QStringLiteral("-1")};
    QString entries = QStringLiteral("\r");
    for (q.first(); !q.eof(); q.next()) {
        m_supplierChoices << QString::number(q.integer(QStringLiteral("Id")));
        entries += q.text(QStringLiteral("Title")) + u'\r';
    }
    q.close();
    PickValue(Ed_Compagny, false, entries);
}

void TEnterBottle::deleteLocation()
{
    if (!prompt::question(QStringLiteral("Désirez-vous supprimer la localisation ?")))
        return;
    m_data.Bottle.ensureEditing();
    Ed_Location->clear();
    m_data.Bottle.setValue(QStringLiteral("Location"), QString());
    refreshOk();
}

void TEnterBottle::reject()
{
    Dataset &ds = m_data.Bottle;
    if (m_newRow) {
        if (ds.isEditing())
            ds.cancel();
        ds.remove();
    } else {
        ds.cancel();
    }
    done(2);
}

// --- TEnterPeriod ---------------------------------------------------------

TEnterPeriod::TEnterPeriod(const QString &from, const QString &to, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TEnterPeriod"));
    setWindowTitle(QStringLiteral("  Période"));
    Ed_Begin = box(this, "Ed_Begin", 90, true);
    Ed_End = box(this, "Ed_End", 90, true);
    Btn_Begin = dropButton(this, "Btn_Begin", QStringLiteral("…"));
    Btn_End = dropButton(this, "Btn_End", QStringLiteral("…"));
    Btn_Ok = dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok"));
    Btn_Cancel = dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler"));
    for (QPushButton *b : {Btn_Ok, Btn_Cancel})
        b->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Du"), this), 0, 0);
    grid->addLayout(row({Ed_Begin, Btn_Begin}), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Au"), this), 1, 0);
    grid->addLayout(row({Ed_End, Btn_End}), 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));

    Ed_Begin->setText(from);
    Ed_End->setText(to);
    for (QLineEdit *b : {Ed_Begin, Ed_End}) {
        b->installEventFilter(this);
        connect(b, &QLineEdit::textChanged, this, &TEnterPeriod::refreshOk);
    }
    connect(Btn_Begin, &QToolButton::clicked, this, [this] { PickDate(Ed_Begin); });
    connect(Btn_End, &QToolButton::clicked, this, [this] { PickDate(Ed_End); });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { done(2); });
    refreshOk();
}

QString TEnterPeriod::from() const { return Ed_Begin->text(); }
QString TEnterPeriod::to() const { return Ed_End->text(); }

bool TEnterPeriod::eventFilter(QObject *watched, QEvent *event)
{
    if (isEnter(event) && (watched == Ed_Begin || watched == Ed_End)) {
        PickDate(static_cast<QLineEdit *>(watched));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEnterPeriod::refreshOk()
{
    Btn_Ok->setEnabled(bottle::periodAccepted(Ed_Begin->text(), Ed_End->text()));
}
