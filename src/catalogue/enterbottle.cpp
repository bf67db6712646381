#include "enterbottle.h"

#include "bottlelogic.h"
#include "fieldbinding.h"
#include "treemisc.h"
#include "valuelists.h"
#include "platform/prompt.h"
#include "shell/dialogbutton.h"
#include "shell/formboxes.h"
#include "shell/pickdialogs.h"
#include "shell/picklogic.h"
#include "shell/strlist.h"
#include "storage/datamodule.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TEnterBottle::TEnterBottle(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TEnterBottle"));
    setWindowTitle(QStringLiteral("  Saisie de bouteille(s)"));

    Ed_Code = lineBox(this, "Ed_Code", 160);
    Ed_Quantity = lineBox(this, "Ed_Quantity", 60);
    Ed_Vintage = lineBox(this, "Ed_Vintage", 60);
    Btn_Vintage = dropButton(this, "Btn_Vintage");
    Ed_Format = lineBox(this, "Ed_Format", 160, true);
    Btn_Format = dropButton(this, "Btn_Format");
    Ed_PurchaseDate = lineBox(this, "Ed_PurchaseDate", 90);
    Ed_PurchaseDate->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
    Btn_PurchaseDate = dropButton(this, "Btn_PurchaseDate", QStringLiteral("…"));
    Ed_Compagny = lineBox(this, "Ed_Compagny", 0, true);
    Btn_Compagny = dropButton(this, "Btn_Compagny");
    Ed_PurchasePrice = lineBox(this, "Ed_PurchasePrice", 90);
    Ed_PurchaseValue = lineBox(this, "Ed_PurchaseValue", 90);
    for (QLineEdit *b : {Ed_Quantity, Ed_Vintage, Ed_PurchasePrice, Ed_PurchaseValue})
        b->setAlignment(Qt::AlignRight);
    // The boxes hold the edit format; the symbol beside them completes the money format.
    Lab_PurchasePrice_Money = new QLabel(this);
    Lab_PurchasePrice_Money->setObjectName(QStringLiteral("Lab_PurchasePrice_Money"));
    Lab_PurchaseValue_Money = new QLabel(this);
    Lab_PurchaseValue_Money->setObjectName(QStringLiteral("Lab_PurchaseValue_Money"));
    Ed_DrinkYearBegin = lineBox(this, "Ed_DrinkYearBegin", 60);
    Btn_DrinkYearBegin = dropButton(this, "Btn_DrinkYearBegin");
    Ed_DrinkYearEnd = lineBox(this, "Ed_DrinkYearEnd", 60);
    Btn_DrinkYearEnd = dropButton(this, "Btn_DrinkYearEnd");
    Ed_BestYearBegin = lineBox(this, "Ed_BestYearBegin", 60);
    Btn_BestYearBegin = dropButton(this, "Btn_BestYearBegin");
    Ed_BestYearEnd = lineBox(this, "Ed_BestYearEnd", 60);
    Btn_BestYearEnd = dropButton(this, "Btn_BestYearEnd");
    Ed_Remark1 = new QPlainTextEdit(this);
    Ed_Remark1->setObjectName(QStringLiteral("Ed_Remark1"));
    Ed_Remark1->setTabChangesFocus(true);
    Ed_Remark1->setFixedHeight(70);
    Ed_Location = lineBox(this, "Ed_Location", 0, true);
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
    line(QStringLiteral("Code"), boxRow({Ed_Code}));
    line(QStringLiteral("Quantité"), boxRow({Ed_Quantity}));
    line(QStringLiteral("Millésime"), boxRow({Ed_Vintage, Btn_Vintage}));
    line(QStringLiteral("Format"), boxRow({Ed_Format, Btn_Format}));
    line(QStringLiteral("Date d'achat"), boxRow({Ed_PurchaseDate, Btn_PurchaseDate}));
    line(QStringLiteral("Fournisseur"), boxRow({Ed_Compagny, Btn_Compagny}, false));
    line(QStringLiteral("Prix d'achat (Unit.)"), boxRow({Ed_PurchasePrice, Lab_PurchasePrice_Money}));
    line(QStringLiteral("Valeur estimée (Unit.)"), boxRow({Ed_PurchaseValue, Lab_PurchaseValue_Money}));
    line(QStringLiteral("Boire de"),
         boxRow({Ed_DrinkYearBegin, Btn_DrinkYearBegin, new QLabel(QStringLiteral("  à "), this), Ed_DrinkYearEnd, Btn_DrinkYearEnd}));
    line(QStringLiteral("Apogé de "),
         boxRow({Ed_BestYearBegin, Btn_BestYearBegin, new QLabel(QStringLiteral("  à "), this), Ed_BestYearEnd, Btn_BestYearEnd}));
    line(QStringLiteral("Localisation"), boxRow({Ed_Location, Btn_Location_Select, Btn_Location_Delete}, false));
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

    using Kind = FieldBinding::Kind;
    m_fields = new FieldBinding(m_data.Bottle, this);
    m_fields->bind(Ed_Code, QStringLiteral("Code"), Kind::Text);
    m_fields->bind(Ed_Quantity, QStringLiteral("Quantity"), Kind::Whole);
    m_fields->bind(Ed_Vintage, QStringLiteral("Vintage"), Kind::Whole);
    m_fields->bind(Ed_Format, QStringLiteral("Format"), Kind::Text);
    m_fields->bind(Ed_PurchaseDate, QStringLiteral("PurchaseDate"), Kind::Date);
    m_fields->bind(Ed_PurchasePrice, QStringLiteral("PurchasePrice"), Kind::Number, 2);
    m_fields->bind(Ed_PurchaseValue, QStringLiteral("PurchaseValue"), Kind::Number, 2);
    m_fields->bind(Ed_DrinkYearBegin, QStringLiteral("DrinkYearBegin"), Kind::Whole);
    m_fields->bind(Ed_DrinkYearEnd, QStringLiteral("DrinkYearEnd"), Kind::Whole);
    m_fields->bind(Ed_BestYearBegin, QStringLiteral("BestYearBegin"), Kind::Whole);
    m_fields->bind(Ed_BestYearEnd, QStringLiteral("BestYearEnd"), Kind::Whole);
    m_fields->bind(Ed_Location, QStringLiteral("Location"), Kind::Text);
    m_fields->bind(Ed_Remark1, QStringLiteral("Remark1"));
    m_fields->changed = [this] { refreshOk(); };

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

void TEnterBottle::load()
{
    m_fields->load();
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
        try {
            m_fields->followStoredChanges([this] {
                TTreeMisc organiser(m_data, this);
                organiser.exec();
            });
        } catch (const DbError &e) {
            prompt::error(e.message());
        }
        return true;
    }
    if (isEnterKey(event)) {
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
    Ed_Begin = lineBox(this, "Ed_Begin", 90, true);
    Ed_End = lineBox(this, "Ed_End", 90, true);
    Btn_Begin = dropButton(this, "Btn_Begin", QStringLiteral("…"));
    Btn_End = dropButton(this, "Btn_End", QStringLiteral("…"));
    Btn_Ok = dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok"));
    Btn_Cancel = dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler"));
    for (QPushButton *b : {Btn_Ok, Btn_Cancel})
        b->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Du"), this), 0, 0);
    grid->addLayout(boxRow({Ed_Begin, Btn_Begin}), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Au"), this), 1, 0);
    grid->addLayout(boxRow({Ed_End, Btn_End}), 1, 1);
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
    if (isEnterKey(event) && (watched == Ed_Begin || watched == Ed_End)) {
        PickDate(static_cast<QLineEdit *>(watched));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEnterPeriod::refreshOk()
{
    Btn_Ok->setEnabled(bottle::periodAccepted(Ed_Begin->text(), Ed_End->text()));
}
