#!/usr/bin/env bash
# Runs the CTest suite of a build tree with a private runtime folder.
set -euo pipefail
build=$1; shift
runtime=$(mktemp -d /tmp/plivant-test-runtime.XXXXXX)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300 "$@"
