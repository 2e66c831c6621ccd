#!/bin/sh
# Entrypoint of the test images: initialise an empty data folder once, then
# exec the command. Understands the environment variables the public MariaDB
# and MySQL images use, so fixtures look like the containers users run.
set -eu

DATADIR=/var/lib/mysql
# The bootstrap server listens on its own socket: a probe on the default socket
# must not mistake it for the real server (it stops again after seeding).
INIT_SOCKET=/run/mysqld/init.sock

log() { echo "entrypoint: $*" >&2; }
die() { log "error: $*"; exit 1; }

sql_string() { printf '%s' "$1" | sed -e 's/\\/\\\\/g' -e "s/'/\\\\'/g"; }
# shellcheck disable=SC2016 # a literal backtick, doubled
sql_ident() { printf '%s' "$1" | sed -e 's/`/``/g'; }

# "docker run IMAGE --log-bin" means "mariadbd --log-bin".
case "${1:-}" in
    -*) set -- mariadbd "$@" ;;
esac

root_password() {
    if [ -n "${MARIADB_ROOT_PASSWORD:-}" ]; then
        printf '%s' "$MARIADB_ROOT_PASSWORD"
    elif [ -n "${MYSQL_ROOT_PASSWORD:-}" ]; then
        printf '%s' "$MYSQL_ROOT_PASSWORD"
    elif [ -n "${MARIADB_ROOT_PASSWORD_FILE:-}" ]; then
        [ -r "$MARIADB_ROOT_PASSWORD_FILE" ] || die "cannot read $MARIADB_ROOT_PASSWORD_FILE"
        printf '%s' "$(cat "$MARIADB_ROOT_PASSWORD_FILE")"
    elif [ -n "${MYSQL_ROOT_PASSWORD_FILE:-}" ]; then
        [ -r "$MYSQL_ROOT_PASSWORD_FILE" ] || die "cannot read $MYSQL_ROOT_PASSWORD_FILE"
        printf '%s' "$(cat "$MYSQL_ROOT_PASSWORD_FILE")"
    elif [ -n "${MARIADB_ALLOW_EMPTY_ROOT_PASSWORD:-}${MYSQL_ALLOW_EMPTY_PASSWORD:-}" ]; then
        printf ''
    else
        die "no root password: set MARIADB_ROOT_PASSWORD, MYSQL_ROOT_PASSWORD or MARIADB_ROOT_PASSWORD_FILE"
    fi
}

initialise() {
    pw=$(root_password) || exit 1
    db=${MARIADB_DATABASE:-${MYSQL_DATABASE:-}}
    user=${MARIADB_USER:-${MYSQL_USER:-}}
    user_pw=${MARIADB_PASSWORD:-${MYSQL_PASSWORD:-}}

    log "initialising $DATADIR"
    mkdir -p "$DATADIR" /run/mysqld
    chown mysql:mysql "$DATADIR" /run/mysqld
    # Name resolution is pointless without a network; grant rows use IPs.
    mariadb-install-db --user=mysql --datadir="$DATADIR" --skip-test-db \
        --skip-name-resolve --auth-root-authentication-method=normal >/dev/null

    mariadbd --user=mysql --datadir="$DATADIR" --skip-networking \
        --socket="$INIT_SOCKET" --skip-log-bin &
    pid=$!
    i=0
    until mariadb-admin --socket="$INIT_SOCKET" -uroot ping >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || die "bootstrap server exited"
        i=$((i + 1))
        [ "$i" -lt 300 ] || die "bootstrap server did not come up within 60 s"
        sleep 0.2
    done

    # install-db leaves password-less root accounts for 127.0.0.1, ::1 and the
    # host name; only root@localhost and root@'%' with the password remain.
    {
        echo "SET SESSION sql_log_bin = 0;"
        echo "DELETE FROM mysql.global_priv WHERE User = 'root' AND Host <> 'localhost';"
        echo "DELETE FROM mysql.proxies_priv WHERE Host <> 'localhost';"
        echo "FLUSH PRIVILEGES;"
        echo "ALTER USER 'root'@'localhost' IDENTIFIED BY '$(sql_string "$pw")';"
        echo "CREATE USER 'root'@'%' IDENTIFIED BY '$(sql_string "$pw")';"
        echo "GRANT ALL ON *.* TO 'root'@'%' WITH GRANT OPTION;"
        if [ -n "$db" ]; then
            echo "CREATE DATABASE IF NOT EXISTS \`$(sql_ident "$db")\`;"
        fi
        if [ -n "$user" ]; then
            echo "CREATE USER '$(sql_string "$user")'@'%' IDENTIFIED BY '$(sql_string "$user_pw")';"
            if [ -n "$db" ]; then
                echo "GRANT ALL ON \`$(sql_ident "$db")\`.* TO '$(sql_string "$user")'@'%';"
            fi
        fi
    } | mariadb --socket="$INIT_SOCKET" -uroot || die "setting up accounts failed"

    for f in /docker-entrypoint-initdb.d/*; do
        [ -f "$f" ] || continue
        case "$f" in
            *.sql)
                log "running $f"
                env MYSQL_PWD="$pw" mariadb --socket="$INIT_SOCKET" -uroot ${db:+"--database=$db"} <"$f" \
                    || die "$f failed"
                ;;
            *.sql.gz)
                log "running $f"
                zcat "$f" | env MYSQL_PWD="$pw" mariadb --socket="$INIT_SOCKET" -uroot ${db:+"--database=$db"} \
                    || die "$f failed"
                ;;
            *) log "ignoring $f" ;;
        esac
    done

    env MYSQL_PWD="$pw" mariadb-admin --socket="$INIT_SOCKET" -uroot shutdown \
        || die "stopping the bootstrap server failed"
    wait "$pid" || true
    log "initialisation done"
}

case "${1:-}" in
    mariadbd | mysqld | */mariadbd | */mysqld)
        if [ ! -d "$DATADIR/mysql" ]; then
            initialise
        fi
        ;;
esac

exec "$@"
