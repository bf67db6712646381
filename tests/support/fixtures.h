#pragma once
#include "app/appsettings.h"
#include "app/bootstrap.h"
#include "mainwindow/mainform.h"
#include "storage/datamodule.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The installation files of the build tree.
QString programFolder();
// A built executable of the project (tonnel-cli, ...).
QString binary(const QString &name);

// A fresh user data folder laid out from the template in a temporary
// directory, with the data module connected to its database.
class CellarTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString userData() const { return m_prepared.folders.userData; }
    const app::Folders &folders() const { return m_prepared.folders; }
    TDataModule1 &data() { return *m_data; }
    Connection &db() { return m_data->ADOConnection1; }
    // First column of the first row of a Jet SELECT.
    QVariant scalar(const QString &jet) { return db().scalar(jet); }
    qint64 count(const QString &table, const QString &where = {});

    QTemporaryDir m_dir;
    app::Prepared m_prepared;
    std::unique_ptr<TDataModule1> m_data;
};

// The main window shown on such a cellar: the sample dossier "Ma cave"
// (11 wines, 16 bottle lines, 51 bottles) opens by itself.
class MainWindowTest : public CellarTest
{
protected:
    void show();
    void TearDown() override;
    QAction *command(const char *name) const;

    // Acts on the modal window of class T as soon as it is up.
    template <class T>
    static void whenShown(std::function<void(T *)> action, int tries = 2000)
    {
        QTimer::singleShot(0, [action, tries] {
            if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget()))
                action(w);
            else if (tries > 0)
                whenShown<T>(action, tries - 1);
        });
    }

    AppSettings m_settings;
    std::unique_ptr<TMainForm> m_form;
};
