#!/usr/bin/env bash
# The real program under Xvfb with a window manager and a tray host, against the demo wire:
# a minimised window hides behind a tray icon, news meanwhile pop up in the bottom-right corner,
# a click on the icon brings the window back, and "Выход" in the icon's menu ends the program.
# KEEP_SHOTS=DIR keeps the screenshots.
set -euo pipefail
plivant=$1
server_bin=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [[ -n "${KEEP_SHOTS:-}" ]]; then mkdir -p "$KEEP_SHOTS" && cp "$work"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}
# Polls a command for up to five seconds.
wait_until() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; return 1; }

port=$(free_port); daytime=$(free_port); http=$(free_port)
mkdir -p "$work/bin" "$work/config/Brellan" "$work/runtime"
chmod 700 "$work/runtime"
cp "$plivant" "$work/bin/plivant"  # without message.mid: no tune, so no sound device needed
printf '127.0.0.1' > "$work/bin/servers.ini"
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n"показывать время"=dword:00000000\r\n"показывать ID"=dword:00000000\r\n"показывать дату"=dword:00000000\r\n"показывать флаги"=dword:00000001\r\n"порт"="%s"\r\n"количество новостей"="20"\r\n"Подключаться при включении"=dword:00000001\r\n"язык новостей"=dword:00000000\r\n"адрес заголовков"="http://127.0.0.1:%s/fxnews.txt"\r\n"сервер времени"="127.0.0.1:%s"\r\n\r\n' "$port" "$http" "$daytime" \
  | iconv -f UTF-8 -t WINDOWS-1251 > "$work/config/Brellan/Plivant.reg"

"$server_bin" --port "$port" --daytime-port "$daytime" --http-port "$http" --rate 0.5 >/dev/null &
pids+=($!)
for display in $(seq 150 199); do [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] || break; done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
wait_until xdpyinfo >/dev/null 2>&1 || fail "no X server"
openbox >/dev/null 2>&1 &
pids+=($!)
trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1 &
pids+=($!)

# Without a session bus Qt docks its icon in the XEmbed tray host.
env -u DBUS_SESSION_BUS_ADDRESS "$work/bin/plivant" >/dev/null 2>&1 &
app=$!
pids+=($app)

# Mapped windows of the program titled like it: id, width, height, left, top.
windows() {
  xwininfo -root -tree | python3 -c '
import re, subprocess, sys
for line in sys.stdin:
    m = re.search(r"(0x[0-9a-f]+) \"Vetrasol Plivant\": \(\"plivant\".*?(\d+)x(\d+)[+-]\d+[+-]\d+\s+\+(-?\d+)\+(-?\d+)", line)
    if m and "IsViewable" in subprocess.run(["xwininfo", "-id", m[1]], capture_output=True, text=True).stdout:
        print(*m.groups())'
}
tray_icon() { windows | awk '$2 <= 64 && $3 <= 64 { print; exit }'; }
popup_at() { windows | awk '$2 == 177 && $3 == 167 { print $4, $5; exit }'; }
main_shown() { [[ -n "$(xdotool search --onlyvisible --name '^Vetrasol Plivant 1.0 beta$' 2>/dev/null)" ]]; }
in_tray() { ! main_shown && [[ -n "$(tray_icon)" ]]; }
shown_again() { main_shown && [[ -z "$(tray_icon)" ]]; }
popup_up() { [[ -n "$(popup_at)" ]]; }
click_icon() {
  read -r _ w h x y < <(tray_icon)
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "$1"
}

wait_until main_shown || fail "no window titled 'Vetrasol Plivant 1.0 beta'"
window=$(xdotool search --name '^Vetrasol Plivant 1.0 beta$' | head -1)
[[ -z "$(tray_icon)" ]] || fail "a tray icon before any minimise"

# The window manager's minimise.
xdotool windowminimize "$window"
wait_until in_tray || fail "minimised, but not in the tray"
wait_until popup_up || fail "no popup for news arriving in the tray"
read -r left top < <(popup_at)
[[ "$left $top" == "$((1280 - 177)) $((1024 - 167 - 30))" ]] || fail "popup at $left,$top"
import -window root "$work/tray-and-popup.png"

click_icon 1
wait_until shown_again || fail "a click on the icon did not bring the window back"

# Ctrl+T, then "Выход" from the icon's menu.
xdotool windowactivate --sync "$window" key ctrl+t
wait_until in_tray || fail "Ctrl+T did not hide the window in the tray"
click_icon 3
sleep 0.5
import -window root "$work/tray-menu.png"
xdotool key Up Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$app" 2>/dev/null || fail "\"Выход\" in the tray menu did not end the program"
echo "tray and popup end-to-end: ok (popup at $left,$top)"
