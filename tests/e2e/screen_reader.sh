#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real accessibility bus, as a screen reader meets it: the
# standings with the 1996 results read aloud, the schedule's match lines as buttons,
# and a press on the first one opening the result dialog. Skipped (status 77) where
# the bus, its Python bindings or the X tools are not installed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

korvel=${1:?usage: screen_reader.sh path/to/korvel}
korvel=$(realpath "$korvel")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3

skip() {
    echo "SKIP: $*"
    exit 77
}
command -v Xvfb >/dev/null || skip "no Xvfb"
command -v xdotool >/dev/null || skip "no xdotool"
command -v dbus-launch >/dev/null || skip "no dbus-launch (dbus-x11)"
bus_launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && bus_launcher=$candidate && break
done
[ -n "$bus_launcher" ] || skip "no at-spi-bus-launcher (at-spi2-core)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (python3-pyatspi)"

work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-a11y.XXXXXX")
xvfb_pid="" korvel_pid="" bus_pid=""

cleanup() {
    [ -n "$korvel_pid" ] && kill "$korvel_pid" 2>/dev/null || true
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    stop_private_x_server
    wait 2>/dev/null || true
    [ "${KEEP:-0}" != 1 ] && rm -rf "$work"
    return 0
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    # Before the X server is up there is nothing to take a picture of.
    [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$work/failure.png" \
        2>/dev/null && echo "screenshot: $work/failure.png" >&2
    KEEP=1
    exit 1
}

start_private_x_server || fail "Xvfb did not start"

# A private session bus with the accessibility bus beside it; Qt joins it at once.
eval "$(dbus-launch --sh-syntax)"
"$bus_launcher" --launch-immediately &
bus_pid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The 1996 results: score 1, score 2 and "played" for each of the 31 matches.
cd "$work"
scores="1 1 1 1 2 0 1 1 0 0 0 1 2 1 0 1 1 0 0 2 1 0 2 1 0 2 1 1 0 3 3 0 3 1 1 2
        1 0 1 4 0 3 0 3 3 3 0 0 0 0 1 0 2 1 1 0 0 1 0 1 2 1"
set -- $scores
bytes=""
while [ $# -gt 0 ]; do
    bytes+=$(printf '\\x%02x\\x%02x\\x01' "$1" "$2")
    shift 2
done
printf "$bytes" >korvel.dat
[ "$(stat -c %s korvel.dat)" -eq 93 ] || fail "the results file is not 93 bytes"

"$korvel" &
korvel_pid=$!

# The welcome box comes up over the standings; Enter closes it.
welcome() { [ "$(xdotool search --onlyvisible --name '^Korvel$' | wc -l)" -ge 2 ]; }
wait_for 30 welcome || fail "the welcome box did not appear"
sleep 0.5
xdotool key --clearmodifiers Return
wait_for 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Korvel$" | wc -l)" -eq 1 ]' ||
    fail "the welcome box did not close"

"$python" "$here/screen_reader.py" || fail "the screen reader's view is wrong"
# The dialog the press opened is a real window too.
wait_for 5 xdotool search --onlyvisible --name '^Enter match result$' ||
    fail "no Enter match result window"
