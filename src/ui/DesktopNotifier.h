#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// Desktop notifications through the freedesktop service on the session bus. Without a bus
// or a service nothing shows and nothing complains.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    // Shows a notification; with an action label, clicking it emits activated().
    void notify(const QString& summary, const QString& body, const QString& actionLabel = {});

    // What was last sent, whether or not a service showed it.
    const QString& lastSummary() const { return lastSummary_; }
    const QString& lastBody() const { return lastBody_; }
    int sentCount() const { return sent_; }

Q_SIGNALS:
    void activated();

private Q_SLOTS:
    void actionInvoked(uint id, const QString& key);

private:
    QSet<uint> ours_;
    QString lastSummary_;
    QString lastBody_;
    int sent_ = 0;
    bool listening_ = false;
};
