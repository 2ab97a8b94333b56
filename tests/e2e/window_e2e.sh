#!/usr/bin/env bash
# The real program under Xvfb with a temporary configuration, against the demo wire on a free
# loopback port: its window is found by title and a screenshot shows rows in the flag colours.
set -euo pipefail
plivant=$1
server_bin=$2
source "$(dirname "$0")/lib.sh"
keep_shots() { if [[ -n "${KEEP_SHOT:-}" && -f "$work/shot.png" ]]; then cp "$work/shot.png" "$KEEP_SHOT"; fi; }

pick_wire_ports
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 100 1)
install_client "$plivant" "${settings[@]}"
start_demo_wire "$server_bin" 0
start_xvfb

start "$work/bin/plivant" >"$app_log" 2>&1
app=$last
window=""
for _ in $(seq 300); do
  window=$(xdotool search --name '^Vetrasol Plivant 1.0 beta$' 2>/dev/null | head -1) && [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || fail "no window titled 'Vetrasol Plivant 1.0 beta'"

for _ in $(seq 50); do
  import -window "$window" "$work/shot.png"
  read -r red green orange < <(flag_pixels "$work/shot.png")
  (( red > 100 && green > 100 && orange > 100 )) && break
  sleep 0.2
done
(( red > 100 && green > 100 && orange > 100 )) || fail "rows not coloured: red $red, green $green, orange $orange"
kill -0 "$app" || fail "the program ended"
echo "window end-to-end: ok (red $red, green $green, orange $orange pixels)"
