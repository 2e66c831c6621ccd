#!/bin/sh
# The real docker client, except that the probe of $TARNWELL_SLOW_CONTAINER is held back for
# two seconds and sent with a wrong password, so its answer arrives late and fails.
for argument in "$@"; do
    if [ "$argument" = "$TARNWELL_SLOW_CONTAINER" ]; then
        sleep 2
        MYSQL_PWD=wrong-password
        export MYSQL_PWD
    fi
done
for docker in /usr/local/bin/docker /usr/bin/docker; do
    [ -x "$docker" ] && exec "$docker" "$@"
done
exit 127
