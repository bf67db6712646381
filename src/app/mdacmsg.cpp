#include "mdacmsg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TMdacMsg::TMdacMsg(const QString &programFolder, QWidget *parent)
    : QDialog(parent)
    , Browser(new QTextBrowser(this))
    , Btn_Close(new QPushButton(QStringLiteral(" &Fermer"), this))
{
    setObjectName(QStringLiteral("MdacMsg"));
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(560, 420);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    Browser->setSource(QUrl::fromLocalFile(programFolder + QStringLiteral("html/mdac.htm")));
    Btn_Close->setObjectName(QStringLiteral("Btn_Close"));
    Btn_Close->setDefault(true);
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Btn_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addLayout(buttons);
}
