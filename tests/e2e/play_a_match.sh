#!/usr/bin/env bash
# The real program in a real X server, driven by keyboard and mouse as a user
# would: close the welcome box, open the schedule, click the first match, enter
# 2-1, save, leave. Then the results file must hold exactly those 93 bytes and
# the program must have ended with status 0.
set -euo pipefail

korvel=${1:?usage: play_a_match.sh path/to/korvel}
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
    import -display "$DISPLAY" -window root "$artifacts/failure.png" 2>/dev/null &&
        echo "screenshot: $artifacts/failure.png" >&2
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

# The welcome box comes up over the standings; Enter closes it.
welcome() { [ "$(xdotool search --onlyvisible --name '^Korvel$' | wc -l)" -ge 2 ]; }
wait_for 30 welcome || fail "the welcome box did not appear"
sleep 0.5
xdotool key --clearmodifiers Return
wait_for 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Korvel$" | wc -l)" -eq 1 ]' ||
    fail "the welcome box did not close"
sleep 0.5

# Show > Schedule.
xdotool key --clearmodifiers alt+s
sleep 0.3
xdotool key c
sleep 1

# The first match line is drawn in group A's olive; its glyphs give the row.
import -display "$DISPLAY" -window root "$work/schedule.png"
read -r ox oy < <(convert "$work/schedule.png" -crop 290x800+0+0 +repage \
    -fill black +opaque 'rgb(128,128,0)' -trim -format '%X %Y\n' info: | tr -d '+')
[ -n "${oy:-}" ] || fail "no match line found in the schedule"
xdotool mousemove $((ox + 120)) $((oy + 4)) click 1

result_dialog() { xdotool search --onlyvisible --name '^Enter match result$'; }
wait_for 10 result_dialog || fail "the result dialog did not open"
# Without a window manager nobody else hands the new dialog the keyboard.
sleep 1
xdotool windowfocus --sync "$(result_dialog | head -n 1)"
xdotool key ctrl+a
xdotool type 2
xdotool key Tab ctrl+a
xdotool type 1
import -display "$DISPLAY" -window root "$work/typed.png"
xdotool key Return
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^Enter match result$"' ||
    fail "the result dialog did not close"
sleep 0.5

# File > Save results, then File > Exit.
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key s
wait_for 10 test -f korvel.dat || fail "korvel.dat was not written"
sleep 0.3
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key e

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
