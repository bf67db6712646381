#pragma once
#include "app/bootstrap.h"
#include "storage/datamodule.h"

#include <QTemporaryDir>
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
