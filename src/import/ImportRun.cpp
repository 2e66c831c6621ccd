#include <QRegularExpression>

#include "account/AccountNames.h"
#include "account/AccountSql.h"
#include "import/AccountLifetime_p.h"
#include "import/ContainerFate.h"
#include "import/ImportRun_p.h"
#include "import/ImportRunner.h"
#include "import/LogText.h"
#include "import/SessionEnd_p.h"
#include "l10n/L10n.h"
#include "posix/PipeIo.h"
#include "posix/Readiness.h"

namespace {

using Milliseconds = Process::Milliseconds;

constexpr Milliseconds kTick{200};           // backstop for waits where no pidfd wakes us
constexpr Milliseconds kClientLeaves{2000};  // for the client to go by itself once its input ended
constexpr qsizetype kErrorTailLines = 12;    // the client's last error lines in a failure
const QString kSessionHeader = QStringLiteral("tarnwell_session");
const QString kBatchHeader = QStringLiteral("tarnwell_batch");

// The error's line in the dump, from the client's "ERROR 1064 (42000) at line 12: …".
std::optional<qint64> errorLine(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^ERROR [^:]*at line (\\d+)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toLongLong();
}

// The request as this run carries it out: with a temporary account of its own when the
// server is to hold the import to its databases.
ImportRequest prepared(ImportRequest request) {
    if (!request.fixes.ownerRole.isEmpty()) request.account = AccountLifetime::prepared(request);
    // A dump cannot guess it, so no row of the dump passes for a batch's marker.
    request.fixes.batchTag = "tarnwell-batch-" + AccountNames::randomText(16).toLatin1();
    // Measured a third faster; with rows in one session the keys stay where the dump has them.
    request.fixes.deferKeys = request.jobs > 1;
    return request;
}

// Polls the descriptors for up to the time given; answers which became readable.
std::vector<bool> awaitReadable(const std::vector<int>& fds, Milliseconds limit) {
    std::vector<pollfd> watched;
    for (const int fd : fds) watched.push_back({fd, POLLIN, 0});
    Readiness::wait(watched, limit);
    std::vector<bool> readable;
    for (const pollfd& entry : watched) readable.push_back(entry.revents != 0);
    return readable;
}

}  // namespace

ImportRun::ImportRun(const ImportRequest& request, const DockerClient& tools, const EventFlag& cancelled,
                     const ProgressHandler& onProgress, const LogHandler& onLog)
    : request_(prepared(request)),
      tools_(tools),
      cancelled_(cancelled),
      onProgress_(onProgress),
      onLog_(onLog),
      invocation_(ImportCommand::invocation(request_, tools.docker)),
      rowInvocation_(ImportCommand::invocation(request_, tools.docker, ImportCommand::SessionPart::rows)),
      loginEnvironment_(ImportCommand::loginEnvironment(request_, DockerClient::processEnvironment())),
      clientErrors_([this](const QString& line) { log(liveLine(line, 0)); }),
      clientOutput_([this](const QString& line) { handleOutput(line, sessionKnown_, sessionId_); }),
      decompressorErrors_([this](const QString& line) {
          const QString trimmed = line.trimmed();
          if (trimmed.isEmpty()) return;
          // GNU gzip and xz name themselves already.
          const QString prefix = DumpFormat::programName(compression_) + QStringLiteral(": ");
          log(trimmed.startsWith(prefix) ? trimmed : prefix + trimmed);
      }),
      pipeline_(tools, request_, invocation_),
      filter_(
          request_.fixes, [this](const QString& line) { log(line); }, request_.expectedTables) {
    filter_.expectTables(request_.expectedTableNames);
    if (!spreadsRows()) return;
    for (int session = 1; session <= request_.jobs; ++session) {
        rowNames_.push_back(std::make_unique<RowSessionName>());
        RowSessionName& row = *rowNames_.back();
        rowSessions_.push_back(std::make_unique<RowSession>(tools_, request_, rowInvocation_, row));
        rowErrors_.push_back(
            std::make_unique<LineBuffer>([this, session](const QString& line) { log(liveLine(line, session)); }));
        rowOutputs_.push_back(std::make_unique<LineBuffer>(
            [this, &row](const QString& line) { handleOutput(line, row.known, row.id); }));
    }
}

void ImportRun::handleOutput(const QString& line, EventFlag& known, std::atomic<qint64>& id) {
    const QString trimmed = line.trimmed();
    // The answer to the session query is for this run, not for the log.
    if (!known.isRaised()) {
        if (const auto answer = ImportCommand::sessionId(trimmed)) {
            id = *answer;
            known.raise();
            return;
        }
        if (trimmed == kSessionHeader) return;
    }
    // A batch's marker: the client printed it once the batch was committed.
    if (trimmed == kBatchHeader) return;
    if (ParallelFeed* feed = feedInUse_.load(); feed && feed->takeMarker(trimmed)) return;
    if (trimmed.startsWith(QString::fromLatin1(request_.fixes.batchTag) + u' ')) {
        committedBatches_ = trimmed.section(u' ', 1).toLongLong();
        return;
    }
    if (!trimmed.isEmpty()) log(trimmed);
}

QString ImportRun::inDump(const QString& line, int session) const {
    if (!feed_) return ImportCommand::inDumpLines(line);
    return ImportCommand::inDumpLines(line, [this, session](qint64 at) { return feed_->dumpLine(session, at); });
}

QString ImportRun::liveLine(const QString& line, int session) const {
    // While the dump flows, only the first session of one reads the dump's own line numbers; with
    // rows spread, the failure says the dump's line once every session has ended.
    if (!spreadsRows()) return ImportCommand::inDumpLines(line);
    Q_UNUSED(session);
    return line;
}

std::vector<Process::Child*> ImportRun::clients() {
    std::vector<Process::Child*> all{&pipeline_.client()};
    for (const auto& row : rowSessions_) all.push_back(&row->pipeline.client());
    return all;
}

void ImportRun::log(const QString& line) const {
    std::lock_guard hold(logLock_);
    if (onLog_ && !leftToGuard_) onLog_(LogText::shown(line));
}

ImportOutcome ImportRun::execute() {
    log(invocation_.display);
    if (request_.account.isSet()) {
        const AccountLifetime::Made made =
            AccountLifetime::make(tools_, request_, loginEnvironment_, [this](const QString& line) { log(line); });
        if (made.failure) return ImportOutcome::failed(*made.failure);
        accountMade_ = true;
        trustTurnedOn_ = made.trustTurnedOn;
        QStringList databases;
        for (const QByteArray& database : request_.account.databases)
            databases << QStringLiteral("“%1”").arg(QString::fromUtf8(database));
        log(L10n::render(QStringLiteral("accountLog"), {request_.account.user, databases.join(QStringLiteral(", "))}));
    }
    ImportOutcome outcome = importDump();
    if (outcome.kind != ImportOutcome::Kind::success && request_.fixes.batchStatements > 0) {
        tellWhatIsKept();
        if (!leftToGuard_) outcome.kept = keptPoint();
    }
    using State = TableLoad::State;
    outcome.tables = TableBoards::settled(filter_.tables(), outcome.kind == ImportOutcome::Kind::success ? State::done
                                                            : outcome.kind == ImportOutcome::Kind::failed ? State::failed
                                                                                                         : State::stopped);
    removeAccount();
    return outcome;
}

void ImportRun::tellWhatIsKept() {
    // Read once the reader is done; the watchdog's own end is not this run's to tell, and
    // before the dump began there is nothing to tell.
    if (leftToGuard_ || startTime_ == 0) return;
    // Batches are committed in their order, whichever session has them: the last one committed
    // in any session tells what is kept.
    if (const auto end = filter_.batchEnd(committedBatch()))
        log(L10n::render(QStringLiteral("batchesKept"),
                         {end->line, end->table.isEmpty() ? QStringLiteral("—") : end->table}));
    else
        log(L10n::render(QStringLiteral("batchesNoneKept")));
}

qint64 ImportRun::committedBatch() const {
    return std::max(committedBatches_.load(), feed_ ? feed_->committedBatch() : qint64(0));
}

KeptPoint ImportRun::keptPoint() const { return filter_.batchEnd(committedBatch()).value_or(KeptPoint{}); }

void ImportRun::removeAccount() {
    // A session the watchdog still has to end keeps its account until then: the watchdog
    // removes it after.
    if (!accountMade_ || leftToGuard_) return;
    AccountLifetime::remove(tools_, request_, loginEnvironment_, trustTurnedOn_,
                            [this](const QString& line) { log(line); });
    guard_.done();
}

ImportOutcome ImportRun::importDump() {
    DumpSource dump = DumpSource::open(request_.fileURL);
    if (!dump.error.isEmpty()) return ImportOutcome::failed(dump.error);
    compression_ = dump.compression;

    if (const auto failure = startPipeline())
        return ImportOutcome::failed(L10n::render(QStringLiteral("importNotStarted"), {*failure}));
    // A temporary account's sessions all end with one KILL: the watchdogs can take them at once,
    // and a sudden death before the sessions are known still leaves no account behind.
    if (accountMade_) {
        if (const auto failure = startGuards()) {
            endBeforeDump(Session::cancelled);
            return ImportOutcome::failed(L10n::render(QStringLiteral("importNotStarted"), {*failure}));
        }
    }
    const Session session = learnSession();
    if (session != Session::known) return endBeforeDump(session);
    if (request_.account.binlogOff) {
        if (const auto failure = AccountLifetime::takeBackBinlogRole(tools_, request_, loginEnvironment_)) {
            endBeforeDump(Session::cancelled);
            return ImportOutcome::failed(*failure);
        }
    }
    if (const auto failure = guardAndDecompress(dump.file.get())) {
        endEarly(false);
        collect(CopyResult{});
        return ImportOutcome::failed(L10n::render(QStringLiteral("importNotStarted"), {*failure}));
    }

    startTime_ = DumpCopy::secondsNow();
    const bool decompressed = compression_ != DumpFormat::Compression::none;
    const CopySource source{decompressed ? pipeline_.decompressedOutput() : dump.file.get(), decompressed,
                            dump.file.get()};
    // Each report says how far the committed work reaches, for the journal an import keeps.
    const auto report = [this](ImportProgress progress) {
        progress.kept = keptPoint();
        if (onProgress_) onProgress_(progress);
    };
    CopyResult copy = DumpCopy(source, dump.totalBytes, pipeline_.clientInput(), filter_, cancelled_, startTime_,
                               report, feed_.get())
                          .run();
    // A file that shrank or grew meanwhile may end inside a statement: that is no whole dump.
    if (copy.kind == CopyResult::Kind::finished) {
        // A decompressor reads the file itself, and may stop at the end of the compressed data.
        if (const auto changed = dump.changedSince(decompressed ? dump.totalBytes : copy.bytes))
            copy = CopyResult::failedWith(*changed);
    }
    dump.file.reset();
    endInput(copy);
    return collect(copy);
}

std::optional<QString> ImportRun::startPipeline() {
    try {
        pipeline_.startClient();
        reader_.add(pipeline_.takeClientErrors(), clientErrors_);
        reader_.add(pipeline_.takeClientOutput(), clientOutput_);
        reader_.add(pipeline_.takeDecompressorErrors(), decompressorErrors_);
        startRowSessions();
        // Made before the reader's thread starts, which reads its markers.
        makeFeed();
        reader_.start();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
    // The inputs are empty, so these small writes never wait.
    const QByteArray query = ImportCommand::sessionQuery();
    PipeIo::writeAll(pipeline_.clientInput(), query.constData(), query.size());
    for (const auto& row : rowSessions_) PipeIo::writeAll(row->pipeline.clientInput(), query.constData(), query.size());
    return std::nullopt;
}

void ImportRun::startRowSessions() {
    for (size_t i = 0; i < rowSessions_.size(); ++i) {
        ImportPipeline& rows = rowSessions_[i]->pipeline;
        rows.startClient();
        reader_.add(rows.takeClientErrors(), *rowErrors_[i]);
        reader_.add(rows.takeClientOutput(), *rowOutputs_[i]);
    }
}

bool ImportRun::allSessionsKnown() const {
    if (!sessionKnown_.isRaised()) return false;
    for (const auto& row : rowSessions_)
        if (!row->known.isRaised()) return false;
    return true;
}

ImportRun::Session ImportRun::learnSession() {
    const double deadline = DumpCopy::secondsNow() + kSessionLimitMs / 1000.0;
    while (DumpCopy::secondsNow() < deadline) {
        if (allSessionsKnown()) return Session::known;
        // A flag once raised stays readable: only those still down are waited for.
        std::vector<int> watched{cancelled_.descriptor()};
        if (!sessionKnown_.isRaised()) watched.push_back(sessionKnown_.descriptor());
        for (const auto& row : rowSessions_)
            if (!row->known.isRaised()) watched.push_back(row->known.descriptor());
        for (Process::Child* client : clients()) watched.push_back(client->exitDescriptor());
        awaitReadable(watched, kTick);
        if (allSessionsKnown()) return Session::known;
        if (cancelled_.isRaised()) return Session::cancelled;
        for (Process::Child* client : clients())
            if (client->waitFor(Milliseconds(0))) return Session::clientEnded;
    }
    return Session::silent;
}

ImportOutcome ImportRun::endBeforeDump(Session session) {
    // Not one byte of the dump was sent: ending the inputs is safe, the watchdogs' copies too.
    guard_.release();
    for (const auto& row : rowSessions_) row->guard.release();
    pipeline_.closeInputs();
    for (const auto& row : rowSessions_) row->pipeline.closeInputs();
    std::vector<int> statuses;
    for (Process::Child* client : clients()) {
        if (!client->waitFor(session == Session::clientEnded ? Milliseconds(0) : kClientLeaves))
            client->stop(Process::kStopGrace);
        statuses.push_back(client->wait());
    }
    reader_.join();
    if (cancelled_.isRaised()) return ImportOutcome::cancelled();
    if (session == Session::clientEnded) {
        if (statuses[0] != 0) return clientFailure(statuses[0], clientErrors_, 0);
        for (size_t i = 1; i < statuses.size(); ++i)
            if (statuses[i] != 0) return clientFailure(statuses[i], *rowErrors_[i - 1], int(i));
    }
    return ImportOutcome::failed(L10n::render(QStringLiteral("mysqlNoReply")));
}

std::optional<QString> ImportRun::startGuards() {
    const auto ending = [this](qint64 id) {
        const QString sql = accountMade_ ? AccountSql::sessionsEnded(request_.account.user, request_.account.host)
                                         : ImportCommand::killStatement(id);
        return QStringList{tools_.docker} + ImportCommand::controlArguments(request_, sql);
    };
    try {
        QStringList removal;
        if (accountMade_) removal = AccountLifetime::removalCommand(tools_, request_, trustTurnedOn_);
        guard_.start(request_.containerName, ending(sessionId_), pipeline_.clientEnvironment(),
                     pipeline_.clientInput(), removal, request_.password);
        for (const auto& row : rowSessions_)
            row->guard.start(request_.containerName, ending(row->id), row->pipeline.clientEnvironment(),
                             row->pipeline.clientInput());
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
    return std::nullopt;
}

std::optional<QString> ImportRun::guardAndDecompress(int dumpFile) {
    if (!accountMade_) {
        if (const auto failure = startGuards()) return failure;
    }
    try {
        for (const auto& row : rowSessions_) row->pipeline.feedClientDirectly();
        if (compression_ != DumpFormat::Compression::none) {
            pipeline_.startDecompressor(DumpFormat::program(compression_, tools_),
                                        DumpFormat::decompressArguments(compression_), dumpFile);
        } else {
            pipeline_.feedClientDirectly();
        }
        startFeed();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
    return std::nullopt;
}

void ImportRun::makeFeed() {
    if (!spreadsRows()) return;
    std::vector<ParallelFeed::Session> sessions;
    for (Process::Child* client : clients()) sessions.push_back({-1, client->exitDescriptor()});
    sessions[0].input = pipeline_.clientInput();
    for (size_t i = 0; i < rowSessions_.size(); ++i) sessions[i + 1].input = rowSessions_[i]->pipeline.clientInput();
    feed_ = std::make_unique<ParallelFeed>(sessions, request_.fixes.batchTag, cancelled_);
    feedInUse_ = feed_.get();
}

void ImportRun::startFeed() {
    if (feed_) filter_.spreadRows(feed_->lanes());
}

bool ImportRun::awaitExit(Process::Child& child) {
    for (;;) {
        if (child.waitFor(Milliseconds(0))) return true;
        if (cancelled_.isRaised()) return false;
        awaitReadable({child.exitDescriptor(), cancelled_.descriptor()}, kTick);
    }
}

void ImportRun::endInput(const CopyResult& copy) {
    bool early = copy.kind != CopyResult::Kind::finished && !copy.endsWhole;
    Process::Child& decompressor = pipeline_.decompressor();
    if (copy.endsWhole && decompressor.isStarted()) {
        // Stopped at a statement's start on purpose: the rest of the file is not wanted.
        pipeline_.closeDecompressedOutput();
        decompressor.stop(Process::kStopGrace);
        decompressorEndedOnItsOwn_ = false;
    } else if (!early && decompressor.isStarted()) {
        // The client may see the end of its input only once the decompressor says all of it came out.
        pipeline_.closeDecompressedOutput();
        early = !awaitExit(decompressor) || !DumpFormat::decompressedWhole(compression_, *decompressor.status());
    }
    if (!early) {
        // The rows' sessions have committed all they got and wait for more: none holds a part.
        guard_.release();
        for (const auto& row : rowSessions_) row->guard.release();
        pipeline_.closeClientInput();
        for (const auto& row : rowSessions_) row->pipeline.closeClientInput();
        // A cancel while the clients work through the end still ends their sessions first.
        for (Process::Child* client : clients())
            if (!early && !awaitExit(*client)) early = true;
    }
    if (early) endEarly(copy.readerGone);
}

void ImportRun::endEarly(bool readerGone) {
    Process::Child& client = pipeline_.client();
    Process::Child& decompressor = pipeline_.decompressor();
    // A child that stopped reading is on its way out; its own end says why.
    if (readerGone) {
        std::vector<int> exits{decompressor.exitDescriptor()};
        for (Process::Child* each : clients()) exits.push_back(each->exitDescriptor());
        awaitReadable(exits, kClientLeaves);
    }
    clientEndedOnItsOwn_ = client.waitFor(Milliseconds(0)).has_value();
    for (const auto& row : rowSessions_) row->endedOnItsOwn = row->pipeline.client().waitFor(Milliseconds(0)).has_value();
    decompressorEndedOnItsOwn_ = !decompressor.isStarted() || decompressor.waitFor(Milliseconds(0)).has_value();
    // First every session, so that nothing a client still holds can run; only then may the
    // clients see the end of their input.
    bool unended = !clientEndedOnItsOwn_ && sessionId_ > 0 &&
                   !SessionEnd::endSession(tools_, request_, sessionId_, pipeline_.clientEnvironment());
    for (const auto& row : rowSessions_)
        if (!row->endedOnItsOwn && row->id > 0 &&
            !SessionEnd::endSession(tools_, request_, row->id, row->pipeline.clientEnvironment()))
            unended = true;
    if (unended && ContainerFate::stateOf(tools_, request_.containerName) == ContainerFate::State::paused) {
        leaveToGuard();
        return;
    }
    guard_.release();
    for (const auto& row : rowSessions_) row->guard.release();
    pipeline_.closeInputs();
    for (const auto& row : rowSessions_) row->pipeline.closeInputs();
    if (decompressor.isStarted()) decompressor.stop(Process::kStopGrace);
    for (Process::Child* each : clients())
        if (!each->waitFor(kClientLeaves)) each->stop(Process::kStopGrace);
}

void ImportRun::leaveToGuard() {
    // Nothing of this run may be heard of once it has returned.
    {
        std::lock_guard hold(logLock_);
        leftToGuard_ = true;
    }
    // The watchdog keeps its copy of the client's input, and the client stays connected,
    // until the session has ended; only this program's own copies go now.
    guard_.leave();
    pipeline_.closeInputs();
    for (const auto& row : rowSessions_) {
        row->guard.leave();
        row->pipeline.closeInputs();
    }
    Process::Child& decompressor = pipeline_.decompressor();
    if (decompressor.isStarted()) decompressor.stop(Process::kStopGrace);
}

void ImportRun::awaitGuard() {
    guard_.awaitEnd();
    for (const auto& row : rowSessions_) row->guard.awaitEnd();
    for (Process::Child* client : clients())
        if (!client->waitFor(kClientLeaves)) client->stop(Process::kStopGrace);
    reader_.join();
}

ImportOutcome ImportRun::collect(const CopyResult& copy) {
    // The container's state says why; the rest is the watchdog's.
    if (leftToGuard_) return cancelled_.isRaised() ? ImportOutcome::cancelled() : ImportOutcome::failed(copy.message);
    const int clientStatus = pipeline_.client().wait();
    std::vector<int> rowStatuses;
    for (const auto& row : rowSessions_) rowStatuses.push_back(row->pipeline.client().wait());
    Process::Child& decompressor = pipeline_.decompressor();
    const bool decompressorFailed =
        decompressor.isStarted() && !DumpFormat::decompressedWhole(compression_, decompressor.wait());
    reader_.join();

    if (cancelled_.isRaised()) return ImportOutcome::cancelled();
    // A child that failed by itself says why better than the broken pipe it left behind.
    if (clientEndedOnItsOwn_ && clientStatus != 0) return clientFailure(clientStatus, clientErrors_, 0);
    for (size_t i = 0; i < rowStatuses.size(); ++i)
        if (rowSessions_[i]->endedOnItsOwn && rowStatuses[i] != 0)
            return clientFailure(rowStatuses[i], *rowErrors_[i], int(i) + 1);
    // A damaged compressed file is the cause; whatever the server said of the rest follows from it.
    if (decompressorFailed && decompressorEndedOnItsOwn_ && (copy.kind != CopyResult::Kind::failed || copy.readerGone))
        return decompressorFailure(*decompressor.status());
    if (copy.kind == CopyResult::Kind::failed) return ImportOutcome::failed(copy.message);
    if (clientStatus != 0) return clientFailure(clientStatus, clientErrors_, 0);
    for (size_t i = 0; i < rowStatuses.size(); ++i)
        if (rowStatuses[i] != 0) return clientFailure(rowStatuses[i], *rowErrors_[i], int(i) + 1);
    return ImportOutcome::success(DumpCopy::secondsNow() - startTime_);
}

ImportOutcome ImportRun::decompressorFailure(int status) const {
    // The program's own last word, without its "stdin: " (the stream it read is ours, not the user's).
    const QString name = DumpFormat::programName(compression_);
    QStringList lines = decompressorErrors_.lines();
    lines.removeAll(QString());
    if (lines.isEmpty())
        return ImportOutcome::failed(L10n::render(QStringLiteral("decompressorStatus"), {name, qint64(status)}));
    QString complaint = lines.last().trimmed();
    if (complaint.startsWith(name + QStringLiteral(": "))) complaint.remove(0, name.size() + 2);
    if (complaint.startsWith(QLatin1String("stdin: "))) complaint.remove(0, 7);
    if (complaint.startsWith(QLatin1String("(stdin): "))) complaint.remove(0, 9);
    return ImportOutcome::failed(
        L10n::render(QStringLiteral("fileDamaged"), {LogText::shown(name + QStringLiteral(": ") + complaint)}));
}

ImportOutcome ImportRun::clientFailure(int status, const LineBuffer& errorOutput, int session) const {
    const QStringList lines = errorOutput.lines();
    QStringList kept = lines.mid(qMax<qsizetype>(0, lines.size() - kErrorTailLines));
    for (QString& line : kept) line = LogText::shown(inDump(line, session));
    QString errors = kept.join(QLatin1Char('\n'));
    // The live log had the sessions' own line numbers; here they are the dump's.
    if (spreadsRows() && !errors.isEmpty()) log(errors);
    if (!errors.isEmpty()) {
        // The statement the server refused, as the dump has it, with its table.
        for (const QString& line : lines) {
            const auto at = errorLine(inDump(line, session));
            if (!at) continue;
            if (const auto found = filter_.history().statementAt(*at)) {
                const QString context =
                    found->table.isEmpty()
                        ? L10n::render(QStringLiteral("errorStatement"), {*at, found->text})
                        : L10n::render(QStringLiteral("errorStatementInTable"), {*at, found->table, found->text});
                log(context);
                errors += u'\n' + context;
            }
            break;
        }
        return ImportOutcome::failed(errors);
    }
    return ImportOutcome::failed(L10n::render(QStringLiteral("mysqlStatus"), {qint64(status)}));
}
