#!/usr/bin/env bash
# The real program under Xvfb with a window manager and a tray host, against the demo server:
# a minimised window hides behind a tray icon, news meanwhile pop up in the bottom-right corner,
# the icon returns to a tray host started anew, a click on it brings the window back, and
# "Выход" in the icon's menu ends the program.
# KEEP_SHOTS=DIR keeps the screenshots.
set -euo pipefail
plivant=$1
server_bin=$2
source "$(dirname "$0")/lib.sh"

pick_wire_ports
# No message.mid next to the program: no tune, so no sound device needed.
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 20 0)
install_client "$plivant" "${settings[@]}"
start_demo_wire "$server_bin" 0.5
start_xvfb
start_window_manager
start_tray_host
tray_host=$last
# Without a session bus Qt docks its icon in the XEmbed tray host.
start env -u DBUS_SESSION_BUS_ADDRESS "$work/bin/plivant" >"$app_log" 2>&1
app=$last

no_icon() { [[ -z "$(tray_icon)" ]]; }
in_tray() { ! main_shown && ! no_icon; }
shown_again() { main_shown && no_icon; }
popup_up() { [[ -n "$(popup_at)" ]]; }
click_icon() {
  read -r _ w h x y < <(tray_icon)
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "$1"
}

wait_until main_shown || fail "no window titled 'Vetrasol Plivant 1.0 beta'"
window=$(xdotool search --name '^Vetrasol Plivant 1.0 beta$' | head -1)
no_icon || fail "a tray icon before any minimise"

# The window manager's minimise.
xdotool windowminimize "$window"
wait_until in_tray || fail "minimised, but not in the tray"
wait_until popup_up || fail "no popup for news arriving in the tray"
read -r left top < <(popup_at)
[[ "$left $top" == "$((1280 - 177)) $((1024 - 167 - 30))" ]] || fail "popup at $left,$top"
import -window root "$work/tray-and-popup.png"

# A tray host started anew gets the icon again.
kill "$tray_host"
wait_until no_icon || fail "the icon outlived its tray host"
start_tray_host
wait_until in_tray || fail "the icon did not come back to a new tray host"

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
