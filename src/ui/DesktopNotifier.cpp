#include "ui/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
}  // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

void DesktopNotifier::notify(const QString& summary, const QString& body, const QString& actionLabel) {
    lastSummary_ = summary;
    lastBody_ = body;
    ++sent_;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    if (!listening_) {
        listening_ = bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                                 SLOT(actionInvoked(uint, QString)));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QStringList actions;
    if (!actionLabel.isEmpty()) actions << QStringLiteral("default") << actionLabel;
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tarnwell"));
    call << QStringLiteral("Tarnwell") << uint(0) << QStringLiteral("tarnwell") << summary << body << actions << hints
         << int(-1);
    // Asked without waiting: a missing service must not hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isValid()) ours_.insert(reply.value());
        watcher->deleteLater();
    });
}

void DesktopNotifier::actionInvoked(uint id, const QString& key) {
    if (!ours_.contains(id)) return;
    Q_UNUSED(key);  // the one action and a click on the notification both bring the window
    Q_EMIT activated();
}
