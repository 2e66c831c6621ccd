#!/usr/bin/env bash
# Restore benchmark: the bare pipe (`docker exec -i … mariadb < dump`) against `tarnwell-cli import`
# with rows in 1, 2 and 4 sessions (--jobs), on generated shapes written as the dump tools write
# them: (a) extended INSERTs over tables of unequal size, (a2) the same with the secondary key added
# after each table's rows, (b) one table, (c) one-row INSERTs. Runs alternate; every run's tables
# are checked by CHECKSUM TABLE against the first run's. Prints per variant the median wall time of
# the runs, its ratio to the bare pipe, and the median CPU seconds and peak resident memory of the
# importing process (tarnwell-cli, or docker for the pipe).
#
#   bench/restore_bench.sh [BUILD_DIR] [--runs N] [--size-mb M] [--rows R] [--shapes "a a2 b c"]
#                          [--variants "bare jobs1 jobs2 jobs4 each"]   (each: --jobs 1 --commit-every 0)
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$TOP/build
if [[ $# -gt 0 && $1 != --* ]]; then BUILD=$1; shift; fi
RUNS=3
SIZE_MB=200
ROWS=100000
SHAPES="a b c"
VARIANTS="bare jobs1 jobs2 jobs4"
while [[ $# -gt 0 ]]; do
    case $1 in
    --runs) RUNS=$2; shift 2 ;;
    --size-mb) SIZE_MB=$2; shift 2 ;;
    --rows) ROWS=$2; shift 2 ;;
    --shapes) SHAPES=$2; shift 2 ;;
    --variants) VARIANTS=$2; shift 2 ;;
    *) echo "restore_bench.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

say() { echo "restore_bench.sh: $*" >&2; }

cmake --build "$BUILD" --target tarnwell-cli -- -j2 >/dev/null
CLI=$BUILD/src/tarnwell-cli
state=$(mktemp -t tarnwell-bench-state.XXXXXX)
work=$(mktemp -d -t tarnwell-restore-bench.XXXXXX)
# shellcheck source=bench/bench_container.sh
source "$TOP/bench/bench_container.sh"
trap 'bench_cleanup; rm -rf "$work"' EXIT

say "Generating the dumps in $work…"
python3 - "$work" "$SIZE_MB" "$ROWS" <<'PY'
import random, sys
work, size_mb, rows = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
random.seed(20261210)
def table(out, name, target_bytes, per_insert, deferred=False):
    # As the dump tools write a table: its engine named, its rows between LOCK and UNLOCK TABLES.
    keys = "" if deferred else ", KEY (k)"
    out.write(f"DROP TABLE IF EXISTS `{name}`;\nCREATE TABLE `{name}` (id INT PRIMARY KEY, k INT, v VARCHAR(200){keys}) ENGINE=InnoDB;\n")
    out.write(f"LOCK TABLES `{name}` WRITE;\n")
    written, i = 0, 0
    while written < target_bytes:
        values = []
        for _ in range(per_insert):
            i += 1
            values.append(f"({i},{random.randrange(1 << 30)},'{random.getrandbits(400):x}')")
        line = f"INSERT INTO `{name}` VALUES " + ",".join(values) + ";\n"
        out.write(line)
        written += len(line)
    out.write("UNLOCK TABLES;\n")
    if deferred:
        out.write(f"ALTER TABLE `{name}` ADD KEY (k);\n")
head = "SET NAMES utf8mb4;\nSET @OLD_UNIQUE_CHECKS=@@UNIQUE_CHECKS, UNIQUE_CHECKS=0;\n"
total = size_mb << 20
with open(f"{work}/a.sql", "w") as out:
    out.write(head)
    for n, share in enumerate([0.5, 0.25, 0.15, 0.1]):
        table(out, f"t{n}", int(total * share), 4000)
# The same rows as a, with the secondary key added after each table's rows.
with open(f"{work}/a2.sql", "w") as out:
    out.write(head)
    for n, share in enumerate([0.5, 0.25, 0.15, 0.1]):
        table(out, f"t{n}", int(total * share), 4000, deferred=True)
with open(f"{work}/b.sql", "w") as out:
    out.write(head)
    table(out, "one", total, 4000)
with open(f"{work}/c.sql", "w") as out:
    out.write(head + "DROP TABLE IF EXISTS `r`;\nCREATE TABLE `r` (id INT PRIMARY KEY, v VARCHAR(100)) ENGINE=InnoDB;\n")
    for i in range(rows):
        out.write(f"INSERT INTO `r` VALUES ({i},'value {i} {random.getrandbits(200):x}');\n")
PY

sql() { docker exec -e MYSQL_PWD "$name" mariadb -uroot -N -B -e "$1"; }
checksum() {
    local tables
    tables=$(sql "SELECT GROUP_CONCAT(CONCAT('bench.', table_name) ORDER BY table_name) FROM information_schema.tables WHERE table_schema = 'bench'")
    sql "CHECKSUM TABLE $tables" | sort
}
# One run: wall seconds, CPU seconds and peak RSS in KiB of the command, which imports into `bench`.
timed() {
    local out=$work/time.$$
    sql "DROP DATABASE IF EXISTS bench; CREATE DATABASE bench"
    /usr/bin/time -f '%e %U %S %M' -o "$out" "$@" >/dev/null 2>"$work/err.$$" || {
        say "failed: $*"; cat "$work/err.$$" >&2; exit 1
    }
    read -r wall user system rss <"$out"
    echo "$wall $(echo "$user + $system" | bc) $rss"
}
bare() { timed sh -c 'docker exec -i -e MYSQL_PWD "$0" mariadb -uroot bench < "$1"' "$name" "$1"; }
tarnwell() {
    local dump=$1; shift
    timed sh -c 'cli=$0 dump=$1 container=$2; shift 2
        printf "%s\n" "$MYSQL_PWD" | "$cli" import "$dump" --container "$container" --database bench --password-stdin --yes "$@"' \
        "$CLI" "$dump" "$name" "$@"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

printf '%-6s %-22s %8s %7s %8s %9s\n' shape variant wall_s ratio cpu_s rss_mib
for shape in $SHAPES; do
    dump=$work/$shape.sql
    declare -A walls=() cpus=() rsss=()
    reference=
    for ((run = 1; run <= RUNS; run++)); do
        for variant in $VARIANTS; do
            case $variant in
            bare) result=$(bare "$dump") ;;
            each) result=$(tarnwell "$dump" --jobs 1 --commit-every 0) ;;
            jobs*) result=$(tarnwell "$dump" --jobs "${variant#jobs}") ;;
            *) say "unknown variant $variant"; exit 2 ;;
            esac
            sums=$(checksum)
            if [[ -z $reference ]]; then reference=$sums; fi
            if [[ $sums != "$reference" ]]; then say "CHECKSUM TABLE differs: shape $shape, $variant, run $run"; exit 1; fi
            read -r wall cpu rss <<<"$result"
            walls[$variant]+="$wall "; cpus[$variant]+="$cpu "; rsss[$variant]+="$rss "
        done
    done
    base=$(tr ' ' '\n' <<<"${walls[bare]}" | grep . | median)
    for variant in $VARIANTS; do
        wall=$(tr ' ' '\n' <<<"${walls[$variant]}" | grep . | median)
        cpu=$(tr ' ' '\n' <<<"${cpus[$variant]}" | grep . | median)
        rss=$(tr ' ' '\n' <<<"${rsss[$variant]}" | grep . | median)
        case $variant in
        each) label="--jobs 1 --commit-every 0" ;;
        jobs*) label="--jobs ${variant#jobs}" ;;
        *) label="bare pipe" ;;
        esac
        ratio=$(echo "$base / $wall" | bc -l)
        mib=$(echo "$rss / 1024" | bc -l)
        printf '%-6s %-22s %8.2f %7.2f %8.2f %9.1f\n' "$shape" "$label" "$wall" "$ratio" "$cpu" "$mib"
    done
    unset walls cpus rsss
done
exit 0
