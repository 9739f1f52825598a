#!/usr/bin/env bash
# Runs a command on a fresh virtual screen with openbox managing (and
# decorating) its windows, as on a classroom desktop; then stops both.
#
#   under-openbox.sh [--screen WxHxD] COMMAND [ARG...]
set -euo pipefail

screen=1600x900x24
if [[ ${1:-} == --screen ]]; then screen=$2; shift 2; fi

work=$(mktemp -d)
xvfb="" wm=""
cleanup() {
  [[ -n $wm ]] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "under-openbox: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it announces itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
  { echo "under-openbox: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
