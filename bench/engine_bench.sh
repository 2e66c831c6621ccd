#!/usr/bin/env bash
# Listing, probe and import times per engine: the local Docker engine, Podman, and the
# second Docker engine behind DOCKER_HOST. Uses the fixtures of a state file on which
# `tests/env/fixtures.sh up` and `tests/env/engines.sh up` ran.
#
#   bench/engine_bench.sh STATEFILE [BUILD_DIR] [RUNS] [DUMP_MB]
#
# Listing is `tarnwell-cli containers --all`; probe is `tarnwell-cli databases` (a listing
# and one probe). The import ratio compares `tarnwell-cli import` with a bare
# `<engine> exec -i … mariadb < dump` of the same file; medians of RUNS runs.
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
STATE=${1:?usage: engine_bench.sh STATEFILE [BUILD_DIR] [RUNS] [DUMP_MB]}
BUILD=${2:-$TOP/build}
RUNS=${3:-5}
DUMP_MB=${4:-40}
CLI=$BUILD/src/tarnwell-cli

set -a
# shellcheck disable=SC1090
source "$STATE"
set +a

work=$(mktemp -d -t tarnwell-engine-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/config LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/Tarnwell"
printf '[General]\nappLanguage=en\n' >"$XDG_CONFIG_HOME/Tarnwell/Tarnwell.conf"

seconds() { date +%s.%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.3f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
timed() {
    local t0
    t0=$(seconds)
    "$@" >/dev/null 2>&1 </dev/null || { echo "failed: $*" >&2; return 1; }
    awk -v a="$t0" -v b="$(seconds)" 'BEGIN { printf "%.3f\n", b - a }'
}

# Rows of random text, so neither side gains from compression or caching.
dump=$work/bench.sql
python3 - "$dump" "$DUMP_MB" <<'EOF'
import os, sys, random, string
path, mb = sys.argv[1], int(sys.argv[2])
rnd = random.Random(7)
with open(path, "w") as out:
    out.write("DROP TABLE IF EXISTS bench;\nCREATE TABLE bench (id INT PRIMARY KEY, payload VARCHAR(200));\n")
    row, size = 0, 0
    while size < mb << 20:
        values = []
        for _ in range(2000):
            row += 1
            values.append("(%d,'%s')" % (row, "".join(rnd.choices(string.ascii_letters, k=120))))
        line = "INSERT INTO bench VALUES " + ",".join(values) + ";\n"
        out.write(line)
        size += len(line)
EOF

bench_engine() {
    local label=$1 executable=$2 container=$3 password=$4
    shift 4
    local env=("$@") i list=() probe=() ours=() bare=() db
    for ((i = 0; i < RUNS; i++)); do
        list+=("$(timed env "${env[@]}" "$CLI" containers --all)")
        probe+=("$(timed env "${env[@]}" "$CLI" databases "$container")")
    done
    for ((i = 0; i < RUNS; i++)); do
        db=bench_${i}_$$
        env "${env[@]}" MYSQL_PWD="$password" "$executable" exec -e MYSQL_PWD "$container" \
            mariadb -uroot -e "DROP DATABASE IF EXISTS ${db}a; CREATE DATABASE ${db}a; DROP DATABASE IF EXISTS ${db}b; CREATE DATABASE ${db}b"
        ours+=("$(timed env "${env[@]}" "$CLI" import "$dump" --container "$container" --database "${db}a" --yes)")
        local t0
        t0=$(seconds)
        env "${env[@]}" MYSQL_PWD="$password" "$executable" exec -i -e MYSQL_PWD "$container" \
            mariadb -uroot "${db}b" <"$dump"
        bare+=("$(awk -v a="$t0" -v b="$(seconds)" 'BEGIN { printf "%.3f\n", b - a }')")
        env "${env[@]}" MYSQL_PWD="$password" "$executable" exec -e MYSQL_PWD "$container" \
            mariadb -uroot -e "DROP DATABASE ${db}a; DROP DATABASE ${db}b"
    done
    local l p o b
    l=$(printf '%s\n' "${list[@]}" | median)
    p=$(printf '%s\n' "${probe[@]}" | median)
    o=$(printf '%s\n' "${ours[@]}" | median)
    b=$(printf '%s\n' "${bare[@]}" | median)
    printf '%-14s listing %6.3f s   databases (listing + probe) %6.3f s   import %6.2f s   bare exec %6.2f s   ratio %.3f\n' \
        "$label" "$l" "$p" "$o" "$b" "$(awk -v o="$o" -v b="$b" 'BEGIN { print o / b }')"
}

echo "dump: $(du -m "$dump" | cut -f1) MB, $RUNS runs each, medians"
bench_engine "Docker" "$TARNWELL_FIXTURE_DOCKER" "$TARNWELL_FIXTURE_SEEDED" "$TARNWELL_FIXTURE_SEEDED_PASSWORD" \
    TARNWELL_DOCKER="$TARNWELL_FIXTURE_DOCKER"
if [[ -n ${TARNWELL_FIXTURE_PODMAN_SEEDED:-} ]]; then
    bench_engine "Podman" "$TARNWELL_FIXTURE_PODMAN" "$TARNWELL_FIXTURE_PODMAN_SEEDED" \
        "$TARNWELL_FIXTURE_PODMAN_SEEDED_PASSWORD" TARNWELL_DOCKER="$TARNWELL_FIXTURE_PODMAN"
fi
if [[ -n ${TARNWELL_FIXTURE_REMOTE_SEEDED:-} ]]; then
    bench_engine "Docker (host)" "$TARNWELL_FIXTURE_DOCKER" "$TARNWELL_FIXTURE_REMOTE_SEEDED" \
        "$TARNWELL_FIXTURE_REMOTE_SEEDED_PASSWORD" TARNWELL_DOCKER="$TARNWELL_FIXTURE_DOCKER" \
        DOCKER_HOST="$TARNWELL_FIXTURE_REMOTE_HOST"
fi
