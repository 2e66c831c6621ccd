#include "ui/TableChooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/Disclosure.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

namespace {
constexpr int kVisibleRows = 8;
constexpr int kNameRole = Qt::UserRole + 1;
}

TableChooser::TableChooser(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("tableChooser"));
    auto* content = new QWidget(this);
    list_ = new QListWidget(content);
    list_->setObjectName(QStringLiteral("chosenTables"));
    list_->setUniformItemSizes(true);
    list_->setMaximumHeight((QFontMetrics(list_->font()).height() + 6) * kVisibleRows + 4);
    all_ = new QPushButton(content);
    all_->setObjectName(QStringLiteral("chooseAllTables"));
    none_ = new QPushButton(content);
    none_->setObjectName(QStringLiteral("chooseNoTables"));
    more_ = new QLabel(content);
    more_->setObjectName(QStringLiteral("tablesMore"));
    Style::makeSecondary(more_, Style::caption(), true);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(all_);
    buttons->addWidget(none_);
    buttons->addStretch();
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(4);
    contentLayout->addWidget(list_);
    contentLayout->addLayout(buttons);
    contentLayout->addWidget(more_);
    disclosure_ = new Disclosure(content, this);
    disclosure_->setObjectName(QStringLiteral("tablesGroup"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(disclosure_);

    connect(list_, &QListWidget::itemChanged, this, [this] { store(); });
    connect(all_, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(none_, &QPushButton::clicked, this, [this] { checkAll(false); });
    onFields(model_, this,
             {AppModel::Field::dumpPreview, AppModel::Field::fixChoices, AppModel::Field::phase,
              AppModel::Field::dumpReading},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { retranslate(); });
    retranslate();
}

void TableChooser::retranslate() {
    all_->setText(L10n::render(QStringLiteral("tablesAll")));
    none_->setText(L10n::render(QStringLiteral("tablesNone")));
    more_->setText(L10n::render(QStringLiteral("tablesMore")));
    render();
}

void TableChooser::render() {
    const auto& preview = model_.dumpPreview();
    const QList<QByteArray> names = preview ? preview->scan.tableNames : QList<QByteArray>();
    setVisible(!names.isEmpty());
    const TableChoice& choice = model_.fixChoices().tables;
    int kept = 0;
    {
        const QSignalBlocker quiet(list_);
        if (list_->count() != names.size()) {
            list_->clear();
            for (const QByteArray& name : names) {
                auto* item = new QListWidgetItem(QString::fromUtf8(name), list_);
                item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            }
        }
        for (int row = 0; row < names.size(); ++row) {
            QListWidgetItem* item = list_->item(row);
            item->setData(kNameRole, names[row]);
            // Its size once the whole dump has been read; a head says nothing of it.
            const qint64 bytes = preview->scan.complete ? preview->scan.tableBytes.value(names[row]) : -1;
            item->setText(bytes < 0 ? QString::fromUtf8(names[row])
                                    : QString::fromUtf8(names[row]) + QStringLiteral("  ·  ") + ByteFormatting::bytes(bytes));
            const bool keeps = choice.keeps(names[row]);
            item->setCheckState(keeps ? Qt::Checked : Qt::Unchecked);
            kept += keeps ? 1 : 0;
        }
    }
    disclosure_->setTitle(L10n::render(QStringLiteral("tablesChoice"), {qint64(kept), qint64(names.size())}));
    const qint64 reading = model_.dumpReadBytes();
    more_->setText(reading >= 0 ? L10n::render(QStringLiteral("readingDump"), {ByteFormatting::bytes(reading)})
                                : L10n::render(QStringLiteral("tablesMore")));
    more_->setVisible(preview && !preview->scan.complete);
    setEnabled(!model_.phase().isRunning());
}

// What is not checked is left out; a table the list does not show loads.
void TableChooser::store() {
    FixChoices choices = model_.fixChoices();
    choices.tables = {};
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->checkState() != Qt::Checked)
            choices.tables.except.insert(list_->item(row)->data(kNameRole).toByteArray());
    model_.setFixChoices(choices);
}

void TableChooser::checkAll(bool checked) {
    {
        const QSignalBlocker quiet(list_);
        for (int row = 0; row < list_->count(); ++row)
            list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    store();
}
