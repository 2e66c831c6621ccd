#include "model/ContainerOrder.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace ContainerOrder {

QList<DockerContainer> visible(const QList<DockerContainer>& containers, bool showStopped) {
    QList<DockerContainer> kept;
    for (const DockerContainer& container : containers) {
        if (showStopped || container.running) kept.append(container);
    }
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(kept.begin(), kept.end(), [&](const DockerContainer& a, const DockerContainer& b) {
        if (a.isMysql != b.isMysql) return a.isMysql;
        if (a.running != b.running) return a.running;
        return collator.compare(a.name, b.name) < 0;
    });
    return kept;
}

std::optional<QString> choose(const QList<DockerContainer>& visible, const std::optional<QString>& currentId,
                              const std::optional<QString>& lastContainerName) {
    const auto first = [&](auto predicate) -> std::optional<QString> {
        const auto found = std::find_if(visible.begin(), visible.end(), predicate);
        if (found == visible.end()) return std::nullopt;
        return found->id;
    };
    if (currentId) {
        if (auto same = first([&](const DockerContainer& c) { return c.id == *currentId; })) return same;
    }
    if (lastContainerName) {
        if (auto last = first(
                [&](const DockerContainer& c) { return c.name == *lastContainerName && c.isMysql && c.running; })) {
            return last;
        }
    }
    if (auto runningMysql = first([](const DockerContainer& c) { return c.isMysql && c.running; })) return runningMysql;
    if (auto mysql = first([](const DockerContainer& c) { return c.isMysql; })) return mysql;
    if (!visible.isEmpty()) return visible.first().id;
    return std::nullopt;
}

}  // namespace ContainerOrder
