#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a violation aborts, which libFuzzer records as a crash.
#define FUZZ_CHECK(condition) ((condition) ? void() : FuzzCheck::fail(#condition, __FILE__, __LINE__))

namespace FuzzCheck {

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property violated: %s\n", file, line, condition);
    std::abort();
}

}  // namespace FuzzCheck
