#include "promptdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(prompt::Icon icon)
{
    switch (icon) {
    case prompt::Icon::Warning: return QMessageBox::Warning;
    case prompt::Icon::Error: return QMessageBox::Critical;
    case prompt::Icon::Question: return QMessageBox::Question;
    case prompt::Icon::Information: break;
    }
    return QMessageBox::Information;
}

constexpr std::pair<int, QMessageBox::StandardButton> kButtons[] = {
    {prompt::Ok, QMessageBox::Ok}, {prompt::Yes, QMessageBox::Yes}, {prompt::No, QMessageBox::No}, {prompt::Cancel, QMessageBox::Cancel}};

} // namespace

int PromptDialogs::show(const prompt::Message &message)
{
    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::NoButton, QApplication::activeWindow());
    for (const auto &[ours, theirs] : kButtons) {
        if (!(message.buttons & ours))
            continue;
        QAbstractButton *b = box.addButton(theirs);
        if (theirs == QMessageBox::Yes)
            b->setText(QStringLiteral("&Oui"));
        else if (theirs == QMessageBox::No)
            b->setText(QStringLiteral("&Non"));
        else if (theirs == QMessageBox::Cancel)
            b->setText(QStringLiteral("&Annuler"));
        if (ours == message.defaultButton)
            box.setDefaultButton(theirs);
    }
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto &[ours, theirs] : kButtons)
        if (pressed == theirs)
            return ours;
    return message.buttons & prompt::Cancel ? prompt::Cancel : message.buttons & prompt::No ? prompt::No : prompt::Ok;
}

QString PromptDialogs::chooseFile(const prompt::FileRequest &r)
{
    QWidget *parent = QApplication::activeWindow();
    switch (r.kind) {
    case prompt::FileKind::Open: return QFileDialog::getOpenFileName(parent, r.title, r.directory, r.filter);
    case prompt::FileKind::Save: return QFileDialog::getSaveFileName(parent, r.title, r.directory, r.filter);
    case prompt::FileKind::Directory: return QFileDialog::getExistingDirectory(parent, r.title, r.directory);
    }
    return {};
}

QColor PromptDialogs::chooseColor(const QString &title, const QColor &initial)
{
    QColorDialog dialog(initial, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.exec();
    // Cancelling still leaves the colour last picked, as the swatches expect.
    return dialog.currentColor();
}
