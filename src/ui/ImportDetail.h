#pragma once

#include <QScrollArea>

class AppModel;
class ContainerHeader;
class DatabaseList;
class DropZone;
class ErrorBanner;
class ImportButton;
class ImportOptions;
class LogView;
class ProgressSection;
class QLabel;
class SettingsStore;

// The detail column for a MySQL container: one scrolling page with the header, the error
// banner, the databases, the dump, the options, the progress, the log and the start button.
class ImportDetail : public QScrollArea {
    Q_OBJECT

public:
    ImportDetail(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    ContainerHeader* header() const { return header_; }
    ErrorBanner* banner() const { return banner_; }
    DatabaseList* databases() const { return databases_; }
    DropZone* dropZone() const { return dropZone_; }
    ImportOptions* options() const { return options_; }
    ProgressSection* progress() const { return progress_; }
    LogView* log() const { return log_; }
    ImportButton* importButton() const { return importButton_; }

private:
    void render();

    AppModel& model_;
    ContainerHeader* header_;
    ErrorBanner* banner_;
    DatabaseList* databases_;
    QLabel* dumpTitle_;
    DropZone* dropZone_;
    ImportOptions* options_;
    ProgressSection* progress_;
    LogView* log_;
    ImportButton* importButton_;
};
