# Shared by the end-to-end scripts: a temporary folder cleaned up on exit with every process
# started through `start`, a demo configuration, an X server.
# shellcheck shell=bash
work=$(mktemp -d)
pids=()
# Called before the folder goes: KEEP_SHOTS=DIR keeps the screenshots.
keep_shots() { if [[ -n "${KEEP_SHOTS:-}" ]]; then mkdir -p "$KEEP_SHOTS" && cp "$work"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true; fi; }
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  keep_shots
  rm -rf "$work"
}
trap cleanup EXIT
# The program's own output, shown when a check fails.
app_log=$work/plivant.log
fail() {
  echo "FAIL: $*" >&2
  if [[ -s "$app_log" ]]; then echo "--- the program's output:" >&2; tail -n 30 "$app_log" >&2; fi
  exit 1
}
# Runs a command in the background; it is stopped on exit. Its PID is in $last.
start() { "$@" & last=$!; pids+=("$last"); }
free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# A registry file holding our key with the given value lines (UTF-8, written as Windows-1251).
write_registry() {
  local file=$1; shift
  mkdir -p "$(dirname "$file")"
  { printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n'
    printf '%s\r\n' "$@"
    printf '\r\n'; } | iconv -f UTF-8 -t WINDOWS-1251 > "$file"
}

# The value lines of a client that connects at start to the wire on PORT, asks for COUNT items,
# shows the flags or not (FLAGS 1 or 0), and takes the time of day and the headline file from
# the demo server's DAYTIME and HTTP ports.
wire_settings() {  # PORT DAYTIME HTTP COUNT FLAGS
  printf '%s\n' '"показывать время"=dword:00000000' '"показывать ID"=dword:00000000' \
    '"показывать дату"=dword:00000000' "\"показывать флаги\"=dword:0000000$5" "\"порт\"=\"$1\"" \
    "\"количество новостей\"=\"$4\"" '"Подключаться при включении"=dword:00000001' \
    '"язык новостей"=dword:00000000' "\"адрес заголовков\"=\"http://127.0.0.1:$3/fxnews.txt\"" \
    "\"сервер времени\"=\"127.0.0.1:$2\""
}

# Free ports for the demo wire's news, time of day and headline file: $port, $daytime, $http.
pick_wire_ports() {
  port=$(free_port); daytime=$(free_port); http=$(free_port)
}

# The demo wire on the picked ports, sending RATE items a second (0: the history alone).
start_demo_wire() {  # SERVER_BIN RATE
  start "$1" --port "$port" --daytime-port "$daytime" --http-port "$http" --rate "$2" >/dev/null
}

# A copy of the program with servers.ini naming this machine (a portable copy), and a registry
# with the given value lines.
install_client() {
  local plivant=$1; shift
  mkdir -p "$work/bin" "$work/runtime"
  chmod 700 "$work/runtime"
  cp "$plivant" "$work/bin/plivant"
  printf '127.0.0.1' > "$work/bin/servers.ini"
  write_registry "$work/config/Brellan/Plivant.reg" "$@"
  export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
}

# An X server on a free display, 1280 x 1024 or the size given ("2560x1600"). Other test runs
# start theirs at the same time, some with their own /tmp: a display counts as taken by its lock
# file or by a listening socket, and the number is drawn at random from a wide range.
start_xvfb() {
  local n
  for _ in $(seq 50); do
    n=$((1000 + RANDOM % 30000))
    [[ -e /tmp/.X$n-lock ]] || grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix || break
  done
  # -noreset: the server would otherwise restart, refusing connections for a moment, whenever
  # its last client leaves.
  start Xvfb ":$n" -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1
  local xvfb=$last
  export DISPLAY=:$n
  for _ in $(seq 200); do
    kill -0 "$xvfb" 2>/dev/null || fail "Xvfb could not start on $DISPLAY"
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "no X server on $DISPLAY"
}

# The first window titled exactly $1, waited for up to 30 s; its id in $window.
find_window() {
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [[ -n "$window" ]] && return 0
    sleep 0.1
  done
  fail "no window titled '$1'"
}

# Openbox as window manager, once it has taken over the screen.
start_window_manager() {
  start openbox >/dev/null 2>&1
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "no window manager"
}

# The pixels near each flag colour in a screenshot (text is antialiased): red, green, orange.
flag_pixels() {
  convert "$1" -depth 8 rgb:- | python3 -c '
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

# An XEmbed tray host; its PID is in $last.
start_tray_host() { start trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1; }

# Polls a command for up to twenty seconds.
wait_until() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }

# Prints the id of the visible window titled exactly TITLE (a regular expression) once there is
# one, waiting up to TENTHS tenths of a second (default 100); returns 1 when none came.
window_titled() {  # TITLE [TENTHS]
  local id=""
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [[ -n "$id" ]] && break
    sleep 0.1
  done
  [[ -n "$id" ]] && echo "$id"
}

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
