#!/usr/bin/env bash
# The skinned frame on a real X server, with openbox and without a window manager: dragging the
# caption moves the gallery's window and its close button ends the program.
set -euo pipefail
gallery=$1
source "$(dirname "$0")/lib.sh"

# What install_client sets up for the news client; the gallery needs no copy of its own.
mkdir -p "$work/config" "$work/runtime" && chmod 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
start_xvfb

geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
near() { (( $1 - $2 <= 2 && $2 - $1 <= 2 )); }

# One run: drag the caption by (60, 40); with a window manager (X11 keeps no maximised state
# without one), maximise and restore with double clicks on the caption; then click the close
# button. The first step is one
# pixel, as a hand's is: the window system takes the move over from the second.
run() {
  local mode=$1
  start "$gallery" >"$app_log" 2>&1
  local app=$last
  local window
  window=$(window_titled 'Plivant Gallery') || fail "($mode) no window titled 'Plivant Gallery'"
  sleep 0.5
  geometry "$window"
  local x0=$X y0=$Y width=$WIDTH
  xdotool mousemove $((x0 + 150)) $((y0 + 20)) mousedown 1
  xdotool mousemove $((x0 + 151)) $((y0 + 21)); sleep 0.05
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $((x0 + 150 + step * 10)) $((y0 + 20 + step * 20 / 3)); sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.5
  geometry "$window"
  near "$X" $((x0 + 60)) && near "$Y" $((y0 + 40)) \
    || fail "($mode) dragged from $x0,$y0 by 60,40 but the window is at $X,$Y"
  if [[ $mode == openbox ]]; then
    local moved_x=$X moved_y=$Y height=$HEIGHT
    xdotool mousemove $((X + 150)) $((Y + 20)) click --repeat 2 --delay 50 1
    sleep 0.7
    geometry "$window"
    (( WIDTH == 1280 && HEIGHT == 1024 )) || fail "($mode) maximised to ${WIDTH}x$HEIGHT"
    xdotool mousemove 150 20 click --repeat 2 --delay 50 1
    sleep 0.7
    geometry "$window"
    near "$X" "$moved_x" && near "$Y" "$moved_y" && (( WIDTH == width && HEIGHT == height )) \
      || fail "($mode) restored to ${WIDTH}x$HEIGHT at $X,$Y"
  fi
  # The close button: 29 pixels from the right edge, 14 from the top, 19 wide.
  xdotool mousemove $((X + width - 29 - 10)) $((Y + 23)) click 1
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$app" 2>/dev/null || fail "($mode) the close button left the program running"
  echo "skin frame ($mode): dragged to $X,$Y and closed"
}

run "no window manager"
start_window_manager
run "openbox"
