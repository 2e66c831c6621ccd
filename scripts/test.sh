#!/usr/bin/env bash
# Builds Tarnwell three times (plain, with AddressSanitizer + UndefinedBehaviorSanitizer, and with
# ThreadSanitizer), starts a Docker engine with MariaDB fixture containers (and Podman plus a
# second Docker engine on its own socket, for the tests per engine) and runs every test in
# the first two builds, and the unit, import and model tests in the third. Then, when clang is
# installed, fuzzes every parser for 10 s (scripts/fuzz.sh).
# Safe to run again at any time. TARNWELL_SKIP_DOCKER=1 skips the tests that need Docker.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev \
    docker.io podman uidmap mariadb-server mariadb-client busybox-static procps xvfb xauth appstream desktop-file-utils
started=$(date +%s)

configure_and_build "$TOP/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWELL_TESTS=ON
configure_and_build "$TOP/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTARNWELL_TESTS=ON -DTARNWELL_SANITIZE=ON
configure_and_build "$TOP/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWELL_TESTS=ON -DTARNWELL_SANITIZE_THREAD=ON

say "Self-check"
env -i "$TOP/build/src/tarnwell" --self-check

say "Desktop entry and AppStream metadata"
desktop-file-validate "$TOP/packaging/tarnwell.desktop"
appstreamcli validate --no-net "$TOP/packaging/tarnwell.metainfo.xml"

ctest_args=(--output-on-failure --no-tests=error)
if [ "${TARNWELL_SKIP_DOCKER:-0}" = 1 ]; then
    say "TARNWELL_SKIP_DOCKER=1: skipping every test that needs a Docker engine"
    ctest_args+=(-LE docker)
else
    state=$(mktemp -t tarnwell-fixtures.XXXXXX)
    trap 'bash "$TOP/tests/env/engines.sh" down "$state" || true; bash "$TOP/tests/env/fixtures.sh" down "$state"; rm -f "$state"' EXIT
    trap 'exit 130' INT TERM
    if ! bash "$TOP/tests/env/fixtures.sh" up "$state"; then
        say "No Docker engine could be started; the tests that need one cannot run."
        say "Set TARNWELL_SKIP_DOCKER=1 to run only the tests without Docker."
        exit 1
    fi
    # Podman and the stand-in for a remote engine; an engine it cannot provide is named and
    # its tests skip with that reason.
    bash "$TOP/tests/env/engines.sh" up "$state"
    set -a
    # shellcheck disable=SC1090
    source "$state"
    set +a
    export TARNWELL_FIXTURES=$state
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$TOP/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

say "Tests (plain build)"
ctest --test-dir "$TOP/build" "${ctest_args[@]}"
say "Tests (AddressSanitizer + UndefinedBehaviorSanitizer)"
# The hostile dumps test the client in the container; the plain build runs them, and the stream
# they go through is fuzzed and unit-tested under the sanitizers.
# The stream's every-cut tests take every 7th cut here; the plain build takes all of them.
TARNWELL_TEST_CUT_STRIDE=7 GTEST_FILTER='-*HostileDumps*' ctest --test-dir "$TOP/build-asan" "${ctest_args[@]}"

# Qt is not built with ThreadSanitizer: accesses made inside it are not checked, and the
# suppressions name the Qt frames on either side of its hand-offs between threads.
export TSAN_OPTIONS=${TSAN_OPTIONS:-second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=$TOP/tests/tsan.supp}
say "Tests (ThreadSanitizer): unit tests of the code that runs threads"
# The parsers (statements, dumps, accounts, texts) run on one thread; the other builds and the
# fuzzers cover them, and under ThreadSanitizer their every-cut tests alone took ten minutes.
ctest --test-dir "$TOP/build-tsan" --output-on-failure --no-tests=error -L unit \
    -E '^(sql_stream_tests|dump_tests|account_tests|l10n_tests|fuzz_corpus_replay)$'
if [ "${TARNWELL_SKIP_DOCKER:-0}" = 1 ]; then
    say "TARNWELL_SKIP_DOCKER=1: skipping the ThreadSanitizer runs of the import and model tests against Docker"
else
    say "Tests (ThreadSanitizer): import and model tests against Docker"
    # Nor here: the hostile dumps test the client, not threads.
    GTEST_FILTER='-*HostileDumps*' ctest --test-dir "$TOP/build-tsan" --output-on-failure --no-tests=error \
        -R '^(import|model)_docker_tests$'
fi

if command -v clang++ >/dev/null && dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed'; then
    say "Fuzzing every parser for 10 s each (clang is installed)"
    bash "$TOP/scripts/fuzz.sh" 10
else
    say "Skipping the fuzz run: clang and libclang-rt-14-dev are not installed (scripts/fuzz.sh installs them)"
fi
say "All tests passed in $(( $(date +%s) - started )) s"
