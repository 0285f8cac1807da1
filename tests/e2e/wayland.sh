#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Korvel on Wayland without X: scripts/run with only WAYLAND_DISPLAY set, under a
# headless sway with no XWayland. The window must come up natively with the app id of
# the desktop entry; keys close the welcome box, enter 2-1 for the first match and save,
# undo and save, redo and save, and korvel.dat must have held 2-1, nothing, 2-1 in turn;
# the canvas in a screenshot must be pixel for pixel the one the X11 window shows, which
# is what `korvel --export standings` writes; Ctrl+Q leaves with status 0. Without sway,
# wtype, grim or ImageMagick it ends with status 77, which CTest counts as skipped.
set -euo pipefail

korvel=$(realpath "${1:?usage: wayland.sh path/to/korvel}")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
for tool in sway swaymsg wtype grim convert compare python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$root/scripts/common.sh"
# Qt's Wayland plugin keeps some of its objects (the selection, an activation token)
# until the process ends, and is unloaded before the sanitizer's leak check can name it:
# here the leak check is off. Every other test of the sanitizer build keeps it on.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-wayland.XXXXXX")
chmod 755 "$work"
sway_pid="" run_pid="" recorder_pid=""
# Each step stands alone: one already gone must not keep the others from their end.
cleanup() {
    [ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null || true
    [ -n "$run_pid" ] && kill -TERM "$run_pid" 2>/dev/null || true
    [ -n "$sway_pid" ] && kill -TERM "$sway_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    [ "${KEEP:-0}" = 1 ] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -n "${WAYLAND_DISPLAY:-}" ] && grim "$work/failure.png" 2>/dev/null &&
        echo "screenshot: $work/failure.png" >&2
    for f in "$work"/*.log; do
        [ -e "$f" ] && { echo "--- $f" >&2; tail -n 20 "$f" >&2; }
    done
    KEEP=1
    exit 1
}

# sway refuses to run as root: there it runs as nobody, in a runtime folder of its
# own. Korvel, the key sender and the screenshot tool reach its socket by full path.
sway_dir="$work/sway"
mkdir -m 700 "$sway_dir"
cat >"$work/sway.conf" <<'EOF'
output HEADLESS-1 resolution 1280x800
xwayland disable
default_border none
EOF
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$sway_dir"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_user[@]}" env -i PATH="$PATH" HOME="$sway_dir" XDG_RUNTIME_DIR="$sway_dir" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
socket_ready() { compgen -G "$sway_dir/wayland-[0-9]" && compgen -G "$sway_dir/sway-ipc.*"; }
wait_for 20 socket_ready || fail "sway did not start"
export WAYLAND_DISPLAY SWAYSOCK
WAYLAND_DISPLAY=$(compgen -G "$sway_dir/wayland-[0-9]" | head -n 1)
SWAYSOCK=$(compgen -G "$sway_dir/sway-ipc.*" | head -n 1)

# The windows on the output, one line each: app id, x, y, width, height, title.
windows() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid"):
        r = node["rect"]
        print(node.get("app_id"), r["x"], r["y"], r["width"], r["height"], node.get("name"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
window_count() { [ "$(windows | wc -l)" -eq "$1" ]; }
# The contents korvel.dat has had, each new one once, first three bytes (match 0).
saves() { tr '\n' ' ' <"$work/saves"; }
record_saves() {
    local last="" now
    while :; do
        now=$(od -An -v -tx1 -N3 "$work/run/korvel.dat" 2>/dev/null | tr -d ' \n') || now=""
        [ -n "$now" ] && [ "$now" != "$last" ] && echo "$now" >>"$work/saves" && last=$now
        sleep 0.05
    done
}
saved_all() { [ "$(saves)" = "020101 000000 020101 " ]; }

mkdir "$work/run"
touch "$work/saves"
(cd "$work/run" && exec env -u DISPLAY -u QT_QPA_PLATFORM KORVEL_PROGRAM="$korvel" \
    "$root/scripts/run" >"$work/run.log" 2>&1) &
run_pid=$!

# The frame and the welcome box over it.
wait_for 30 window_count 2 || fail "Korvel's window and welcome box did not appear on Wayland"
app_ids=$(windows | cut -d ' ' -f 1 | sort -u)
[ "$app_ids" = nl.korvel.Korvel ] || fail "app id '$app_ids', expected nl.korvel.Korvel"

# Each wtype run is a keyboard of its own, with a keymap of the keys it sends, and the
# first key of a new keyboard may be read with the keymap of the one before: all the
# keys go in one run, after a key that does nothing in either (F13). Enter closes the
# welcome box, Edit > Match result opens the first match, 2 and 1 go in its two fields;
# then Ctrl+S, Ctrl+Z and Ctrl+S, Ctrl+Y and Ctrl+S.
record_saves &
recorder_pid=$!
wtype -s 300 -k F13 -s 300 -k Return -s 1500 -M alt -k e -m alt -k m -s 1500 \
    -M ctrl -k a -m ctrl -k 2 -k Tab -M ctrl -k a -m ctrl -k 1 -k Return -s 1000 \
    -M ctrl -k s -s 700 -k z -k s -s 700 -k y -k s -m ctrl
wait_for 10 saved_all || fail "saved in turn: $(saves)(expected 2-1, nothing, 2-1)"
kill "$recorder_pid"
recorder_pid=""
[ "$(stat -c %s "$work/run/korvel.dat")" -eq 93 ] || fail "korvel.dat is not 93 bytes"

# The canvas lies below the menu and button bars, at the window's left edge: the
# exported standings must be found there, every pixel alike.
(cd "$work/run" && QT_QPA_PLATFORM=offscreen "$korvel" --export standings "$work/x11.png") ||
    fail "the standings were not exported"
read -r _ wx wy _ _ _ < <(windows)
found=""
for _ in $(seq 5); do
    grim "$work/screen.png"
    for top in $(seq "$wy" $((wy + 160))); do
        convert "$work/screen.png" -crop "720x480+$wx+$top" +repage "$work/canvas.png"
        differing=$(compare -metric AE "$work/x11.png" "$work/canvas.png" null: 2>&1 || true)
        [ "$differing" = 0 ] && { found=$top; break 2; }
    done
    sleep 1
done
[ -n "$found" ] || fail "the canvas on Wayland differs from the X11 one (see $work/screen.png)"

# Ctrl+Q leaves at once, all being saved; a Ctrl+Q read with the keymap before is
# sent again.
for _ in 1 2 3; do
    wtype -s 300 -k F13 -s 300 -M ctrl -k q -m ctrl
    wait_for 5 eval '! kill -0 $run_pid' && break
done
kill -0 "$run_pid" 2>/dev/null && fail "Korvel did not exit"
status=0
wait "$run_pid" || status=$?
run_pid=""
[ "$status" -eq 0 ] || fail "scripts/run ended with status $status"
echo "PASS: native Wayland window nl.korvel.Korvel; 2-1 entered, undone and redone, saved each time; canvas at y=$found as on X11"
