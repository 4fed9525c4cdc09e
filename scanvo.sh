#!/usr/bin/env bash
# Scanvo's two entry points on a fresh Debian 12 machine:
#   ./scanvo.sh demo   installs what is missing, builds, and starts Pagedemo on sample documents
#   ./scanvo.sh test   installs what is missing, builds, runs every test suite and a short fuzz pass
#   ./scanvo.sh fuzz [SECONDS]   runs each fuzz target for SECONDS (default 1800) on its corpus
#   ./scanvo.sh screenshot   remakes docs/pagedemo.png: Pagedemo on a sample document, under Xvfb
#   ./scanvo.sh package      builds the Debian package (build/scanvo_VERSION_ARCH.deb) with CPack
# Nothing here waits for input: CI runs the test verb as root with no display.
set -euo pipefail
cd "$(dirname "$0")"
REPO="$(pwd)"
BUILD="${SCANVO_BUILD_DIR:-$REPO/build}"  # another build tree may be named, e.g. a developer's own
JOBS=2

# Everything the build, the tests, the benchmarks and the demo need.
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libleptonica-dev libtiff-dev libjpeg62-turbo-dev libsane-dev libsane1 sane-utils
          libgtest-dev libbenchmark-dev xvfb xauth fonts-wqy-zenhei fonts-dejavu-core
          libtiff-tools libzstd-dev qt6-tools-dev libqt6opengl6-dev python3-pyqt6 dpkg-dev
          clang-14 libclang-rt-14-dev libqpdf-dev libtesseract-dev tesseract-ocr-eng
          tesseract-ocr-chi-sim icc-profiles-free qpdf poppler-utils)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Missing packages and no sudo: ${missing[*]}" >&2; exit 1; }
        sudo="sudo"
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j"$JOBS"
}

run_tests() {
    (cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS")
}

# The fuzz targets (clang, libFuzzer), each for SECONDS at most and RUNS inputs at most.
run_fuzzers() {
    "$REPO/fuzz/run.sh" "$BUILD/fuzz" "$1" "${2:--1}"
}

# Sample documents of the demo tree and a settings directory whose root points at them.
prepare_demo() {
    DEMO_ROOT="$BUILD/demo/root"
    DEMO_CONFIG="$BUILD/demo/config"
    mkdir -p "$DEMO_ROOT" "$DEMO_CONFIG"
    QT_QPA_PLATFORM=offscreen "$BUILD/src/demo/scanvo-make-samples" "$DEMO_ROOT" "$DEMO_CONFIG"
}

demo_environment() {
    export SCANVO_CONFIG_DIR="$DEMO_CONFIG"
    export SANE_CONFIG_DIR="$REPO/src/demo/sane.d:"
    export SCANVO_DEFAULT_SCANNER="test:0"
}

start_demo() {
    demo_environment
    echo "Documents: $DEMO_ROOT"
    echo "Settings:  $DEMO_CONFIG/scanvo.ini"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$BUILD/src/demo/Pagedemo"
    fi
    echo "No display (DISPLAY is not set): running Pagedemo on a virtual X server (xvfb-run), where it"
    echo "cannot be seen. Run ./scanvo.sh demo from a desktop session to use it; Ctrl+C stops it."
    exec xvfb-run -a "$BUILD/src/demo/Pagedemo"
}

case "${1:-}" in
test)
    install_missing
    build
    # The short fuzz pass first, so that the last lines printed are ctest's summary.
    run_fuzzers 12 4000
    run_tests
    ;;
fuzz)
    install_missing
    run_fuzzers "${2:-1800}"
    ;;
demo)
    install_missing
    build
    prepare_demo
    start_demo
    ;;
screenshot)
    install_missing
    build
    # Its own sample documents and settings, so the demo's are left as they were; the scan dialog is
    # skipped there so that the scan starts at once.
    SHOT="$BUILD/screenshot"
    rm -rf "$SHOT"
    mkdir -p "$SHOT/root" "$SHOT/config" "$REPO/docs"
    QT_QPA_PLATFORM=offscreen "$BUILD/src/demo/scanvo-make-samples" "$SHOT/root" "$SHOT/config"
    if grep -q '^\[Scan\]' "$SHOT/config/scanvo.ini"; then
        sed -i '/^\[Scan\]/a ShowScanSetting=0' "$SHOT/config/scanvo.ini"
    else
        printf '[Scan]\nShowScanSetting=0\n' >> "$SHOT/config/scanvo.ini"
    fi
    DEMO_CONFIG="$SHOT/config"
    demo_environment
    # The multi-page sample document, opened as a user would (type menu, then the tree node), while
    # the test scanner's pages arrive after a click on the scan button.
    xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD/src/demo/Pagedemo" \
        --doctype mnuMultiTif --open t44 --click miScan --screenshot "$REPO/docs/pagedemo.png"
    echo "Wrote docs/pagedemo.png"
    ;;
package)
    install_missing
    build
    (cd "$BUILD" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 demo|test|fuzz [SECONDS]|screenshot|package" >&2
    exit 2
    ;;
esac
