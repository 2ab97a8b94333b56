#!/usr/bin/env bash
# The real program under Xvfb with a temporary configuration, against the demo wire on a free
# loopback port: its window is found by title and a screenshot shows rows in the flag colours.
set -euo pipefail
plivant=$1
server_bin=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [[ -n "${KEEP_SHOT:-}" && -f "$work/shot.png" ]]; then cp "$work/shot.png" "$KEEP_SHOT"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
mkdir -p "$work/bin" "$work/config/Brellan" "$work/runtime"
chmod 700 "$work/runtime"
cp "$plivant" "$work/bin/plivant"
printf '127.0.0.1' > "$work/bin/servers.ini"
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n"показывать время"=dword:00000000\r\n"показывать ID"=dword:00000000\r\n"показывать дату"=dword:00000000\r\n"показывать флаги"=dword:00000001\r\n"порт"="%s"\r\n"количество новостей"="100"\r\n"Подключаться при включении"=dword:00000001\r\n"язык новостей"=dword:00000000\r\n\r\n' "$port" \
  | iconv -f UTF-8 -t WINDOWS-1251 > "$work/config/Brellan/Plivant.reg"

"$server_bin" --port "$port" --rate 0 >/dev/null &
pids+=($!)
for display in $(seq 150 199); do [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] || break; done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$work/bin/plivant" >/dev/null 2>&1 &
app=$!
pids+=($app)
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Vetrasol Plivant 1.0 beta$' 2>/dev/null | head -1) && [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || fail "no window titled 'Vetrasol Plivant 1.0 beta'"

# Text is antialiased: count the pixels near each flag colour.
count_flags() {
  convert "$work/shot.png" -depth 8 rgb:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
red = green = orange = 0
for i in range(0, len(data) - 2, 3):
    r, g, b = data[i], data[i + 1], data[i + 2]
    if r > 200 and g < 60 and b < 60: red += 1
    elif r < 60 and 100 < g < 160 and b < 60: green += 1
    elif r > 200 and 80 < g < 140 and b < 90: orange += 1
print(red, green, orange)'
}
for _ in $(seq 50); do
  import -window "$window" "$work/shot.png"
  read -r red green orange < <(count_flags)
  (( red > 100 && green > 100 && orange > 100 )) && break
  sleep 0.2
done
(( red > 100 && green > 100 && orange > 100 )) || fail "rows not coloured: red $red, green $green, orange $orange"
kill -0 "$app" || fail "the program ended"
echo "window end-to-end: ok (red $red, green $green, orange $orange pixels)"
