# Sourced by the benchmarks: a MariaDB container of their own (fixture image, --network none,
# a fresh volume), removed again when the script exits. Sets $name and exports the root
# password as MARIADB_ROOT_PASSWORD and MYSQL_PWD (by name only, never on a command line).
# Needs $TOP and $state (a fixture state file path) and a `say` function.

name=tarnwell-bench-$$
bench_cleanup() {
    docker rm -f -v "$name" >/dev/null 2>&1 || true
    docker volume rm -f "$name-data" >/dev/null 2>&1 || true
    bash "$TOP/tests/env/fixtures.sh" down "$state" >/dev/null 2>&1 || true
    rm -f "$state"
}
trap bench_cleanup EXIT
trap 'exit 130' INT TERM

say "Docker engine and fixture image…"
bash "$TOP/tests/env/fixtures.sh" images "$state" >/dev/null
# shellcheck disable=SC1090
source "$state"
MARIADB_ROOT_PASSWORD=Bench_$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
export MARIADB_ROOT_PASSWORD MYSQL_PWD=$MARIADB_ROOT_PASSWORD
docker volume create "$name-data" >/dev/null
docker run --detach --name "$name" --network none --volume "$name-data:/var/lib/mysql" \
    -e MARIADB_ROOT_PASSWORD "${TARNWELL_FIXTURE_IMAGE:-tarnwell-test/mariadb:1}" >/dev/null
say "Waiting for $name…"
for _ in $(seq 1 180); do
    docker exec -e MYSQL_PWD "$name" mariadb -uroot -e 'SELECT 1' >/dev/null 2>&1 && break
    sleep 1
done
docker exec -e MYSQL_PWD "$name" mariadb -uroot -e 'SELECT 1' >/dev/null
