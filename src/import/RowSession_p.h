#pragma once

#include <atomic>

#include "import/ImportPipeline_p.h"
#include "import/SessionGuard_p.h"
#include "posix/EventFlag.h"

// What the output reader learns of a session beside the first: it outlives the session's processes,
// since the reader's thread ends only after them.
struct RowSessionName {
    EventFlag known;
    std::atomic<qint64> id{0};
};

// A client session beside the first that loads the rows spread to it, with a watchdog of its own.
struct RowSession {
    RowSession(const DockerClient& tools, const ImportRequest& request, const MysqlInvocation& invocation,
               RowSessionName& name)
        : pipeline(tools, request, invocation), known(name.known), id(name.id) {}

    ImportPipeline pipeline;
    SessionGuard guard;
    const EventFlag& known;
    const std::atomic<qint64>& id;
    bool endedOnItsOwn = true;
};
