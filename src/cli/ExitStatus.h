#pragma once

// The exit statuses of tarnwell-cli; scripts rely on them.
namespace ExitStatus {

constexpr int success = 0;
constexpr int failed = 1;       // the import (or the inspection) failed
constexpr int refused = 2;      // bad usage, or the import cannot start (the gate's reason)
constexpr int unreachable = 3;  // Docker or the database server did not answer
constexpr int cancelled = 130;  // Ctrl-C, SIGTERM, or the confirmation declined

}  // namespace ExitStatus
