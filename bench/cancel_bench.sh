#!/usr/bin/env bash
# Cancel benchmark: how long an import takes to end once it is told to, through tarnwell-cli
# against a MariaDB container of its own. For SIGINT to the whole job (a terminal's Ctrl-C)
# and for SIGKILL of tarnwell-cli, it reports the time from the signal to the program's exit
# and to the moment no process of the import is left, here or in the container.
#
#   bench/cancel_bench.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$TOP/build}
ROUNDS=${2:-10}
say() { echo "cancel_bench.sh: $*"; }
now() { date +%s.%N; }

cmake --build "$BUILD" --target tarnwell-cli -- -j2 >/dev/null

work=$(mktemp -d -t tarnwell-cancel-bench.XXXXXX)
state=$work/state
# shellcheck source=bench/bench_container.sh
source "$TOP/bench/bench_container.sh"
trap 'bench_cleanup; rm -rf "$work"' EXIT
sql() { docker exec -e MYSQL_PWD "$name" mariadb -uroot -N -B -e "$1"; }

# 400,000 single-row statements: more than every buffer between here and the server holds.
dump=$work/statements.sql
awk 'BEGIN { srand(7); for (k = 0; k < 400000; k++) printf "UPDATE t SET v = v + 1 WHERE id = %d;\n", int(rand() * 1000) + 1 }' >"$dump"
rows=$(awk 'BEGIN { for (i = 1; i <= 1000; i++) printf "%s(%d,0)", (i > 1 ? "," : ""), i }')
mkdir -p "$work/config/Tarnwell"
printf '[General]\nappLanguage=en\n' >"$work/config/Tarnwell/Tarnwell.conf"

left() {
    local db=$1
    pgrep -f -- "--database=$db" >/dev/null && return 0
    pgrep -f tarnwell-guard >/dev/null && return 0
    docker exec "$name" ps -o args | grep -q -- "--database=$db" && return 0
    return 1
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

set -m  # each background job gets a process group of its own, as in a terminal
for signal in INT KILL; do
    : >"$work/exit.$signal"
    : >"$work/gone.$signal"
    for round in $(seq 1 "$ROUNDS"); do
        db=cancel_${signal}_$round
        sql "DROP DATABASE IF EXISTS $db; CREATE DATABASE $db; CREATE TABLE $db.t (id INT PRIMARY KEY, v INT) ENGINE=InnoDB; INSERT INTO $db.t VALUES $rows;"
        XDG_CONFIG_HOME=$work/config HOME=$work/config "$BUILD/src/tarnwell-cli" import "$dump" \
            --container "$name" --database "$db" --yes >/dev/null 2>&1 &
        job=$!
        sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", 1 + (r % 150) / 100 }')"
        start=$(now)
        if [ "$signal" = INT ]; then kill -INT -- "-$job"; else kill -KILL "$job"; fi
        { wait "$job"; } 2>/dev/null || true  # without the shell's "Killed" notice
        ended=$(now)
        while left "$db"; do sleep 0.02; done
        gone=$(now)
        awk -v a="$start" -v b="$ended" 'BEGIN { printf "%.3f\n", b - a }' >>"$work/exit.$signal"
        awk -v a="$start" -v b="$gone" 'BEGIN { printf "%.3f\n", b - a }' >>"$work/gone.$signal"
        sql "DROP DATABASE $db"
    done
    say "SIG$signal: median $(median <"$work/exit.$signal") s to the program's exit, $(median <"$work/gone.$signal") s to no process left (max $(sort -n "$work/gone.$signal" | tail -1) s, $ROUNDS rounds)"
done
