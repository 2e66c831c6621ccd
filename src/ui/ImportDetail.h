#pragma once

#include <QWidget>
#include <qcoro/qcorotask.h>

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
class QPushButton;
class QScrollArea;
class QScrollBar;
class SettingsStore;

// The detail column for a MySQL container: a scrolling page with the header (and a start
// button for a stopped server), the error banner, the databases, the dump, the options and the log, above a fixed footer with the
// progress and the start button, which stay in sight however long the page gets.
class ImportDetail : public QWidget {
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
    QScrollArea* scrollArea() const { return scroll_; }
    QScrollBar* verticalScrollBar() const;
    QWidget* footer() const { return footer_; }
    // "Start container" or "Unpause container" for a stopped or paused server.
    QPushButton* wakeButton() const { return wake_; }

private:
    void render();
    QCoro::Task<> wakeContainer();

    AppModel& model_;
    QScrollArea* scroll_;
    QWidget* footer_;
    ContainerHeader* header_;
    ErrorBanner* banner_;
    QPushButton* wake_;
    bool waking_ = false;
    DatabaseList* databases_;
    QLabel* dumpTitle_;
    DropZone* dropZone_;
    ImportOptions* options_;
    ProgressSection* progress_;
    LogView* log_;
    ImportButton* importButton_;
};
