#include "ui/DatabaseList.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "docker/DockerParse.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ActivityIndicator.h"
#include "ui/ModelBinding.h"
#include "ui/NewDatabaseDialog.h"
#include "ui/Style.h"
#include "ui/Symbols.h"
#include "ui/TabularText.h"
#include "ui/TargetProposal.h"

namespace {

enum Role { nameRole = Qt::UserRole + 1, tablesRole, sizeRole };

constexpr int kListHeight = 220;
constexpr int kRowPadding = 5;
constexpr int kSidePadding = 10;

}  // namespace

DatabaseList::DatabaseList(AppModel& model, SettingsStore& settings, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("databaseSection"));
    header_ = new QLabel(this);
    header_->setFont(Style::headline());
    busy_ = new ActivityIndicator(this);
    busy_->setObjectName(QStringLiteral("databasesBusy"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("databaseList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFixedHeight(kListHeight);
    list_->setItemDelegate(new DatabaseRowDelegate(list_));
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A focused list says so with its frame, as a text field does.
    list_->setStyleSheet(QStringLiteral("QListWidget#databaseList { border: 1px solid %1; border-radius: 8px;"
                                        " background: palette(base); padding: 3px; }"
                                        "QListWidget#databaseList:focus { border: 2px solid palette(highlight);"
                                        " padding: 2px; }")
                             .arg(Style::separator(list_).name()));

    emptyText_ = new QLabel(this);
    emptyText_->setObjectName(QStringLiteral("databasesEmptyText"));
    Style::makeSecondary(emptyText_, Style::callout(), true);
    enterPassword_ = new QPushButton(this);
    enterPassword_->setObjectName(QStringLiteral("openLogin"));
    connect(enterPassword_, &QPushButton::clicked, this, &DatabaseList::loginRequested);
    proposal_ = new TargetProposal(model_, this);

    auto* headerRow = new QHBoxLayout;
    headerRow->setSpacing(8);
    headerRow->addWidget(header_);
    headerRow->addWidget(busy_);
    headerRow->addStretch();
    newDatabase_ = new QToolButton(this);
    newDatabase_->setObjectName(QStringLiteral("newDatabaseButton"));
    newDatabase_->setIcon(Symbols::icon(Symbols::Symbol::add));
    newDatabase_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    newDatabase_->setAutoRaise(true);
    newDatabase_->setFocusPolicy(Qt::StrongFocus);
    headerRow->addWidget(newDatabase_);
    connect(newDatabase_, &QToolButton::clicked, this, [this] { openNewDatabase(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(headerRow);
    layout->addWidget(list_);
    layout->addWidget(proposal_);
    layout->addWidget(emptyText_);
    layout->addWidget(enterPassword_, 0, Qt::AlignLeft);

    connect(list_, &QListWidget::itemSelectionChanged, this, &DatabaseList::userSelected);
    // Clicking the target that was chosen automatically makes it the user's choice too.
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { model_.pinDatabase(item->data(nameRole).toString()); });
    onFields(model_, this,
             {AppModel::Field::databases, AppModel::Field::isLoadingDatabases, AppModel::Field::selectedDatabase,
              AppModel::Field::selectedContainerID, AppModel::Field::containers, AppModel::Field::passwordOverride,
              AppModel::Field::serverInfo, AppModel::Field::phase, AppModel::Field::dumpURL,
              AppModel::Field::databasePinned},
             [this] { render(); });
    onLanguageChange(settings, this, [this] {
        rebuild();
        render();
    });
    rebuild();
    render();
}

QString DatabaseList::tableCountText(const MysqlDatabase& database) {
    const bool system = database.name == QLatin1String("mysql") || database.name == QLatin1String("sys");
    return L10n::renderCount(system ? QStringLiteral("systemTables") : QStringLiteral("tables"), database.tables);
}

DatabaseList::~DatabaseList() {
    // The list emits selection changes while it is torn down; nobody here listens by then.
    disconnect(list_, nullptr, this, nullptr);
}

void DatabaseList::rebuild() {
    header_->setText(L10n::render(QStringLiteral("databases")));
    newDatabase_->setText(L10n::render(QStringLiteral("newDatabase")));
    newDatabase_->setToolTip(L10n::render(QStringLiteral("newDatabaseTitle")));
    enterPassword_->setText(L10n::render(QStringLiteral("openLogin")));
    const QSignalBlocker blocker(list_);
    list_->clear();
    shown_ = model_.databases();
    QList<MysqlDatabase> rows = shown_;
    // The server lists schemas by their tables; a new, empty target still belongs in sight.
    const auto& selected = model_.selectedDatabase();
    extraShown_.clear();
    if (selected && !selected->isEmpty() && !rows.isEmpty() &&
        std::none_of(rows.cbegin(), rows.cend(), [&](const MysqlDatabase& row) { return row.name == *selected; })) {
        extraShown_ = *selected;
        // In its place, in the order the others are listed in.
        rows.append(MysqlDatabase{*selected, 0, 0});
        rows = DockerParse::sortedDatabases(rows);
    }
    const quint64 limit = quint64(std::numeric_limits<qint64>::max());
    for (const MysqlDatabase& database : rows) {
        auto* item = new QListWidgetItem(database.name, list_);
        item->setData(nameRole, database.name);
        item->setData(tablesRole, tableCountText(database));
        item->setData(sizeRole, ByteFormatting::bytes(qint64(std::min(database.bytes, limit))));
    }
}

void DatabaseList::render() {
    const auto& selected = model_.selectedDatabase();
    const bool extraChanged = !extraShown_.isEmpty() ? (!selected || *selected != extraShown_)
                                                     : (selected && !selected->isEmpty() &&
                                                        list_->findItems(*selected, Qt::MatchExactly).isEmpty());
    if (model_.databases() != shown_ || extraChanged) rebuild();
    const bool loading = model_.isLoadingDatabases();
    const auto container = model_.selectedContainer();
    newDatabase_->setEnabled(container && container->running && model_.serverInfo().has_value() && !loading &&
                             !model_.phase().isRunning());
    busy_->setAnimating(loading);
    const bool showList = !model_.databases().isEmpty() || loading;
    list_->setVisible(showList);
    emptyText_->setVisible(!showList);
    const bool hasPassword = (container && container->rootPassword) || !model_.passwordOverride().isEmpty();
    if (!showList)
        emptyText_->setText(L10n::render(hasPassword ? QStringLiteral("noDatabases") : QStringLiteral("noPassword")));
    enterPassword_->setVisible(!showList && !hasPassword && container && container->running);
    proposal_->render();
    showSelection();
}

void DatabaseList::showSelection() {
    const QSignalBlocker blocker(list_);
    const auto& selected = model_.selectedDatabase();
    list_->clearSelection();
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        if (selected && item->data(nameRole).toString() == *selected) {
            item->setSelected(true);
            list_->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            list_->scrollToItem(item);
        }
    }
}

void DatabaseList::userSelected() {
    const QList<QListWidgetItem*> items = list_->selectedItems();
    // Clearing the selection keeps the model's target.
    if (!items.isEmpty()) model_.pinDatabase(items.first()->data(nameRole).toString());
    showSelection();
}

QSize DatabaseRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int height =
        kRowPadding * 2 + QFontMetrics(Style::body()).height() + 2 + QFontMetrics(Style::caption()).height();
    return {option.rect.width() > 0 ? option.rect.width() : 200, height};
}

void DatabaseRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const auto [primary, secondary, tertiary] = Style::paintRow(painter, panel);

    painter->save();
    const QRect box = option.rect.adjusted(kSidePadding, kRowPadding, -kSidePadding, -kRowPadding);
    const QFont bodyFont = Style::body();
    const QFontMetrics body(bodyFont);
    const QFont captionFont = Style::caption();
    const QFontMetrics caption(captionFont);

    const QString size = index.data(sizeRole).toString();
    const int sizeWidth = TabularText::width(body, size);
    painter->setFont(bodyFont);
    painter->setPen(secondary);
    const int baseline = box.top() + (box.height() - body.height()) / 2 + body.ascent();
    TabularText::draw(painter, body, box.right() - sizeWidth, baseline, size);

    const int textWidth = std::max(0, box.width() - sizeWidth - 12);
    painter->setPen(primary);
    painter->drawText(QRect(box.left(), box.top(), textWidth, body.height()), Qt::AlignLeft | Qt::AlignVCenter,
                      body.elidedText(index.data(nameRole).toString(), Qt::ElideRight, textWidth));
    painter->setFont(captionFont);
    painter->setPen(secondary);
    painter->drawText(QRect(box.left(), box.top() + body.height() + 2, textWidth, caption.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      caption.elidedText(index.data(tablesRole).toString(), Qt::ElideRight, textWidth));
    painter->restore();
}

NewDatabaseDialog* DatabaseList::openNewDatabase() {
    if (!newDatabase_->isEnabled()) return nullptr;
    auto* dialog = new NewDatabaseDialog(model_, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}
