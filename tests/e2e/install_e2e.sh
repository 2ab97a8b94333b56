#!/usr/bin/env bash
# The program as a package installs it: `cmake --install` into a staging folder (DESTDIR) whose
# bin folder is then read-only, run under Xvfb with a home folder of its own. --help and --version need no display and write nothing; the desktop entry and the
# metainfo validate; against a scripted wire, rows appear, the program's files land in the XDG folders and the installed
# tune is found; a second start brings the window back from the tray and from behind another
# window and opens no second feed connection; the socket of a killed program does not block.
set -euo pipefail
build=$1
server_bin=$2
source "$(dirname "$0")/lib.sh"

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
bin=$root/usr/bin
share=$root/usr/share
chmod a-w "$bin"
trap 'chmod u+w "$bin"; cleanup' EXIT
installed_bin=$(ls "$bin")

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_DATA_DIRS=$share:/usr/local/share:/usr/share
unset XDG_CONFIG_HOME XDG_STATE_HOME XDG_DATA_HOME
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The files users and the desktop see.
id=example.vetrasol.Plivant
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
for size in 16 32 48 64 128 256; do
  [[ "$(identify -format '%wx%h' "$share/icons/hicolor/${size}x$size/apps/$id.png")" == "${size}x$size" ]] \
    || fail "icon $size"
done
[[ -f "$share/plivant/message.mid" ]] || fail "no tune installed"
for page in plivant plivant-tail; do
  zcat "$share/man/man1/$page.1.gz" | grep -q "^\.TH" || fail "man page $page"
done

# The command line answers without a display and without touching a file.
(
  unset DISPLAY WAYLAND_DISPLAY
  [[ "$("$bin/plivant" --version)" == "plivant 1.0 beta" ]] || fail "--version"
  "$bin/plivant" --help | grep -q -- "--config-dir" || fail "--help"
  set +e
  err=$("$bin/plivant" --bogus 2>&1 >/dev/null); code=$?
  set -e
  [[ $code -eq 2 && "$err" == *"Unknown option 'bogus'"* ]] || fail "--bogus: $code $err"
  [[ "$("$bin/plivant-tail" --version)" == "plivant-tail 1.0 beta" ]] || fail "tail --version"
)
[[ -z "$(find "$HOME" -mindepth 1)" ]] || fail "files made by --help or --version: $(find "$HOME")"

port=$(free_port); daytime=$(free_port); http=$(free_port); demo_news=$(free_port)
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 100 1)
write_registry "$HOME/.config/Brellan/Plivant.reg" "${settings[@]}"

# The wire: a history of important items with a service line among them, then silence until
# the client goes; each connection is counted. The demo server gives the time of day and the headline file.
{ printf 'Vetrasol test wire\r\nOK\r\nOK\r\nOK\r\n'
  for i in 1 2 3 4 5 6; do
    printf 'NEWS%06d 10:0%d:00 01.02.2026 1 0 Important item number %d of the scripted wire\r\n' "$i" "$i" "$i"
  done
  printf 'ERR1\r\n.\r\n'; } > "$work/history"
start socat TCP-LISTEN:"$port",bind=127.0.0.1,reuseaddr,fork \
  SYSTEM:"echo >> '$work/connections'; cat '$work/history'; cat >/dev/null"
start "$server_bin" --port "$demo_news" --daytime-port "$daytime" --http-port "$http" >/dev/null
start_xvfb
start_window_manager
start_tray_host
feed_connections() { wc -l < "$work/connections"; }
launch() { start env -u DBUS_SESSION_BUS_ADDRESS QT_LOGGING_RULES="plivant.files=true" "$bin/plivant" "$@" >>"$app_log" 2>&1; }

launch
app=$last
wait_until main_shown || fail "no window titled 'Vetrasol Plivant 1.0 beta'"
window=$(xdotool search --name '^Vetrasol Plivant 1.0 beta$' | head -1)
xprop -id "$window" WM_CLASS | grep -q '"Vetrasol Plivant"' || fail "WM_CLASS: $(xprop -id "$window" WM_CLASS)"
rows_shown() {
  import -window "$window" "$work/shot.png"
  read -r red _ _ < <(flag_pixels "$work/shot.png")
  (( red > 100 ))
}
wait_until rows_shown || fail "no rows"
[[ "$(cat "$HOME/.config/Brellan/servers.ini")" == "127.0.0.1" ]] || fail "servers.ini not seeded"
[[ "$(cat "$HOME/.local/state/plivant/server.log")" == $'ERR1\r' ]] || fail "no server.log in the state folder"
grep -q "tune: $share/plivant/message.mid" "$app_log" || fail "the installed tune was not found"
[[ "$(ls "$bin")" == "$installed_bin" ]] || fail "files written into bin: $(ls "$bin")"
[[ "$(feed_connections)" == 1 ]] || fail "$(feed_connections) feed connections"

# A second start hands over and ends: from the tray...
second_start() {
  local out code=0
  out=$(timeout 10 "$bin/plivant" 2>&1) || code=$?
  [[ $code -eq 0 ]] || fail "the second start ended with $code: $out"
}
xdotool windowminimize "$window"
wait_until eval '! main_shown && [[ -n "$(tray_icon)" ]]' || fail "not in the tray"
second_start
wait_until eval 'main_shown && [[ -z "$(tray_icon)" ]]' || fail "not back from the tray"
# ... and from behind another window.
start xmessage -geometry 1200x900+0+0 "in front" 2>/dev/null
cover=$last
hex() { printf '0x%x' "$1"; }
wait_until eval '[[ -n "$(xdotool search --class Xmessage 2>/dev/null)" ]]' || fail "no other window"
cover_id=$(hex "$(xdotool search --class Xmessage | head -1)")
# Stacked above the other window, and active.
on_top() {
  [[ "$(xprop -root _NET_CLIENT_LIST_STACKING)" == *"$cover_id"*"$(hex "$window")"* ]] &&
    [[ "$(xprop -root _NET_ACTIVE_WINDOW)" == *"$(hex "$window")" ]]
}
wait_until eval '! on_top' || fail "the other window did not come in front"
second_start
wait_until on_top || fail "the second start did not raise the window"
kill "$cover"
[[ "$(feed_connections)" == 1 ]] || fail "$(feed_connections) feed connections after second starts"

# A killed program leaves its lock and socket; the next start is a program of its own.
kill -9 "$app"
wait "$app" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/plivant-*.socket >/dev/null || fail "no socket left to test with"
launch
app=$last
wait_until main_shown || fail "no window after a killed program"
wait_until eval '[[ "$(feed_connections)" == 2 ]]' || fail "no feed after a killed program"
second_start
kill -0 "$app" || fail "the new program ended"
echo "install end-to-end: ok"
