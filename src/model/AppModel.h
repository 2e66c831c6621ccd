#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <qcoro/qcorotask.h>

#include <atomic>
#include <memory>
#include <optional>

#include "backup/CopyPlanning.h"
#include "backup/TableCopy.h"
#include "docker/DockerContainer.h"
#include "docker/ServerInfo.h"
#include "dump/DumpFixPlan.h"
#include "dump/DumpPreview.h"
#include "import/ImportOutcome.h"
#include "import/ImportRequest.h"
#include "journal/ImportJournal.h"
#include "journal/ResumePlanning.h"
#include "model/ConfirmationTarget.h"
#include "model/ImportPhase.h"

class ImportRunner;

// Everything the main window shows and every action the user takes there. Lives on the GUI
// thread; background jobs get copies of what they need and hand back results, which the
// model applies after checking they still apply. Assigning an equal value notifies nobody.
class AppModel : public QObject {
    Q_OBJECT

public:
    using Phase = ImportPhase;

    enum class Field {
        containers,
        selectedContainerID,
        databases,
        selectedDatabase,
        serverInfo,
        dumpURL,
        dumpPreview,
        showStopped,
        isLoading,
        isLoadingDatabases,
        errorMessage,
        logLines,
        phase,
        disableUniqueChecks,
        disableForeignKeyChecks,
        disableBinlog,
        userOverride,
        passwordOverride,
        databasePinned,
        confirmImport,
        runner,
        engine,
        fixChoices,
        dumpReading,
        keepCopy,
        savedCopies,
    };
    Q_ENUM(Field)

    static constexpr qsizetype kLogLimit = 400;
    // At most this many of the log's first lines (the target, the file, the session) stay
    // when the log is full; the lines after them go first, and one line counts them.
    static constexpr qsizetype kLogHeadLimit = 8;

    explicit AppModel(QObject* parent = nullptr);
    ~AppModel() override;

    // Stored fields.
    const QList<DockerContainer>& containers() const { return containers_; }
    const std::optional<QString>& selectedContainerID() const { return selectedContainerID_; }
    const QList<MysqlDatabase>& databases() const { return databases_; }
    const std::optional<QString>& selectedDatabase() const { return selectedDatabase_; }
    const std::optional<ServerInfo>& serverInfo() const { return serverInfo_; }
    const std::optional<QString>& dumpURL() const { return dumpURL_; }
    const std::optional<DumpPreview>& dumpPreview() const { return dumpPreview_; }
    // The text bytes read so far while the whole dump is read ahead for its tables; -1 when not.
    qint64 dumpReadBytes() const { return dumpReadBytes_; }
    bool showStopped() const { return showStopped_; }
    bool isLoading() const { return isLoading_; }
    // The engine the last refresh found, for the texts that name it.
    EngineKind engine() const { return engine_; }
    bool isLoadingDatabases() const { return isLoadingDatabases_; }
    const std::optional<QString>& errorMessage() const { return errorMessage_; }
    const QStringList& logLines() const { return logLines_; }
    // The log's first lines, which stay however long it gets.
    QStringList logHead() const { return logLines_.mid(0, logHead_); }
    const Phase& phase() const { return phase_; }
    bool disableUniqueChecks() const { return disableUniqueChecks_; }
    bool disableForeignKeyChecks() const { return disableForeignKeyChecks_; }
    bool disableBinlog() const { return disableBinlog_; }
    const QString& userOverride() const { return userOverride_; }
    const QString& passwordOverride() const { return passwordOverride_; }
    bool databasePinned() const { return databasePinned_; }
    bool confirmImport() const { return confirmImport_; }
    bool isImportRunning() const { return runner_ != nullptr; }
    // A cancel was asked and the import is winding down: its sessions end on the server first.
    bool isImportStopping() const { return runner_ != nullptr && stopping_; }
    // The database the running or last import wrote into.
    const QString& importDatabase() const { return importDatabase_; }
    // The dump the running or last import read; its outcome is about this file.
    const QString& importDump() const { return importDump_; }
    // A dump opened from outside while an import ran, to be taken once it has ended.
    const std::optional<QString>& heldDump() const { return heldDump_; }

    // Fields the views write directly.
    void setShowStopped(bool value) { assign(showStopped_, value, Field::showStopped); }
    void setDisableUniqueChecks(bool value) { assign(disableUniqueChecks_, value, Field::disableUniqueChecks); }
    void setDisableForeignKeyChecks(bool value) {
        assign(disableForeignKeyChecks_, value, Field::disableForeignKeyChecks);
    }
    void setDisableBinlog(bool value) { assign(disableBinlog_, value, Field::disableBinlog); }
    // The stream's guards and fixes the user keeps on.
    const FixChoices& fixChoices() const { return fixChoices_; }
    void setFixChoices(const FixChoices& value) { assign(fixChoices_, value, Field::fixChoices); }
    // What the dump's head shows and what the import will do about it, one line each; empty
    // before the dump has been inspected.
    QStringList preflight() const;
    void setUserOverride(const QString& value) { assign(userOverride_, value, Field::userOverride); }
    void setPasswordOverride(const QString& value) { assign(passwordOverride_, value, Field::passwordOverride); }
    // The terminal's login, for the one container its command names: it stays when the
    // selection changes, and a given password is used also when it is empty.
    void setLoginForRun(const std::optional<QString>& user, const std::optional<QString>& password) {
        loginForRun_ = true;
        if (user) setUserOverride(*user);
        if (password) {
            passwordGiven_ = true;
            setPasswordOverride(*password);
            Q_EMIT fieldChanged(Field::passwordOverride);
        }
    }
    void setConfirmImport(bool value) { assign(confirmImport_, value, Field::confirmImport); }
    void dismissError() { assign(errorMessage_, std::optional<QString>(), Field::errorMessage); }

    // Derived values.
    QList<DockerContainer> visibleContainers() const;
    std::optional<DockerContainer> selectedContainer() const;
    // The user the selected container is logged into as; empty without a container.
    QString loginUser() const;
    std::optional<QString> importBlockedReason() const;
    // The guards and fixes for the dump, server and database chosen now.
    DumpFixes plannedFixes() const;
    // The confirmation's text, for what the open confirmation recorded, else for now.
    QString confirmMessage() const;
    // What an import started now would write into, when one can start.
    std::optional<ConfirmationTarget> currentTarget() const;

    // Operations. The asynchronous ones may be awaited; none throws.
    QCoro::Task<> refresh();
    void selectContainer(const std::optional<QString>& id);
    // Starts the selected container when it is stopped, unpauses it when paused, then lists
    // the containers and reads its server again. False when it could not; errorMessage says why.
    QCoro::Task<bool> wakeSelectedContainer();
    QCoro::Task<> loadDatabases();
    void pinDatabase(const QString& name);
    // Creates an empty database on the selected server and selects it. False when it could not
    // be created; errorMessage says why.
    QCoro::Task<bool> createDatabase(QString name, QString collation);
    void setDump(const QString& path);
    // The folder of the dump chosen last, when it is still there.
    std::optional<QString> lastDumpFolder() const;
    // Opens the confirmation and records what it names.
    void requestImport();
    // Starts the import the confirmation named. When the selection, the dump or its
    // inspection changed meanwhile, nothing starts and the confirmation is asked again.
    void startImport();
    void cancelImport();

    // Where an import of the chosen dump into the chosen database that stopped before its end
    // can continue from; nothing when none can, and while an import runs.
    std::optional<KeptPoint> resumePoint() const;
    // Checks that the stopped import can continue exactly (the same file, its tables as it left
    // them) and opens the confirmation for continuing it. False when it cannot; errorMessage
    // says why.
    QCoro::Task<bool> requestResume();
    // The open confirmation is for continuing a stopped import.
    bool confirmsResume() const { return pendingResume_.has_value(); }
    QString confirmButtonText() const;

    // A copy to save before the import, with what its description will say.
    struct CopyBeforeImport {
        QString dumpProgram;
        bool mysqlServer = false;
        TableCopy copy;
        QByteArray epilogue;
    };
    // The copy of the target's tables an import started now would save first, so that it can be
    // undone; nothing when there is nothing to save, and for continuing or undoing an import.
    std::optional<CopyPlanning::Plan> plannedCopy() const;
    // The import started now saves that copy first: by default when its tables hold less than
    // the limit, else as the open confirmation was told.
    bool keepsCopy() const;
    void setKeepCopy(bool keep) { assign(keepCopyChoice_, std::optional<bool>(keep), Field::keepCopy); }
    // From Settings: copies are saved by default below this size, and kept this many days.
    void setCopyPolicy(quint64 limitBytes, int keepDays);
    quint64 copyLimit() const { return copyLimit_; }
    // The newest saved copy of the chosen database's tables, for "Undo last import".
    std::optional<TableCopy> lastCopy() const;
    QList<TableCopy> savedCopies() const;
    void removeCopy(const TableCopy& copy);
    // Takes the chosen database's newest copy as the dump and opens the confirmation for putting
    // it back. False when there is none; errorMessage says why.
    QCoro::Task<bool> requestUndo();
    bool confirmsUndo() const { return pendingUndo_.has_value(); }

Q_SIGNALS:
    void fieldChanged(AppModel::Field field);

private:
    template <typename T>
    void assign(T& slot, const T& value, Field field) {
        if (slot == value) return;
        slot = value;
        Q_EMIT fieldChanged(field);
    }

    void applySelection();
    // Opens the confirmation for what is chosen now; requestImport and requestResume say for what.
    void openConfirmation();
    // The journal of the stopped import of the chosen dump into the chosen target.
    std::optional<ImportJournal> stoppedImport() const;
    void refuseResume(const QString& why);
    // The import that continues: what it leaves out, its tables, and the log's lines about it.
    void applyResume(ImportRequest& request, QStringList& opening) const;
    // The journal of the import starting now, kept up to date as batches commit, and gone once
    // it has finished.
    void keepJournal(const ImportRequest& request);
    void noteKept(const KeptPoint& kept);
    void closeJournal(const ImportOutcome& outcome);
    QString effectiveUser(const DockerContainer& container) const;
    std::optional<QString> effectivePassword(const DockerContainer& container) const;
    void clearServer();
    // Reads the selected server again; a failure shows in the banner only when reported.
    QCoro::Task<> probeServer(bool reportFailure);
    void chooseDatabaseAutomatically(const std::optional<QString>& dumpPath);
    QCoro::Task<> inspectDump(QString path);
    // Reads a dump longer than its head to the end, in the background, and completes its preview.
    QCoro::Task<> readWholeDump(QString path);
    void stopReadingDump();
    std::optional<CopyBeforeImport> copyBeforeImport(const ImportRequest& request) const;
    // The confirmation's lines about the copy, or about undoing an import.
    QString copySentence() const;
    QString undoSentence(const TableCopy& copy, const QString& containerName) const;
    QCoro::Task<> runImport(std::shared_ptr<ImportRunner> runner, ImportRequest request,
                            std::optional<CopyBeforeImport> copy);
    void finish(const ImportOutcome& outcome);
    // The confirmation's first sentence: which tables of the target the dump replaces.
    QString replacementSentence(const QString& database, const QString& containerName, const QString& sizeSentence,
                                const std::optional<ConfirmationTarget>& target) const;
    // An ended import's outcome goes once its container or its dump is no longer the one chosen.
    void clearOutcome();
    // Takes the dump; the task ends with its inspection.
    QCoro::Task<> takeDump(const QString& path);
    void appendLog(const QString& line);
    void setRunner(std::shared_ptr<ImportRunner> runner);

    QList<DockerContainer> containers_;
    std::optional<QString> selectedContainerID_;
    QList<MysqlDatabase> databases_;
    std::optional<QString> selectedDatabase_;
    std::optional<ServerInfo> serverInfo_;
    std::optional<QString> dumpURL_;
    std::optional<DumpPreview> dumpPreview_;
    qint64 dumpReadBytes_ = -1;
    std::shared_ptr<std::atomic<bool>> readingStop_;
    QString readingPath_;
    bool showStopped_ = false;
    bool isLoading_ = false;
    EngineKind engine_ = EngineKind::docker;
    bool isLoadingDatabases_ = false;
    std::optional<QString> errorMessage_;
    QStringList logLines_;
    qsizetype logHead_ = 0;
    bool logHeadOpen_ = false;
    qint64 logDropped_ = 0;
    Phase phase_ = Phase::idle();
    bool disableUniqueChecks_ = true;
    bool disableForeignKeyChecks_ = true;
    bool disableBinlog_ = true;
    FixChoices fixChoices_;
    QString userOverride_;
    QString passwordOverride_;
    bool passwordGiven_ = false;
    bool loginForRun_ = false;
    bool databasePinned_ = false;
    bool confirmImport_ = false;
    std::shared_ptr<ImportRunner> runner_;
    bool stopping_ = false;
    QString importDatabase_;
    QString importDump_;
    std::optional<QString> heldDump_;
    std::optional<ConfirmationTarget> confirmationTarget_;
    struct PendingResume {
        ImportJournal journal;
        ResumePlanning::Plan plan;
    };
    std::optional<PendingResume> pendingResume_;
    std::optional<TableCopy> pendingUndo_;
    std::optional<bool> keepCopyChoice_;  // as the open confirmation was told
    quint64 copyLimit_ = quint64(2) << 30;
    int copyKeepDays_ = 14;
    std::optional<ImportJournal> journal_;  // of the running import
    struct TypedLogin {
        QString user;
        QString password;
    };
    QHash<QString, TypedLogin> typedLogins_;
    QSet<QString>
        createdDatabases_;  // "container id/name", created in this session  // by container id, for this session only
    // The import job's one thread; the model waits here, once, when it goes.
    QThreadPool importPool_;
};
