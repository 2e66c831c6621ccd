#pragma once

#include <QStackedWidget>

class AppModel;
class ContainerHeader;
class ImportDetail;
class Placeholder;
class SettingsStore;

// The right-hand column: the import panel for a MySQL container, the container's header with
// a "Not MySQL" placeholder for any other, and a placeholder when nothing is selected.
class DetailColumn : public QStackedWidget {
    Q_OBJECT

public:
    DetailColumn(AppModel& model, SettingsStore& settings, QWidget* parent = nullptr);

    ImportDetail* importDetail() const { return importDetail_; }
    Placeholder* noContainer() const { return noContainer_; }
    Placeholder* notMysql() const { return notMysql_; }

private:
    void render();

    AppModel& model_;
    Placeholder* noContainer_;
    QWidget* notMysqlPage_;
    ContainerHeader* notMysqlHeader_;
    Placeholder* notMysql_;
    ImportDetail* importDetail_;
};
