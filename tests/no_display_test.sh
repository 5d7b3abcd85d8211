#!/usr/bin/env bash
# The window program started where there is no display to open it on: one
# plain sentence on standard error and exit code 1, no abort, no core dump.
set -u
bin=${1:?path of ombrix}
# shellcheck source=tests/check.sh
source "$(dirname "$0")/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
sentence='Ombrix vajab graafilist töölauda, kuid ei leidnud ühtegi ekraani, kuhu oma akent avada.'

# No display named at all, and an X display that nobody serves.
for display in '' ':999'; do
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" timeout 20 "$bin" >"$tmp/out" 2>"$tmp/err"
  status=$?
  [ "$status" = 1 ]; check "display '$display': exit code 1 (got $status)" $?
  [ "$(cat "$tmp/err")" = "$sentence" ]; check "display '$display': the one sentence ($(head -c 200 "$tmp/err"))" $?
  [ ! -s "$tmp/out" ]; check "display '$display': nothing on standard output" $?
done
finish
