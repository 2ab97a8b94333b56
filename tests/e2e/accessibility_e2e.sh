#!/usr/bin/env bash
# The real program under Xvfb with a window manager and a tray host, against the demo server,
# as a screen reader sees it through the AT-SPI stack (a session bus of its own, the
# accessibility bus launched in it): accessibility_check.py walks the tree and works the grid
# from the keyboard.
set -euo pipefail
plivant=$1
server_bin=$2
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z "${PLIVANT_IN_SESSION_BUS:-}" ]]; then
  PLIVANT_IN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$here/lib.sh"

pick_wire_ports
# Every field in the information line, so that panel 2 names the row's time and flags.
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 100 1 |
                          sed -E '/показывать (время|ID|дату)/s/0$/1/')
install_client "$plivant" "${settings[@]}"
start_demo_wire "$server_bin" 2
start_xvfb
start_window_manager
start_tray_host
start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
start env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/bin/plivant" >"$app_log" 2>&1
app=$last

window=$(window_titled 'Vetrasol Plivant 1.0 beta' 200) ||
  fail "no window titled 'Vetrasol Plivant 1.0 beta'"
/usr/bin/python3 "$here/accessibility_check.py" "$window" || fail "the screen reader's view"
kill -0 "$app" || fail "the program ended"
echo "accessibility end-to-end: ok"
