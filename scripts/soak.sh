#!/usr/bin/env bash
# Many imports through one long-lived tarnwell-cli (`import-each`) into the seeded fixture:
# small and medium dumps, plain and gzip, about a third cancelled with SIGINT at a random
# moment. Every import's end state is checked (complete: the reference CHECKSUM TABLE;
# cancelled: whole INSERT statements from the start, nothing else), and the process's open
# descriptors, children and resident memory are reported before and after. Not part of
# test.sh: it takes 10 to 30 minutes.
#
#   scripts/soak.sh [IMPORTS] [BUILD_DIR]
#
# Uses the fixtures of $TARNWELL_FIXTURES when set, else starts its own.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# Every failure is counted and reported here, not fatal.
set +e +o pipefail

imports=${1:-200}
build=${2:-$TOP/build}
cli=$build/src/tarnwell-cli
[[ -x $cli ]] || { echo "soak: $cli not built" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tarnwell-soak.XXXXXX")
own_state=
cleanup() {
    [[ -n ${CLI_PID:-} ]] && kill -TERM "$CLI_PID" 2>/dev/null
    # An interrupted run leaves no database behind on the shared fixture.
    [[ -n ${database:-} ]] && sql "DROP DATABASE IF EXISTS $database; DROP DATABASE IF EXISTS ${database}_ref" 2>/dev/null
    [[ -n $own_state ]] && bash "$TOP/tests/env/fixtures.sh" down "$own_state" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

if [[ -z ${TARNWELL_FIXTURES:-} ]]; then
    own_state=$work/fixtures.state
    : >"$own_state"
    bash "$TOP/tests/env/fixtures.sh" up "$own_state" >&2
    TARNWELL_FIXTURES=$own_state
fi
set -a
# shellcheck disable=SC1090
source "$TARNWELL_FIXTURES"
set +a
container=$TARNWELL_FIXTURE_SEEDED
password=$TARNWELL_FIXTURE_SEEDED_PASSWORD
database=soak_$$

sql() { MYSQL_PWD=$password docker exec -e MYSQL_PWD "$container" mariadb -uroot -N -B -e "$1"; }

# Rows whose payload is the MD5 of their id, 100 to a statement: a cancelled import must
# leave rows 1..k for a k that is a multiple of 100 (or all of them), each one intact.
make_dump() {
    local rows=$1
    {
        echo "DROP TABLE IF EXISTS t;"
        echo "CREATE TABLE t (id INT PRIMARY KEY, payload CHAR(32) NOT NULL, pad VARCHAR(64));"
        seq 1 "$rows" | awk '{
            printf "%s(%d,MD5(%d),REPEAT(\x27x\x27,%d))", ($1 % 100 == 1 ? "INSERT INTO t VALUES " : ","), $1, $1, $1 % 64
            if ($1 % 100 == 0) printf ";\n"
        } END { if (NR % 100 != 0) printf ";\n" }'
    } >"$2"
}

say "Making the dumps in $work"
make_dump 2000 "$work/small.sql"
make_dump 150000 "$work/medium.sql"
gzip -k "$work/small.sql" "$work/medium.sql"
dumps=("$work/small.sql" "$work/small.sql.gz" "$work/medium.sql" "$work/medium.sql.gz")

sql "DROP DATABASE IF EXISTS $database; CREATE DATABASE $database; CREATE TABLE $database.marker (x INT)"
declare -A checksum rows
for kind in small medium; do
    sql "DROP DATABASE IF EXISTS ${database}_ref; CREATE DATABASE ${database}_ref"
    MYSQL_PWD=$password docker exec -i -e MYSQL_PWD "$container" mariadb -uroot "${database}_ref" <"$work/$kind.sql"
    checksum[$kind]=$(sql "CHECKSUM TABLE ${database}_ref.t" | cut -f2)
    rows[$kind]=$(sql "SELECT COUNT(*) FROM ${database}_ref.t")
done
sql "DROP DATABASE ${database}_ref"

# The end state after an import of the dump: "complete", "prefix" or what is wrong.
end_state() {
    local kind=$1 count max bad
    read -r count max bad < <(sql "SELECT COUNT(*), COALESCE(MAX(id),0), SUM(payload <> MD5(id)) FROM $database.t" \
        2>/dev/null || echo "none none none")
    if [[ $count == none ]]; then echo prefix; return; fi  # cancelled before CREATE TABLE ran
    if [[ $count == "${rows[$kind]}" ]]; then
        [[ $(sql "CHECKSUM TABLE $database.t" | cut -f2) == "${checksum[$kind]}" ]] && echo complete || echo "checksum"
        return
    fi
    if [[ $count == "$max" && $((count % 100)) == 0 && ${bad:-0} =~ ^(0|NULL)$ ]]; then echo prefix; else echo "rows=$count max=$max bad=$bad"; fi
}

say "Starting $cli import-each on $container"
# An asynchronous command starts with SIGINT ignored, and the program keeps a signal that it
# finds ignored so (as under nohup): give it back its default first.
coproc CLI { exec env --default-signal=INT "$cli" import-each --container "$container" 2>>"$work/cli.log"; }
CLI_PID=$CLI_PID
IFS= read -r -u "${CLI[0]}" ready || { cat "$work/cli.log" >&2; exit 1; }
echo "soak: $ready" >&2

failures=0 completed=0 cancelled=0 asked=0 started=$(date +%s)
first_report=$ready last_report=
for ((i = 1; i <= imports; i++)); do
    dump=${dumps[RANDOM % 4]}
    kind=small
    [[ $dump == *medium* ]] && kind=medium
    # Every import starts without the table, so "no table" is the empty prefix.
    sql "DROP TABLE IF EXISTS $database.t"
    printf '%s\t%s\n' "$dump" "$database" >&"${CLI[1]}"
    if ((RANDOM % 3 == 0)); then
        asked=$((asked + 1))
        # A random moment within the import's usual length.
        limit=$([[ $kind == small ]] && echo 400 || echo 1200)
        sleep "$(awk -v ms=$((RANDOM % limit + 100)) 'BEGIN { printf "%.3f", ms / 1000 }')"
        kill -INT "$CLI_PID"
    fi
    report=
    while [[ $report != "import "* ]]; do
        IFS= read -r -u "${CLI[0]}" report || { echo "soak: tarnwell-cli ended early" >&2; failures=$((failures + 1)); break 2; }
    done
    last_report=$report
    status=$(awk '{ print $2 }' <<<"$report")
    state=$(end_state "$kind")
    case $status:$state in
    0:complete) completed=$((completed + 1)) ;;
    130:prefix | 130:complete) cancelled=$((cancelled + 1)) ;;
    *)
        failures=$((failures + 1))
        echo "soak: import $i (${dump##*/}) ended with status $status and state $state" >&2
        tail -n 3 "$work/cli.log" | sed 's/^/    /' >&2
        ;;
    esac
    if [[ $report != *children=0 ]]; then
        failures=$((failures + 1))
        echo "soak: import $i left children: $report" >&2
    fi
    ((i % 20 == 0)) && echo "soak: $i imports, $completed complete, $cancelled cancelled, $failures failures; $report" >&2
done
exec {CLI[1]}>&-
wait "$CLI_PID"
cli_status=$?
CLI_PID=

leftover=$(pgrep -f -- "exec -i.*$container" | wc -l)
sessions=$(sql "SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE DB = '$database'")
zombies=$(ps -eo stat= | grep -c '^Z' || true)
sql "DROP DATABASE IF EXISTS $database"

cat <<EOF
soak: $imports imports in $(($(date +%s) - started)) s (${dumps[*]##*/})
soak: complete $completed, cancelled $cancelled (SIGINT sent $asked times), failures $failures
soak: before: $first_report
soak: after:  $last_report
soak: exit status $cli_status; leftover docker exec $leftover; server sessions on the database $sessions; zombies on the machine $zombies
EOF
# Signals that never cancel anything would pass unnoticed otherwise.
if ((asked > 0 && cancelled == 0)); then
    echo "soak: no SIGINT cancelled an import" >&2
    exit 1
fi
((failures == 0 && cli_status == 0 && leftover == 0 && sessions == 0)) || exit 1
