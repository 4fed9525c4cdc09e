#!/usr/bin/env bash
# Writes the sample documents into a temporary root and opens the multi-page one from Python.
# Usage: PythonHostTest.sh LIBSCANVO MAKE_SAMPLES HOST_SCRIPT
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export SCANVO_CONFIG_DIR="$work/config"
"$2" "$work/root" "$work/config" >/dev/null
# Debian's PyQt6 belongs to the system's Python, whatever python3 comes first on PATH.
/usr/bin/python3 "$3" --library "$1" --root "$work/root" --doc 'test1\44' --type 1 --check
