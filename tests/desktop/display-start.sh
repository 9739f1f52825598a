#!/usr/bin/env bash
# The program as a user starts it, on X11 displays that fail and on one that
# works:
#   - no display variable, a display with nothing there, a display that
#     refuses us (it wants a cookie we do not have): each gives our one-line
#     hint on stderr, nothing on stdout and exit status 1, within seconds;
#   - a display that lets us in, without XDG_RUNTIME_DIR: the window opens and
#     nothing at all is printed.
#
#   display-start.sh ORVALDE
set -uo pipefail
orvalde=$1

work=$(mktemp -d)
xvfb=""
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs the program in a clean X11 environment plus the given variables and
# checks it fails as it should: $1 names the case, $2 the hint expected.
expect_hint() {
  local name=$1 pattern=$2; shift 2
  local started status seconds
  started=$(date +%s%N)
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
    timeout 20 "$orvalde" >"$work/out" 2>"$work/err"
  status=$?
  seconds=$(( ($(date +%s%N) - started) / 1000000000 ))
  [[ $status -eq 1 ]] || fail "$name: exit status $status, not 1"
  ((seconds < 6)) || fail "$name: took $seconds s"
  [[ ! -s $work/out ]] || fail "$name: printed on stdout: $(cat "$work/out")"
  [[ $(wc -l <"$work/err") -eq 1 ]] && grep -Eq "$pattern" "$work/err" ||
    fail "$name: stderr is not our one-line hint: $(cat "$work/err")"
}

hint="run it under a virtual display: xvfb-run -s '-screen 0 1920x1080x24' "
expect_hint "no display variable" "^orvalde: no display found; $hint"

# A display number nobody uses.
free=""
for n in $(seq 170 199); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { free=$n; break; }
done
expect_hint "nothing at :$free" "^orvalde: cannot open the display :$free \(.*\); $hint" DISPLAY=":$free"

# A display that admits only holders of its cookie.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
xauth -q -f "$work/server.auth" add ":0" . "$cookie" 2>/dev/null
Xvfb -displayfd 3 -auth "$work/server.auth" -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "display-start: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=":$(head -n1 "$work/display")"
# The cookie, now for the display number Xvfb chose, for the client that may enter.
xauth -q -f "$work/client.auth" add "$display" . "$cookie" 2>/dev/null
: >"$work/no.auth"
expect_hint "display $display refuses us" "^orvalde: cannot open the display $display \(.*\); $hint" \
  DISPLAY="$display" XAUTHORITY="$work/no.auth"

# A normal start: the window appears and nothing is printed.
mkdir -m 0700 "$work/tmp"
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u XDG_RUNTIME_DIR \
  DISPLAY="$display" XAUTHORITY="$work/client.auth" TMPDIR="$work/tmp" \
  "$orvalde" >"$work/out" 2>"$work/err" &
program=$!
shown=""
for _ in $(seq 150); do
  if DISPLAY="$display" XAUTHORITY="$work/client.auth" xwininfo -root -tree 2>/dev/null | grep -q '"ORVALDE"'; then
    shown=yes
    break
  fi
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
# Time for anything printed just after the window opens.
sleep 1
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
[[ -n $shown ]] || fail "normal start: the window did not open"
[[ ! -s $work/out && ! -s $work/err ]] || fail "normal start printed: $(cat "$work/out" "$work/err")"
runtime="$work/tmp/orvalde-runtime-$(id -u)"
[[ $(stat -c %a "$runtime" 2>/dev/null) == 700 ]] || fail "normal start: no private runtime folder $runtime"

exit $((failures > 0))
