#!/usr/bin/env bash
# The real program in a real X server, driven by keyboard and mouse as a user
# would: close the welcome box, open the schedule, click the first match, enter
# 2-1, save, leave. Then the results file must hold exactly those 93 bytes and
# the program must have ended with status 0. Without Xvfb, xdotool or ImageMagick
# it ends with status 77, which CTest counts as skipped.
set -euo pipefail

korvel=${1:?usage: play_a_match.sh path/to/korvel}
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
korvel=$(realpath "$korvel")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-e2e.XXXXXX")
artifacts=${KORVEL_E2E_ARTIFACTS:-$work}
xvfb_pid="" korvel_pid=""

cleanup() {
    [ -n "$korvel_pid" ] && kill "$korvel_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    [ "$artifacts" = "$work" ] && [ "${KEEP:-0}" != 1 ] && rm -rf "$work"
    return 0
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    # Before the X server is up there is nothing to take a picture of.
    [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$artifacts/failure.png" \
        2>/dev/null && echo "screenshot: $artifacts/failure.png" >&2
    KEEP=1
    exit 1
}

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# A private X server on a free display number.
exec 3< <(Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>&1 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

cd "$work"
"$korvel" &
korvel_pid=$!

# Waits up to $1 seconds for a visible window named exactly $2; prints the ids.
windows_named() { timeout "$1" xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null; }
# Without a window manager nobody else hands a new window the keyboard.
focus() { xdotool windowfocus --sync "$1"; }
has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
width() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }

# The welcome box comes up over the frame, under the same name: two windows, the
# frame the wider one.
windows_named 30 Korvel >/dev/null || fail "the window did not appear"
two_windows() { [ "$(xdotool search --onlyvisible --name '^Korvel$' | wc -l)" -ge 2 ]; }
wait_for 30 two_windows || fail "the welcome box did not appear"
frame="" box=""
for id in $(xdotool search --onlyvisible --name '^Korvel$'); do
    if [ -z "$frame" ] || [ "$(width "$id")" -gt "$(width "$frame")" ]; then
        box=$frame frame=$id
    else
        box=$id
    fi
done
focus "$box"
xdotool key --clearmodifiers Return
box_gone() { ! xdotool search --onlyvisible --name '^Korvel$' | grep -qx "$box"; }
wait_for 10 box_gone || fail "the welcome box did not close"
wait_for 10 has_focus "$frame" || fail "the window did not take the keyboard back from the box"

# Show > Schedule; the first match line is drawn in group A's olive, and its
# glyphs give the row.
xdotool key --clearmodifiers alt+s c
first_line() {
    import -display "$DISPLAY" -window root "$work/schedule.png" &&
        read -r ox oy < <(convert "$work/schedule.png" -crop 290x800+0+0 +repage \
            -fill black +opaque 'rgb(128,128,0)' -trim -format '%X %Y\n' info: | tr -d '+') &&
        [ -n "${oy:-}" ] && [ "$oy" -lt 200 ]
}
ox="" oy=""
wait_for 10 first_line || fail "no match line found in the schedule"
xdotool mousemove $((ox + 120)) $((oy + 4)) click 1

dialog=$(windows_named 10 'Enter match result' | head -n 1) && [ -n "$dialog" ] ||
    fail "the result dialog did not open"
focus "$dialog"
xdotool key ctrl+a
xdotool type 2
xdotool key Tab ctrl+a
xdotool type 1
import -display "$DISPLAY" -window root "$work/typed.png"
xdotool key Return
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^Enter match result$"' ||
    fail "the result dialog did not close"
wait_for 10 has_focus "$frame" || fail "the window did not take the keyboard back from the dialog"

# File > Save results, then File > Exit.
xdotool key --clearmodifiers alt+f s
wait_for 10 test -f korvel.dat || fail "korvel.dat was not written"
xdotool key --clearmodifiers alt+f e

status=0
wait_for 15 bash -c "! kill -0 $korvel_pid" || fail "Korvel did not exit"
wait "$korvel_pid" || status=$?
korvel_pid=""
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"

# Match 0: score1 2, score2 1, played; the other thirty matches three zero bytes each.
expected="020101$(printf '00%.0s' $(seq 90))"
actual=$(od -An -v -tx1 korvel.dat | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "korvel.dat holds $actual"
[ "$(stat -c %s korvel.dat)" -eq 93 ] || fail "korvel.dat is not 93 bytes"
echo "PASS: entered 2-1 for match 0, saved 93 bytes, exit status 0"
