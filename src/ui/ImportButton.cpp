#include "ui/ImportButton.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "l10n/L10n.h"
#include "model/AppModel.h"
#include "ui/ModelBinding.h"
#include "ui/Style.h"

namespace {

// The start button wears the accent colour, on which the style's own focus frame disappears:
// it draws a ring of its text colour inside when it has the focus.
class ProminentButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 4, 4);
    }
};

}  // namespace

ImportButton::ImportButton(AppModel& model, SettingsStore& settings, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName(QStringLiteral("importButtonSection"));
    start_ = new ProminentButton(this);
    start_->setObjectName(QStringLiteral("startImport"));
    start_->setDefault(true);
    start_->setMinimumHeight(34);
    start_->setMinimumWidth(160);
    QFont strong = Style::body();
    strong.setBold(true);
    start_->setFont(strong);
    QPalette prominent = start_->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {  // disabled keeps the plain look
        prominent.setColor(group, QPalette::Button, Style::accent(start_));
        prominent.setColor(group, QPalette::ButtonText, start_->palette().color(QPalette::HighlightedText));
    }
    start_->setPalette(prominent);

    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("cancelImport"));
    cancel_->setMinimumHeight(34);
    cancel_->setMinimumWidth(160);
    cancel_->setToolTip(QStringLiteral("Esc"));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    Style::makeSecondary(status_, Style::caption(), true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(start_, 0, Qt::AlignLeft);
    layout->addWidget(cancel_, 0, Qt::AlignLeft);
    layout->addWidget(status_);

    connect(start_, &QPushButton::clicked, this, [this] { model_.requestImport(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { model_.cancelImport(); });
    // The gate reads the selection, the target, the dump and the password.
    onFields(model_, this,
             {AppModel::Field::phase, AppModel::Field::runner, AppModel::Field::selectedContainerID, AppModel::Field::containers,
              AppModel::Field::selectedDatabase, AppModel::Field::dumpURL, AppModel::Field::passwordOverride},
             [this] { render(); });
    onLanguageChange(settings, this, [this] { render(); });
    render();
}

void ImportButton::render() {
    const bool running = model_.phase().isRunning();
    const auto blocked = model_.importBlockedReason();
    start_->setText(L10n::render(QStringLiteral("startImport")));
    const bool stopping = model_.isImportStopping();
    cancel_->setText(L10n::render(stopping ? QStringLiteral("stoppingButton") : QStringLiteral("cancel")));
    cancel_->setEnabled(!stopping);
    start_->setVisible(!running);
    cancel_->setVisible(running);
    start_->setEnabled(!running && !blocked);
    if (stopping) {
        status_->setText(L10n::render(QStringLiteral("stoppingStatus")));
    } else if (running) {
        status_->setText(L10n::render(QStringLiteral("pipeRunning")));
    } else if (blocked) {
        status_->setText(*blocked);
    } else {
        status_->setText(L10n::render(QStringLiteral("pipeHint")));
    }
}

bool ImportButton::triggerDefault() {
    if (!isVisible() || start_->isHidden() || !start_->isEnabled()) return false;
    start_->click();
    return true;
}
