#include "ui/ImportOptions.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>

#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/Disclosure.h"
#include "ui/ModelBinding.h"
#include "ui/StreamOptions.h"
#include "ui/TableChooser.h"
#include "ui/Style.h"

namespace {

constexpr quint64 kSmallBufferPool = 999'999'999;  // below a gigabyte the import is slower

QCheckBox* optionBox(const char* name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The label says what the user gets; the tooltip what the server is told, and the price.
void nameOption(QCheckBox* box, const char* key) {
    box->setText(L10n::render(QLatin1String(key)));
    box->setToolTip(L10n::render(QLatin1String(key) + QLatin1String("Tip")));
}

void setTextKeepingCursor(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

}  // namespace

ImportOptions::ImportOptions(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("importOptions"));
    unique_ = optionBox("disableUnique", this);
    foreignKeys_ = optionBox("disableFK", this);
    binlog_ = optionBox("disableBinlog", this);
    binlogOff_ = new QLabel(this);
    binlogOff_->setObjectName(QStringLiteral("binlogOffNote"));
    Style::makeSecondary(binlogOff_, Style::caption(), true);
    bufferPool_ = new QLabel(this);
    bufferPool_->setObjectName(QStringLiteral("bufferPoolNote"));
    Style::makeSecondary(bufferPool_, Style::caption(), true);

    auto* loginContent = new QWidget;
    userLabel_ = new QLabel(loginContent);
    Style::makeSecondary(userLabel_, Style::caption(), true);
    user_ = new QLineEdit(loginContent);
    user_->setObjectName(QStringLiteral("userField"));
    user_->setPlaceholderText(QStringLiteral("root"));
    user_->setMaximumWidth(360);
    userLabel_->setBuddy(user_);
    passwordLabel_ = new QLabel(loginContent);
    Style::makeSecondary(passwordLabel_, Style::caption(), true);
    password_ = new QLineEdit(loginContent);
    password_->setObjectName(QStringLiteral("passwordField"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaximumWidth(360);
    password_->installEventFilter(this);
    passwordLabel_->setBuddy(password_);
    test_ = new QPushButton(loginContent);
    test_->setObjectName(QStringLiteral("testConnection"));
    connection_ = new QLabel(loginContent);
    connection_->setObjectName(QStringLiteral("connectionResult"));
    connection_->setWordWrap(true);
    Style::makeSecondary(connection_, Style::caption(), true);
    connection_->hide();
    auto* loginLayout = new QVBoxLayout(loginContent);
    loginLayout->setContentsMargins(0, 0, 0, 0);
    loginLayout->setSpacing(4);
    loginLayout->addWidget(userLabel_);
    loginLayout->addWidget(user_);
    loginLayout->addSpacing(4);
    loginLayout->addWidget(passwordLabel_);
    loginLayout->addWidget(password_);
    loginLayout->addSpacing(4);
    loginLayout->addWidget(test_, 0, Qt::AlignLeft);
    loginLayout->addWidget(connection_);
    login_ = new Disclosure(loginContent, this);
    login_->setObjectName(QStringLiteral("loginGroup"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* stream = new StreamOptions(model_, settings, this);
    auto* tables = new TableChooser(model_, settings, this);
    for (QWidget* widget : std::initializer_list<QWidget*>{unique_, foreignKeys_, binlog_, binlogOff_, bufferPool_,
                                                           stream, tables, login_}) {
        layout->addWidget(widget);
    }

    connect(unique_, &QCheckBox::toggled, this, [this](bool on) { model_.setDisableUniqueChecks(on); });
    connect(foreignKeys_, &QCheckBox::toggled, this, [this](bool on) { model_.setDisableForeignKeyChecks(on); });
    connect(binlog_, &QCheckBox::toggled, this, [this](bool on) { model_.setDisableBinlog(on); });
    // A result speaks for the login it tested: typing makes it stale.
    connect(user_, &QLineEdit::textEdited, this, [this](const QString& text) {
        connection_->hide();
        model_.setUserOverride(text);
    });
    connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
        connection_->hide();
        model_.setPasswordOverride(text);
    });
    connect(test_, &QPushButton::clicked, this, &ImportOptions::reloadDatabases);
    onFields(model_, this,
             {AppModel::Field::disableUniqueChecks, AppModel::Field::disableForeignKeyChecks,
              AppModel::Field::disableBinlog, AppModel::Field::serverInfo, AppModel::Field::userOverride,
              AppModel::Field::passwordOverride, AppModel::Field::phase},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { retranslate(); });
    retranslate();
}

void ImportOptions::retranslate() {
    nameOption(unique_, "disableUnique");
    nameOption(foreignKeys_, "disableFK");
    nameOption(binlog_, "disableBinlog");
    binlogOff_->setText(L10n::render(QStringLiteral("binlogOff")));
    login_->setTitle(L10n::render(QStringLiteral("login")));
    userLabel_->setText(L10n::render(QStringLiteral("user")));
    passwordLabel_->setText(L10n::render(QStringLiteral("passwordHint")));
    password_->setAccessibleName(passwordLabel_->text());
    user_->setAccessibleName(userLabel_->text());
    test_->setText(L10n::render(QStringLiteral("testConnection")));
    render();
}

void ImportOptions::render() {
    {
        const QSignalBlocker a(unique_), b(foreignKeys_), c(binlog_);
        unique_->setChecked(model_.disableUniqueChecks());
        foreignKeys_->setChecked(model_.disableForeignKeyChecks());
        binlog_->setChecked(model_.disableBinlog());
    }
    setTextKeepingCursor(user_, model_.userOverride());
    setTextKeepingCursor(password_, model_.passwordOverride());

    const auto& server = model_.serverInfo();
    const bool binlogOff = server && !server->logBin;
    binlog_->setEnabled(!binlogOff);  // the stored flag keeps its value
    binlogOff_->setVisible(binlogOff);
    const bool smallPool = server && server->bufferPoolBytes <= kSmallBufferPool;
    bufferPool_->setVisible(smallPool);
    if (smallPool) {
        bufferPool_->setText(
            L10n::render(QStringLiteral("bufferPool"), {ByteFormatting::bytes(qint64(server->bufferPoolBytes))}));
    }
    setEnabled(!model_.phase().isRunning());
}

QCoro::Task<> ImportOptions::reloadDatabases() {
    QPointer<ImportOptions> self(this);
    connection_->hide();
    co_await model_.loadDatabases();
    if (!self) co_return;
    // A failure shows in the banner above; a login that works says so here.
    const auto& server = model_.serverInfo();
    if (!server || model_.errorMessage()) co_return;
    connection_->setText(L10n::render(QStringLiteral("connectionWorks"), {model_.loginUser(), server->productAndVersion()}));
    connection_->show();
}

void ImportOptions::openLogin() {
    login_->setExpanded(true);
    password_->setFocus(Qt::OtherFocusReason);
}

bool ImportOptions::eventFilter(QObject* watched, QEvent* event) {
    // Return in the password field tests the login instead of starting the import.
    if (watched == password_ && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            reloadDatabases();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
