#!/usr/bin/env bash
# Import benchmark: builds import_bench, starts a MariaDB container of its own (fixture image,
# --network none, a fresh volume), runs the benchmark against it and removes it again.
#
#   bench/import_bench.sh [BUILD_DIR] [import_bench options: --runs N --size-mb M --large-mb L]
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$TOP/build
if [[ $# -gt 0 && $1 != --* ]]; then BUILD=$1; shift; fi

say() { echo "import_bench.sh: $*"; }

cmake --build "$BUILD" --target import_bench -- -j2

state=$(mktemp -t tarnwell-bench-state.XXXXXX)
# shellcheck source=bench/bench_container.sh
source "$TOP/bench/bench_container.sh"

say "Running: $BUILD/bench/import_bench $*"
TARNWELL_BENCH_CONTAINER=$name TARNWELL_BENCH_PASSWORD=$MARIADB_ROOT_PASSWORD \
    "$BUILD/bench/import_bench" "$@"
