#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class AppModel;

// The import log: monospaced, selectable, 150 high once it has lines and taking no space
// before; it follows the newest line.
class LogView : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kHeight = 150;

    explicit LogView(AppModel& model, QWidget* parent = nullptr);

private:
    void render();

    AppModel& model_;
    QStringList shown_;
};
