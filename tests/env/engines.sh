#!/usr/bin/env bash
# The other engines for the integration tests: rootful and rootless Podman, and a second Docker engine
# on its own unix socket standing in for a remote one. Run after `fixtures.sh up`, with
# the same state file, whose images it copies.
#
#   engines.sh up STATEFILE     appends TARNWELL_FIXTURE_PODMAN*, _ROOTLESS* and _REMOTE*
#   engines.sh down STATEFILE   removes the Podman fixtures and stops the second engine;
#                               call it before `fixtures.sh down`. Safe to repeat.
#
# An engine that cannot be provided (no podman, no dockerd, not root) leaves its variables
# out and says why; the tests then skip with that reason.
set -euo pipefail

LABEL=tarnwell.test.run
ENGINE_TIMEOUT=60
READY_TIMEOUT=${TARNWELL_FIXTURE_TIMEOUT:-180}

die() { echo "engines: error: $*" >&2; exit 1; }
say() { echo "engines: $*"; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f s", b - a }'; }
rand_password() {
    local s
    s=$(LC_ALL=C tr -dc 'A-Za-z0-9' < <(head -c 600 /dev/urandom))
    printf 'Tw_%s' "${s:0:20}"
}

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
STATEFILE=${2:-}
[[ -n $STATEFILE && -f $STATEFILE ]] || die "usage: engines.sh up|down STATEFILE (from fixtures.sh up)"

# Appends one exported variable to the state file.
put_state() { printf 'export %s=%q\n' "$1" "$2" >>"$STATEFILE"; }

load_state() {
    # shellcheck disable=SC1090
    source "$STATEFILE"
    [[ -n ${TARNWELL_FIXTURE_RUN:-} && -n ${_TWFX_TMP:-} ]] || die "$STATEFILE describes no fixtures run"
    RUN=$TARNWELL_FIXTURE_RUN
    TMP=$_TWFX_TMP
    DOCKER_BIN=${TARNWELL_FIXTURE_DOCKER:-docker}
}

# Waits until the engine command (the rest of the arguments) reaches the server of container
# $1 with root password $2 through `exec`; fails after READY_TIMEOUT with the server's log.
wait_server() {
    local name=$1 password=$2 deadline=$((SECONDS + READY_TIMEOUT))
    shift 2
    until MYSQL_PWD=$password "$@" exec -e MYSQL_PWD "$name" mariadb -uroot -e 'SELECT 1' >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            "$@" logs --tail 30 "$name" >&2 || true
            return 1
        fi
        sleep 0.5
    done
}

# ---------------------------------------------------------------- Podman
PODMAN=/usr/bin/podman

podman_conf() {
    # crun fails on this kernel's cgroup layout and Podman's default ulimits are refused;
    # a private file keeps /etc as it is.
    cat >"$TMP/containers.conf" <<'EOF'
[containers]
default_ulimits = ["nofile=1024:1024", "nproc=1024:1024"]

[engine]
runtime = "runc"
cgroup_manager = "cgroupfs"
EOF
    export CONTAINERS_CONF=$TMP/containers.conf
}

podman_up() {
    if [[ ! -x $PODMAN ]]; then
        say "no $PODMAN: Podman tests will be skipped (apt-get install podman)"
        put_state TARNWELL_FIXTURE_PODMAN_MISSING "podman is not installed"
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        say "not root: the rootful Podman fixtures are skipped"
        put_state TARNWELL_FIXTURE_PODMAN_MISSING "the Podman fixtures need root"
        return 0
    fi
    local t0 recipe have password seeded plain
    t0=$(now)
    podman_conf
    put_state CONTAINERS_CONF "$CONTAINERS_CONF"
    "$PODMAN" info >/dev/null 2>&1 || die "podman info fails with $CONTAINERS_CONF"

    # The images as the Docker engine has them; loaded again only when their recipe changed.
    recipe=$("$DOCKER_BIN" image inspect -f '{{ index .Config.Labels "tarnwell.test.recipe" }}' "$TARNWELL_FIXTURE_IMAGE")
    have=$("$PODMAN" image inspect -f '{{ index .Labels "tarnwell.test.recipe" }}' "$TARNWELL_FIXTURE_IMAGE" 2>/dev/null || true)
    if [[ $have != "$recipe" ]]; then
        say "Loading the fixture images into Podman…"
        (
            exec 9>/tmp/tarnwell-podman-images.lock
            flock 9
            "$DOCKER_BIN" save "$TARNWELL_FIXTURE_IMAGE" "$TARNWELL_FIXTURE_IMAGE_BUSYBOX" | "$PODMAN" load >/dev/null
        ) || die "podman load failed"
    fi

    password=$(rand_password)
    seeded=pm-seeded-$RUN
    plain=pm-plain-$RUN
    put_state TARNWELL_FIXTURE_PODMAN "$PODMAN"
    "$PODMAN" run --detach --name "$seeded" --network none --label "$LABEL=$RUN" \
        -e "MARIADB_ROOT_PASSWORD=$password" -e MARIADB_DATABASE=shop \
        --volume "$HERE/seed:/docker-entrypoint-initdb.d:ro" \
        --volume "$seeded-data:/var/lib/mysql" \
        "$TARNWELL_FIXTURE_IMAGE" >/dev/null || die "could not start $seeded"
    "$PODMAN" run --detach --name "$plain" --network none --label "$LABEL=$RUN" \
        "$TARNWELL_FIXTURE_IMAGE_BUSYBOX" sleep 1000000 >/dev/null || die "could not start $plain"
    wait_server "$seeded" "$password" "$PODMAN" || die "$seeded not ready within ${READY_TIMEOUT} s"
    put_state TARNWELL_FIXTURE_PODMAN_SEEDED "$seeded"
    put_state TARNWELL_FIXTURE_PODMAN_SEEDED_PASSWORD "$password"
    put_state TARNWELL_FIXTURE_PODMAN_NOTMYSQL "$plain"
    PODMAN_READY=1
    say "Podman fixtures ready in $(since "$t0")"
}

podman_down() {
    [[ -x $PODMAN && -n ${CONTAINERS_CONF:-} ]] || return 0
    local ids=()
    mapfile -t ids < <("$PODMAN" ps -aq --filter "label=$LABEL=$RUN" 2>/dev/null || true)
    ((${#ids[@]} == 0)) || "$PODMAN" rm -f -v "${ids[@]}" >/dev/null 2>&1 || true
    "$PODMAN" volume rm -f "pm-seeded-$RUN-data" >/dev/null 2>&1 || true
}

# ---------------------------------------------------------------- rootless Podman
# A user's own containers: an account with a subordinate id range, its own configuration
# (runc, cgroupfs, the ulimits, and the vfs storage driver, which needs no kernel support
# beyond user namespaces) and its own copy of the image. Whatever fails here is said and
# only skips the rootless tests.
ROOTLESS_USER=tarnwell-rootless

# Runs a command as that user, with the environment its Podman needs.
as_rootless() {
    setpriv --reuid="$ROOTLESS_USER" --regid="$ROOTLESS_USER" --init-groups \
        env HOME="$ROOTLESS_HOME" XDG_RUNTIME_DIR="$ROOTLESS_RUNTIME" \
        CONTAINERS_CONF="$ROOTLESS_HOME/.config/containers/containers.conf" \
        CONTAINERS_STORAGE_CONF="$ROOTLESS_HOME/.config/containers/storage.conf" "$@"
}

# The account's home and this run's runtime folder.
rootless_paths() {
    ROOTLESS_HOME=$(getent passwd "$ROOTLESS_USER" | cut -d: -f6)
    ROOTLESS_RUNTIME=/tmp/tarnwell-rootless-$RUN
}

rootless_prepare() {
    id "$ROOTLESS_USER" >/dev/null 2>&1 || useradd --create-home --shell /usr/sbin/nologin "$ROOTLESS_USER"
    rootless_paths
    local file
    for file in /etc/subuid /etc/subgid; do
        grep -q "^$ROOTLESS_USER:" "$file" 2>/dev/null || echo "$ROOTLESS_USER:400000:65536" >>"$file"
    done
    install -d -o "$ROOTLESS_USER" -g "$ROOTLESS_USER" -m 700 "$ROOTLESS_RUNTIME" \
        "$ROOTLESS_HOME/.config" "$ROOTLESS_HOME/.config/containers"
    cp "$TMP/containers.conf" "$ROOTLESS_HOME/.config/containers/containers.conf"
    printf '[storage]\ndriver = "vfs"\n' >"$ROOTLESS_HOME/.config/containers/storage.conf"
    chown "$ROOTLESS_USER:" "$ROOTLESS_HOME/.config/containers/"*.conf
}

rootless_up() {
    if [[ -z ${PODMAN_READY:-} ]] || ! command -v newuidmap >/dev/null || ! command -v setpriv >/dev/null; then
        say "no rootful Podman fixtures, newuidmap or setpriv: the rootless Podman tests will be skipped"
        put_state TARNWELL_FIXTURE_ROOTLESS_MISSING "rootless Podman needs podman, uidmap and setpriv"
        return 0
    fi
    local t0 password seeded image recipe have
    t0=$(now)
    if ! (
        set -e
        rootless_prepare
        recipe=$("$DOCKER_BIN" image inspect -f '{{ index .Config.Labels "tarnwell.test.recipe" }}' "$TARNWELL_FIXTURE_IMAGE")
        have=$(as_rootless "$PODMAN" image inspect -f '{{ index .Labels "tarnwell.test.recipe" }}' "$TARNWELL_FIXTURE_IMAGE" 2>/dev/null || true)
        if [[ $have != "$recipe" ]]; then
            say "Loading the fixture image into the rootless Podman…"
            image=$ROOTLESS_RUNTIME/image.tar
            "$DOCKER_BIN" save "$TARNWELL_FIXTURE_IMAGE" -o "$image"
            chown "$ROOTLESS_USER:" "$image"
            as_rootless "$PODMAN" load -i "$image" >/dev/null
            rm -f "$image"
        fi
    ) >&2; then
        say "the rootless Podman could not be set up: its tests will be skipped"
        put_state TARNWELL_FIXTURE_ROOTLESS_MISSING "the rootless Podman could not be set up (see the engines: lines)"
        return 0
    fi
    rootless_paths
    password=$(rand_password)
    seeded=rl-seeded-$RUN
    if ! as_rootless "$PODMAN" run --detach --name "$seeded" --network none --label "$LABEL=$RUN" \
        -e "MARIADB_ROOT_PASSWORD=$password" -e MARIADB_DATABASE=shop \
        --volume "$HERE/seed:/docker-entrypoint-initdb.d:ro" \
        "$TARNWELL_FIXTURE_IMAGE" >/dev/null; then
        say "the rootless Podman could not start $seeded: its tests will be skipped"
        put_state TARNWELL_FIXTURE_ROOTLESS_MISSING "the rootless Podman could not start a container"
        return 0
    fi
    # Named for `down` before anything can fail.
    put_state TARNWELL_FIXTURE_ROOTLESS_USER "$ROOTLESS_USER"
    put_state TARNWELL_FIXTURE_ROOTLESS_HOME "$ROOTLESS_HOME"
    put_state TARNWELL_FIXTURE_ROOTLESS_RUNTIME "$ROOTLESS_RUNTIME"
    if ! wait_server "$seeded" "$password" as_rootless "$PODMAN"; then
        say "$seeded (rootless) was not ready within ${READY_TIMEOUT} s: its tests will be skipped"
        put_state TARNWELL_FIXTURE_ROOTLESS_MISSING "the rootless Podman's server did not start"
        return 0
    fi
    put_state TARNWELL_FIXTURE_ROOTLESS "$PODMAN"
    put_state TARNWELL_FIXTURE_ROOTLESS_SEEDED "$seeded"
    put_state TARNWELL_FIXTURE_ROOTLESS_SEEDED_PASSWORD "$password"
    say "Rootless Podman fixture ready in $(since "$t0")"
}

rootless_down() {
    [[ -n ${TARNWELL_FIXTURE_ROOTLESS_USER:-} ]] || return 0
    rootless_paths
    local ids=()
    mapfile -t ids < <(as_rootless "$PODMAN" ps -aq --filter "label=$LABEL=$RUN" 2>/dev/null || true)
    ((${#ids[@]} == 0)) || as_rootless "$PODMAN" rm -f -v "${ids[@]}" >/dev/null 2>&1 || true
    # The user's Podman keeps a pause process for its namespace; it goes with the last run
    # that has containers there.
    if [[ -z $(as_rootless "$PODMAN" ps -aq 2>/dev/null) ]]; then
        pkill -u "$ROOTLESS_USER" >/dev/null 2>&1 || true
    fi
    rm -rf "$ROOTLESS_RUNTIME"
}

# ---------------------------------------------------------------- second Docker engine
remote_up() {
    if ! command -v dockerd >/dev/null 2>&1 || [[ $(id -u) -ne 0 ]]; then
        say "no dockerd or not root: the remote-engine tests will be skipped"
        put_state TARNWELL_FIXTURE_REMOTE_MISSING "a second Docker engine needs dockerd and root"
        return 0
    fi
    local t0 dir=$TMP/remote host pid i password seeded
    t0=$(now)
    mkdir -p "$dir"
    host=unix://$dir/docker.sock
    # Own socket, data, run state and containerd; no networking of its own.
    setsid dockerd --host "$host" --data-root "$dir/data" --exec-root "$dir/exec" \
        --pidfile "$dir/docker.pid" --iptables=false --ip6tables=false --bridge=none \
        </dev/null >"$dir/dockerd.log" 2>&1 9>&- &
    pid=$!
    put_state _TWFX_REMOTE_PID "$pid"
    for ((i = 0; i < ENGINE_TIMEOUT * 2; i++)); do
        DOCKER_HOST=$host timeout 10 "$DOCKER_BIN" info >/dev/null 2>&1 && break
        kill -0 "$pid" 2>/dev/null || { tail -n 20 "$dir/dockerd.log" >&2; die "the second dockerd exited"; }
        sleep 0.5
    done
    DOCKER_HOST=$host "$DOCKER_BIN" info >/dev/null 2>&1 || die "the second dockerd did not answer"
    "$DOCKER_BIN" save "$TARNWELL_FIXTURE_IMAGE" | DOCKER_HOST=$host "$DOCKER_BIN" load >/dev/null \
        || die "could not load $TARNWELL_FIXTURE_IMAGE into the second engine"

    password=$(rand_password)
    seeded=remote-seeded-$RUN
    DOCKER_HOST=$host "$DOCKER_BIN" run --detach --name "$seeded" --network none --label "$LABEL=$RUN" \
        -e "MARIADB_ROOT_PASSWORD=$password" -e MARIADB_DATABASE=shop \
        --volume "$HERE/seed:/docker-entrypoint-initdb.d:ro" \
        "$TARNWELL_FIXTURE_IMAGE" >/dev/null || die "could not start $seeded"
    DOCKER_HOST=$host wait_server "$seeded" "$password" "$DOCKER_BIN" || die "$seeded not ready within ${READY_TIMEOUT} s"
    put_state TARNWELL_FIXTURE_REMOTE_HOST "$host"
    put_state TARNWELL_FIXTURE_REMOTE_SEEDED "$seeded"
    put_state TARNWELL_FIXTURE_REMOTE_SEEDED_PASSWORD "$password"
    say "Second Docker engine ready at $host in $(since "$t0")"
}

remote_down() {
    local pid=${_TWFX_REMOTE_PID:-} i
    [[ -n $pid ]] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    [[ $(cat "/proc/$pid/comm" 2>/dev/null) == dockerd ]] || return 0
    if [[ -n ${TARNWELL_FIXTURE_REMOTE_HOST:-} ]]; then
        DOCKER_HOST=$TARNWELL_FIXTURE_REMOTE_HOST "$DOCKER_BIN" rm -f -v "remote-seeded-$RUN" >/dev/null 2>&1 || true
    fi
    kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 60; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.5
    done
    kill -KILL "$pid" 2>/dev/null || true
}

case "${1:-}" in
    up)
        load_state
        podman_up
        rootless_up
        remote_up
        ;;
    down)
        load_state
        podman_down
        rootless_down
        remote_down
        ;;
    *)
        echo "usage: $0 up|down STATEFILE" >&2
        exit 2
        ;;
esac
