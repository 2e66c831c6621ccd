#!/usr/bin/env bash
# Saves screenshots of Tarnwell's windows to docs/screenshots/: a real X server (Xvfb), the
# real windows and a real import into the fixture containers.
#
#   scripts/screenshots.sh [FIXTURE_STATE_FILE]
#
# With a state file (as written by tests/env/fixtures.sh up) its fixtures are used; without
# one the script starts its own fixtures and removes them again at the end.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev docker.io mariadb-server mariadb-client \
    busybox-static procps xvfb xauth icewm libqt6svg6 adwaita-icon-theme fonts-dejavu-core fonts-noto-cjk

dir="$TOP/build-screenshots"
say "Building the screenshot driver in ${dir#"$TOP"/}"
# The licence and the README go where an installed program finds them.
cmake -S "$TOP" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWELL_TESTS=ON \
    -DCMAKE_INSTALL_PREFIX="$dir/stage" >/dev/null
cmake --build "$dir" --target tarnwell_screenshots
install -D -m 644 "$TOP/README.md" "$dir/stage/share/doc/Tarnwell/README.md"
install -D -m 644 "$TOP/LICENSE.txt" "$dir/stage/share/doc/Tarnwell/LICENSE.txt"

state=${1:-}
if [ -z "$state" ]; then
    state=$(mktemp -t tarnwell-fixtures.XXXXXX)
    trap 'bash "$TOP/tests/env/fixtures.sh" down "$state"; rm -f "$state"' EXIT
    trap 'exit 130' INT TERM
    bash "$TOP/tests/env/fixtures.sh" up "$state"
fi
set -a
# shellcheck disable=SC1090
source "$state"
set +a
export TARNWELL_DOCKER=${TARNWELL_FIXTURE_DOCKER:-${TARNWELL_DOCKER:-}}

out="$TOP/docs/screenshots"
mkdir -p "$out"
say "Taking screenshots into ${out#"$TOP"/}"
env LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" bash -c \
        'icewm >/dev/null 2>&1 & sleep 2; "$0" "$1"; status=$?; kill %1; exit $status' "$dir/tests/ui/tarnwell_screenshots" "$out"
say "Screenshots saved: $(cd "$out" && echo *.png)"
