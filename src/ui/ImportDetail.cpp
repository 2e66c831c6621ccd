#include "ui/ImportDetail.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ContainerHeader.h"
#include "ui/DatabaseList.h"
#include "ui/DropZone.h"
#include "ui/ErrorBanner.h"
#include "ui/ImportButton.h"
#include "ui/ImportOptions.h"
#include "ui/LogView.h"
#include "ui/ModelBinding.h"
#include "ui/PreflightSection.h"
#include "ui/ProgressSection.h"
#include "ui/Style.h"

namespace {
constexpr int kPageWidth = 760;
}

ImportDetail::ImportDetail(AppModel& model, SettingsStore& settings, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("importDetail"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("importScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("importPage"));
    page->setMaximumWidth(kPageWidth);
    header_ = new ContainerHeader(page);
    banner_ = new ErrorBanner(page);
    wake_ = new QPushButton(page);
    wake_->setObjectName(QStringLiteral("wakeContainer"));
    connect(wake_, &QPushButton::clicked, this, &ImportDetail::wakeContainer);
    databases_ = new DatabaseList(model_, settings, page);
    auto* dump = new QWidget(page);
    dump->setObjectName(QStringLiteral("dumpSection"));
    dumpTitle_ = new QLabel(dump);
    dumpTitle_->setFont(Style::headline());
    dropZone_ = new DropZone(model_, settings, dump);
    auto* dumpLayout = new QVBoxLayout(dump);
    dumpLayout->setContentsMargins(0, 0, 0, 0);
    dumpLayout->setSpacing(8);
    dumpLayout->addWidget(dumpTitle_);
    dumpLayout->addWidget(dropZone_);
    dumpLayout->addWidget(new PreflightSection(model_, settings, dump));
    options_ = new ImportOptions(model_, settings, page);
    log_ = new LogView(model_, page);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addWidget(header_);
    layout->addWidget(wake_, 0, Qt::AlignLeft);
    for (QWidget* section : std::initializer_list<QWidget*>{banner_, databases_, dump, options_, log_}) {
        layout->addWidget(section);
    }
    layout->addStretch();

    footer_ = new QFrame(this);
    footer_->setObjectName(QStringLiteral("importFooter"));
    auto* footerPage = new QWidget(footer_);
    // Lined up with the page above, which the scroll bar narrows.
    const int scrollBar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    footerPage->setMaximumWidth(kPageWidth + scrollBar);
    progress_ = new ProgressSection(model_, settings, footerPage);
    importButton_ = new ImportButton(model_, settings, footerPage);
    auto* footerPageLayout = new QVBoxLayout(footerPage);
    footerPageLayout->setContentsMargins(20, 12, 20 + scrollBar, 14);
    footerPageLayout->setSpacing(10);
    footerPageLayout->addWidget(progress_);
    footerPageLayout->addWidget(importButton_);
    auto* footerLayout = new QHBoxLayout(footer_);
    footerLayout->setContentsMargins(0, 0, 0, 0);
    footerLayout->addWidget(footerPage, 1);
    footerLayout->addStretch(0);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setFixedHeight(1);
    rule->setStyleSheet(QStringLiteral("color: %1; background: %1;").arg(Style::separator(this).name()));

    auto* holder = new QWidget;
    auto* holderLayout = new QHBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    holderLayout->addWidget(page, 1);
    holderLayout->addStretch(0);
    scroll_->setWidget(holder);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(scroll_, 1);
    outer->addWidget(rule);
    outer->addWidget(footer_);

    connect(banner_, &ErrorBanner::dismissed, this, [this] { model_.dismissError(); });
    connect(databases_, &DatabaseList::loginRequested, this, [this] {
        options_->openLogin();
        scroll_->ensureWidgetVisible(options_->passwordField());
    });
    connect(progress_, &ProgressSection::showLogRequested, this, [this] {
        scroll_->ensureWidgetVisible(log_);
        log_->setFocus(Qt::OtherFocusReason);
    });
    onFields(model_, this,
             {AppModel::Field::containers, AppModel::Field::selectedContainerID, AppModel::Field::serverInfo,
              AppModel::Field::errorMessage, AppModel::Field::phase},
             [this] { render(); });
    // Another container is another page: it starts at its top.
    onFields(model_, this, {AppModel::Field::selectedContainerID}, [this] { verticalScrollBar()->setValue(0); });
    onLanguageChange(settings, this, [this] { render(); });
    render();
}

void ImportDetail::render() {
    const auto container = model_.selectedContainer();
    header_->setVisible(container.has_value());
    if (container) header_->describe(*container, model_.serverInfo());
    const auto& error = model_.errorMessage();
    // A failed import says so in its outcome panel, with the cause, the state and what to do.
    const bool importFailed =
        error && model_.phase().kind() == AppModel::Phase::Kind::failed && model_.phase().message() == *error;
    banner_->setVisible(error.has_value() && !importFailed);
    if (error && !importFailed) banner_->setMessage(*error, {});
    banner_->retranslate();
    // A stopped or paused server is one click from use.
    const bool asleep = container && container->isMysql && !container->running;
    wake_->setVisible(asleep);
    if (asleep && !waking_) {
        wake_->setText(L10n::render(container->state == QLatin1String("paused") ? QStringLiteral("unpauseContainer")
                                                                                 : QStringLiteral("startContainer")));
    }
    dumpTitle_->setText(L10n::render(QStringLiteral("dump")));
}

QCoro::Task<> ImportDetail::wakeContainer() {
    const auto container = model_.selectedContainer();
    if (!container || waking_) co_return;
    QPointer<ImportDetail> self(this);
    waking_ = true;
    wake_->setEnabled(false);
    wake_->setText(L10n::render(QStringLiteral("containerStarting"), {container->name}));
    auto waking = model_.wakeSelectedContainer();
    co_await waking;
    if (!self) co_return;
    waking_ = false;
    wake_->setEnabled(true);
    render();
}

QScrollBar* ImportDetail::verticalScrollBar() const { return scroll_->verticalScrollBar(); }
