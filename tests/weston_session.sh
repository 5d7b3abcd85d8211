#!/usr/bin/env bash
# Runs a command as a client of a Wayland compositor of its own (Weston's
# headless backend, 1920 x 1080) with Qt's Wayland platform; passes on the
# command's exit status and ends the compositor.
#
#   tests/weston_session.sh COMMAND [ARGUMENT...]
set -euo pipefail
export XDG_RUNTIME_DIR=$(mktemp -d)
compositor=
cleanup() {
  if [ -n "$compositor" ]; then
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
  fi
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
socket=ombrix-test
weston --backend=headless-backend.so --use-pixman --width=1920 --height=1080 --idle-time=0 \
  --socket="$socket" >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 200); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.05
done
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
"$@"
