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
name=tarnwell-bench-$$
cleanup() {
    docker rm -f -v "$name" >/dev/null 2>&1 || true
    docker volume rm -f "$name-data" >/dev/null 2>&1 || true
    bash "$TOP/tests/env/fixtures.sh" down "$state" >/dev/null 2>&1 || true
    rm -f "$state"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say "Docker engine and fixture image…"
bash "$TOP/tests/env/fixtures.sh" images "$state" >/dev/null
# shellcheck disable=SC1090
source "$state"
image=${TARNWELL_FIXTURE_IMAGE:-tarnwell-test/mariadb:1}

# The password goes by name only, never on a command line.
MARIADB_ROOT_PASSWORD=Bench_$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
export MARIADB_ROOT_PASSWORD MYSQL_PWD=$MARIADB_ROOT_PASSWORD
docker volume create "$name-data" >/dev/null
docker run --detach --name "$name" --network none --volume "$name-data:/var/lib/mysql" \
    -e MARIADB_ROOT_PASSWORD "$image" >/dev/null
say "Waiting for $name…"
for _ in $(seq 1 180); do
    if docker exec -e MYSQL_PWD "$name" mariadb -uroot -e 'SELECT 1' >/dev/null 2>&1; then break; fi
    sleep 1
done
docker exec -e MYSQL_PWD "$name" mariadb -uroot -e 'SELECT 1' >/dev/null

say "Running: $BUILD/bench/import_bench $*"
TARNWELL_BENCH_CONTAINER=$name TARNWELL_BENCH_PASSWORD=$MARIADB_ROOT_PASSWORD \
    "$BUILD/bench/import_bench" "$@"
