#!/usr/bin/env bash
# The program in a Wayland session, under weston's headless compositor with XWayland, with no
# platform chosen: it runs through XWayland, its popup sits in the bottom-right corner of the
# work area (of the screen when the window manager gives none); with no XWayland it runs as a
# native Wayland client: started for the tray with no tray host it shows its window, it keeps
# running without a stream of warnings, and a second start hands over to it.
# KEEP_SHOTS=DIR keeps the screenshots.
set -euo pipefail
plivant=$1
server_bin=$2
source "$(dirname "$0")/lib.sh"

pick_wire_ports
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 20 1)
install_client "$plivant" "${settings[@]}"
unset QT_QPA_PLATFORM DISPLAY
start_demo_wire "$server_bin" 0.5

export WAYLAND_DISPLAY=wl-plivant-$$
start weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
  --socket="$WAYLAND_DISPLAY" --xwayland --debug --idle-time=0 --log="$work/weston.log" 2>/dev/null
x_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null; }
wait_until eval '[[ -n "$(x_display)" ]]' || fail "weston started no XWayland"
xwayland=$(x_display)
screenshot() {  # screenshot NAME: the compositor's whole output
  (cd "$work" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1 &&
    mv wayland-screenshot-*.png "$1.png")
}

# Through XWayland: started for the tray, with a tray host; news pop up in the corner.
export DISPLAY=$xwayland
start trayer --edge top --align left --widthtype request --height 32 >/dev/null 2>&1
start env -u DBUS_SESSION_BUS_ADDRESS "$work/bin/plivant" --minimized >"$app_log" 2>&1
app=$last
wait_until eval '[[ -n "$(tray_icon)" ]]' || fail "no tray icon through XWayland"
wait_until eval '[[ -n "$(popup_at)" ]]' || fail "no popup through XWayland"
read -r left top < <(popup_at)
read -r _ ax ay aw ah < <(xprop -root _NET_WORKAREA 2>/dev/null | tr -d ',' | grep -o '= .*' || echo "= 0 0 1280 1024")
[[ "$left $top" == "$((ax + aw - 177)) $((ay + ah - 167))" ]] || fail "popup at $left,$top"
screenshot xwayland
kill "$app"
wait "$app" 2>/dev/null || true

# Native: no DISPLAY. No tray host either: the window is shown.
unset DISPLAY
: >"$app_log"
start "$work/bin/plivant" --minimized >"$app_log" 2>&1
app=$last
rows_shown() {
  screenshot native
  read -r red green _ < <(flag_pixels "$work/native.png")
  (( red > 50 && green > 50 ))
}
wait_until rows_shown || fail "no window with rows on native Wayland"
out=$(timeout 10 "$work/bin/plivant" 2>&1) || fail "a second native start: $? $out"
lines=$(wc -l <"$app_log")
sleep 3
kill -0 "$app" || fail "the native program ended"
(( $(wc -l <"$app_log") == lines && lines < 10 )) || fail "warnings keep coming: $(sort "$app_log" | uniq -c)"
echo "wayland end-to-end: ok (popup at $left,$top through XWayland)"
