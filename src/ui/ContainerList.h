#pragma once

#include <QList>
#include <QWidget>

#include "docker/DockerContainer.h"

class AppModel;
class QCheckBox;
class QLabel;
class QListWidget;
class SettingsStore;

// The sidebar: the "Containers" section with one row per visible container, the text shown
// while it is empty, and the "Show stopped" switch pinned below.
class ContainerList : public QWidget {
    Q_OBJECT

public:
    ContainerList(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);
    ~ContainerList() override;

    QListWidget* list() const { return list_; }

private:
    void render();
    void showSelection();
    void userSelected();
    void retranslate();

    AppModel& model_;
    QLabel* header_;
    QLabel* emptyText_;
    QListWidget* list_;
    QCheckBox* showStopped_;
    QList<DockerContainer> shown_;
};
