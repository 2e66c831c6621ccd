#include "ui/TableLoadList.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "import/ProgressText.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "ui/Style.h"

namespace {
enum Column : int { nameColumn, stateColumn, sizeColumn, rowsColumn, columnCount };
constexpr int kVisibleRows = 8;

QColor stateColor(const TableLoad& table, const QWidget* widget) {
    using State = TableLoad::State;
    switch (table.state) {
    case State::done: return Style::green();
    case State::failed: return Style::orange();
    case State::loading: return widget->palette().color(QPalette::WindowText);
    default: return Style::secondary(widget);
    }
}
}  // namespace

TableLoadList::TableLoadList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tableLoadList"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("tablesHeading"));
    Style::makeSecondary(heading_, Style::callout(), false);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("tableLoads"));
    tree_->setColumnCount(columnCount);
    tree_->setRootIsDecorated(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::NoSelection);
    tree_->setFocusPolicy(Qt::TabFocus);
    tree_->setFont(Style::callout());
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    for (const int column : {int(stateColumn), int(sizeColumn), int(rowsColumn)}) tree_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(heading_);
    layout->addWidget(tree_);
    retranslate();
}

void TableLoadList::retranslate() {
    tree_->setHeaderLabels({L10n::render(QStringLiteral("tableColumnName")),
                            L10n::render(QStringLiteral("tableColumnState")),
                            L10n::render(QStringLiteral("tableColumnSize")),
                            L10n::render(QStringLiteral("tableColumnRows"))});
    const QList<TableLoad> tables = shown_;
    shown_.clear();
    showTables(tables);
}

void TableLoadList::showTables(const QList<TableLoad>& tables) {
    setVisible(!tables.isEmpty());
    if (tables == shown_) return;
    heading_->setText(ProgressText::tablesHeading(tables));
    // As tall as its rows, up to a few; more scroll.
    const int rowHeight = QFontMetrics(tree_->font()).height() + 6;
    const int shownRows = int(qBound(qsizetype(1), tables.size(), qsizetype(kVisibleRows)));
    tree_->setFixedHeight(tree_->header()->sizeHint().height() + rowHeight * shownRows + 2 * tree_->frameWidth() + 2);
    while (tree_->topLevelItemCount() > tables.size()) delete tree_->takeTopLevelItem(tree_->topLevelItemCount() - 1);
    const QLocale locale = QLocale::system();
    QTreeWidgetItem* loading = nullptr;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const TableLoad& table = tables[i];
        if (i < shown_.size() && shown_[i] == table && i < tree_->topLevelItemCount()) continue;
        QTreeWidgetItem* item = i < tree_->topLevelItemCount() ? tree_->topLevelItem(int(i)) : new QTreeWidgetItem(tree_);
        item->setText(nameColumn, table.name);
        item->setText(stateColumn, ProgressText::tableState(table));
        item->setForeground(stateColumn, stateColor(table, tree_));
        item->setText(sizeColumn, table.bytes > 0 ? ByteFormatting::bytes(table.bytes) : QString());
        item->setText(rowsColumn, table.rows > 0 ? locale.toString(table.rows) : QString());
        for (const int column : {int(sizeColumn), int(rowsColumn)})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (!loading && table.state == TableLoad::State::loading) loading = item;
    }
    // The table loading now stays in sight as the list moves on.
    if (loading) tree_->scrollToItem(loading);
    shown_ = tables;
}
