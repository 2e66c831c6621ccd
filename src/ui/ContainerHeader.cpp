#include "ui/ContainerHeader.h"

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include <limits>

#include "docker/ContainerStatus.h"
#include "docker/Engine.h"
#include "l10n/ByteFormatting.h"
#include "l10n/L10n.h"
#include "ui/Style.h"

namespace {

const QString kSeparator = QStringLiteral(" \u00B7 ");

qint64 clampedSize(quint64 bytes) {
    return qint64(std::min<quint64>(bytes, quint64(std::numeric_limits<qint64>::max())));
}

}  // namespace

ContainerHeader::ContainerHeader(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("containerHeader"));
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("containerName"));
    name_->setFont(Style::title());
    name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    headerLine_ = new QLabel(this);
    headerLine_->setObjectName(QStringLiteral("headerLine"));
    Style::makeSecondary(headerLine_, Style::callout(), true);
    headerLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    metaLine_ = new QLabel(this);
    metaLine_->setObjectName(QStringLiteral("metaLine"));
    Style::makeSecondary(metaLine_, Style::caption(), true);
    metaLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(name_);
    layout->addWidget(headerLine_);
    layout->addWidget(metaLine_);
}

void ContainerHeader::describe(const DockerContainer& container, const std::optional<ServerInfo>& server) {
    name_->setText(container.name);
    headerLine_->setText(headerLine(container));
    metaLine_->setText(metaLine(container, server));
    metaLine_->setVisible(!container.volumeSummary.isEmpty() || server.has_value());
}

QString ContainerHeader::headerLine(const DockerContainer& container) {
    QStringList parts{container.image, L10n::render(ContainerStatus::stateKey(container))};
    const QString status = ContainerStatus::describe(container, QDateTime::currentDateTimeUtc());
    if (!status.isEmpty()) parts << status;
    if (!container.ports.isEmpty()) parts << container.ports;
    // Where it runs, so nobody restores into a remote server thinking it is local.
    parts << Engine::describe(container.engine, container.rootless, container.endpoint);
    return parts.join(kSeparator);
}

QString ContainerHeader::metaLine(const DockerContainer& container, const std::optional<ServerInfo>& server) {
    QStringList parts;
    if (!container.volumeSummary.isEmpty()) {
        parts << L10n::render(QStringLiteral("volume"), {container.volumeSummary});
    }
    if (server) {
        // Product names, never translated.
        parts << server->productAndVersion();
        parts << L10n::render(QStringLiteral("bufferPoolHeader"),
                              {ByteFormatting::bytes(clampedSize(server->bufferPoolBytes))});
    }
    return parts.join(kSeparator);
}
