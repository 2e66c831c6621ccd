#!/usr/bin/env bash
# Builds the Debian package of Tarnwell (both programs, desktop file, icon, file types,
# AppStream metadata, manual page, bash completion) into build-package/. Safe to run again.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev appstream desktop-file-utils

say "Validating the desktop file and the AppStream metadata"
desktop-file-validate "$TOP/packaging/tarnwell.desktop"
appstreamcli validate --no-net "$TOP/packaging/tarnwell.metainfo.xml"

configure_and_build "$TOP/build-package" -DCMAKE_BUILD_TYPE=Release -DTARNWELL_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_DOCDIR=share/doc/tarnwell
say "Packing"
(cd "$TOP/build-package" && cpack -G DEB >/dev/null)
package=$(ls -t "$TOP"/build-package/tarnwell_*.deb | head -n 1)
say "Built $package"
say "Install it with: sudo apt install $package"
