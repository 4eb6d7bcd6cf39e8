#!/usr/bin/env bash
# scripts/run started as a newcomer starts it, from a shell without a display: scripts/screenshot
# from another shell finds its display, and a TERM ends it and every program it started at
# once. run_test.sh BITS, in the build that scripts/run starts on this host (the other skips).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
want=$( (source "$root/scripts/wine-env" && host_runs_32bit) && echo 32 || echo 64)
[ "$1" = "$want" ] || { echo "scripts/run starts the $want-bit build here"; exit 77; }
build=windows
[ "$want" = 32 ] || build=windows64
prefix="$root/build/$build/run-prefix"
display_file="$root/build/$build/run-display"
work=$(mktemp -d)
failures=0

# Everything scripts/run starts after choosing its prefix carries it: Xvfb, the wineserver, the
# programs and its sleep.
session_pids() { grep -lzx "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3; }
console_runs() {
  local pid
  for pid in $(session_pids); do
    grep -qa TradeQuorvexStd.exe "/proc/$pid/cmdline" 2>/dev/null && return 0
  done
  return 1
}
stopped() { ! kill -0 "$run" 2>/dev/null && [ -z "$(session_pids)" ] && [ ! -e "$display_file" ]; }
# Polls a condition for at most $1 seconds.
wait_for() {
  local end=$((SECONDS + $1))
  until "${@:2}"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else
    echo "FAILED: $what"; tail -n +1 "$work"/*.out; failures=$((failures + 1))
  fi
}

env -u DISPLAY -u WINEPREFIX -u WINELOADER -u WINEARCH -u QX_WINE_BITS -u QX_WINE \
  -u QX_WINE_SESSION -u QX_XVFB_PID "$root/scripts/run" >"$work/run.out" 2>&1 </dev/null &
run=$!
# Whatever happened, nothing of it outlives the test.
trap 'WINEPREFIX=$prefix timeout 20 wineserver -k 2>/dev/null
      kill -KILL $run $(session_pids) 2>/dev/null; rm -f "$display_file"; rm -rf "$work"' EXIT

# The first run sets up its prefix, which takes a while.
started() { ! kill -0 "$run" 2>/dev/null || console_runs; }
wait_for 400 started
check "scripts/run starts the console" console_runs

env -u DISPLAY "$root/scripts/screenshot" "$work/shot.png" >"$work/shot.out" 2>&1
check "scripts/screenshot from another shell saves scripts/run's display" \
  test "$(identify -format %wx%h "$work/shot.png" 2>&1)" = 1280x1024

kill -TERM "$run"
wait_for 60 stopped
check "a TERM ends scripts/run, its programs, its display and the display's note" stopped

[ $failures = 0 ] && echo "all passed" || echo "$failures failed"
[ $failures = 0 ]
