#include "entercolor.h"

#include "platform/prompt.h"
#include "shell/tint.h"
#include "storage/datamodule.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewSize = 180;
constexpr int kIconSize = 28;

QPushButton *button(QWidget *owner, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, owner);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// Colours stay readable while their control is disabled.
QIcon vivid(const QPixmap &pixmap)
{
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Disabled);
    return icon;
}

QIcon swatchIcon(const QColor &color, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.end();
    return vivid(pixmap);
}

QIcon glassIcon(const QColor &background, int intensity)
{
    return vivid(QPixmap::fromImage(tintPicture(glassPicture(kIconSize), background, intensity)));
}

} // namespace

TEnterColor::TEnterColor(TDataModule1 &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TEnterColor"));
    setWindowTitle(QStringLiteral("  Gestion des couleurs"));
    setModal(true);

    // Left: the colours with their swatches and the list commands.
    List_Color = new QListWidget(this);
    List_Color->setObjectName(QStringLiteral("List_Color"));
    List_Color->setIconSize(QSize(kIconSize, kIconSize));
    List_Color->setSpacing(1);
    List_Color->setMinimumWidth(200);
    List_Color->setUniformItemSizes(true);
    Btn_Add = button(this, "Btn_Add", QStringLiteral(" &Ajouter"));
    Btn_Modify = button(this, "Btn_Modify", QStringLiteral(" &Modifier"));
    Btn_Delete = button(this, "Btn_Delete", QStringLiteral(" &Supprimer"));
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(Btn_Add);
    listButtons->addWidget(Btn_Modify);
    listButtons->addWidget(Btn_Delete);
    auto *left = new QVBoxLayout;
    auto *listCaption = new QLabel(QStringLiteral("Couleurs"), this);
    QFont bold = listCaption->font();
    bold.setBold(true);
    listCaption->setFont(bold);
    left->addWidget(listCaption);
    left->addWidget(List_Color, 1);
    left->addLayout(listButtons);

    // Right: the editor and its preview.
    Pan_Edit = new QGroupBox(QStringLiteral("Couleur"), this);
    Pan_Edit->setObjectName(QStringLiteral("Pan_Edit"));
    Ed_Title = new QLineEdit(Pan_Edit);
    Ed_Title->setObjectName(QStringLiteral("Ed_Title"));
    Ed_Title->setMaxLength(128);
    Btn_BackGroundColor = button(Pan_Edit, "Btn_BackGroundColor", QStringLiteral(" Couleur du fond"));
    Btn_TextColor = button(Pan_Edit, "Btn_TextColor", QStringLiteral(" Couleur des caractères"));
    for (QPushButton *b : {Btn_BackGroundColor, Btn_TextColor}) {
        b->setIconSize(QSize(36, 16));
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
    }
    TrackBar_Intensity = new QSlider(Qt::Horizontal, Pan_Edit);
    TrackBar_Intensity->setObjectName(QStringLiteral("TrackBar_Intensity"));
    TrackBar_Intensity->setRange(colours::kMinIntensity, colours::kMaxIntensity);
    TrackBar_Intensity->setSingleStep(1);
    TrackBar_Intensity->setPageStep(10);
    TrackBar_Intensity->setTickPosition(QSlider::TicksBelow);
    TrackBar_Intensity->setTickInterval(50);
    Lab_Intensity = new QLabel(Pan_Edit);
    Lab_Intensity->setObjectName(QStringLiteral("Lab_Intensity"));
    Lab_Intensity->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-150")) + 6);
    Lab_Intensity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *slider = new QHBoxLayout;
    slider->addWidget(TrackBar_Intensity, 1);
    slider->addWidget(Lab_Intensity);

    auto *previewBox = new QGroupBox(QStringLiteral(" Rendu "), Pan_Edit);
    Img_Preview = new QLabel(previewBox);
    Img_Preview->setObjectName(QStringLiteral("Img_Preview"));
    Img_Preview->setAlignment(Qt::AlignCenter);
    Img_Preview->setFixedSize(kPreviewSize + 16, kPreviewSize + 16);
    Img_Preview->setStyleSheet(QStringLiteral("background: #EEEEEE; border: 1px solid #cfc8bf; border-radius: 6px;"));
    auto *previewLayout = new QHBoxLayout(previewBox);
    previewLayout->addStretch();
    previewLayout->addWidget(Img_Preview);
    previewLayout->addStretch();

    Btn_Ok = button(Pan_Edit, "Btn_Ok", QStringLiteral(" &Ok"));
    Btn_Cancel = button(Pan_Edit, "Btn_Cancel", QStringLiteral(" &Annuler"));
    auto *editButtons = new QHBoxLayout;
    editButtons->addStretch();
    editButtons->addWidget(Btn_Ok);
    editButtons->addWidget(Btn_Cancel);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Titre"), Ed_Title);
    form->addRow(QString(), Btn_BackGroundColor);
    form->addRow(QString(), Btn_TextColor);
    form->addRow(QStringLiteral("Intensité"), slider);
    auto *editLayout = new QVBoxLayout(Pan_Edit);
    editLayout->addLayout(form);
    editLayout->addWidget(previewBox, 1);
    editLayout->addLayout(editButtons);

    Btn_Close = button(this, "Btn_Close", QStringLiteral(" &Fermer"));
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(Pan_Edit, 3);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Btn_Close);
    auto *root = new QVBoxLayout(this);
    root->addLayout(columns, 1);
    root->addLayout(bottom);
    resize(600, 480);

    connect(List_Color, &QListWidget::currentRowChanged, this, [this] {
        if (!m_loading && !m_editing)
            showSelection();
    });
    connect(List_Color, &QListWidget::itemDoubleClicked, this, [this] {
        if (Btn_Modify->isEnabled())
            Btn_ModifyClick();
    });
    connect(Btn_Modify, &QPushButton::clicked, this, &TEnterColor::Btn_ModifyClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TEnterColor::Btn_OkClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TEnterColor::Btn_CancelClick);
    connect(Btn_Add, &QPushButton::clicked, this, &TEnterColor::Btn_AddClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TEnterColor::Btn_DeleteClick);
    connect(Btn_Close, &QPushButton::clicked, this, [this] { done(kClosed); });
    connect(Ed_Title, &QLineEdit::textChanged, this, &TEnterColor::Ed_TitleChange);
    connect(Ed_Title, &QLineEdit::returnPressed, this, [this] {
        if (m_editing)
            Btn_OkClick();
    });
    connect(TrackBar_Intensity, &QSlider::valueChanged, this, &TEnterColor::redrawPreview);
    connect(Btn_BackGroundColor, &QPushButton::clicked, this,
            [this] { pickColour(Btn_BackGroundColor, m_background, QStringLiteral("Couleur du fond")); });
    connect(Btn_TextColor, &QPushButton::clicked, this,
            [this] { pickColour(Btn_TextColor, m_text, QStringLiteral("Couleur des caractères")); });

    m_background = colours::kNewBackground;
    m_text = Qt::white;
    setSwatch(Btn_BackGroundColor, m_background);
    setSwatch(Btn_TextColor, m_text);
    setEditing(false);
}

void TEnterColor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    loadList();
    showSelection();
}

void TEnterColor::reject()
{
    if (m_editing)
        Btn_CancelClick();
    else
        done(kClosed);
}

qint64 TEnterColor::selectedId() const
{
    const QListWidgetItem *item = List_Color->currentItem();
    return item ? item->data(Qt::UserRole).toLongLong() : -1;
}

void TEnterColor::loadList()
{
    m_loading = true;
    List_Color->clear();
    for (const colours::Entry &e : colours::list(m_data)) {
        auto *item = new QListWidgetItem(glassIcon(e.background, e.intensity), e.title, List_Color);
        item->setData(Qt::UserRole, e.id);
    }
    List_Color->setCurrentRow(List_Color->count() > 0 ? 0 : -1);
    m_loading = false;
    updateCommands();
}

void TEnterColor::showSelection()
{
    const colours::Colour c = colours::load(m_data, selectedId());
    if (c.id < 0)
        return;
    Ed_Title->setText(c.title);
    m_background = c.background;
    m_text = c.text;
    setSwatch(Btn_BackGroundColor, m_background);
    setSwatch(Btn_TextColor, m_text);
    TrackBar_Intensity->setValue(c.intensity);
    redrawPreview();
}

void TEnterColor::updateCommands()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Ed_Title, Btn_BackGroundColor, Btn_TextColor, TrackBar_Intensity,
                                                       Btn_Ok, Btn_Cancel})
        w->setEnabled(m_editing);
    List_Color->setEnabled(!m_editing);
    const bool selected = List_Color->currentItem() != nullptr;
    Btn_Add->setEnabled(!m_editing);
    Btn_Modify->setEnabled(selected && !m_editing);
    Btn_Delete->setEnabled(selected && !m_editing);
}

void TEnterColor::setEditing(bool on)
{
    m_editing = on;
    updateCommands();
}

void TEnterColor::redrawPreview()
{
    const int intensity = TrackBar_Intensity->value();
    Lab_Intensity->setText(QString::number(intensity));
    Img_Preview->setPixmap(QPixmap::fromImage(colours::preview(m_background, intensity, kPreviewSize)));
    // The entry's swatch follows what is being edited.
    if (m_editing)
        if (QListWidgetItem *item = List_Color->currentItem())
            item->setIcon(glassIcon(m_background, intensity));
}

void TEnterColor::setSwatch(QPushButton *button, const QColor &color)
{
    button->setIcon(swatchIcon(color, button->iconSize()));
    button->setToolTip(color.name().toUpper());
}

void TEnterColor::pickColour(QPushButton *button, QColor &color, const QString &title)
{
    const QColor chosen = prompt::chooseColor(title, color);
    if (chosen.isValid())
        color = chosen;
    setSwatch(button, color);
    redrawPreview();
}

void TEnterColor::Btn_ModifyClick()
{
    if (!Btn_Modify->isEnabled())
        return;
    m_oldTitle = Ed_Title->text();
    setEditing(true);
    Ed_Title->setFocus();
    Ed_Title->selectAll();
}

void TEnterColor::Btn_OkClick()
{
    setEditing(false);
    const colours::Colour c{selectedId(), Ed_Title->text(), m_background, m_text, TrackBar_Intensity->value()};
    try {
        colours::save(m_data, c, m_oldTitle);
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("La couleur n'a pas pu être enregistrée.\n") + e.message());
        showSelection();
    }
    List_Color->setFocus();
}

void TEnterColor::Btn_CancelClick()
{
    setEditing(false);
    showSelection();
    if (QListWidgetItem *item = List_Color->currentItem())
        item->setIcon(glassIcon(m_background, TrackBar_Intensity->value()));
    List_Color->setFocus();
}

void TEnterColor::Btn_AddClick()
{
    try {
        colours::add(m_data);
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("La couleur n'a pas pu être ajoutée.\n") + e.message());
    }
    loadList();
    m_loading = true;
    List_Color->setCurrentRow(List_Color->count() - 1);
    m_loading = false;
    updateCommands();
    showSelection();
}

void TEnterColor::Btn_DeleteClick()
{
    const int row = List_Color->currentRow();
    if (row < 0)
        return;
    if (!colours::deletable(row)) {
        prompt::information(QStringLiteral("Les 3 premieres couleurs ne peuvent pas être modifiés ni supprimés."));
        return;
    }
    if (!prompt::question(QStringLiteral("Désirez-vous supprimer cette couleur ?")))
        return;
    try {
        colours::remove(m_data, selectedId(), Ed_Title->text());
    } catch (const DbError &e) {
        prompt::error(QStringLiteral("La couleur n'a pas pu être supprimée.\n") + e.message());
    }
    loadList();
    showSelection();
}

void TEnterColor::Ed_TitleChange(const QString &text)
{
    if (QListWidgetItem *item = List_Color->currentItem(); item && item->text() != text)
        item->setText(text);
    redrawPreview();
}
