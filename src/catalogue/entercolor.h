#pragma once
#include "colours.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class TDataModule1;

// TEnterColor: the shared list of wine colours. Browsing shows the selected
// colour; " &Modifier" edits it until " &Ok" stores it or " &Annuler"
// drops it. Every change is stored at once; closes with result 2.
class TEnterColor : public QDialog
{
    Q_OBJECT
public:
    explicit TEnterColor(TDataModule1 &data, QWidget *parent = nullptr);

    static constexpr int kClosed = 2;

    bool editing() const { return m_editing; }
    qint64 selectedId() const;

    QListWidget *List_Color;
    QGroupBox *Pan_Edit;
    QLineEdit *Ed_Title;
    QPushButton *Btn_BackGroundColor, *Btn_TextColor;
    QSlider *TrackBar_Intensity;
    QLabel *Lab_Intensity, *Img_Preview;
    QPushButton *Btn_Add, *Btn_Modify, *Btn_Delete, *Btn_Ok, *Btn_Cancel, *Btn_Close;

    // Escape drops a pending edit first, then closes like " &Fermer".
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadList();
    void showSelection();
    void updateCommands();
    void setEditing(bool on);
    void redrawPreview();
    void setSwatch(QPushButton *button, const QColor &color);
    void pickColour(QPushButton *button, QColor &color, const QString &title);

    void Btn_ModifyClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_AddClick();
    void Btn_DeleteClick();
    void Ed_TitleChange(const QString &text);

    TDataModule1 &m_data;
    QColor m_background, m_text;
    QString m_oldTitle;
    bool m_editing = false;
    bool m_loading = false;
    bool m_shown = false;
};
