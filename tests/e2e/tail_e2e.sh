#!/usr/bin/env bash
# plivant-tail against wires served by socat (a server not written for this client): history
# and live items on stdout in UTF-8, service lines in server.log beside a portable copy, exit 0
# when the server closes; exit 1 with "Нет соединения" when no host accepts; --details.
set -euo pipefail
tail_bin=$1
work=$(mktemp -d)
cleanup() { kill "${server:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
cp "$tail_bin" "$work/plivant-tail"
: > "$work/servers.ini"  # a portable copy: its files stay beside it
fail() { echo "FAIL: $*" >&2; exit 1; }

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

serve() {  # serve FILE: every connection gets the file, then the server closes it
  kill "${server:-}" 2>/dev/null || true
  port=$(free_port)
  socat -T3 TCP-LISTEN:"$port",bind=127.0.0.1,reuseaddr,fork SYSTEM:"cat '$1'; sleep 0.3" &
  server=$!
  for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/"$port") 2>/dev/null && return; sleep 0.05; done
  fail "socat did not start"
}

# Windows-1251 bytes of "Новость" made with iconv, so the test does not trust our own codec.
ru=$(printf 'Новость' | iconv -f UTF-8 -t WINDOWS-1251)
printf 'first\r\nOK\r\nOK\r\nOK\r\nNEWS000001 10:00:00 01.02.2026 1 0 Alpha\r\nERR1\r\nNEWS000002 10:01:00 01.02.2026 0 1 %s\r\n.\r\nNEWS000003 10:02:00 01.02.2026 0 0 Live one\r\nWARN\r\n' "$ru" > "$work/reply"
serve "$work/reply"
out=$("$work/plivant-tail" --port "$port" --count 3 127.0.0.1) || fail "exit code $? on a closed feed"
expected=$'10:00:00  Alpha\n10:01:00  Новость\n10:02:00  Live one'
[[ "$out" == "$expected" ]] || fail "output was: $out"
[[ "$(cat "$work/server.log")" == $'ERR1\r\nWARN\r' ]] || fail "server.log: $(od -c "$work/server.log")"

# No host accepts.
port=$(free_port)
set +e
err=$("$work/plivant-tail" --port "$port" 127.0.0.1 2>&1 >/dev/null); code=$?
set -e
[[ $code -eq 1 ]] || fail "exit code $code without a server"
[[ "$err" == "Нет соединения" ]] || fail "stderr was: $err"

# The details exchange: seven lines, the last one with escaped line breaks.
printf 'OK\r\nID 000002\r\n01.02.2026 10:01:00\r\nIMPORTANT 0\r\nLENGTH 9\r\nTEXT\r\nOne\\r\\nTwo %s\r\n' "$ru" > "$work/details"
serve "$work/details"
out=$("$work/plivant-tail" --port "$port" --details 000002 127.0.0.1)
[[ "$out" == $'One\nTwo Новость' ]] || fail "details were: $out"
echo "tail end-to-end: ok"
