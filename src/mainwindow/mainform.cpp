#include "mainform.h"

#include "app/appfolders.h"
#include "storage/datamodule.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

TMainForm::TMainForm(TDataModule1 &data, AppSettings &settings, const QString &settingsPath, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_settings(settings)
    , m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(app::kDisplayName);
    m_data.setCurrentDossier(m_dossier);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QAction *quit = file->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("Popup_Quit"));
    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    QAction *helpAction = help->addAction(QStringLiteral("&Aide"), this, &TMainForm::helpRequested);
    helpAction->setObjectName(QStringLiteral("Popup_Help"));
    helpAction->setShortcut(QKeySequence::HelpContents);

    auto *welcome = new QLabel(this);
    welcome->setObjectName(QStringLiteral("Lab_Welcome"));
    welcome->setAlignment(Qt::AlignCenter);
    welcome->setTextFormat(Qt::RichText);
    welcome->setText(QStringLiteral("<p style='font-size:28pt; color:#7a1f35; font-family:serif'>Tonnel à vin</p>"
                                    "<p style='color:#6b5a50'>Base de données : %1</p>")
                         .arg(m_data.settings().databasePath().toHtmlEscaped()));
    setCentralWidget(welcome);

    resize(1100, 720);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    restoreGeometryFromSettings();
    m_settings.firstLaunch = false;
}

void TMainForm::restoreGeometryFromSettings()
{
    if (m_settings.width > 0 && m_settings.height > 0)
        resize(m_settings.width, m_settings.height);
    if (m_settings.left != -1 && m_settings.top != -1)
        move(m_settings.left, m_settings.top);
    if (m_settings.state == u"wsMaximized")
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::rememberGeometry()
{
    if (!isMaximized()) {
        m_settings.left = x();
        m_settings.top = y();
        m_settings.width = width();
        m_settings.height = height();
    }
    m_settings.state = isMaximized() ? QStringLiteral("wsMaximized")
                       : isMinimized() ? QStringLiteral("wsMinimized")
                                       : QStringLiteral("wsNormal");
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    rememberGeometry();
    m_settings.write(m_settingsPath, m_dossier);
    event->accept();
}
