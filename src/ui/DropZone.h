#pragma once

#include <QWidget>

class AppModel;
class QLabel;
class QPushButton;
class SettingsStore;

// The dump's drop target: the chosen file with its preview, or the invitation to drop one,
// and the "Choose file…" button. Its border is dashed until a dump is chosen and takes the
// accent colour while a file hovers over it.
class DropZone : public QWidget {
    Q_OBJECT

public:
    DropZone(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    bool isDropTargeted() const { return dropTargeted_; }
    QPushButton* chooseButton() const { return choose_; }

    // The dump's preview line: size, "gzip" or "SQL", and the DROP TABLE warning.
    QString previewText() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void render();
    void retranslate();
    void setDropTargeted(bool targeted);

    AppModel& model_;
    SettingsStore& settings_;
    QLabel* invitation_;
    QLabel* fileName_;
    QWidget* preview_;
    QLabel* size_;
    QLabel* kind_;
    QLabel* dropWarning_;
    QPushButton* choose_;
    bool dropTargeted_ = false;
};
