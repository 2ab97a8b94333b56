#!/usr/bin/env bash
# The real program under Xvfb against the demo wire, run twice; between the runs the wire goes on
# publishing. The terminal tool finds items of both runs in the archive the program keeps beside
# itself (a portable copy), and the search window (Ctrl+F) shows what a typed word finds.
set -euo pipefail
plivant=$1
server_bin=$2
archive_tool=$3
source "$(dirname "$0")/lib.sh"
keep_shots() { if [[ -n "${KEEP_SHOT:-}" && -f "$work/search.png" ]]; then cp "$work/search.png" "$KEEP_SHOT"; fi; }

port=$(free_port)
install_client "$plivant" '"показывать время"=dword:00000000' '"показывать ID"=dword:00000000' \
  '"показывать дату"=dword:00000000' '"показывать флаги"=dword:00000001' "\"порт\"=\"$port\"" \
  '"количество новостей"="50"' \
  '"Подключаться при включении"=dword:00000001' '"язык новостей"=dword:00000000' \
  '"адрес заголовков"="http://127.0.0.1:9/fxnews.txt"' '"сервер времени"="127.0.0.1:9"' \
  '"срок хранения архива"=dword:0000001e'
archive=$work/bin/archive.sqlite3
tool() { "$archive_tool" --archive "$archive" "$@"; }
items() { tool stats 2>/dev/null | awk '/^items:/ {print $2}'; }
# The ids in the archive, one a line.
ids() { tool export | python3 -c 'import json,sys; [print(json.loads(l)["id"]) for l in sys.stdin]'; }

# An item older than the 30 days the registry keeps, and one of the future: the program prunes
# the first when it opens the archive.
printf '%s\n' \
  '{"server":"127.0.0.1","id":"1","language":0,"time":"12:00:00 ","date":"01.02.2001","important":false,"attachment":false,"text":"давняя новость"}' \
  '{"server":"127.0.0.1","id":"2","language":0,"time":"12:00:00 ","date":"01.02.2100","important":false,"attachment":false,"text":"будущая новость"}' \
  > "$work/old.jsonl"
tool import "$work/old.jsonl" >/dev/null || fail "import refused"

start "$server_bin" --port "$port" --rate 0.2 >/dev/null
start_xvfb
start_window_manager

run_client() {
  start "$work/bin/plivant" >>"$app_log" 2>&1
  app=$last
  find_window 'Vetrasol Plivant 1.0 beta'
  main=$window
}
# Waits until the archive holds more than $1 items.
wait_items() {
  for _ in $(seq 200); do
    (( $(items || echo 0) > $1 )) && return 0
    sleep 0.1
  done
  fail "the archive holds $(items || echo no) items, not more than $1"
}

run_client
wait_items 56  # the history of 50, live items and the future one
tool search давняя | grep -q '^0 found$' || fail "the item past its age was not pruned"
kill "$app"; wait "$app" 2>/dev/null || true
first_run=$(ids | grep -vx 2 | sort -n)  # the future item aside
last_of_first=$(tail -1 <<<"$first_run")
sleep 2  # the wire publishes while the program is not there

run_client
wait_items "$(items)"  # something new
sleep 1
kill -0 "$app" || fail "the program ended"

# Both runs' items are found, each once, by a word of the wire's headlines.
found=$(tool search --limit 100000 usd)
grep -q ' found$' <<<"$found" || fail "search gave no count: $found"
found_ids=$(awk 'NF > 3 && $1 ~ /\./ {for (i = 3; i <= NF; ++i) if ($i ~ /^[0-9]+$/) {print $i; break}}' <<<"$found" | sort -n)
[[ -n "$found_ids" ]] || fail "search found nothing"
(( $(head -1 <<<"$found_ids") <= last_of_first )) || fail "no item of the first run found"
tool search будущая | grep -q '^1 found$' || fail "the item within its age was pruned"
(( $(tail -1 <<<"$found_ids") > last_of_first )) || fail "no item of the second run found"
[[ -z "$(ids | sort | uniq -d)" ]] || fail "an item is stored twice"
tool search --limit 5 'сниз' | grep -q 'снизился' || fail "no Russian prefix match"

# The search window: Ctrl+F on the main window, a typed word, rows in the flag colours.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --window "$main" ctrl+f
find_window 'Поиск в архиве'
search=$window
xdotool windowactivate --sync "$search" 2>/dev/null || true
xdotool type --delay 50 'EUR'
sleep 1
import -window "$search" "$work/search.png"
# Text is antialiased: count the pixels near the flag colours (important ones red or orange).
read -r important green < <(convert "$work/search.png" -depth 8 rgb:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
important = green = 0
for i in range(0, len(data) - 2, 3):
    r, g, b = data[i], data[i + 1], data[i + 2]
    if r > 200 and g < 140 and b < 90: important += 1
    elif r < 60 and 100 < g < 160 and b < 60: green += 1
print(important, green)')
(( important > 50 && green > 50 )) || fail "search results not coloured: important $important, green $green"
echo "archive end-to-end: ok ($(wc -l <<<"$found_ids") items found across both runs)"
