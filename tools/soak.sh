#!/usr/bin/env bash
# GUI soak test: the real program on a virtual display (Xvfb), driven through
# every command and many random clicks by its soak driver (PEMRO_SOAK, see
# src/app/soak_driver.h), must end alive and answer real input from the
# window system (one click sent with xdotool).
#   tools/soak.sh BUILD_DIR [CLICKS] [TIME_LIMIT_SECONDS]
set -euo pipefail
build=$(cd "${1:?usage: tools/soak.sh BUILD_DIR [CLICKS] [SECONDS]}" && pwd)
clicks=${2:-10000}
limit=${3:-1800}

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: Xvfb picks it and reports its number.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "soak: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# No PATH: pages and commands that start a browser or an editor find none,
# and say so in a message box, which the driver cancels.
# In a sanitizer build, memory that system libraries keep is no leak of ours.
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
(cd "$build/run" && exec env -u BROWSER PATH=/nonexistent QT_QPA_PLATFORM=xcb \
   PEMRO_SOAK="clicks=$clicks,seed=${PEMRO_SOAK_SEED:-1}" "$build/pemro" >"$work/log" 2>&1) &
app_pid=$!

start=$(date +%s)
until grep -q "^soak: done" "$work/log"; do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "soak: the program ended during the run" >&2
    tail -20 "$work/log" >&2
    exit 1
  fi
  if [ $(($(date +%s) - start)) -gt "$limit" ]; then
    echo "soak: not done after ${limit}s" >&2
    tail -20 "$work/log" >&2
    exit 1
  fi
  sleep 1
done
grep "^soak: done" "$work/log"

# Real input: a click from the window system into the program's window.
window=$(xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -1)
[ -n "$window" ] || { echo "soak: no window" >&2; exit 1; }
xdotool mousemove --window "$window" 300 300 click 1
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "soak: no answer to a real click" >&2
  exit 1
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
grep -q "^soak: responsive" "$work/log" || { echo "soak: not responsive" >&2; exit 1; }
echo "soak: responsive after $(($(date +%s) - start))s, exit status $status"
[ "$status" -eq 0 ] || grep -v "^soak: command" "$work/log" | tail -40 >&2
exit "$status"
