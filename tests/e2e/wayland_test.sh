#!/usr/bin/env bash
# The game on a Wayland desktop (weston, headless, with Xwayland), as a GNOME or KDE session
# starts it: with an X server at hand its window goes to X11, where it can place itself; with
# QT_QPA_PLATFORM=wayland it starts on Wayland and plays until it is ended.
# Usage: wayland_test.sh GAME
set -euo pipefail
game=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
log=$runtime/weston.log
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

export XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quandrel-test
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log")
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "$display" ] || fail "weston did not start Xwayland: $(tail -3 "$log")"

# Both DISPLAY and WAYLAND_DISPLAY set, no back end chosen: the window appears on Xwayland.
DISPLAY=$display "$game" &
pids+=($!)
for _ in $(seq 100); do
  xwininfo -display "$display" -root -tree 2>/dev/null | grep -q '" Quandrel"' && break
  sleep 0.1
done
xwininfo -display "$display" -root -tree | grep '" Quandrel"' ||
  fail "no Quandrel window on the Xwayland display $display"
echo "with DISPLAY=$display the window is on X11"

# Wayland chosen: it starts and keeps running until it is ended.
QT_QPA_PLATFORM=wayland "$game" &
wayland=$!
pids+=($wayland)
sleep 3
kill -0 "$wayland" 2>/dev/null || { wait "$wayland" || status=$?; fail "on Wayland the game ended by itself with status ${status:-0}"; }
kill -TERM "$wayland"
status=0
wait "$wayland" || status=$?
[ "$status" -eq 143 ] || fail "on Wayland the game ended with status $status, not by the TERM sent to it"
echo "with QT_QPA_PLATFORM=wayland it ran until it was ended"
