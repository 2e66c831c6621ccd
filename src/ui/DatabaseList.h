#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <QWidget>

#include "docker/ServerInfo.h"

class ActivityIndicator;
class AppModel;
class QLabel;
class QListWidget;
class QToolButton;
class NewDatabaseDialog;
class SettingsStore;

// The databases section: a header with a busy indicator and "New database…", then the
// server's databases with table counts and sizes, from which the import's target is picked.
// A chosen target without tables (a new database) is listed too.
class DatabaseList : public QWidget {
    Q_OBJECT

public:
    DatabaseList(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);
    ~DatabaseList() override;

    QListWidget* list() const { return list_; }
    QToolButton* newDatabaseButton() const { return newDatabase_; }
    // Opens the dialog that creates a database on the selected server.
    NewDatabaseDialog* openNewDatabase();

    // "System · N tables" for the server's own schemas, otherwise "N tables".
    static QString tableCountText(const MysqlDatabase& database);

private:
    void render();
    void rebuild();
    void showSelection();
    void userSelected();

    AppModel& model_;
    QLabel* header_;
    ActivityIndicator* busy_;
    QToolButton* newDatabase_;
    QListWidget* list_;
    QLabel* emptyText_;
    QList<MysqlDatabase> shown_;
    QString extraShown_;
};

// Draws one database row: name and table count on the left, size on the right.
class DatabaseRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
