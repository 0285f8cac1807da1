#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real accessibility bus, as a screen reader meets it: the
# standings with the 1996 results read aloud, the schedule's match lines as buttons,
# and a press on the first one opening the result dialog. Skipped (status 77) where
# the bus, its Python bindings or the X tools are not installed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3

skip() {
    echo "SKIP: $*"
    exit 77
}
command -v dbus-launch >/dev/null || skip "no dbus-launch (dbus-x11)"
bus_launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && bus_launcher=$candidate && break
done
[ -n "$bus_launcher" ] || skip "no at-spi-bus-launcher (at-spi2-core)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (python3-pyatspi)"

bus_pid=""
x11_extra_cleanup() {
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
}
source "$here/x11.sh" "${1:?usage: screen_reader.sh path/to/korvel}"

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

# The welcome box comes up over the standings; Enter closes it.
start_korvel

"$python" "$here/screen_reader.py" || fail "the screen reader's view is wrong"
# The dialog the press opened is a real window too.
wait_for 5 xdotool search --onlyvisible --name '^Enter match result$' ||
    fail "no Enter match result window"
