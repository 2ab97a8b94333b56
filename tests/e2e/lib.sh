# Shared by the end-to-end scripts: a temporary folder cleaned up on exit with every process
# started through `start`, a demo configuration, an X server.
# shellcheck shell=bash
work=$(mktemp -d)
pids=()
# Called with the screenshots to keep, if any, before the folder goes.
keep_shots() { :; }
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

# A copy of the program with servers.ini naming this machine, and a registry holding our key
# with the given value lines (UTF-8, written as Windows-1251).
install_client() {
  local plivant=$1; shift
  mkdir -p "$work/bin" "$work/config/Brellan" "$work/runtime"
  chmod 700 "$work/runtime"
  cp "$plivant" "$work/bin/plivant"
  printf '127.0.0.1' > "$work/bin/servers.ini"
  { printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brellan\\Plivant]\r\n'
    printf '%s\r\n' "$@"
    printf '\r\n'; } | iconv -f UTF-8 -t WINDOWS-1251 > "$work/config/Brellan/Plivant.reg"
  export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
}

# An X server on a free display, 1280 x 1024. Other test runs start theirs at the same time, some
# with their own /tmp: a display counts as taken by its lock file or by a listening socket, and
# the number is drawn at random from a wide range.
start_xvfb() {
  local n
  for _ in $(seq 50); do
    n=$((1000 + RANDOM % 30000))
    [[ -e /tmp/.X$n-lock ]] || grep -q "/tmp/.X11-unix/X$n\$" /proc/net/unix || break
  done
  # -noreset: the server would otherwise restart, refusing connections for a moment, whenever
  # its last client leaves.
  start Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1
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
