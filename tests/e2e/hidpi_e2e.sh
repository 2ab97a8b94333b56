#!/usr/bin/env bash
# The program and the skin's gallery on a 2560 x 1600 screen scaled by 100, 125, 150, 175 and
# 200 % (QT_SCALE_FACTOR, and once QT_SCREEN_SCALE_FACTORS), with a window manager, against the
# demo wire. At each ratio every skinned window shows its border on all four sides, the main
# window's status bar lies inside the window with its lamp whole, and the popup sits in the
# screen's corner at its scaled size. KEEP_SHOTS=DIR keeps the screenshots.
set -euo pipefail
plivant=$1
server_bin=$2
gallery=$3
source "$(dirname "$0")/lib.sh"
check() { python3 "$(dirname "$0")/hidpi_check.py" "$@"; }

pick_wire_ports
mapfile -t settings < <(wire_settings "$port" "$daytime" "$http" 30 1)
install_client "$plivant" "${settings[@]}"
start_demo_wire "$server_bin" 2
start_xvfb 2560x1600
start_window_manager
screen_w=2560; screen_h=1600

# The id of the visible window titled exactly $1 (a regular expression), waited for.
shown() { window_titled "$1" || fail "($label) no window titled '$1'"; }
# Shoots window $1 into $work/$2.png and checks its frame, giving it several seconds to be
# painted and placed, in front (the pointer is taken away: a tooltip would hide a part). With a
# title $3 the window is looked up again before each try: a window that was closed and shown
# anew (a message box) has a new id.
shoot() {
  local id=$1
  for _ in $(seq 30); do
    [[ -z "${3:-}" ]] || id=$(window_titled "$3" 5) || id=$1
    timeout 3 xdotool mousemove 0 0 windowactivate --sync "$id" 2>/dev/null || true
    sleep 0.3
    import -window "$id" "$work/$2.png" && visible "$id" "$work/$2.png" &&
      check frame "$work/$2.png" "$ratio" >/dev/null && return 0
  done
  fail "($label) $2: $(check frame "$work/$2.png" "$ratio"); window $id:" \
    "$(xwininfo -id "$id" 2>&1 | grep -E 'Absolute|Width|Height|Map State' | tr -s ' \n' ' ')"
}
# Cuts shot $2 of window $1 to the window's shape, what is seen of it: a window manager may make
# a window on a scaled screen a device pixel larger than Qt paints, and the shape leaves it out.
visible() {
  local extents
  extents=$(xwininfo -shape -id "$1" | awk '/Window shape extents:/ { print $4 }')
  [[ -z "$extents" ]] || mogrify -crop "$extents" +repage "$2"
}
# Shoots dialog $1 as $label-$2, then closes every window titled $4 with key $3 (a minimise
# without a notification area may bring its message box twice).
dismiss() {
  shoot "$1" "$label-$2" "$4"
  for _ in $(seq 10); do
    local left; left=$(xdotool search --onlyvisible --name "^$4\$" 2>/dev/null || true)
    [[ -z "$left" ]] && return 0
    for id in $left; do xdotool windowactivate --sync "$id" key "$3" 2>/dev/null || true; done
    sleep 0.5
  done
  fail "($label) the $2 window stayed"
}
device() { python3 -c "print(round($1 * $ratio + 1e-9))"; }

run_client() {
  start env -u DBUS_SESSION_BUS_ADDRESS "$@" "$work/bin/plivant" >"$app_log" 2>&1
  app=$last
  main=$(shown 'Vetrasol Plivant 1.0 beta')
  has_rows() { import -window "$main" "$work/rows.png" && check green-row "$work/rows.png" >/dev/null; }
  wait_until has_rows || fail "($label) no rows with a full text arrived"
  shoot "$main" "$label-main"
  check status "$work/$label-main.png" "$ratio" >/dev/null \
    || fail "($label) $(check status "$work/$label-main.png" "$ratio")"

  xdotool windowactivate --sync "$main" key ctrl+p
  dismiss "$(shown 'Настройки:')" settings Escape 'Настройки:'
  xdotool windowactivate --sync "$main" key F1
  dismiss "$(shown 'О программе')" about Escape 'О программе'

  local row; row=$(check green-row "$work/rows.png")
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + $(device 300))) $((Y + row)) click 1 sleep 0.1 click --repeat 2 --delay 60 1
  dismiss "$(shown 'Details...')" details alt+F4 'Details...'

  # No notification area: the window stays and a message box says why.
  xdotool windowactivate --sync "$main" key ctrl+t
  dismiss "$(shown 'Vetrasol Plivant')" message Return 'Vetrasol Plivant'
  start_tray_host
  local tray=$last
  wait_until eval 'xdotool search --class trayer >/dev/null 2>&1' || fail "($label) no tray host"
  sleep 1
  xdotool windowactivate --sync "$main" key ctrl+t
  wait_until eval '[[ -n "$(popup)" ]]' || fail "($label) no popup of $(device 177) x $(device 167)"
  read -r id left top < <(popup)
  import -window root "$work/$label-popup.png"
  local right=$((left + $(device 177))) bottom=$((top + $(device 167)))
  (( right <= screen_w && right >= screen_w - 1 && bottom <= screen_h )) \
    || fail "($label) popup at $left,$top to $right,$bottom: not in the corner"
  kill "$app" "$tray"
  wait "$app" "$tray" 2>/dev/null || true
  echo "$label: main, settings, About, details, message box and popup (at $left,$top) right"
}
# The popup: id, left and top of the mapped program window of its scaled size.
popup() {
  windows | awk -v w="$(device 177)" -v h="$(device 167)" \
    '($2 - w) ^ 2 <= 1 && ($3 - h) ^ 2 <= 1 { print $1, $4, $5; exit }'
}

run_gallery() {
  for page in form mdi; do
    start "$@" "$gallery" --page "$page" >>"$app_log" 2>&1
    local pid=$last
    shoot "$(shown 'Plivant Gallery')" "$label-gallery-$page"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
  for front in dialog message; do
    start "$@" "$gallery" --show "$front" >>"$app_log" 2>&1
    local pid=$last
    local title='Gallery Dialog'
    [[ $front == message ]] && title='Gallery Message'
    shoot "$(shown "$title")" "$label-gallery-$front"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
}

for ratio in 1 1.25 1.5 1.75 2; do
  label="scale-$ratio"
  run_client QT_SCALE_FACTOR="$ratio"
  run_gallery env QT_SCALE_FACTOR="$ratio"
done
ratio=1.5
label="screen-1.5"
run_client QT_SCREEN_SCALE_FACTORS="1.5"
echo "high-DPI end-to-end: ok"
