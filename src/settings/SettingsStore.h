#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

// The user's settings: the interface language, the default folder for dumps, the
// container engine and how many sessions load rows.
// One instance per process, on the GUI thread. The folder and file dialogs live with the
// views; they hand their answers to this store.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    // The one instance, created on first use.
    static SettingsStore& shared();

    // Reads the persisted settings; stores the system language on the first start.
    explicit SettingsStore(QObject* parent = nullptr);

    const QString& languageChoice() const { return languageChoice_; }
    // Stores the code every time; notifies only when it changed.
    void setLanguageChoice(const QString& code);

    const std::optional<QString>& dumpFolderURL() const { return dumpFolderURL_; }
    // Makes a folder the default for dumps and remembers it.
    void setDumpFolder(const QString& folder);
    void clearDumpFolder();

    // "docker", "podman", or empty for whichever is found, Docker first.
    const QString& engineChoice() const { return engineChoice_; }
    void setEngineChoice(const QString& engine);

    // Sessions that load rows at once; 0 leaves it to the machine.
    int rowSessions() const { return rowSessions_; }
    void setRowSessions(int sessions);

    // A copy of the tables an import may change is saved first by default when they hold less
    // than this many GB (0: never by default); copies are kept this many days.
    int copyLimitGb() const { return copyLimitGb_; }
    void setCopyLimitGb(int gigabytes);
    int copyKeepDays() const { return copyKeepDays_; }
    void setCopyKeepDays(int days);
    quint64 copyLimitBytes() const { return quint64(copyLimitGb_) << 30; }

    // How the main window was left: its size and place, and whether stopped containers show.
    // Read from the stored settings each time, so every window starts as the last one ended.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    bool showStopped() const;
    void setShowStopped(bool show);

Q_SIGNALS:
    void languageChoiceChanged(const QString& code);
    void dumpFolderChanged();
    void engineChoiceChanged(const QString& engine);
    void rowSessionsChanged(int sessions);
    void copyPolicyChanged();

private:
    QString languageChoice_;
    QString engineChoice_;
    std::optional<QString> dumpFolderURL_;
    int rowSessions_ = 0;
    int copyLimitGb_ = 2;
    int copyKeepDays_ = 14;
};
