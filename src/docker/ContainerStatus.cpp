#include "docker/ContainerStatus.h"

#include <QLocale>

#include "l10n/L10n.h"

namespace ContainerStatus {
namespace {

constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 60 * kMinute;
constexpr qint64 kDay = 24 * kHour;

}  // namespace

QString uptime(qint64 seconds) {
    if (seconds < kMinute) return L10n::render(QStringLiteral("upMoment"));
    if (seconds < kHour) return L10n::renderCount(QStringLiteral("upMinutes"), seconds / kMinute);
    if (seconds < 2 * kDay) return L10n::renderCount(QStringLiteral("upHours"), seconds / kHour);
    return L10n::renderCount(QStringLiteral("upDays"), seconds / kDay);
}

QString describe(const DockerContainer& container, const QDateTime& now) {
    if (container.running && container.startedAt.isValid()) return uptime(container.startedAt.secsTo(now));
    if (container.state == QLatin1String("exited") && container.finishedAt.isValid()) {
        const QLocale locale(QString(L10n::currentCode()).replace(u'-', u'_'));
        const QString when = locale.toString(container.finishedAt.toLocalTime(), QLocale::ShortFormat);
        return L10n::render(QStringLiteral("exitedAt"), {qint64(container.exitCode), when});
    }
    return container.status;
}

QString stateKey(const DockerContainer& container) {
    if (container.running) return QStringLiteral("running");
    // Frozen, not ended: it takes no command until it is unpaused, and then runs on.
    if (container.state == QLatin1String("paused")) return QStringLiteral("paused");
    return QStringLiteral("stopped");
}

}  // namespace ContainerStatus
