# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts: the program under a private X server, driven by
# keyboard and mouse through xdotool, waiting for windows and focus rather than for
# fixed times. Without Xvfb, xdotool or ImageMagick the script ends with status 77,
# which CTest counts as skipped.
# shellcheck shell=bash

for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

korvel=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-e2e.XXXXXX")
artifacts=${KORVEL_E2E_ARTIFACTS:-$work}
xvfb_pid="" korvel_pid="" frame="" status=0

cleanup() {
    [ -n "$korvel_pid" ] && kill -KILL "$korvel_pid" 2>/dev/null || true
    # What a script started beside the X server (a bus, say) ends before it.
    if declare -F x11_extra_cleanup >/dev/null; then x11_extra_cleanup; fi
    stop_private_x_server
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

start_private_x_server 1280x800 || fail "Xvfb did not start"

# The visible windows named exactly $2, waiting up to $1 seconds for the first.
windows_named() { timeout "$1" xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
gone() { ! visible "$1" | grep -qx "${2:-[0-9]*}"; }
width() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'; }
has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
# Without a window manager nobody else hands a new window the keyboard.
focus() { xdotool windowfocus --sync "$1"; }
# Waits until the frame has the keyboard back from a box or dialog.
frame_focused() { wait_for 10 has_focus "$frame" || fail "the window did not take the keyboard back"; }

# Starts Korvel in the current folder and closes its welcome box with Enter. The box
# comes up over the frame under the same name: of the two windows, the frame is the
# wider. Sets frame, and welcome_ms to the time from the start to the box.
start_korvel() {
    local started box="" id
    started=$(date +%s%N)
    "$korvel" &
    korvel_pid=$!
    two_windows() { [ "$(visible Korvel | wc -l)" -ge 2 ]; }
    wait_for 30 two_windows || fail "the welcome box did not appear"
    welcome_ms=$((($(date +%s%N) - started) / 1000000))
    frame=""
    for id in $(visible Korvel); do
        if [ -z "$frame" ] || [ "$(width "$id")" -gt "$(width "$frame")" ]; then
            box=$frame frame=$id
        else
            box=$id
        fi
    done
    focus "$box"
    xdotool key --clearmodifiers Return
    wait_for 10 gone Korvel "$box" || fail "the welcome box did not close"
}

# Presses Enter in the box or dialog named $1 once it shows.
answer_box() {
    local id
    id=$(windows_named 30 "$1" | head -n 1) && [ -n "$id" ] || fail "the box \"$1\" did not appear"
    focus "$id"
    xdotool key --clearmodifiers Return
    wait_for 10 gone "$1" || fail "the box \"$1\" did not close"
}

# Show > Schedule, a click on the first match line (drawn in group A's olive), then
# the two scores typed into the result dialog and OK.
enter_first_result() {
    local ox="" oy="" dialog
    xdotool key --clearmodifiers alt+s c
    # The first olive line, once the schedule is shown: the line under it is red (Spain -
    # Bulgaria), where the standings, or the Show menu open over them, have "Group A" in
    # olive over black team names.
    first_line() {
        import -display "$DISPLAY" -window root "$work/schedule.png" &&
            read -r ox oy < <(convert "$work/schedule.png" -crop 290x800+0+0 +repage \
                -fill black +opaque 'rgb(128,128,0)' -trim -format '%X %Y\n' info: | tr -d '+') &&
            [ -n "${oy:-}" ] && [ "$oy" -lt 200 ] &&
            [ "$(convert "$work/schedule.png" -crop "290x16+0+$((oy + 12))" +repage \
                -fill black +opaque 'rgb(255,0,0)' -fill white -opaque 'rgb(255,0,0)' \
                -format '%[fx:mean > 0]' info:)" = 1 ]
    }
    wait_for 10 first_line || fail "no match line found in the schedule"
    xdotool mousemove $((ox + 120)) $((oy + 4)) click 1
    dialog=$(windows_named 10 'Enter match result' | head -n 1) && [ -n "$dialog" ] ||
        fail "the result dialog did not open"
    focus "$dialog"
    xdotool key ctrl+a
    xdotool type "$1"
    xdotool key Tab ctrl+a
    xdotool type "$2"
    import -display "$DISPLAY" -window root "$work/typed.png"
    xdotool key Return
    wait_for 10 gone 'Enter match result' || fail "the result dialog did not close"
    frame_focused
}

# Waits for the program to end; its exit status goes to status.
wait_for_end() {
    status=0
    wait_for 15 bash -c "! kill -0 $korvel_pid" || fail "Korvel did not exit"
    wait "$korvel_pid" || status=$?
    korvel_pid=""
}
