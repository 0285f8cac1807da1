#!/usr/bin/env bash
# The real program in a real X server, ended the hard ways. First: enter 2-1 for the
# first match, leave it unsaved and send SIGTERM; the program must end with status 1,
# leave korvel.dat as it was and keep the result in korvel.dat.unsaved. Started again,
# it offers the result back; Yes, Save and Exit put it in korvel.dat. Second: a FIFO
# named korvel.dat must not hold the start up: the welcome box shows, then the box
# that says the file cannot be read. Without Xvfb, xdotool or ImageMagick it ends with
# status 77, which CTest counts as skipped.
set -euo pipefail

korvel=${1:?usage: unsaved_on_signal.sh path/to/korvel}
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
korvel=$(realpath "$korvel")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-e2e-signal.XXXXXX")
artifacts=${KORVEL_E2E_ARTIFACTS:-$work}
xvfb_pid="" korvel_pid=""

cleanup() {
    [ -n "$korvel_pid" ] && kill -KILL "$korvel_pid" 2>/dev/null || true
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
        sleep 0.1
    done
}

windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# The frame and a box over it share the caption "Korvel".
welcome_shown() { [ "$(windows_named '^Korvel$')" -ge 2 ]; }
welcome_gone() { [ "$(windows_named '^Korvel$')" -eq 1 ]; }
box_shown() { [ "$(windows_named "^$1\$")" -ge 1 ]; }
box_gone() { [ "$(windows_named "^$1\$")" -eq 0 ]; }

# Presses Return in the box with this caption once it shows.
answer_box() {
    wait_for 30 box_shown "$1" || fail "the box \"$1\" did not appear"
    sleep 0.5
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)"
    xdotool key --clearmodifiers Return
    wait_for 10 box_gone "$1" || fail "the box \"$1\" did not close"
    sleep 0.3
}

start_korvel() {
    "$korvel" &
    korvel_pid=$!
    wait_for 30 welcome_shown || fail "the welcome box did not appear"
    sleep 0.5
    xdotool key --clearmodifiers Return
    wait_for 10 welcome_gone || fail "the welcome box did not close"
    sleep 0.5
}

# Waits for the program to end; its exit status goes to $status.
wait_for_end() {
    status=0
    wait_for 15 bash -c "! kill -0 $korvel_pid" || fail "Korvel did not exit"
    wait "$korvel_pid" || status=$?
    korvel_pid=""
}

hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
# Writes the bytes given in hexadecimal to a file.
unhex() { printf "$(sed 's/../\\x&/g' <<<"$1")" >"$2"; }

# A private X server on a free display number.
exec 3< <(Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>&1 2>/dev/null)
xvfb_pid=$!
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

mkdir "$work/signal" "$work/fifo"
cd "$work/signal"

# Saved earlier: match 4 ended 3-3.
saved="000000000000000000000000030301$(printf '00%.0s' $(seq 78))"
unhex "$saved" korvel.dat
cp korvel.dat saved.dat
start_korvel

# Show > Schedule, then the first match line, drawn in group A's olive.
xdotool key --clearmodifiers alt+s
sleep 0.3
xdotool key c
sleep 1
import -display "$DISPLAY" -window root "$work/schedule.png"
read -r ox oy < <(convert "$work/schedule.png" -crop 290x800+0+0 +repage \
    -fill black +opaque 'rgb(128,128,0)' -trim -format '%X %Y\n' info: | tr -d '+')
[ -n "${oy:-}" ] || fail "no match line found in the schedule"
xdotool mousemove $((ox + 120)) $((oy + 4)) click 1
result_dialog() { xdotool search --onlyvisible --name '^Enter match result$'; }
wait_for 10 result_dialog || fail "the result dialog did not open"
sleep 1
xdotool windowfocus --sync "$(result_dialog | head -n 1)"
xdotool key ctrl+a
xdotool type 2
xdotool key Tab ctrl+a
xdotool type 1
xdotool key Return
wait_for 10 bash -c '! xdotool search --onlyvisible --name "^Enter match result$"' ||
    fail "the result dialog did not close"
sleep 0.5

# Ended from outside with the result unsaved.
kill -TERM "$korvel_pid"
wait_for_end
[ "$status" -eq 1 ] || fail "exit status $status after SIGTERM with an unsaved result, expected 1"
cmp -s korvel.dat saved.dat || fail "korvel.dat changed: $(hex korvel.dat)"
expected="020101${saved:6}"
[ -f korvel.dat.unsaved ] || fail "no korvel.dat.unsaved"
[ "$(hex korvel.dat.unsaved)" = "$expected" ] ||
    fail "korvel.dat.unsaved holds $(hex korvel.dat.unsaved)"

# The next start offers it back; Yes (the default button) restores it, Save keeps it.
start_korvel
answer_box "Unsaved results"
[ ! -e korvel.dat.unsaved ] || fail "korvel.dat.unsaved is still there"
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key s
wait_for 10 bash -c "[ \"\$(od -An -v -tx1 korvel.dat | tr -d ' \n')\" = $expected ]" ||
    fail "the restored result was not saved: korvel.dat holds $(hex korvel.dat)"
sleep 0.3
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key e
wait_for_end
[ "$status" -eq 0 ] || fail "exit status $status after saving, expected 0"
echo "PASS: SIGTERM kept 2-1 in korvel.dat.unsaved, korvel.dat unchanged, restored and saved"

# A FIFO in place of korvel.dat: the welcome box as quickly as without one.
cd "$work/fifo"
mkfifo korvel.dat
started=$(date +%s%N)
"$korvel" &
korvel_pid=$!
wait_for 30 welcome_shown || fail "the welcome box did not appear with a FIFO as korvel.dat"
shown=$(date +%s%N)
sleep 0.5
xdotool key --clearmodifiers Return
answer_box "Results file not read"
kill -TERM "$korvel_pid"
wait_for_end
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM with nothing unsaved, expected 0"
[ -p korvel.dat ] || fail "korvel.dat is no longer the FIFO"
echo "PASS: a FIFO as korvel.dat: welcome box after $(((shown - started) / 1000000)) ms," \
    "then the box that says it cannot be read"
