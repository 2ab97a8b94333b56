#!/usr/bin/env bash
# Starts the demo news wire in the background and tails it on the terminal.
set -euo pipefail
build=$1
port=${PLIVANT_DEMO_PORT:-2000}
"$build/tools/demo-server/plivant-demo-server" --port "$port" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true' EXIT
sleep 0.5
"$build/tools/tail/plivant-tail" --port "$port" 127.0.0.1
