#include "ui/OutcomePanel.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

#include "import/ProgressText.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "model/FailureText.h"
#include "ui/Style.h"
#include "ui/Symbols.h"
#include "ui/WrappedText.h"

namespace {

QLabel* line(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* button(const char* name, QWidget* parent) {
    auto* made = new QPushButton(parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

}  // namespace

OutcomePanel::OutcomePanel(AppModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("outcomePanel"));
    icon_ = new QLabel(this);
    title_ = line("outcomeText", this);
    file_ = line("outcomeFile", this);
    Style::makeSecondary(file_, Style::caption(), true);
    // A server's message may hold a long path or statement: it wraps anywhere.
    cause_ = new WrappedText(this);
    cause_->setObjectName(QStringLiteral("outcomeCause"));
    tables_ = line("outcomeTables", this);
    state_ = line("outcomeState", this);
    for (QLabel* secondary : {tables_, state_}) Style::makeSecondary(secondary, Style::callout(), true);
    continue_ = button("continueImport", this);
    retry_ = button("retryImport", this);
    showLog_ = button("showLog", this);
    copy_ = button("copyDetails", this);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton* each : {continue_, retry_, showLog_, copy_}) buttons->addWidget(each);
    buttons->addStretch();
    auto* lines = new QVBoxLayout;
    lines->setSpacing(3);
    for (QWidget* each : std::initializer_list<QWidget*>{title_, file_, cause_, tables_, state_}) lines->addWidget(each);
    lines->addSpacing(3);
    lines->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(icon_, 0, Qt::AlignTop);
    layout->addLayout(lines, 1);

    // Both through the confirmation: the target may have changed since.
    connect(continue_, &QPushButton::clicked, this, [this] { model_.requestResume(); });
    connect(retry_, &QPushButton::clicked, this, [this] { model_.requestImport(); });
    connect(showLog_, &QPushButton::clicked, this, &OutcomePanel::showLogRequested);
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(details()); });
}

QString OutcomePanel::stateLine() const {
    // The server is read again after every import; until then its old figures would mislead.
    if (model_.isLoadingDatabases() || !model_.serverInfo()) return {};
    const QString& database = model_.importDatabase();
    MysqlDatabase now{database, 0, 0};
    for (const MysqlDatabase& listed : model_.databases())
        if (listed.name == database) now = listed;
    return L10n::renderCount(QStringLiteral("outcomeHolds"), now.tables, {database, now.tables, ByteFormatting::bytes(now.bytes)});
}

void OutcomePanel::render() {
    const AppModel::Phase& phase = model_.phase();
    using Kind = AppModel::Phase::Kind;
    const int side = QFontMetrics(title_->font()).height() + 2;
    const QString database = model_.importDatabase();
    file_->setText(L10n::render(QStringLiteral("outcomeAbout"), {QFileInfo(model_.importDump()).fileName(), database}));
    cause_->setVisible(phase.kind() == Kind::failed);
    cause_->setText(phase.kind() == Kind::failed ? FailureText::split(phase.message()).summary : QString());
    const QString tables = phase.kind() == Kind::success ? QString() : ProgressText::outcomeTables(phase.tables());
    tables_->setText(tables);
    tables_->setVisible(!tables.isEmpty());
    const QString state = stateLine();
    state_->setText(state);
    state_->setVisible(!state.isEmpty());
    retry_->setText(L10n::render(QStringLiteral("retryImport")));
    showLog_->setText(L10n::render(QStringLiteral("showLog")));
    copy_->setText(L10n::render(QStringLiteral("copyDetails")));
    const bool ended = phase.kind() == Kind::failed || phase.kind() == Kind::cancelled;
    retry_->setVisible(ended);
    retry_->setEnabled(!model_.importBlockedReason());
    // Only where the import that ended here can continue: its file, its target, something kept.
    const std::optional<KeptPoint> kept =
        ended && model_.dumpURL() == model_.importDump() ? model_.resumePoint() : std::nullopt;
    continue_->setVisible(kept.has_value());
    continue_->setEnabled(!model_.importBlockedReason());
    if (kept) {
        continue_->setText(kept->table.isEmpty() ? L10n::render(QStringLiteral("continueFromLine"), {kept->line})
                                                 : L10n::render(QStringLiteral("continueFromTable"), {kept->table}));
        continue_->setToolTip(L10n::render(QStringLiteral("continueImportTip")));
    }
    copy_->setVisible(ended);
    switch (phase.kind()) {
    case Kind::success:
        icon_->setPixmap(Symbols::tinted(Symbols::Symbol::success, side, Style::green()));
        title_->setText(L10n::render(QStringLiteral("importDone"), {ByteFormatting::duration(phase.seconds())}));
        Style::setTextColor(title_, Style::green());
        break;
    case Kind::cancelled:
        icon_->setPixmap(Symbols::tinted(Symbols::Symbol::stopped, side, Style::secondary(this)));
        title_->setText(L10n::render(QStringLiteral("importCancelled")));
        Style::setTextColor(title_, palette().color(QPalette::WindowText));
        break;
    case Kind::failed:
        icon_->setPixmap(Symbols::tinted(Symbols::Symbol::warning, side, Style::orange()));
        title_->setText(L10n::render(QStringLiteral("importFailed"), {database}));
        Style::setTextColor(title_, palette().color(QPalette::WindowText));
        break;
    default: break;
    }
}

QString OutcomePanel::details() const {
    QStringList lines{title_->text(), file_->text()};
    if (model_.phase().kind() == AppModel::Phase::Kind::failed) lines << QString() << model_.phase().message();
    for (QLabel* label : {tables_, state_})
        if (!label->text().isEmpty()) lines << label->text();
    // What was run: the target, the file, the session, with the password already masked.
    const QStringList head = model_.logHead();
    if (!head.isEmpty()) lines << QString() << head;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
