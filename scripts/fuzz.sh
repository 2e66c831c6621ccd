#!/usr/bin/env bash
# Builds the parser fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each one for SECONDS_PER_TARGET seconds
# (default 20), starting from the seeds in tests/fuzz/corpus. New inputs, logs and crashing
# inputs go to a scratch folder outside the repository. Exits 1 when any target crashed.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-20}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS_PER_TARGET]" >&2
    exit 2
fi

ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

build=$TOP/build-fuzz
say "Building the fuzz targets in ${build#"$TOP"/}"
CC=clang CXX=clang++ cmake -S "$TOP" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNWELL_FUZZ=ON -DTARNWELL_TESTS=OFF >/dev/null
# Two jobs: clang with three sanitizers needs much memory per file.
cmake --build "$build" --target fuzzers -- -j2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarnwell-fuzz.XXXXXX")
say "Fuzzing every target for ${seconds} s; new inputs, logs and crashes go to $scratch"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=0
summary=()
for program in "$build"/tests/fuzz/fuzz_*; do
    if [ ! -f "$program" ] || [ ! -x "$program" ]; then continue; fi
    name=${program##*/fuzz_}
    seeds=$TOP/tests/fuzz/corpus/$name
    work=$scratch/$name
    mkdir -p "$work/corpus" "$work/artifacts"
    inputs=("$work/corpus")
    [ -d "$seeds" ] && inputs+=("$seeds")

    status=0
    "$program" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "${inputs[@]}" >"$work/log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    # libFuzzer keeps inputs that took over 10 s as slow units without failing; on a busy
    # machine they say more about the load than about the parser, so they are only named.
    crashes=$(find "$work/artifacts" -type f ! -name 'slow-unit-*' | wc -l)
    slow=$(find "$work/artifacts" -type f -name 'slow-unit-*' | wc -l)
    # A failure that left no input behind (a startup error) still counts.
    if [ "$status" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi

    line=$(printf '%-14s %10s runs  %d crash(es)' "$name" "${runs:-?}" "$crashes")
    if [ "$slow" -gt 0 ]; then line+="  $slow slow input(s) in $work/artifacts"; fi
    if [ "$crashes" -gt 0 ]; then
        failed=1
        line+="  see $work/log"
        grep -m 1 -E 'ERROR: |runtime error|property violated' "$work/log" >&2 || true
    fi
    summary+=("$line")
    say "$line"
done

if [ ${#summary[@]} -eq 0 ]; then
    say "No fuzz targets were built"
    exit 1
fi
say "Fuzz summary (${seconds} s per target):"
printf '    %s\n' "${summary[@]}" >&2
if [ "$failed" -ne 0 ]; then
    say "A fuzz target crashed; the inputs are in $scratch/*/artifacts"
    exit 1
fi
say "No crashes"
