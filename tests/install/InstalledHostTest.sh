#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds two small hosts against it, one with
# find_package(Scanvo) and one with pkg-config, and runs them.
# Usage: InstalledHostTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
test -f "$prefix/include/scanvo/ScanvoFactory.h"
soname="$(readelf -d "$prefix"/lib*/libscanvo.so | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')"
test "$soname" = "libscanvo.so.0" || { echo "SONAME is '$soname'"; exit 1; }

export QT_QPA_PLATFORM=offscreen SCANVO_CONFIG_DIR="$work/config"
cmake -S "$source/examples/cpp-host" -B "$work/cmake-host" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-host" >/dev/null
out="$("$work/cmake-host/scanvo-host" 2>"$work/stderr")"
echo "find_package host: $out"
test "$out" = "scanvo::Imaging DocType=2"
# The installed library finds its scanner helper in the prefix it was installed into.
test -x "$prefix/libexec/scanvo/scanvo-sane-helper"
if grep -i "helper" "$work/stderr"; then echo "the installed control did not start its scanner helper"; exit 1; fi

export PKG_CONFIG_PATH="$(dirname "$(find "$prefix" -name scanvo.pc)")"
g++ -std=c++20 -fPIC "$source/examples/cpp-host/main.cpp" -o "$work/pc-host" $(pkg-config --cflags --libs scanvo) \
    -Wl,-rpath,"$(pkg-config --variable=libdir scanvo)"
out="$("$work/pc-host")"
echo "pkg-config host: $out"
test "$out" = "scanvo::Imaging DocType=2"
