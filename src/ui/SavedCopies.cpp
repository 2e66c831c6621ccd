#include "ui/SavedCopies.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

}  // namespace

SavedCopies::SavedCopies(AppModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("savedCopies"));
    setWindowTitle(L10n::render(QStringLiteral("savedCopiesTitle")));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("savedCopiesList"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setHeaderLabels(
        {L10n::render(QStringLiteral("copyColumnTarget")), L10n::render(QStringLiteral("copyColumnDump")),
         L10n::render(QStringLiteral("copyColumnSaved")), L10n::render(QStringLiteral("copyColumnSize")),
         L10n::render(QStringLiteral("copyColumnTables"))});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    empty_ = new QLabel(L10n::render(QStringLiteral("savedCopiesEmpty")), this);
    empty_->setObjectName(QStringLiteral("savedCopiesEmpty"));
    empty_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    delete_ = buttons->addButton(L10n::render(QStringLiteral("deleteCopy")), QDialogButtonBox::DestructiveRole);
    delete_->setObjectName(QStringLiteral("deleteCopy"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, &SavedCopies::deleteSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { delete_->setEnabled(!list_->selectedItems().isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(empty_);
    layout->addWidget(buttons);
    resize(720, 320);
    onFields(model_, this, {AppModel::Field::savedCopies}, [this] { fill(); });
    fill();
}

void SavedCopies::fill() {
    list_->clear();
    const QList<TableCopy> copies = model_.savedCopies();
    for (const TableCopy& copy : copies) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, copy.container + QStringLiteral(" / ") + copy.database);
        item->setText(1, QFileInfo(copy.importedDump).fileName());
        item->setText(2, copy.savedAt());
        item->setText(3, ByteFormatting::bytes(copy.bytes));
        item->setText(4, copy.tables.join(QStringLiteral(", ")));
        item->setToolTip(1, copy.importedDump);
        item->setToolTip(3, copy.path);
        item->setData(0, kPathRole, copy.path);
    }
    list_->setVisible(!copies.isEmpty());
    empty_->setVisible(copies.isEmpty());
    delete_->setEnabled(!list_->selectedItems().isEmpty());
}

void SavedCopies::deleteSelected() {
    QStringList paths;
    for (const QTreeWidgetItem* item : list_->selectedItems()) paths << item->data(0, kPathRole).toString();
    for (const TableCopy& copy : model_.savedCopies())
        if (paths.contains(copy.path)) model_.removeCopy(copy);
}
