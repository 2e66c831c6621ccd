#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

#include "model/AppModel.h"
#include "support/Fixtures.h"

// Drives a real model against the fixture containers, with settings in a temporary folder.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the event loop until the condition holds; fails the test after the timeout.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 60000);

    // Refreshes, then selects the named container and waits for its probe.
    void refreshAndSelect(AppModel& model, const QString& name);
    static QString idOf(const AppModel& model, const QString& name);

    QString writeFile(const QString& name, const QByteArray& content) const {
        return Fixtures::writeFile(dir_.path(), name, content);
    }
    static void waitForImportEnd(AppModel& model);

    QTemporaryDir dir_;
};
