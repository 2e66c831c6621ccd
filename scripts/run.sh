#!/usr/bin/env bash
# Builds Tarnwell and starts it. Safe to run again at any time.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" docker.io
configure_and_build "$TOP/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWELL_TESTS=OFF
say "Starting Tarnwell"
exec "$TOP/build/src/tarnwell" "$@"
