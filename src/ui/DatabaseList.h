#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <QWidget>

#include "docker/ServerInfo.h"

class ActivityIndicator;
class AppModel;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TargetProposal;
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

Q_SIGNALS:
    // "Enter password…": the login fields should open and take the focus.
    void loginRequested();

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
    QPushButton* enterPassword_;
    TargetProposal* proposal_;
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
