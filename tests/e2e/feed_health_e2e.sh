#!/usr/bin/env bash
# The real program under Xvfb, reaching the demo wire through the fault proxy: a dropped link
# turns the lamp red within a second, a server back is read again within three seconds, and
# while the window is in the tray the icon shows a feed that is down.
# KEEP_SHOTS=DIR keeps the screenshots.
set -euo pipefail
plivant=$1
server_bin=$2
proxy_bin=$3
source "$(dirname "$0")/lib.sh"
keep_shots() { if [[ -n "${KEEP_SHOTS:-}" ]]; then mkdir -p "$KEEP_SHOTS" && cp "$work"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true; fi; }
wait_until() { local tries=$1; shift; for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.05; done; return 1; }
now_ms() { date +%s%3N; }

pick_wire_ports; relay=$(free_port); control=$(free_port)
# The client reaches the wire through the proxy.
mapfile -t settings < <(wire_settings "$relay" "$daytime" "$http" 30 1)
install_client "$plivant" "${settings[@]}"
start_demo_wire "$server_bin" 1
start "$proxy_bin" --listen "$relay" --to "127.0.0.1:$port" --control "$control" >/dev/null
for _ in $(seq 100); do (exec 3<>"/dev/tcp/127.0.0.1/$control") 2>/dev/null && break; sleep 0.05; done
# One command to the proxy; its answer is printed.
proxy() { exec 3<>"/dev/tcp/127.0.0.1/$control"; printf '%s\n' "$1" >&3; local answer; read -r answer <&3; exec 3>&-; echo "$answer"; }

start_xvfb
start_window_manager
start trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1
start env -u DBUS_SESSION_BUS_ADDRESS "$work/bin/plivant" >"$app_log" 2>&1
app=$last

window=$(window_titled 'Vetrasol Plivant 1.0 beta' 300) ||
  fail "no window titled 'Vetrasol Plivant 1.0 beta'"

# The lamp's colour in the status bar (the window's lowest 30 rows): red, green or none; and the
# count of pixels in the flag colours above it.
look() {
  import -window "$window" "$work/shot.png" 2>/dev/null || return 1
  convert "$work/shot.png" -depth 8 -format '%w %h\n' info: > "$work/size"
  convert "$work/shot.png" -depth 8 rgb:- | python3 -c '
import sys
w, h = map(int, open(sys.argv[1]).read().split())
data = sys.stdin.buffer.read()
red = green = rows = 0
for y in range(h):
    for x in range(w):
        i = 3 * (y * w + x)
        r, g, b = data[i], data[i + 1], data[i + 2]
        if y >= h - 30:
            if r > 200 and g < 60 and b < 60: red += 1
            elif r < 40 and 100 < g < 160 and b < 40: green += 1
        elif r > 200 and g < 60 and b < 60 or r < 60 and 100 < g < 160 and b < 60: rows += 1
print("red" if red > 20 else "green" if green > 20 else "none", rows)' "$work/size"
}
lamp_is() { local lamp rows; read -r lamp rows < <(look) && [[ $lamp == "$1" ]]; }
rows_shown() { local lamp rows; read -r lamp rows < <(look) && (( rows > 100 )); }

wait_until 200 lamp_is green || fail "the lamp never turned green"
wait_until 100 rows_shown || fail "no coloured rows"

# The server goes away: the link is dropped and new connections are refused.
proxy refuse >/dev/null
dropped=$(now_ms)
proxy drop >/dev/null
wait_until 100 lamp_is red || fail "the lamp stayed green after the drop"
red_after=$(( $(now_ms) - dropped ))
cp "$work/shot.png" "$work/dropped.png"
(( red_after <= 1000 )) || fail "the lamp turned red only ${red_after} ms after the drop"

# The server comes back before the first try, a second after the drop: that try reads it again.
back=$(now_ms)
proxy accept >/dev/null
wait_until 120 lamp_is green || fail "the feed did not come back"
wait_until 60 rows_shown || fail "no rows after the server came back"
rows_after=$(( $(now_ms) - back ))
cp "$work/shot.png" "$work/back.png"
(( rows_after <= 3000 )) || fail "rows came back only ${rows_after} ms after the server"
kill -0 "$app" || fail "the program ended"

# In the tray: the icon shows the feed going down and coming back.
tray_icon() {
  xwininfo -root -tree | python3 -c '
import re, sys
for line in sys.stdin:
    m = re.search(r"(0x[0-9a-f]+) \"Vetrasol Plivant\": \(\"plivant\".*?(\d+)x(\d+)", line)
    if m and int(m[2]) <= 64 and int(m[3]) <= 64: print(m[1]); break'
}
icon_red() {
  local id; id=$(tray_icon); [[ -n "$id" ]] || return 1
  import -window "$id" "$work/icon.png" 2>/dev/null || return 1
  local n; n=$(convert "$work/icon.png" -depth 8 rgb:- | python3 -c '
import sys
d = sys.stdin.buffer.read()
print(sum(1 for i in range(0, len(d) - 2, 3) if d[i] > 180 and d[i + 1] < 60 and d[i + 2] < 60))')
  if [[ $1 == yes ]]; then (( n > 10 )); else (( n <= 10 )); fi
}
xdotool windowactivate --sync "$window" key ctrl+t
wait_until 100 icon_red no || fail "no tray icon, or it shows the feed down while it is live"
cp "$work/icon.png" "$work/icon-live.png"
proxy refuse >/dev/null
proxy drop >/dev/null
wait_until 40 icon_red yes || fail "the tray icon did not change when the feed went down"
cp "$work/icon.png" "$work/icon-down.png"
proxy accept >/dev/null
wait_until 120 icon_red no || fail "the tray icon did not come back with the feed"
echo "feed health end-to-end: ok (red ${red_after} ms after the drop, rows ${rows_after} ms after the server came back)"
