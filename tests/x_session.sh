#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, 1920 x 1080), with
# a D-Bus session of its own and, after --openbox, the Openbox window
# manager; passes on the command's exit status and ends the rest.
#
#   tests/x_session.sh [--openbox] COMMAND [ARGUMENT...]
set -euo pipefail
manager=
if [ "${1:-}" = --openbox ]; then manager=openbox; shift; fi
work=$(mktemp -d)
server= window_manager=
# The server is waited for: one that is still going could take the next
# session's display number down with it.
cleanup() {
  [ -z "$window_manager" ] || kill "$window_manager" 2>/dev/null || true
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
# -noreset: by default the server resets when its last client leaves, and
# refuses connections meanwhile; the display check below is such a client.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
read -r number <"$work/display"
export DISPLAY=:$number
answered=
for _ in $(seq 200); do
  xprop -root >/dev/null 2>&1 && { answered=yes; break; }
  sleep 0.05
done
[ -n "$answered" ] || { echo "x_session: the display :$number never answered" >&2; exit 1; }
if [ -n "$manager" ]; then
  openbox --sm-disable 2>"$work/openbox.log" &
  window_manager=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi
export OMBRIX_WINDOW_MANAGER=$manager QT_QPA_PLATFORM=xcb
status=0
dbus-run-session -- "$@" || status=$?
# What the server said, when the command failed: it may have gone away.
[ $status -eq 0 ] || sed 's/^/Xvfb: /' "$work/xvfb.log" >&2
exit $status
