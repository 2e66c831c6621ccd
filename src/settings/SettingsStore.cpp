#include "settings/SettingsStore.h"

#include <QFileInfo>

#include <utility>

#include "l10n/L10n.h"
#include "l10n/UserSettings.h"

namespace {
const QString kLanguageKey = QStringLiteral("appLanguage");
const QString kFolderKey = QStringLiteral("dumpFolderBookmark");
const QString kEngineKey = QStringLiteral("containerEngine");
const QString kRowSessionsKey = QStringLiteral("rowSessions");
const QString kGeometryKey = QStringLiteral("windowGeometry");
const QString kShowStoppedKey = QStringLiteral("showStopped");
constexpr int kMostRowSessions = 8;
const QString kCopyLimitKey = QStringLiteral("copyLimitGb");
const QString kCopyKeepKey = QStringLiteral("copyKeepDays");
constexpr int kDefaultCopyLimitGb = 2;
constexpr int kMostCopyLimitGb = 1024;
constexpr int kDefaultCopyKeepDays = 14;
constexpr int kMostCopyKeepDays = 3650;

QString knownEngine(const QString& word) {
    return word == QLatin1String("docker") || word == QLatin1String("podman") ? word : QString();
}
}  // namespace

SettingsStore& SettingsStore::shared() {
    static SettingsStore* instance = new SettingsStore();  // lives until the process ends
    return *instance;
}

SettingsStore::SettingsStore(QObject* parent) : QObject(parent) {
    if (const auto stored = L10n::storedLanguage()) {
        languageChoice_ = *stored;
    } else {
        // The first start saves the system language; later changes of it no longer matter.
        languageChoice_ = L10n::systemCode();
        UserSettings::open()->setValue(kLanguageKey, languageChoice_);
    }
    const QVariant folder = UserSettings::open()->value(kFolderKey);
    if (folder.isValid()) {
        const QString path = QString::fromUtf8(folder.toByteArray());
        if (!path.isEmpty() && QFileInfo(path).isDir()) dumpFolderURL_ = path;
    }
    engineChoice_ = knownEngine(UserSettings::open()->value(kEngineKey).toString());
    rowSessions_ = qBound(0, UserSettings::open()->value(kRowSessionsKey).toInt(), kMostRowSessions);
    copyLimitGb_ = qBound(0, UserSettings::open()->value(kCopyLimitKey, kDefaultCopyLimitGb).toInt(), kMostCopyLimitGb);
    copyKeepDays_ =
        qBound(1, UserSettings::open()->value(kCopyKeepKey, kDefaultCopyKeepDays).toInt(), kMostCopyKeepDays);
}

void SettingsStore::setCopyLimitGb(int gigabytes) {
    gigabytes = qBound(0, gigabytes, kMostCopyLimitGb);
    UserSettings::open()->setValue(kCopyLimitKey, gigabytes);
    if (std::exchange(copyLimitGb_, gigabytes) != gigabytes) Q_EMIT copyPolicyChanged();
}

void SettingsStore::setCopyKeepDays(int days) {
    days = qBound(1, days, kMostCopyKeepDays);
    UserSettings::open()->setValue(kCopyKeepKey, days);
    if (std::exchange(copyKeepDays_, days) != days) Q_EMIT copyPolicyChanged();
}

void SettingsStore::setRowSessions(int sessions) {
    sessions = qBound(0, sessions, kMostRowSessions);
    if (sessions == 0)
        UserSettings::open()->remove(kRowSessionsKey);
    else
        UserSettings::open()->setValue(kRowSessionsKey, sessions);
    if (sessions == rowSessions_) return;
    rowSessions_ = sessions;
    Q_EMIT rowSessionsChanged(sessions);
}

void SettingsStore::setEngineChoice(const QString& engine) {
    const QString known = knownEngine(engine);
    if (known.isEmpty()) {
        UserSettings::open()->remove(kEngineKey);
    } else {
        UserSettings::open()->setValue(kEngineKey, known);
    }
    if (known == engineChoice_) return;
    engineChoice_ = known;
    Q_EMIT engineChoiceChanged(known);
}

void SettingsStore::setLanguageChoice(const QString& code) {
    UserSettings::open()->setValue(kLanguageKey, code);
    if (code == languageChoice_) return;
    languageChoice_ = code;
    Q_EMIT languageChoiceChanged(code);
}

void SettingsStore::setDumpFolder(const QString& folder) {
    UserSettings::open()->setValue(kFolderKey, folder.toUtf8());
    if (dumpFolderURL_ == folder) return;
    dumpFolderURL_ = folder;
    Q_EMIT dumpFolderChanged();
}

void SettingsStore::clearDumpFolder() {
    UserSettings::open()->remove(kFolderKey);
    if (!dumpFolderURL_) return;
    dumpFolderURL_.reset();
    Q_EMIT dumpFolderChanged();
}

QByteArray SettingsStore::windowGeometry() const { return UserSettings::open()->value(kGeometryKey).toByteArray(); }

void SettingsStore::setWindowGeometry(const QByteArray& geometry) {
    UserSettings::open()->setValue(kGeometryKey, geometry);
}

bool SettingsStore::showStopped() const { return UserSettings::open()->value(kShowStoppedKey).toBool(); }

void SettingsStore::setShowStopped(bool show) { UserSettings::open()->setValue(kShowStoppedKey, show); }
