#pragma once

#include <atomic>

#include "import/ImportPipeline_p.h"
#include "import/SessionGuard_p.h"
#include "posix/EventFlag.h"

// A client session beside the first that loads the rows spread to it, with a watchdog of its own.
struct RowSession {
    RowSession(const DockerClient& tools, const ImportRequest& request, const MysqlInvocation& invocation)
        : pipeline(tools, request, invocation) {}

    ImportPipeline pipeline;
    SessionGuard guard;
    EventFlag known;
    std::atomic<qint64> id{0};
    bool endedOnItsOwn = true;
};
