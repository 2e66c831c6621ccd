// The stream an import runs must give the same bytes and the same end however the dump was cut
// into chunks, with every fix on and a client without a sandbox, in one session and with rows
// spread over several. The input is the lengths of the
// chunks (1 to 255, cycled) up to a zero byte, then the SQL text.
#include <QList>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dump/DumpFilter.h"

namespace {

struct Filtered {
    QByteArray output;
    DumpFilter::Result result = DumpFilter::Result::goOn;
    QList<QByteArray> settings;  // what every session repeats, in order
};

DumpFixes everyFix() {
    DumpFixes fixes;
    fixes.dumpDatabase = "shop";
    fixes.chosenDatabase = "tgt";
    fixes.confirmedDatabases = {"tgt", "other"};
    fixes.mysqlToMariadb = true;
    fixes.serverCollations = {"utf8mb4_general_ci", "utf8mb4_uca1400_ai_ci", "utf8mb4_bin"};
    fixes.dropSandboxLine = true;
    fixes.rewriteDefiners = true;
    fixes.serverAccounts = {"root@localhost"};
    return fixes;
}

// Under a temporary account's role, in batches of three statements.
DumpFixes underRoleInBatches() {
    DumpFixes fixes = everyFix();
    fixes.ownerRole = "tarnwell_own_tgt_00000000";
    fixes.batchStatements = 3;
    fixes.batchTag = "tag";
    return fixes;
}

Filtered run(const QByteArray& stream, const QList<int>& chunks, const DumpFixes& fixes = everyFix(),
             bool spread = false) {
    Filtered filtered;
    DumpFilter filter(fixes, {});
    // Rows spread over sessions: the lanes are marked in the output, where the stream switched; the
    // settings matter only in their order, since sessions repeat them when their rows begin.
    if (spread)
        filter.spreadRows({[&](bool rows) {
                               filtered.output += rows ? "\x01" : "\x02";
                               return true;
                           },
                           [&](qint64) {
                               filtered.output += "\x03";
                               return true;
                           },
                           [&](QByteArrayView statement) { filtered.settings << statement.toByteArray(); }});
    const DumpFilter::Sink sink = [&](QByteArrayView bytes) {
        filtered.output += bytes;
        return true;
    };
    qsizetype at = 0;
    for (qsizetype i = 0; at < stream.size() && filtered.result == DumpFilter::Result::goOn; ++i) {
        const qsizetype length = chunks.isEmpty() ? stream.size() : chunks.at(i % chunks.size());
        const qsizetype taken = qMin(length, stream.size() - at);
        filtered.result = filter.feed(QByteArrayView(stream.constData() + at, taken), sink);
        at += taken;
    }
    if (filtered.result == DumpFilter::Result::goOn) filtered.result = filter.finish(sink);
    return filtered;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [chunks, stream] = FuzzInput::chunked(data, size);

    const Filtered whole = run(stream, {});
    const Filtered split = run(stream, chunks);
    FUZZ_CHECK(whole.output == split.output);
    FUZZ_CHECK(whole.result == split.result);
    // Fixes keep every line break: error lines stay the dump's own.
    if (whole.result == DumpFilter::Result::goOn) FUZZ_CHECK(whole.output.count('\n') == stream.count('\n'));

    const Filtered batched = run(stream, {}, underRoleInBatches());
    const Filtered batchedSplit = run(stream, chunks, underRoleInBatches());
    FUZZ_CHECK(batched.output == batchedSplit.output);
    FUZZ_CHECK(batched.result == batchedSplit.result);

    const Filtered spread = run(stream, {}, underRoleInBatches(), true);
    const Filtered spreadSplit = run(stream, chunks, underRoleInBatches(), true);
    FUZZ_CHECK(spread.output == spreadSplit.output);
    FUZZ_CHECK(spread.settings == spreadSplit.settings);
    FUZZ_CHECK(spread.result == spreadSplit.result);

    // Tables left out by the user's choice: blanked alike however the stream is cut, lines kept.
    DumpFixes choosing = underRoleInBatches();
    choosing.tables.except = {"t", "b"};
    const Filtered chosen = run(stream, {}, choosing, true);
    const Filtered chosenSplit = run(stream, chunks, choosing, true);
    FUZZ_CHECK(chosen.output == chosenSplit.output);
    FUZZ_CHECK(chosen.result == chosenSplit.result);
    return 0;
}
