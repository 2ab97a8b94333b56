#!/usr/bin/env bash
# Runs the news client against the demo wire on this machine, with a configuration of its own
# (the user's real settings are not touched): news, headline file and time of day all come from
# the demo server. Without a display it runs under Xvfb with a tray host, saves a screenshot
# after a few seconds and prints its path.
set -euo pipefail
build=$(cd "$1" && pwd)
port=${PLIVANT_DEMO_PORT:-2000}
daytime_port=${PLIVANT_DEMO_DAYTIME_PORT:-2013}
http_port=${PLIVANT_DEMO_HTTP_PORT:-2080}
demo=$build/demo
mkdir -p "$demo/bin" "$demo/config/Brellan"
# A copy of the program, so that its servers.ini and server.log are the demo's own.
cp "$build/src/app/plivant" "$build/src/app/message.mid" "$demo/bin/"
[[ -f "$demo/bin/servers.ini" ]] || printf '127.0.0.1' > "$demo/bin/servers.ini"
registry=$demo/config/Brellan/Plivant.reg
# The demo's settings are written anew when they point at other ports than this run's.
current_ports() {
  iconv -f WINDOWS-1251 -t UTF-8 "$registry" 2>/dev/null \
    | grep -c -e "^\"порт\"=\"$port\"" -e "127.0.0.1:$http_port/" -e "^\"сервер времени\"=\"127.0.0.1:$daytime_port\"" || true
}
if [[ ! -f "$registry" ]] || [[ "$(current_ports)" != 3 ]]; then
  # The demo's settings: the demo wire's port, 100 items, connect at start, and the demo
  # server's headline file and time of day.
  printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n"показывать время"=dword:00000001\r\n"показывать ID"=dword:00000001\r\n"показывать дату"=dword:00000001\r\n"показывать флаги"=dword:00000001\r\n"порт"="%s"\r\n"количество новостей"="100"\r\n"Подключаться при включении"=dword:00000001\r\n"язык новостей"=dword:00000000\r\n"адрес заголовков"="http://127.0.0.1:%s/fxnews.txt"\r\n"сервер времени"="127.0.0.1:%s"\r\n\r\n' "$port" "$http_port" "$daytime_port" \
    | iconv -f UTF-8 -t WINDOWS-1251 > "$registry"
fi
export XDG_CONFIG_HOME=$demo/config

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT

"$build/tools/demo-server/plivant-demo-server" --port "$port" --daytime-port "$daytime_port" \
  --http-port "$http_port" &
pids+=($!)
sleep 0.5
kill -0 "${pids[0]}" 2>/dev/null || { echo "The demo server could not start on ports $port, $daytime_port and $http_port (set PLIVANT_DEMO_PORT, PLIVANT_DEMO_DAYTIME_PORT, PLIVANT_DEMO_HTTP_PORT)." >&2; exit 1; }

if [[ -n "${DISPLAY:-}" ]]; then
  "$demo/bin/plivant"
  exit 0
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
pids+=($!)
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
pids+=($!)
trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1 &
pids+=($!)
# Without a session bus Qt docks its tray icon in trayer.
env -u DBUS_SESSION_BUS_ADDRESS "$demo/bin/plivant" &
pids+=($!)
sleep "${PLIVANT_DEMO_SECONDS:-6}"
shot=$demo/screenshot.png
import -window root "$shot"
echo "No display here: the client ran under Xvfb; screenshot: $shot"
