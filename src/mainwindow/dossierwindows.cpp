#include "dossierwindows.h"

#include "platform/dataset.h"
#include "platform/prompt.h"
#include "shell/dialogbutton.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void setUp(QDialog *d, const char *name, const QString &title)
{
    d->setObjectName(QLatin1String(name));
    d->setWindowTitle(title.trimmed());
    d->setModal(true);
}

} // namespace

// --- TFileList -------------------------------------------------------------

TFileList::TFileList(const QList<dossiers::Entry> &entries, QWidget *parent)
    : QDialog(parent)
    , List_Files(new QListWidget(this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
    , Btn_Close(dialogButton(this, "Btn_Close", QStringLiteral(" &Fermer")))
    , m_entries(entries)
{
    setUp(this, "TFileList", QStringLiteral("  Liste des dossiers"));
    List_Files->setObjectName(QStringLiteral("List_Files"));
    List_Files->setUniformItemSizes(true);
    List_Files->setStyleSheet(QStringLiteral("QListWidget::item { padding: 4px 6px; }"));
    for (const auto &e : entries)
        List_Files->addItem(e.name);
    if (List_Files->count() > 0)
        List_Files->setCurrentRow(0);

    Btn_Ok->setDefault(true);
    Btn_Ok->setEnabled(List_Files->currentItem() != nullptr);
    connect(List_Files, &QListWidget::currentRowChanged, this, [this](int row) { Btn_Ok->setEnabled(row >= 0); });
    connect(List_Files, &QListWidget::itemDoubleClicked, this, [this] {
        if (Btn_Ok->isEnabled())
            accept();
    });
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(List_Files);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel, Btn_Close}));
    resize(400, 300);
}

dossiers::Entry TFileList::chosen() const
{
    const int row = List_Files->currentRow();
    return row >= 0 && row < m_entries.size() ? m_entries[row] : dossiers::Entry{};
}

// --- TEnterFile ------------------------------------------------------------

TEnterFile::TEnterFile(Dataset &row, QWidget *parent)
    : QDialog(parent)
    , Ed_Name(new QLineEdit(this))
    , Ed_Password(new QLineEdit(this))
    , Ed_Owner(new QLineEdit(this))
    , Ed_Comment(new QPlainTextEdit(this))
    , Chk_NoPassword(new QCheckBox(QStringLiteral("Supprimer le mot de passe"), this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
    , m_row(row)
{
    setUp(this, "TEnterFile", QStringLiteral("  Dossier"));
    Ed_Name->setObjectName(QStringLiteral("Ed_Name"));
    Ed_Password->setObjectName(QStringLiteral("Ed_Password"));
    Ed_Owner->setObjectName(QStringLiteral("Ed_Owner"));
    Ed_Comment->setObjectName(QStringLiteral("Ed_Comment"));
    Ed_Comment->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Ed_Comment->setTabChangesFocus(true);
    Ed_Comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Chk_NoPassword->setObjectName(QStringLiteral("Chk_NoPassword"));
    for (QLineEdit *e : {Ed_Name, Ed_Owner, Ed_Password})
        e->setMaxLength(128);

    Ed_Name->setText(row.text(QStringLiteral("LoginName")));
    Ed_Owner->setText(row.text(QStringLiteral("FullName")));
    Ed_Comment->setPlainText(row.text(QStringLiteral("Color")));
    const bool hasPassword = !row.text(QStringLiteral("LoginPassword")).isEmpty();
    // The stored value is a hash: never shown, only replaced or removed.
    Ed_Password->setPlaceholderText(hasPassword ? QStringLiteral("inchangé") : QStringLiteral("aucun"));
    Chk_NoPassword->setVisible(hasPassword);
    connect(Chk_NoPassword, &QCheckBox::toggled, this, [this](bool on) {
        Ed_Password->setEnabled(!on);
        if (on)
            Ed_Password->clear();
    });

    Btn_Ok->setDefault(true);
    const auto update = [this] { Btn_Ok->setEnabled(!Ed_Name->text().trimmed().isEmpty()); };
    connect(Ed_Name, &QLineEdit::textChanged, this, update);
    update();
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("Dossier :"), Ed_Name);
    form->addRow(QStringLiteral("Mot de passe :"), Ed_Password);
    if (hasPassword)
        form->addRow(QString(), Chk_NoPassword);
    form->addRow(QStringLiteral("Propriétaire :"), Ed_Owner);
    form->addRow(QStringLiteral("Observations :"), Ed_Comment);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(form, 1);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    resize(460, 320);
}

void TEnterFile::accept()
{
    if (!Btn_Ok->isEnabled())
        return;
    try {
        m_row.ensureEditing();
        m_row.setValue(QStringLiteral("LoginName"), Ed_Name->text());
        m_row.setValue(QStringLiteral("FullName"), Ed_Owner->text());
        m_row.setValue(QStringLiteral("Color"), Ed_Comment->toPlainText());
        if (Chk_NoPassword->isChecked())
            m_row.setValue(QStringLiteral("LoginPassword"), QString());
        else if (!Ed_Password->text().isEmpty())
            m_row.setValue(QStringLiteral("LoginPassword"), dossiers::hashPassword(Ed_Password->text()));
        m_row.post();
    } catch (const DbError &e) {
        prompt::error(e.message());
        return;
    }
    QDialog::accept();
}

void TEnterFile::reject()
{
    m_row.cancel();
    QDialog::reject();
}

// --- TEnterPassWord --------------------------------------------------------

TEnterPassWord::TEnterPassWord(QWidget *parent)
    : QDialog(parent)
    , Ed_Password(new QLineEdit(this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
{
    setUp(this, "TEnterPassWord", QStringLiteral("  Identification"));
    Ed_Password->setObjectName(QStringLiteral("Ed_Password"));
    Ed_Password->setEchoMode(QLineEdit::Password);
    Ed_Password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Ed_Password->setMinimumWidth(240);

    Btn_Ok->setDefault(true);
    Btn_Ok->setEnabled(false);
    connect(Ed_Password, &QLineEdit::textChanged, this, [this](const QString &t) { Btn_Ok->setEnabled(!t.isEmpty()); });
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *label = new QLabel(QStringLiteral("Saisssez le mot de passe :"), this);
    label->setBuddy(Ed_Password);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(label);
    layout->addWidget(Ed_Password);
    layout->addSpacing(6);
    layout->addLayout(buttonRow({Btn_Ok, Btn_Cancel}));
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

QString TEnterPassWord::password() const
{
    return Ed_Password->text();
}
