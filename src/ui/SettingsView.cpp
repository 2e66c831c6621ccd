#include "ui/SettingsView.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include "dump/DumpFixPlan.h"
#include "l10n/L10n.h"
#include "settings/SettingsStore.h"
#include "ui/BundledDocuments.h"
#include "ui/Disclaimer.h"
#include "ui/ElidedLabel.h"
#include "ui/FileChoosers.h"
#include "ui/Style.h"

namespace {
constexpr int kPathWidth = 280;
}

SettingsView::SettingsView(SettingsStore& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowFlag(Qt::Window);
    setFixedWidth(kWidth);

    languageLabel_ = new QLabel(this);
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("languagePicker"));
    language_->setMaxVisibleItems(18);
    languageLabel_->setBuddy(language_);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("languageHint"));
    Style::makeSecondary(hint_, Style::caption(), true);

    folderLabel_ = new QLabel(this);
    folderPath_ = new ElidedLabel(this);
    folderPath_->setObjectName(QStringLiteral("dumpFolderPath"));
    folderPath_->setMaximumWidth(kPathWidth);
    chooseFolder_ = new QPushButton(this);
    chooseFolder_->setObjectName(QStringLiteral("chooseFolder"));
    folderLabel_->setBuddy(chooseFolder_);
    clearFolder_ = new QPushButton(this);
    clearFolder_->setObjectName(QStringLiteral("clearFolder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(8);
    folderRow->addWidget(folderPath_);
    folderRow->addWidget(chooseFolder_);
    folderRow->addWidget(clearFolder_);
    folderRow->addStretch();

    engineLabel_ = new QLabel(this);
    engine_ = new QComboBox(this);
    engine_->setObjectName(QStringLiteral("enginePicker"));
    engineLabel_->setBuddy(engine_);

    jobsLabel_ = new QLabel(this);
    jobs_ = new QSpinBox(this);
    jobs_->setObjectName(QStringLiteral("rowSessions"));
    jobs_->setRange(0, FixChoices::kMostJobs);
    jobs_->setValue(settings_.rowSessions());
    jobsLabel_->setBuddy(jobs_);

    copyLimitLabel_ = new QLabel(this);
    copyLimit_ = new QSpinBox(this);
    copyLimit_->setObjectName(QStringLiteral("copyLimit"));
    copyLimit_->setRange(0, 1024);
    copyLimit_->setValue(settings_.copyLimitGb());
    copyLimitLabel_->setBuddy(copyLimit_);
    copyKeepLabel_ = new QLabel(this);
    copyKeep_ = new QSpinBox(this);
    copyKeep_->setObjectName(QStringLiteral("copyKeepDays"));
    copyKeep_->setRange(1, 3650);
    copyKeep_->setValue(settings_.copyKeepDays());
    copyKeepLabel_->setBuddy(copyKeep_);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(languageLabel_, language_);
    form->addRow(QString(), hint_);
    form->addRow(folderLabel_, folderRow);
    form->addRow(engineLabel_, engine_);
    form->addRow(jobsLabel_, jobs_);
    form->addRow(copyLimitLabel_, copyLimit_);
    form->addRow(copyKeepLabel_, copyKeep_);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("licenseSummary"));
    Style::makeSecondary(summary_, Style::caption(), true);
    license_ = new QPushButton(this);
    license_->setObjectName(QStringLiteral("openLicense"));
    website_ = new QLabel(this);
    website_->setObjectName(QStringLiteral("websiteLink"));
    website_->setTextFormat(Qt::RichText);
    website_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    website_->setOpenExternalLinks(true);
    auto* links = new QHBoxLayout;
    links->setSpacing(12);
    links->addWidget(license_);
    links->addWidget(website_);
    links->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(form);
    layout->addWidget(rule);
    layout->addWidget(summary_);
    layout->addLayout(links);

    for (const QKeySequence& key : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    }
    connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) settings_.setLanguageChoice(language_->itemData(index).toString());
    });
    connect(engine_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) settings_.setEngineChoice(engine_->itemData(index).toString());
    });
    connect(jobs_, &QSpinBox::valueChanged, this, [this](int value) { settings_.setRowSessions(value); });
    connect(copyLimit_, &QSpinBox::valueChanged, this, [this](int value) { settings_.setCopyLimitGb(value); });
    connect(copyKeep_, &QSpinBox::valueChanged, this, [this](int value) { settings_.setCopyKeepDays(value); });
    connect(chooseFolder_, &QPushButton::clicked, this, [this] { FileChoosers::chooseDumpFolder(this, settings_); });
    connect(clearFolder_, &QPushButton::clicked, this, [this] { settings_.clearDumpFolder(); });
    connect(license_, &QPushButton::clicked, this, &SettingsView::openLicense);
    connect(&settings_, &SettingsStore::languageChoiceChanged, this, [this] { retranslate(); });
    connect(&settings_, &SettingsStore::dumpFolderChanged, this, [this] { renderFolder(); });
    retranslate();
}

void SettingsView::fillLanguages() {
    const QSignalBlocker blocker(language_);
    language_->clear();
    for (const LanguageOption& option : L10n::languageOptions()) language_->addItem(option.nativeName, option.id);
    language_->setCurrentIndex(language_->findData(settings_.languageChoice()));
}

void SettingsView::fillEngines() {
    const QSignalBlocker blocker(engine_);
    engine_->clear();
    engine_->addItem(L10n::render(QStringLiteral("engineAsFound")), QString());
    // Product names, the same in every language.
    engine_->addItem(QStringLiteral("Docker"), QStringLiteral("docker"));
    engine_->addItem(QStringLiteral("Podman"), QStringLiteral("podman"));
    engine_->setCurrentIndex(qMax(0, engine_->findData(settings_.engineChoice())));
}

void SettingsView::retranslate() {
    setWindowTitle(L10n::render(QStringLiteral("settings")));
    languageLabel_->setText(L10n::render(QStringLiteral("language")));
    hint_->setText(L10n::render(QStringLiteral("languageHint")));
    folderLabel_->setText(L10n::render(QStringLiteral("dumpFolder")));
    chooseFolder_->setText(L10n::render(QStringLiteral("chooseFolder")));
    clearFolder_->setText(L10n::render(QStringLiteral("clearFolder")));
    engineLabel_->setText(L10n::render(QStringLiteral("engineSetting")));
    jobsLabel_->setText(L10n::render(QStringLiteral("settingJobs")));
    jobs_->setSpecialValueText(L10n::render(QStringLiteral("settingJobsAutomatic"), {FixChoices::defaultJobs()}));
    jobs_->setToolTip(L10n::render(QStringLiteral("settingJobsHint")));
    copyLimitLabel_->setText(L10n::render(QStringLiteral("copyLimitLabel")));
    copyKeepLabel_->setText(L10n::render(QStringLiteral("copyKeepLabel")));
    fillLanguages();
    fillEngines();

    const Disclaimer disclaimer = Disclaimer::forLanguage(L10n::currentCode());
    summary_->setText(disclaimer.licenseSummary);
    license_->setText(disclaimer.licenseButtonTitle);
    const QUrl site = BundledDocuments::website();
    const QString title = disclaimer.websiteButtonTitle.toHtmlEscaped();
    website_->setText(
        site.isValid()
            ? QStringLiteral("<a href=\"%1\">%2</a>").arg(site.toString(QUrl::FullyEncoded).toHtmlEscaped(), title)
            : title);
    website_->setEnabled(site.isValid());
    website_->setToolTip(site.isValid() ? site.toDisplayString() : QString());
    renderFolder();
    adjustSize();  // the height follows the texts of the language
}

void SettingsView::renderFolder() {
    const auto& folder = settings_.dumpFolderURL();
    folderPath_->setText(folder ? *folder : L10n::render(QStringLiteral("dumpFolderNone")));
    clearFolder_->setVisible(folder.has_value());
}

void SettingsView::openLicense() {
    const QString file = BundledDocuments::licenseFile();
    if (file.isEmpty()) return;  // nothing to show
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
