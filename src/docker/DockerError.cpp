#include "docker/DockerError.h"

#include "l10n/L10n.h"

QString DockerError::errorDescription() const {
    const bool podman = engine_ == EngineKind::podman;
    switch (kind_) {
    case Kind::dockerNotRunning: {
        const QString detail = payload_.trimmed();
        if (podman) {
            if (detail.isEmpty()) return L10n::render(QStringLiteral("podmanNotRunning"));
            return L10n::render(QStringLiteral("podmanNotRunningDetail"),
                                {detail.section(QLatin1Char('\n'), 0, 0).trimmed()});
        }
        QString text;
        if (detail.isEmpty()) {
            text = L10n::render(QStringLiteral("dockerNotRunning"));
        } else {
            // Docker's own first line says why; on Linux a refused socket mostly means the
            // account is not in the docker group.
            const QString first = detail.section(QLatin1Char('\n'), 0, 0).trimmed();
            text = L10n::render(QStringLiteral("dockerNotRunningDetail"), {first});
            if (first.contains(QLatin1String("permission denied"), Qt::CaseInsensitive) &&
                first.contains(QLatin1String("docker.sock")))
                text += QLatin1Char(' ') + L10n::render(QStringLiteral("dockerPermission"));
        }
        if (podmanToo_) text += QLatin1Char(' ') + L10n::render(QStringLiteral("dockerPermissionPodman"));
        return text;
    }
    case Kind::commandFailed:
    case Kind::mysqlFailed: return payload_;
    case Kind::dockerMissing:
        return L10n::render(podman ? QStringLiteral("podmanMissing") : QStringLiteral("dockerMissing"));
    case Kind::timedOut:
        if (podman) return L10n::render(QStringLiteral("podmanTimeout"), {payload_.toLongLong()});
        return L10n::renderCount(QStringLiteral("dockerTimeout"), payload_.toLongLong());
    }
    return payload_;
}

QString describeError(const std::exception& error) {
    if (const auto* docker = dynamic_cast<const DockerError*>(&error)) return docker->errorDescription();
    return QString::fromLocal8Bit(error.what());
}
