#!/usr/bin/env bash
# The real program under Xvfb with a window manager and a tray host, against the demo server,
# as a screen reader sees it through the AT-SPI stack (a session bus of its own, the
# accessibility bus launched in it): accessibility_check.py walks the tree and works the grid
# from the keyboard.
set -euo pipefail
plivant=$1
server_bin=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

if [[ -z "${PLIVANT_IN_SESSION_BUS:-}" ]]; then
  PLIVANT_IN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

port=$(free_port); daytime=$(free_port); http=$(free_port)
# Every field in the information line, so that panel 2 names the row's time and flags.
install_client "$plivant" '"показывать время"=dword:00000001' '"показывать ID"=dword:00000001' \
  '"показывать дату"=dword:00000001' '"показывать флаги"=dword:00000001' \
  "\"порт\"=\"$port\"" '"количество новостей"="100"' \
  '"Подключаться при включении"=dword:00000001' '"язык новостей"=dword:00000000' \
  "\"адрес заголовков\"=\"http://127.0.0.1:$http/fxnews.txt\"" "\"сервер времени\"=\"127.0.0.1:$daytime\""
start "$server_bin" --port "$port" --daytime-port "$daytime" --http-port "$http" --rate 2 >/dev/null
start_xvfb
start_window_manager
start trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1
start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start "$work/bin/plivant" >"$app_log" 2>&1
app=$last

window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Vetrasol Plivant 1.0 beta$' 2>/dev/null | head -1) && [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || fail "no window titled 'Vetrasol Plivant 1.0 beta'"

/usr/bin/python3 "$here/accessibility_check.py" "$window" || fail "the screen reader's view"
kill -0 "$app" || fail "the program ended"
echo "accessibility end-to-end: ok"
