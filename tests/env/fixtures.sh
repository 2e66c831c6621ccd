#!/usr/bin/env bash
# Docker fixtures for the integration tests.
#
#   fixtures.sh up STATEFILE      engine + images + fixture containers; writes
#                                 STATEFILE (sourceable, exports TARNWELL_FIXTURE_*)
#   fixtures.sh down STATEFILE    removes everything of that run; stops the
#                                 engine if `up` started it. Safe to repeat.
#   fixtures.sh images STATEFILE  engine + images only (benchmarks); `down`
#                                 stops the engine if this started it
#   fixtures.sh prune             removes fixtures of every run (lost state files)
#
# Images are built from the host's own MariaDB and busybox binaries with
# `docker import`, because no image registry is reachable.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LABEL=tarnwell.test.run
RECIPE_LABEL=tarnwell.test.recipe
IMAGE=tarnwell-test/mariadb:1
IMAGE_ONLY=tarnwell-test/mariadb-only:1
IMAGE_BUSYBOX=tarnwell-test/busybox:1
IMAGE_NOSANDBOX=tarnwell-test/mariadb-nosandbox:1
READY_TIMEOUT=${TARNWELL_FIXTURE_TIMEOUT:-180}
ENGINE_TIMEOUT=60
LOCKFILE=/tmp/tarnwell-images.lock

die() { echo "fixtures: error: $*" >&2; exit 1; }
say() { echo "fixtures: $*"; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f s", b - a }'; }

find_docker() {
    local c
    for c in "${DOCKER:-}" "$(command -v docker 2>/dev/null || true)" /usr/local/bin/docker /usr/bin/docker; do
        if [[ -n $c && -x $c ]]; then echo "$c"; return 0; fi
    done
    return 1
}
DOCKER_BIN=$(find_docker) || die "no docker client found (looked in PATH, /usr/local/bin, /usr/bin)"
docker() { "$DOCKER_BIN" "$@"; }

engine_answers() { timeout 15 "$DOCKER_BIN" info >/dev/null 2>&1; }

rand_hex() { od -An -N"$1" -tx1 /dev/urandom | tr -d ' \n'; }
rand_password() {
    local s
    s=$(LC_ALL=C tr -dc 'A-Za-z0-9' < <(head -c 600 /dev/urandom))
    printf 'Tw_%s' "${s:0:20}"
}

# ---------------------------------------------------------------- state file
# Rewritten after every step, so `down` can clean up after an `up` that was
# interrupted half-way.
STATEFILE=
RUN=
TMP=
DOCKERD_STARTED=0
DOCKERD_PID=
declare -A FX=()      # role -> container name
declare -A FXPW=()    # role -> root password

write_state() {
    local f=$STATEFILE.tmp role
    {
        echo "# Written by tests/env/fixtures.sh; source it. Removed by 'fixtures.sh down'."
        printf 'export TARNWELL_FIXTURE_RUN=%q\n' "$RUN"
        printf 'export TARNWELL_FIXTURE_IMAGE=%q\n' "$IMAGE"
        printf 'export TARNWELL_FIXTURE_IMAGE_MARIADB_ONLY=%q\n' "$IMAGE_ONLY"
        printf 'export TARNWELL_FIXTURE_IMAGE_BUSYBOX=%q\n' "$IMAGE_BUSYBOX"
        printf 'export TARNWELL_FIXTURE_IMAGE_NOSANDBOX=%q\n' "$IMAGE_NOSANDBOX"
        printf 'export TARNWELL_FIXTURE_DOCKER=%q\n' "$DOCKER_BIN"
        for role in SEEDED BINLOG NOPWENV PWFILE STOPPED NOTMYSQL MARIADBONLY NOSANDBOX; do
            [[ -n ${FX[$role]:-} ]] || continue
            printf 'export TARNWELL_FIXTURE_%s=%q\n' "$role" "${FX[$role]}"
            if [[ -n ${FXPW[$role]:-} ]]; then
                printf 'export TARNWELL_FIXTURE_%s_PASSWORD=%q\n' "$role" "${FXPW[$role]}"
            fi
        done
        if [[ -n ${FX[SEEDED]:-} ]]; then
            echo "export TARNWELL_FIXTURE_SEEDED_DATABASE=shop"
        fi
        if [[ -n ${FX[NOSANDBOX]:-} ]]; then
            echo "export TARNWELL_FIXTURE_NOSANDBOX_DATABASE=shop"
        fi
        # Only for `down`.
        printf '_TWFX_DOCKERD_STARTED=%q\n' "$DOCKERD_STARTED"
        printf '_TWFX_DOCKERD_PID=%q\n' "$DOCKERD_PID"
        printf '_TWFX_TMP=%q\n' "$TMP"
    } >"$f"
    mv -f "$f" "$STATEFILE"
}

# ---------------------------------------------------------------- engine
ensure_engine() {
    if engine_answers; then
        return 0
    fi
    command -v dockerd >/dev/null 2>&1 \
        || die "no Docker engine answers and dockerd is not installed (apt-get install docker.io)"
    [[ $(id -u) -eq 0 ]] || die "no Docker engine answers, and starting dockerd needs root"

    say "Starting the Docker engine…"
    local t0 log=$TMP/dockerd.log i pid
    t0=$(now)
    # Own session: ^C in the caller's terminal must not take the engine down
    # before `down` has removed the containers.
    # fd 9 is the build lock; the engine must not hold it for its lifetime.
    setsid dockerd --iptables=false --ip6tables=false --bridge=none \
        </dev/null >"$log" 2>&1 9>&- &
    pid=$!
    DOCKERD_STARTED=1
    DOCKERD_PID=$pid
    write_state
    for ((i = 0; i < ENGINE_TIMEOUT * 2; i++)); do
        if engine_answers; then
            if ! kill -0 "$pid" 2>/dev/null; then
                # Someone else's engine won the race; it is not ours to stop.
                DOCKERD_STARTED=0
                DOCKERD_PID=
            elif [[ -r /var/run/docker.pid ]]; then
                DOCKERD_PID=$(cat /var/run/docker.pid)
            fi
            write_state
            say "Docker engine ready after $(since "$t0")"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            DOCKERD_STARTED=0 DOCKERD_PID=
            write_state
            echo "---- dockerd log ($log), last lines:" >&2
            tail -n 25 "$log" >&2 || true
            die "dockerd exited before answering"
        fi
        sleep 0.5
    done
    echo "---- dockerd log ($log), last lines:" >&2
    tail -n 25 "$log" >&2 || true
    die "dockerd did not answer within ${ENGINE_TIMEOUT} s"
}

# ---------------------------------------------------------------- images
# Rebuilt when anything they are made from changes: these scripts, the
# entrypoint, or the host's MariaDB / busybox packages.
recipe_id() {
    {
        cat "$HERE/image/entrypoint.sh" "$HERE/image/client-without-sandbox.sh" "${BASH_SOURCE[0]}"
        /usr/sbin/mariadbd --version 2>/dev/null || true
        busybox_path | xargs -r sha256sum || true
    } | sha256sum | cut -c1-16
}

busybox_path() {
    local b
    for b in /bin/busybox /usr/bin/busybox; do
        [[ -x $b ]] && { echo "$b"; return 0; }
    done
    return 1
}

image_current() {
    local have
    have=$(docker image inspect -f "{{ index .Config.Labels \"$RECIPE_LABEL\" }}" "$1" 2>/dev/null) || return 1
    [[ $have == "$2" ]]
}

# Copy a file to the same path under $root, following symlinks.
put() {
    local src=$1 dst=$root${2:-$1}
    mkdir -p "$(dirname "$dst")"
    cp -L --preserve=mode "$src" "$dst"
}

add_busybox() {
    local bb app
    bb=$(busybox_path) || die "busybox not found (apt-get install busybox-static)"
    ldd "$bb" >/dev/null 2>&1 && die "$bb is dynamically linked; install busybox-static"
    put "$bb" /bin/busybox
    for app in $("$bb" --list-full); do
        [[ -e $root/$app || -L $root/$app ]] && continue
        mkdir -p "$root/$(dirname "$app")"
        ln -s /bin/busybox "$root/$app"
    done
    # -L: the links point at /bin/busybox, which -e would look up on the host.
    [[ -L $root/bin/sh && -L $root/usr/bin/env ]] || die "busybox lacks sh or env"
}

# Libraries that ldd lists, plus the dynamic loader, at the paths it names.
add_libraries() {
    local lib
    while read -r lib; do
        [[ -n $lib ]] && put "$lib"
    done < <(ldd "$@" 2>/dev/null | awk '
        /:$/ { next }
        /=> not found/ { print "MISSING " $1 > "/dev/stderr"; next }
        $2 == "=>" && $3 ~ /^\// { print $3; next }
        $1 ~ /^\// { print $1 }' | sort -u)
}

build_root() {
    root=$1
    local d bin
    # Mirror merged /usr, so the paths ldd prints resolve the same way.
    for d in bin sbin lib lib64 lib32 libx32; do
        if [[ -L /$d ]]; then
            local target
            target=$(readlink "/$d")
            ln -s "$target" "$root/$d"
            if [[ $target == /* ]]; then mkdir -p "$root$target"; else mkdir -p "$root/$target"; fi
        fi
    done
    add_busybox

    local bins=(/usr/sbin/mariadbd /usr/bin/mariadb /usr/bin/mariadb-install-db
        /usr/bin/my_print_defaults /usr/bin/mariadb-admin /usr/bin/mariadb-dump
        /usr/bin/resolveip)
    for bin in "${bins[@]}"; do
        [[ -e $bin ]] || die "$bin missing (apt-get install mariadb-server mariadb-client)"
        put "$bin"
    done
    local plugins=()
    if [[ -d /usr/lib/mysql/plugin ]]; then
        mkdir -p "$root/usr/lib/mysql"
        cp -a /usr/lib/mysql/plugin "$root/usr/lib/mysql/"
        mapfile -t plugins < <(find /usr/lib/mysql/plugin -name '*.so' -type f)
    fi
    local elves=()
    for bin in "${bins[@]}"; do
        [[ $(head -c 4 "$bin") == $'\x7fELF' ]] && elves+=("$bin")
    done
    add_libraries "${elves[@]}" "${plugins[@]}"

    mkdir -p "$root/usr/share"
    cp -a /usr/share/mysql "$root/usr/share/"
    [[ -d /usr/share/mariadb ]] && cp -a /usr/share/mariadb "$root/usr/share/"
    # LANG=C.UTF-8 needs the compiled locale; without it the client talks latin1.
    if [[ -d /usr/lib/locale/C.utf8 ]]; then
        mkdir -p "$root/usr/lib/locale"
        cp -a /usr/lib/locale/C.utf8 "$root/usr/lib/locale/"
    fi
    mkdir -p "$root/etc"
    # -L: Debian's my.cnf is a link into /etc/alternatives, absent in the image.
    cp -rL --preserve=mode /etc/mysql "$root/etc/"

    cat >"$root/etc/passwd" <<'EOF'
root:x:0:0:root:/root:/bin/sh
mysql:x:999:999:MariaDB Server:/nonexistent:/bin/false
nobody:x:65534:65534:nobody:/nonexistent:/bin/false
EOF
    cat >"$root/etc/group" <<'EOF'
root:x:0:
mysql:x:999:
nogroup:x:65534:
EOF
    printf 'passwd: files\ngroup: files\nhosts: files dns\n' >"$root/etc/nsswitch.conf"
    mkdir -p "$root/tmp" "$root/root" "$root/run/mysqld" "$root/var/lib/mysql" \
        "$root/docker-entrypoint-initdb.d" "$root/usr/local/bin"
    chmod 1777 "$root/tmp"
    chown 999:999 "$root/run/mysqld" "$root/var/lib/mysql"
    install -m 0755 "$HERE/image/entrypoint.sh" "$root/usr/local/bin/entrypoint.sh"
}

import_root() {
    local root=$1 tag=$2 recipe=$3
    shift 3
    local old
    old=$(docker image inspect -f '{{.Id}}' "$tag" 2>/dev/null || true)
    tar --numeric-owner -C "$root" -c . \
        | docker import -c "LABEL $RECIPE_LABEL=$recipe" "$@" - "$tag" >/dev/null
    if [[ -n $old && $old != "$(docker image inspect -f '{{.Id}}' "$tag")" ]]; then
        docker rmi "$old" >/dev/null 2>&1 || true
    fi
}

# $IMAGE with its client behind client-without-sandbox.sh. Committed from a container
# of that image, never started, so it shares that image's layer and adds only the
# client's files.
build_nosandbox() {
    local dir=$1 recipe=$2 libexec=usr/libexec/tarnwell-fixture box
    box=$(nosandbox_box "$RUN")
    mkdir -p "$dir/usr/bin" "$dir/$libexec"
    # The tree is laid over the image's /usr: its folders must keep the image's modes.
    chmod 0755 "$dir/usr" "$dir/usr/bin" "$dir/usr/libexec" "$dir/$libexec"
    # No run label: a commit would hand it on to every container of the image.
    docker create --name "$box" "$IMAGE" >/dev/null || die "could not create $box"
    docker cp "$box:/usr/bin/mariadb" "$dir/$libexec/mariadb" || die "could not copy the client out of $box"
    ln -s mariadb "$dir/$libexec/mysql"
    install -m 0755 "$HERE/image/client-without-sandbox.sh" "$dir/usr/bin/mariadb"
    tar --numeric-owner --owner=0 --group=0 -C "$dir" -c usr | docker cp - "$box:/" \
        || die "could not copy the stand-in client into $box"
    docker commit -c "LABEL $RECIPE_LABEL=$recipe" "$box" "$IMAGE_NOSANDBOX" >/dev/null \
        || die "could not commit $box as $IMAGE_NOSANDBOX"
    docker rm -f -v "$box" >/dev/null
}

# The container build_nosandbox commits; `down` removes it if a build was cut short.
nosandbox_box() { echo "nosandbox-build-$1"; }

ensure_images() {
    local recipe t0 work
    recipe=$(recipe_id)
    if image_current "$IMAGE" "$recipe" && image_current "$IMAGE_ONLY" "$recipe" \
        && image_current "$IMAGE_BUSYBOX" "$recipe" && image_current "$IMAGE_NOSANDBOX" "$recipe"; then
        say "Images up to date ($IMAGE, $IMAGE_ONLY, $IMAGE_BUSYBOX, $IMAGE_NOSANDBOX)"
        return 0
    fi
    t0=$(now)
    work=$TMP/image
    # A child of $IMAGE: while it stands, the old $IMAGE cannot be removed.
    docker rmi "$IMAGE_NOSANDBOX" >/dev/null 2>&1 || true
    say "Building image $IMAGE_BUSYBOX…"
    rm -rf "$work"
    mkdir -p "$work/busybox" "$work/mariadb"
    (
        root=$work/busybox
        add_busybox
        mkdir -p "$root/tmp" "$root/etc"
        chmod 1777 "$root/tmp"
        printf 'root:x:0:0:root:/root:/bin/sh\n' >"$root/etc/passwd"
        printf 'root:x:0:\n' >"$root/etc/group"
    )
    import_root "$work/busybox" "$IMAGE_BUSYBOX" "$recipe" -c 'CMD ["sh"]'

    say "Building image $IMAGE_ONLY…"
    build_root "$work/mariadb"
    local cfg=(-c 'ENTRYPOINT ["/usr/local/bin/entrypoint.sh"]'
        -c 'CMD ["mariadbd","--user=mysql"]'
        -c 'VOLUME /var/lib/mysql'
        -c 'ENV LANG=C.UTF-8')
    # Like current MariaDB images: no mysql* command names at all.
    import_root "$work/mariadb" "$IMAGE_ONLY" "$recipe" "${cfg[@]}"

    say "Building image $IMAGE…"
    ln -s mariadb "$work/mariadb/usr/bin/mysql"
    ln -s mariadb-dump "$work/mariadb/usr/bin/mysqldump"
    ln -s mariadb-admin "$work/mariadb/usr/bin/mysqladmin"
    import_root "$work/mariadb" "$IMAGE" "$recipe" "${cfg[@]}"

    say "Building image $IMAGE_NOSANDBOX…"
    build_nosandbox "$work/nosandbox" "$recipe"

    rm -rf "$work"
    say "Images built in $(since "$t0") ($(docker image inspect -f '{{.Size}}' "$IMAGE" \
        | awk '{ printf "%d MB", $1 / 1e6 }') for $IMAGE)"
}

# ---------------------------------------------------------------- fixtures
# fx_start ROLE BASENAME with|without-volume DOCKER-RUN-ARGS...
fx_start() {
    local role=$1 base=$2 name=$2-$RUN volume=$3
    shift 3
    FX[$role]=$name
    write_state
    local args=(--detach --name "$name" --network none
        --label "$LABEL=$RUN" --label "tarnwell.test.fixture=$base")
    if [[ $volume == with-volume ]]; then
        docker volume create --label "$LABEL=$RUN" "$name-data" >/dev/null
        args+=(--volume "$name-data:/var/lib/mysql")
    fi
    docker run "${args[@]}" "$@" >/dev/null || die "could not start $role fixture $name"
}

fx_logs() {
    echo "---- docker logs $1 (last lines):" >&2
    docker logs --tail 30 "$1" 2>&1 | sed 's/^/    /' >&2 || true
}

fx_probe() {
    MYSQL_PWD=$2 docker exec -e MYSQL_PWD "$1" mariadb -uroot -e 'SELECT 1' >/dev/null 2>&1
}

# Waits for all named roles together; fails fast when one of them exits.
fx_wait() {
    local deadline=$((SECONDS + READY_TIMEOUT)) role name state pending
    pending=("$@")
    while ((${#pending[@]})); do
        local still=()
        for role in "${pending[@]}"; do
            name=${FX[$role]}
            state=$(docker inspect -f '{{.State.Status}}' "$name" 2>/dev/null || echo gone)
            if [[ $state != running && $state != created ]]; then
                fx_logs "$name"
                die "$role fixture $name is $state instead of running"
            fi
            if [[ $state == running ]] && fx_probe "$name" "${FXPW[$role]}"; then
                continue
            fi
            still+=("$role")
        done
        pending=("${still[@]}")
        ((${#pending[@]})) || break
        if ((SECONDS >= deadline)); then
            for role in "${pending[@]}"; do fx_logs "${FX[$role]}"; done
            die "not ready within ${READY_TIMEOUT} s: $(for r in "${pending[@]}"; do printf '%s ' "$r=${FX[$r]}"; done)"
        fi
        sleep 0.5
    done
}

start_fixtures() {
    local t0 secret secrets
    t0=$(now)
    say "Starting fixtures (run $RUN)…"
    for role in SEEDED BINLOG NOPWENV PWFILE STOPPED MARIADBONLY NOSANDBOX; do
        FXPW[$role]=$(rand_password)
    done

    fx_start SEEDED seeded with-volume \
        -e "MARIADB_ROOT_PASSWORD=${FXPW[SEEDED]}" -e MARIADB_DATABASE=shop \
        --volume "$HERE/seed:/docker-entrypoint-initdb.d:ro" \
        "$IMAGE"
    fx_start BINLOG binlog with-volume \
        -e "MYSQL_ROOT_PASSWORD=${FXPW[BINLOG]}" \
        "$IMAGE" mariadbd --user=mysql --log-bin
    # The password only existed in a mounted secret that is gone once the server is set up:
    # nothing in the container tells it any more.
    secrets=$TMP/nopwenv-secrets
    mkdir -p "$secrets"
    printf '%s\n' "${FXPW[NOPWENV]}" >"$secrets/mariadb_root_password"
    chmod 0444 "$secrets/mariadb_root_password"
    fx_start NOPWENV nopwenv with-volume \
        -e MARIADB_ROOT_PASSWORD_FILE=/run/secrets/mariadb_root_password \
        --volume "$secrets:/run/secrets:ro" \
        "$IMAGE"
    # The password stays in a read-only mounted file, as with a secret.
    secret=$TMP/pwfile_root_password
    printf '%s\n' "${FXPW[PWFILE]}" >"$secret"
    chmod 0444 "$secret"
    fx_start PWFILE pwfile with-volume \
        -e MYSQL_ROOT_PASSWORD_FILE=/run/secrets/db_root \
        --volume "$secret:/run/secrets/db_root:ro" \
        "$IMAGE"
    fx_start STOPPED stopped with-volume \
        -e "MARIADB_ROOT_PASSWORD=${FXPW[STOPPED]}" \
        "$IMAGE"
    fx_start MARIADBONLY mariadbonly with-volume \
        -e "MARIADB_ROOT_PASSWORD=${FXPW[MARIADBONLY]}" \
        "$IMAGE_ONLY"
    # A client that refuses --sandbox, with the seeded database. The password goes to
    # docker by name only.
    MARIADB_ROOT_PASSWORD=${FXPW[NOSANDBOX]} fx_start NOSANDBOX nosandbox with-volume \
        -e MARIADB_ROOT_PASSWORD -e MARIADB_DATABASE=shop \
        --volume "$HERE/seed:/docker-entrypoint-initdb.d:ro" \
        "$IMAGE_NOSANDBOX"
    # No database words in its name, image or environment.
    fx_start NOTMYSQL plain without-volume "$IMAGE_BUSYBOX" sleep 1000000

    fx_wait SEEDED BINLOG NOPWENV PWFILE STOPPED MARIADBONLY NOSANDBOX
    rm -f "$secrets/mariadb_root_password"
    docker stop "${FX[STOPPED]}" >/dev/null || die "could not stop ${FX[STOPPED]}"
    [[ $(docker inspect -f '{{.State.Status}}' "${FX[NOTMYSQL]}") == running ]] \
        || { fx_logs "${FX[NOTMYSQL]}"; die "NOTMYSQL fixture ${FX[NOTMYSQL]} is not running"; }
    write_state
    say "Fixtures ready in $(since "$t0")"
}

# ---------------------------------------------------------------- commands
new_run() {
    STATEFILE=$1
    [[ -n $STATEFILE ]] || die "usage: fixtures.sh up|images STATEFILE"
    # An empty file (from mktemp) is fine; one describing a run is not.
    if [[ -s $STATEFILE ]] && grep -q '^export TARNWELL_FIXTURE_RUN=' "$STATEFILE"; then
        die "$STATEFILE describes a run already: 'fixtures.sh down $STATEFILE' first"
    fi
    RUN=tw-$(rand_hex 3)
    TMP=$(mktemp -d "${TMPDIR:-/tmp}/tarnwell-fx.XXXXXX")
    write_state
}

cmd_up() {
    new_run "${1:-}"
    # One engine start and one image build at a time, across parallel runs.
    exec 9>"$LOCKFILE"
    flock 9
    ensure_engine
    ensure_images
    flock -u 9
    exec 9>&-
    start_fixtures
    say "State written to $STATEFILE"
}

cmd_images() {
    new_run "${1:-}"
    exec 9>"$LOCKFILE"
    flock 9
    ensure_engine
    ensure_images
}

remove_labelled() {
    local filter=$1 ids=()
    mapfile -t ids < <(docker ps -aq --filter "label=$filter" 2>/dev/null || true)
    ((${#ids[@]} == 0)) || docker rm -f -v "${ids[@]}" >/dev/null 2>&1 || true
    mapfile -t ids < <(docker volume ls -q --filter "label=$filter" 2>/dev/null || true)
    ((${#ids[@]} == 0)) || docker volume rm -f "${ids[@]}" >/dev/null 2>&1 || true
    mapfile -t ids < <(docker network ls -q --filter "label=$filter" 2>/dev/null || true)
    ((${#ids[@]} == 0)) || docker network rm "${ids[@]}" >/dev/null 2>&1 || true
}

stop_dockerd() {
    local pid=$1 i
    [[ -n $pid ]] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    # A recycled pid must not get our signal.
    [[ $(cat "/proc/$pid/comm" 2>/dev/null) == dockerd ]] || return 0
    say "Stopping the Docker engine (pid $pid)…"
    kill -TERM "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 60; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.5
    done
    echo "fixtures: dockerd $pid ignored SIGTERM for 30 s; killing it" >&2
    kill -KILL "$pid" 2>/dev/null || true
}

cmd_down() {
    local statefile=${1:-}
    [[ -n $statefile ]] || die "usage: fixtures.sh down STATEFILE"
    if [[ ! -f $statefile ]]; then
        say "$statefile not found; nothing to remove"
        return 0
    fi
    local TARNWELL_FIXTURE_RUN='' _TWFX_DOCKERD_STARTED=0 _TWFX_DOCKERD_PID='' _TWFX_TMP=''
    # shellcheck disable=SC1090
    source "$statefile"
    if [[ -n $TARNWELL_FIXTURE_RUN ]] && engine_answers; then
        say "Removing fixtures of run $TARNWELL_FIXTURE_RUN…"
        remove_labelled "$LABEL=$TARNWELL_FIXTURE_RUN"
        docker rm -f -v "$(nosandbox_box "$TARNWELL_FIXTURE_RUN")" >/dev/null 2>&1 || true
    fi
    if [[ $_TWFX_DOCKERD_STARTED == 1 ]]; then
        stop_dockerd "$_TWFX_DOCKERD_PID"
    fi
    if [[ -n $_TWFX_TMP && -d $_TWFX_TMP && $_TWFX_TMP == */tarnwell-fx.* ]]; then
        rm -rf "$_TWFX_TMP"
    fi
    rm -f "$statefile"
}

cmd_prune() {
    if engine_answers; then
        remove_labelled "$LABEL"
        local ids=()
        mapfile -t ids < <(docker ps -aq --filter "name=$(nosandbox_box tw-)" 2>/dev/null || true)
        ((${#ids[@]} == 0)) || docker rm -f -v "${ids[@]}" >/dev/null 2>&1 || true
    else
        say "no Docker engine answers; no containers to remove"
    fi
    rm -rf "${TMPDIR:-/tmp}"/tarnwell-fx.*
}

case "${1:-}" in
    up) cmd_up "${2:-}" ;;
    down) cmd_down "${2:-}" ;;
    images) cmd_images "${2:-}" ;;
    prune) cmd_prune ;;
    *)
        echo "usage: $0 up|down|images STATEFILE  |  $0 prune" >&2
        exit 2
        ;;
esac
