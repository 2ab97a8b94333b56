#!/usr/bin/env bash
# The real program under Xvfb with a temporary configuration, against the demo wire on a free
# loopback port: its window is found by title and a screenshot shows rows in the flag colours.
set -euo pipefail
plivant=$1
server_bin=$2
source "$(dirname "$0")/lib.sh"
keep_shots() { if [[ -n "${KEEP_SHOT:-}" && -f "$work/shot.png" ]]; then cp "$work/shot.png" "$KEEP_SHOT"; fi; }

port=$(free_port); daytime=$(free_port); http=$(free_port)
install_client "$plivant" '"показывать время"=dword:00000000' '"показывать ID"=dword:00000000' \
  '"показывать дату"=dword:00000000' '"показывать флаги"=dword:00000001' "\"порт\"=\"$port\"" \
  '"количество новостей"="100"' '"Подключаться при включении"=dword:00000001' \
  '"язык новостей"=dword:00000000' "\"адрес заголовков\"=\"http://127.0.0.1:$http/fxnews.txt\"" \
  "\"сервер времени\"=\"127.0.0.1:$daytime\""

start "$server_bin" --port "$port" --daytime-port "$daytime" --http-port "$http" --rate 0 >/dev/null
start_xvfb

start "$work/bin/plivant" >"$app_log" 2>&1
app=$last
window=""
for _ in $(seq 300); do
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
