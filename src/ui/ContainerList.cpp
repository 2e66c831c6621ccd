#include "ui/ContainerList.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "settings/SettingsStore.h"
#include "ui/ContainerRow.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

ContainerList::ContainerList(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("sidebar"));
    setMinimumWidth(230);

    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("containersHeader"));
    QFont headerFont = Style::caption();
    headerFont.setBold(true);
    header_->setFont(headerFont);
    Style::setTextColor(header_, Style::secondary(header_));

    emptyText_ = new QLabel(this);
    emptyText_->setObjectName(QStringLiteral("containersEmptyText"));
    Style::makeSecondary(emptyText_, Style::body(), true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("containerList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setItemDelegate(new ContainerRow::Delegate(list_));
    list_->setUniformItemSizes(false);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->setAutoFillBackground(false);
    list_->setAutoFillBackground(false);

    showStopped_ = new QCheckBox(this);
    showStopped_->setObjectName(QStringLiteral("showStopped"));
    showStopped_->setFont(Style::caption());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 10, 8, 0);
    layout->setSpacing(6);
    layout->addWidget(header_);
    layout->addWidget(emptyText_);
    layout->addWidget(list_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(12, 12, 12, 12);
    bottom->addStretch();
    bottom->addWidget(showStopped_);
    bottom->addStretch();
    layout->addLayout(bottom);

    connect(list_, &QListWidget::itemSelectionChanged, this, &ContainerList::userSelected);
    // As the user left it last time.
    if (settings.showStopped()) model_.setShowStopped(true);
    connect(showStopped_, &QCheckBox::toggled, this, [this, &settings](bool on) {
        settings.setShowStopped(on);
        model_.setShowStopped(on);
    });
    onFields(model_, this,
             {AppModel::Field::containers, AppModel::Field::showStopped, AppModel::Field::selectedContainerID,
              AppModel::Field::isLoading, AppModel::Field::engine},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { retranslate(); });
    retranslate();
}

ContainerList::~ContainerList() {
    // The list emits selection changes while it is torn down; nobody here listens by then.
    disconnect(list_, nullptr, this, nullptr);
}

void ContainerList::retranslate() {
    header_->setText(L10n::render(QStringLiteral("container")));
    showStopped_->setText(L10n::render(QStringLiteral("showStopped")));
    render();
}

void ContainerList::render() {
    const QList<DockerContainer> visible = model_.visibleContainers();
    if (visible != shown_) {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (const DockerContainer& container : visible) {
            auto* item = new QListWidgetItem(list_);
            ContainerRow::fill(item, container);
        }
        shown_ = visible;
    }
    emptyText_->setVisible(visible.isEmpty());
    const QString reading =
        model_.engine() == EngineKind::podman ? QStringLiteral("readingPodman") : QStringLiteral("readingDocker");
    emptyText_->setText(L10n::render(model_.isLoading() ? reading : QStringLiteral("noContainers")));
    {
        const QSignalBlocker blocker(showStopped_);
        showStopped_->setChecked(model_.showStopped());
    }
    showSelection();
}

void ContainerList::showSelection() {
    const QSignalBlocker blocker(list_);
    const auto& selected = model_.selectedContainerID();
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool isSelected = selected && item->data(ContainerRow::idRole).toString() == *selected;
        item->setSelected(isSelected);
        if (isSelected) {
            list_->setCurrentItem(item, QItemSelectionModel::NoUpdate);
            list_->scrollToItem(item);
        }
    }
}

void ContainerList::userSelected() {
    const QList<QListWidgetItem*> items = list_->selectedItems();
    std::optional<QString> id;
    if (!items.isEmpty()) id = items.first()->data(ContainerRow::idRole).toString();
    model_.selectContainer(id);
    showSelection();  // a cleared selection leaves the model's choice in place
}
