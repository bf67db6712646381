#include "fixtures.h"

#include "app/progress.h"
#include "platform/prompt.h"

#include <QAction>
#include <QTest>

QString programFolder()
{
    return QStringLiteral(TONNEL_TEST_PROGRAM_DIR);
}

QString binary(const QString &name)
{
    return QStringLiteral(TONNEL_TEST_BIN_DIR) + name;
}

void CellarTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    prompt::clear();
    NoProgress progress;
    const auto prepared = app::prepare(programFolder(), m_dir.path(), progress);
    ASSERT_TRUE(prepared.has_value()) << prompt::lastText().toStdString();
    m_prepared = *prepared;
    m_data = std::make_unique<TDataModule1>();
    m_data->connectTo(m_prepared.db);
    ASSERT_TRUE(m_data->isConnected());
}

void CellarTest::TearDown()
{
    m_data.reset();
    prompt::clear();
}

qint64 CellarTest::count(const QString &table, const QString &where)
{
    return scalar(QStringLiteral("SELECT Count(*) FROM ") + table + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where))
        .toLongLong();
}

void MainWindowTest::show()
{
    m_form = std::make_unique<TMainForm>(data(), m_settings, folders());
    m_form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
}

void MainWindowTest::TearDown()
{
    m_form.reset();
    CellarTest::TearDown();
}

QAction *MainWindowTest::command(const char *name) const
{
    return m_form->findChild<QAction *>(QLatin1String(name));
}
