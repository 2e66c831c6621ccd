#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/AppShell.h"
#include "model/AppModel.h"
#include "support/Fixtures.h"
#include "ui/MainWindow.h"

class QWidget;

// Drives the real shell, windows and model against the fixture containers, in English,
// with settings in a temporary folder.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    AppModel& model() { return shell_->model(); }

    template <typename T>
    T* find(QWidget* root, const char* name) {
        T* widget = root->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no widget named " << name;
        return widget;
    }
    template <typename T>
    T* find(const char* name) {
        return find<T>(window_, name);
    }

    // Runs the event loop until the condition holds; fails the test after the timeout.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 60000);

    QStringList sidebarNames() const;
    // Clicks the container's row and waits for its databases.
    void clickContainer(const QString& name);
    // A file dragged onto the widget and dropped, as a file manager offers it.
    static void dropFiles(QWidget* target, const QStringList& paths);

    // The seeded container selected, a fresh target database pinned and a dump taken.
    void prepareImport(const QString& dumpPath);
    QString writeFile(const QString& name, const QByteArray& content) const {
        return Fixtures::writeFile(dir_.path(), name, content);
    }

    static constexpr const char* kTarget = "ui_target";

    std::unique_ptr<AppShell> shell_;
    MainWindow* window_ = nullptr;
    QTemporaryDir dir_;
};
