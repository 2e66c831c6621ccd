#!/usr/bin/env bash
# Checks the fixtures can do what Tarnwell does: pipe SQL into
# `docker exec -i <container> mysql` and find the rows afterwards.
# Needs TARNWELL_FIXTURES=<state file written by fixtures.sh up>.
set -euo pipefail

fail() { echo "smoke_test: FAIL: $*" >&2; exit 1; }

[[ -n ${TARNWELL_FIXTURES:-} ]] || fail "TARNWELL_FIXTURES is not set (run tests/env/fixtures.sh up STATEFILE)"
[[ -r $TARNWELL_FIXTURES ]] || fail "cannot read $TARNWELL_FIXTURES"
# shellcheck disable=SC1090
source "$TARNWELL_FIXTURES"
: "${TARNWELL_FIXTURE_SEEDED:?missing in $TARNWELL_FIXTURES}"
: "${TARNWELL_FIXTURE_SEEDED_PASSWORD:?missing in $TARNWELL_FIXTURES}"

docker() { "${TARNWELL_FIXTURE_DOCKER:-docker}" "$@"; }

container=$TARNWELL_FIXTURE_SEEDED
db=smoke_$(od -An -N4 -tx1 /dev/urandom | tr -d ' \n')
# Forwarded by name (`-e MYSQL_PWD`), so the password is on no command line.
export MYSQL_PWD=$TARNWELL_FIXTURE_SEEDED_PASSWORD

sql() { docker exec -e MYSQL_PWD "$container" mysql -uroot -N -B -e "$1"; }

cleanup() { sql "DROP DATABASE IF EXISTS \`$db\`" >/dev/null 2>&1 || true; }
trap cleanup EXIT

docker exec -i -e MYSQL_PWD "$container" mysql -uroot <<SQL || fail "piping SQL into mysql in $container failed"
CREATE DATABASE \`$db\`;
USE \`$db\`;
CREATE TABLE t (x INT NOT NULL);
INSERT INTO t VALUES (1), (2), (3), (40);
SQL

got=$(sql "SELECT COUNT(*), SUM(x) FROM \`$db\`.t") || fail "query on $container failed"
[[ $got == $'4\t46' ]] || fail "expected 4 rows summing to 46 in $db.t, got '${got//$'\t'/ }'"

seeded=$(sql "SELECT COUNT(*) FROM shop.orders") || fail "shop.orders missing on $container"
[[ $seeded == 200 ]] || fail "expected 200 seeded orders, got '$seeded'"

# The stand-in for a client without --sandbox refuses the option in that client's words
# and works without it.
if [[ -n ${TARNWELL_FIXTURE_NOSANDBOX:-} ]]; then
    nosandbox=$TARNWELL_FIXTURE_NOSANDBOX
    status=0
    said=$(MYSQL_PWD=${TARNWELL_FIXTURE_NOSANDBOX_PASSWORD:-} \
        docker exec -e MYSQL_PWD "$nosandbox" mysql -uroot --sandbox -e 'SELECT 1' 2>&1) || status=$?
    [[ $status == 2 && $said == "mysql: unknown option '--sandbox'" ]] \
        || fail "$nosandbox: expected exit 2 and \"mysql: unknown option '--sandbox'\", got $status and '$said'"
    orders=$(MYSQL_PWD=${TARNWELL_FIXTURE_NOSANDBOX_PASSWORD:-} \
        docker exec -e MYSQL_PWD "$nosandbox" mysql -uroot -N -B -e 'SELECT COUNT(*) FROM shop.orders') \
        || fail "query on $nosandbox failed"
    [[ $orders == 200 ]] || fail "expected 200 seeded orders on $nosandbox, got '$orders'"
fi

echo "smoke_test: OK ($container, database $db)"
