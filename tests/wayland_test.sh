#!/usr/bin/env bash
# The program on a Wayland desktop, as a client of the compositor that
# tests/weston_session.sh starts: Qt chooses its Wayland platform by itself,
# and the window shows with its title and the desktop id as its application
# id, by which the desktop finds its icon and entry. Read from the Wayland
# requests the program sends (WAYLAND_DEBUG).
#
#   tests/wayland_test.sh PROGRAM DESKTOP_ID
set -euo pipefail
program=$1 desktop_id=$2
log=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT
unset QT_QPA_PLATFORM DISPLAY
XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=client "$program" 2>"$log" &
pid=$!
shown() { grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$log"; }
for _ in $(seq 200); do
  shown && break
  sleep 0.05
done
status=0
check() {
  if grep -q -- "$1" "$log"; then echo "ok: $2"; else echo "FAIL: $2"; status=1; fi
}
check 'wl_surface@[0-9]*\.attach(wl_buffer@' "the window is drawn on Wayland"
check "xdg_toplevel@[0-9]*\.set_title(\"Ombrix\")" "titled Ombrix"
check "xdg_toplevel@[0-9]*\.set_app_id(\"$desktop_id\")" "application id $desktop_id"
exit $status
