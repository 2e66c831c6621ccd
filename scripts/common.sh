# Shared by run.sh and test.sh: installs Debian packages and builds one configuration.
set -euo pipefail

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are not installed yet; does nothing when all are there.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        say "Debian packages already installed"
        return
    fi
    say "Installing Debian packages: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools
                qt6-qpa-plugins libqt6concurrent6 qcoro-qt6-dev libgl-dev gzip
                libqt6svg6 adwaita-icon-theme qt6-translations-l10n zstd xz-utils bzip2)

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    say "Building in ${dir#"$TOP"/}"
    cmake -S "$TOP" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -- -k 0
}
