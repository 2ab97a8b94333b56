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

# An X server on a free display, 1280 x 1024.
start_xvfb() {
  local display
  for display in $(seq 150 199); do [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] || break; done
  start Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1
  export DISPLAY=:$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "no X server on :$display"
}
