#!/bin/sh
# /usr/bin/mariadb (and through its link /usr/bin/mysql) of the image
# tarnwell-test/mariadb-nosandbox: a client that predates --sandbox, as MySQL's
# is and MariaDB's was before 10.5.25, 10.6.18, 10.11.8 and 11.4.2. Such a client
# refuses the option like any option it does not know: same words, same exit
# status. All else is the real client's work: it sits in /usr/libexec/tarnwell-fixture
# under the name it was called by, and gets that name as argv[0], so its messages
# name it as before.
#
# Only the option is refused: the real client still knows \- and the first line
# mariadb-dump writes to turn the sandbox on.
me=${0##*/}
dir=/usr/libexec/tarnwell-fixture
real=$dir/$me
[ -x "$real" ] || real=$dir/mariadb

help=0
# Each argument in turn is taken off the front and, unless dropped, put back at the end.
n=$#
while [ "$n" -gt 0 ]; do
    arg=$1
    shift
    n=$((n - 1))
    case $arg in
        --sandbox | --enable-sandbox | --disable-sandbox | --skip-sandbox)
            echo "$me: unknown option '$arg'" >&2
            exit 2
            ;;
        --sandbox=* | --enable-sandbox=* | --disable-sandbox=* | --skip-sandbox=*)
            echo "$me: unknown variable '${arg#--}'" >&2
            exit 7
            ;;
        --loose-sandbox)
            echo "Warning: $me: unknown option '$arg'" >&2
            continue
            ;;
        --loose-sandbox=*)
            echo "Warning: $me: unknown variable '${arg#--}'" >&2
            continue
            ;;
        --help | '-?' | -I)
            help=1
            ;;
        --)
            # The rest are not options.
            set -- "$@" "$arg"
            while [ "$n" -gt 0 ]; do
                set -- "$@" "$1"
                shift
                n=$((n - 1))
            done
            break
            ;;
    esac
    set -- "$@" "$arg"
done

if [ "$help" = 1 ]; then
    # Nor does such a client list the option.
    set -o pipefail
    (exec -a "$me" "$real" "$@") | sed -e '/^  --sandbox /{N;d;}' -e '/^sandbox /d'
    exit
fi
exec -a "$me" "$real" "$@"
