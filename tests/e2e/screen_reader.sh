#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real accessibility bus, as a screen reader meets it: the
# standings with the 1996 results read aloud, the schedule's match lines as buttons,
# and a press on the first one opening the result dialog. Then Orca itself, keys only:
# what it says of the view, the caret's lines and a table's cells, a result entered
# from the schedule and a save, read from its debug log. Skipped (status 77) where the
# bus, its Python bindings, the X tools or Orca are not installed.
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

bus_pid="" orca_pid="" wm_pid=""
x11_extra_cleanup() {
    [ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    # Orca's speech server, started on a socket in the test's own folder.
    for pid in $(pgrep -f "socket-path $work/run/speech-dispatcher" 2>/dev/null); do
        kill "$pid" 2>/dev/null || true
    done
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

[ -x /usr/bin/orca ] && command -v openbox >/dev/null && command -v speech-dispatcher >/dev/null ||
    skip "Orca, speech-dispatcher or openbox not installed (the bus part above passed)"
kill -KILL "$korvel_pid" 2>/dev/null || true
wait "$korvel_pid" 2>/dev/null || true
korvel_pid=""

# Orca on this bus, with a window manager as on a desktop, speaking to nowhere.
mkdir -p "$work/home/.config/speech-dispatcher" "$work/run" "$work/prefs"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
echo "default_driver=null" >"$HOME/.libao"
printf '%s\n' 'AudioOutputMethod "libao"' 'DefaultModule espeak-ng' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
log=$work/orca.debug
"$python" "$here/orca_logged.py" "$log" "$work/prefs" >"$work/orca.out" 2>&1 &
orca_pid=$!

# What Orca has said, one utterance a line (quoted, with its voice after it).
said() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: //p" "$log" 2>/dev/null; }
heard() { said | grep -qF -- "$1"; }
hear() { wait_for "${2:-10}" heard "$1" || { said | tail -n 30 >&2; fail "Orca did not say \"$1\""; }; }
hear_new() {
    local before=$1 text=$2
    new_said() { said | tail -n +"$((before + 1))" | grep -qF -- "$text"; }
    wait_for 10 new_said || { said | tail -n 30 >&2; fail "Orca did not say \"$text\""; }
}
mark() { said | wc -l; }
# A key with a modifier held as a hand holds it: let go within a millisecond of the key,
# as xdotool does, the modifier reaches Orca after the key, and a menu opened by Alt can
# close again at once.
chord() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool key "$2"
    sleep 0.2
    xdotool keyup "$1"
}
wait_for 30 heard "Screen reader on" || wait_for 10 test -s "$log" || fail "Orca did not start"

rm -f korvel.dat
start_korvel
# After the welcome box the view has the keyboard: Orca reads it.
hear "Standings"
# The caret walks the lines; no line loses its last letter.
n=$(mark)
xdotool key --clearmodifiers Down
hear_new "$n" "0 played, 0 won, 0 drawn, 0 lost, 0 points, goal difference 0, 0-0"
n=$(mark)
xdotool key --clearmodifiers Right
hear_new "$n" "played 0"
n=$(mark)
chord ctrl End
hear_new "$n" "Final: to be decided, to be decided"

# The schedule by keys. The new view reads from its first line, a match, which opens
# its dialog with Enter; the dialog says which match.
n=$(mark)
chord alt s
sleep 0.3
xdotool key c
hear_new "$n" "Schedule document frame 8, 1600, England - Switzerland, not played"
n=$(mark)
xdotool key --clearmodifiers Return
hear_new "$n" "England - Switzerland, 8 June, 16:00, Wembley"
xdotool type 2
xdotool key Tab
xdotool type 1
n=$(mark)
xdotool key Return
hear_new "$n" "England 2, Switzerland 1. Group A: England first with 3 points"
n=$(mark)
chord ctrl s
hear_new "$n" "Results saved."
[ "$(stat -c %s korvel.dat)" -eq 93 ] || fail "Ctrl+S did not save"
echo "PASS: Orca reads the view, walks its lines, and says the result entered and the save"
