#include "ui/StreamOptions.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"

StreamOptions::StreamOptions(AppModel& model, SettingsStore& settings, QWidget* parent)
    : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("streamOptions"));
    guard_ = new QCheckBox(this);
    guard_->setObjectName(QStringLiteral("guardCommands"));
    redirect_ = new QCheckBox(this);
    redirect_->setObjectName(QStringLiteral("redirectDatabase"));
    mysqlFixes_ = new QCheckBox(this);
    mysqlFixes_->setObjectName(QStringLiteral("mysqlFixes"));
    definers_ = new QCheckBox(this);
    definers_->setObjectName(QStringLiteral("rewriteDefiners"));
    account_ = new QCheckBox(this);
    account_->setObjectName(QStringLiteral("importAccount"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (QCheckBox* box : {account_, guard_, redirect_, mysqlFixes_, definers_}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { store(); });
    }
    onFields(model_, this, {AppModel::Field::fixChoices, AppModel::Field::phase}, [this] { render(); });
    onLanguageChange(settings, this, [this] { retranslate(); });
    retranslate();
}

void StreamOptions::retranslate() {
    guard_->setText(L10n::render(QStringLiteral("optionGuardCommands")));
    redirect_->setText(L10n::render(QStringLiteral("optionRedirect")));
    mysqlFixes_->setText(L10n::render(QStringLiteral("optionMysqlFixes")));
    definers_->setText(L10n::render(QStringLiteral("optionDefiners")));
    account_->setText(L10n::render(QStringLiteral("optionImportAccount")));
    render();
}

void StreamOptions::render() {
    const FixChoices& choices = model_.fixChoices();
    const QSignalBlocker a(guard_), b(redirect_), c(mysqlFixes_), d(definers_), e(account_);
    guard_->setChecked(choices.guardClientCommands);
    redirect_->setChecked(choices.redirectDatabase);
    mysqlFixes_->setChecked(choices.mysqlToMariadb);
    definers_->setChecked(choices.rewriteDefiners);
    account_->setChecked(choices.importAccount);
    setEnabled(!model_.phase().isRunning());
}

void StreamOptions::store() {
    // What these boxes do not show stays as it was.
    FixChoices choices = model_.fixChoices();
    choices.guardClientCommands = guard_->isChecked();
    choices.redirectDatabase = redirect_->isChecked();
    choices.mysqlToMariadb = mysqlFixes_->isChecked();
    choices.rewriteDefiners = definers_->isChecked();
    choices.importAccount = account_->isChecked();
    model_.setFixChoices(choices);
}
