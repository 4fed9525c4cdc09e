#!/usr/bin/env bash
# Scanvo's two entry points on a fresh Debian 12 machine:
#   ./scanvo.sh demo   installs what is missing, builds, and starts Pagedemo on sample documents
#   ./scanvo.sh test   installs what is missing, builds, runs every test suite and a short fuzz pass
#   ./scanvo.sh fuzz [SECONDS]   runs each fuzz target for SECONDS (default 1800) on its corpus
#   ./scanvo.sh screenshot   remakes docs/pagedemo.png: Pagedemo on a sample document, under Xvfb
#   ./scanvo.sh package      builds the Debian package (build/scanvo_VERSION_ARCH.deb) with CPack
#   ./scanvo.sh slurm        starts a one-machine Slurm cluster and runs a 4-task scanvo-clean array
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
          tesseract-ocr-chi-sim icc-profiles-free qpdf poppler-utils qt6-l10n-tools
          qt6-translations-l10n breeze-icon-theme libqt6svg6)

# Installs those of the packages named (all of PACKAGES when none is) that are missing.
install_missing() {
    local missing=() wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${PACKAGES[@]}")
    for p in "${wanted[@]}"; do
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

# A Slurm controller and node on this machine (2 CPUs, no accounting, no cgroups), a 4-task array
# of examples/slurm/scanvo-clean.sbatch over generated scans, and the check that the tasks wrote
# every output once and recorded every input once. Run as root; the daemons are stopped at the end.
run_slurm() {
    local dir="$BUILD/slurm" host
    host="$(hostname -s)"
    cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j"$JOBS" --target scanvo-clean scanvo-make-samples
    rm -rf "$dir"
    mkdir -p "$dir/state" "$dir/spool" "$dir/scans" "$dir/cleaned"
    # The demo's sample pages, copied twelve times over under new names (180 files, 252 pages).
    QT_QPA_PLATFORM=offscreen "$BUILD/src/demo/scanvo-make-samples" "$dir/samples" >/dev/null 2>&1
    local n=0 copy file
    for copy in $(seq 1 "${SCANVO_SLURM_COPIES:-12}"); do
        while IFS= read -r file; do
            n=$((n + 1))
            cp "$file" "$dir/scans/page-$(printf %05d "$n").${file##*.}"
        done < <(find "$dir/samples" -type f \( -name '*.tif' -o -name '*.jpg' \) | sort)
    done
    cat > "$dir/slurm.conf" <<CONF
ClusterName=scanvo
SlurmctldHost=$host(127.0.0.1)
NodeName=$host NodeAddr=127.0.0.1 CPUs=2 State=UNKNOWN
PartitionName=main Nodes=$host Default=YES MaxTime=INFINITE State=UP
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/slurmctld.log
SlurmdLogFile=$dir/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
MpiDefault=none
ReturnToService=2
CONF
    export SLURM_CONF="$dir/slurm.conf"
    # A munged already running (the package's service) is used and left running; one started here stops.
    local pids="$dir/slurmd.pid $dir/slurmctld.pid"
    if ! munge -n 2>/dev/null | unmunge >/dev/null 2>&1; then
        mkdir -p /run/munge /var/lib/munge /var/log/munge
        chown munge:munge /run/munge /var/lib/munge /var/log/munge
        runuser -u munge -- /usr/sbin/munged
        pids="$pids /run/munge/munged.pid"
    fi
    slurmctld -i
    slurmd
    # Expanded now: the function's variables are gone when the script exits.
    trap "kill \$(cat $pids 2>/dev/null) 2>/dev/null || true" EXIT
    local waited=0
    until sinfo -h -o %T 2>/dev/null | grep -q idle; do
        waited=$((waited + 1))
        if [ "$waited" -gt 60 ]; then
            echo "The Slurm node did not come up in 60 s:" >&2
            tail -n 20 "$dir/slurmctld.log" "$dir/slurmd.log" >&2
            exit 1
        fi
        sleep 1
    done
    sinfo
    # sbatch passes this environment on to the tasks: the tool built here, the folders.
    local job
    job=$(cd "$dir" && PATH="$BUILD/src/tools/clean:$PATH" IN="$dir/scans" OUT="$dir/cleaned" \
        timeout 900 sbatch --parsable --wait --array=1-4 --cpus-per-task=1 "$REPO/examples/slurm/scanvo-clean.sbatch")
    echo "Job $job finished"
    # The tasks' start and end as the controller saw them (to the second), for the array's time.
    scontrol -o show job "$job" > "$dir/tasks.txt"
    python3 - "$dir/scans" "$dir/cleaned" "$dir/tasks.txt" <<'CHECK'
import datetime, json, os, re, sys
scans, cleaned, tasks = sys.argv[1:4]
times = [re.search(r"StartTime=(\S+) EndTime=(\S+)", line).groups() for line in open(tasks) if "StartTime=" in line]
seconds = [datetime.datetime.fromisoformat(t).timestamp() for pair in times for t in pair]
start, end = min(seconds), max(seconds)
inputs = sorted(os.listdir(scans))
lines = []
for name in sorted(f for f in os.listdir(cleaned) if f.endswith(".jsonl")):
    with open(os.path.join(cleaned, name)) as record:
        for line in record:
            lines.append((name, json.loads(line)))
named = sorted(os.path.basename(entry["input"]) for _, entry in lines)
outputs = sorted(f for f in os.listdir(cleaned) if not f.endswith(".jsonl"))
problems = []
if named != inputs:
    problems.append("the records do not name every input once")
if outputs != inputs:
    problems.append("the outputs are not one per input")
if any(entry["status"] != "done" for _, entry in lines):
    problems.append("some input was not cleaned")
pages = sum(entry["pages"] for _, entry in lines)
wall = max(end - start, 1)
print(f"{len(inputs)} files, {pages} pages in {wall:.0f} s from the first task's start to the last one's end: "
      f"{pages / wall:.1f} pages/s")
for name in sorted({name for name, _ in lines}):
    own = [entry for shard, entry in lines if shard == name]
    busy = sum(entry["seconds"] for entry in own)
    print(f"  {name}: {len(own)} files, {sum(e['pages'] for e in own)} pages, {busy:.1f} s of cleaning")
for problem in problems:
    print("FAILED:", problem)
sys.exit(1 if problems else 0)
CHECK
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
slurm)
    install_missing
    install_missing slurm-wlm munge
    run_slurm
    ;;
package)
    install_missing
    build
    (cd "$BUILD" && cpack -G DEB)
    ;;
*)
    echo "usage: $0 demo|test|fuzz [SECONDS]|screenshot|package|slurm" >&2
    exit 2
    ;;
esac
