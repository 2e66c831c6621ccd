#include "ui/NewDatabaseDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/Style.h"

namespace {
constexpr int kNameLimit = 64;  // the server's limit for a database name
}

QStringList NewDatabaseDialog::collationsFor(const QString& serverVersion) {
    QStringList names;
    if (serverVersion.contains(QLatin1String("MariaDB"), Qt::CaseInsensitive)) {
        names << QStringLiteral("utf8mb4_uca1400_ai_ci");
    } else if (!serverVersion.isEmpty() && !serverVersion.startsWith(QLatin1Char('5'))) {
        names << QStringLiteral("utf8mb4_0900_ai_ci");
    }
    names << QStringLiteral("utf8mb4_unicode_520_ci") << QStringLiteral("utf8mb4_unicode_ci")
          << QStringLiteral("utf8mb4_general_ci") << QStringLiteral("utf8mb4_bin");
    return names;
}

NewDatabaseDialog::NewDatabaseDialog(AppModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("newDatabaseDialog"));
    setWindowTitle(L10n::render(QStringLiteral("newDatabaseTitle")));
    setWindowModality(Qt::WindowModal);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("newDatabaseName"));
    name_->setMaxLength(kNameLimit);
    name_->setMinimumWidth(280);
    auto* charset = new QLabel(QStringLiteral("utf8mb4"), this);
    charset->setObjectName(QStringLiteral("newDatabaseCharset"));
    collation_ = new QComboBox(this);
    collation_->setObjectName(QStringLiteral("newDatabaseCollation"));
    collation_->addItem(L10n::render(QStringLiteral("serverDefaultCollation")), QString());
    const QString version = model_.serverInfo() ? model_.serverInfo()->version : QString();
    for (const QString& name : collationsFor(version)) collation_->addItem(name, name);
    collation_->setCurrentIndex(0);
    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("newDatabaseError"));
    error_->setWordWrap(true);
    error_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Style::setTextColor(error_, Style::orange());
    error_->hide();

    auto* form = new QFormLayout;
    form->addRow(L10n::render(QStringLiteral("databaseName")), name_);
    form->addRow(L10n::render(QStringLiteral("characterSet")), charset);
    form->addRow(L10n::render(QStringLiteral("collation")), collation_);

    buttons_ = new QDialogButtonBox(this);
    create_ = buttons_->addButton(L10n::render(QStringLiteral("createDatabase")), QDialogButtonBox::AcceptRole);
    create_->setObjectName(QStringLiteral("newDatabaseCreate"));
    create_->setDefault(true);
    QPushButton* cancel = buttons_->addButton(L10n::render(QStringLiteral("cancel")), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("newDatabaseCancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] { create(); });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // An error speaks of the name it was about: another name starts afresh.
    connect(name_, &QLineEdit::textChanged, this, [this] {
        error_->hide();
        validate();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(error_);
    layout->addWidget(buttons_);
    validate();
}

QString NewDatabaseDialog::chosenCollation() const {
    // A typed name counts as well as a listed one.
    const int index = collation_->currentIndex();
    return index >= 0 ? collation_->itemData(index).toString() : QString();
}

void NewDatabaseDialog::validate() {
    const QString name = name_->text().trimmed();
    create_->setEnabled(!busy_ && !name.isEmpty());
}

QCoro::Task<> NewDatabaseDialog::create() {
    const QString name = name_->text().trimmed();
    if (name.isEmpty() || busy_) co_return;
    const bool exists = std::any_of(model_.databases().cbegin(), model_.databases().cend(),
                                    [&](const MysqlDatabase& database) { return database.name == name; });
    if (exists) {
        error_->setText(L10n::render(QStringLiteral("databaseExists"), {name}));
        error_->show();
        co_return;
    }
    busy_ = true;
    validate();
    error_->hide();
    QPointer<NewDatabaseDialog> self(this);
    AppModel* model = &model_;
    const auto before = model->errorMessage();
    auto creation = model->createDatabase(name, chosenCollation());
    const bool created = co_await creation;
    if (created) {
        auto reading = model->loadDatabases();
        co_await reading;
    }
    if (!self) co_return;
    busy_ = false;
    validate();
    if (created) {
        accept();
        co_return;
    }
    // The reason stays here with the name, not in the window's banner behind the dialog.
    const auto reason = model->errorMessage();
    if (reason != before) model->dismissError();
    error_->setText(reason.value_or(L10n::render(QStringLiteral("blockedNoPassword"))));
    error_->show();
}
