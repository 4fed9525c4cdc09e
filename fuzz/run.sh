#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each on its corpus:
#   fuzz/run.sh BUILD-DIR SECONDS [RUNS]
# SECONDS bounds each target's run; RUNS, when given, bounds the inputs tried by each. The corpora
# start from seeds that fuzz_make_seeds writes and grow in BUILD-DIR/corpus; findings (crash-*,
# leak-*, timeout-*, oom-*) land in BUILD-DIR/findings. Exits non-zero when a target found anything.
set -euo pipefail
BUILD="$(realpath -m "$1")"
cd "$(dirname "$0")"
SECONDS_EACH="$2"
RUNS="${3:--1}"
CXX="${SCANVO_FUZZ_CXX:-clang++-14}"

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CXX" >/dev/null
cmake --build "$BUILD" -j2 >/dev/null
rm -rf "$BUILD/seeds"
"$BUILD/fuzz_make_seeds" "$BUILD/seeds"
mkdir -p "$BUILD/findings"

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1"
status=0
for pair in fuzz_tiff_pages:tiff fuzz_jpeg_pages:jpeg fuzz_page_edits:edit fuzz_ini:ini; do
    target="${pair%%:*}"
    seeds="$BUILD/seeds/${pair##*:}"
    corpus="$BUILD/corpus/$target"
    mkdir -p "$corpus"
    # Inputs grow to 64 KB. The largest page such an input may rightly code is a blank A0 page at
    # 1200 dpi in G4, 279 MB: an allocation above 300 MB is a finding. The sanitizers slow every
    # input down, so a slow one is one beyond 10 s.
    if ! "$BUILD/$target" "$corpus" "$seeds" -runs="$RUNS" -max_total_time="$SECONDS_EACH" \
            -max_len=65536 -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=300 \
            -artifact_prefix="$BUILD/findings/$target-" -print_final_stats=1 \
            >"$BUILD/$target.log" 2>&1; then
        status=1
        echo "$target: FOUND SOMETHING, see $BUILD/$target.log and $BUILD/findings" >&2
    fi
    grep -E "^stat::(number_of_executed_units|new_units_added|slowest_unit_time_sec|peak_rss_mb)" "$BUILD/$target.log" |
        sed "s/^/$target /" | tr '\n' ' '
    echo
done
exit $status
