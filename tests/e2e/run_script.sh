#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/run without a display, three at once: each shows Korvel on its own VNC port
# on the loopback address (a taken one is skipped, and the port used is printed). TERM,
# INT and HUP sent to a script end its Korvel, X server and VNC server within 3 s,
# and the script leaves nothing behind in its temporary folder. Without Xvfb or
# x11vnc it ends with status 77, which CTest counts as skipped.
set -euo pipefail

korvel=$(realpath "${1:?usage: run_script.sh path/to/korvel}")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
for tool in Xvfb x11vnc; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Job control: the scripts start in process groups of their own, with SIGINT not
# ignored, as from a terminal.
set -m
work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-run-test.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for f in "$work"/out*; do
        [ -e "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
    done
    exit 1
}

# Starts scripts/run number $1 in its own working and temporary folders.
start() {
    mkdir -p "$work/run$1" "$work/tmp$1"
    (cd "$work/run$1" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        -u XDG_RUNTIME_DIR TMPDIR="$work/tmp$1" KORVEL_PROGRAM="$korvel" \
        "$root/scripts/run") >"$work/out$1" 2>&1 &
    pids[$1]=$!
}

# The port scripts/run number $1 prints, once Korvel is running behind it.
port_of() {
    local n=$1
    for _ in $(seq 100); do
        if grep -q 'VNC server at 127.0.0.1:' "$work/out$n" && [ -n "$(descendants "${pids[$n]}")" ]; then
            sed -n 's/.*VNC server at 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/out$n"
            return 0
        fi
        kill -0 "${pids[$n]}" 2>/dev/null || break
        sleep 0.1
    done
    fail "scripts/run $n did not start Korvel"
}
descendants() { ps -o pid= --ppid "$1" | tr -d ' '; }

# Sends signal $2 to scripts/run number $1 and expects it and its children gone.
stop_with() {
    local n=$1 signal=$2 pid=${pids[$1]} children deadline
    children=$(descendants "$pid")
    [ "$(wc -w <<<"$children")" -eq 3 ] || fail "scripts/run $n runs $(wc -w <<<"$children") processes, not 3"
    kill -s "$signal" "$pid"
    deadline=$((SECONDS + 3))
    while kill -0 "$pid" 2>/dev/null; do
        [ $SECONDS -le $deadline ] || fail "scripts/run $n did not end on $signal"
        sleep 0.05
    done
    for child in $children; do
        ! kill -0 "$child" 2>/dev/null || fail "process $child of scripts/run $n outlived $signal"
    done
    [ -z "$(ls -A "$work/tmp$n")" ] || fail "scripts/run $n left $(ls "$work/tmp$n") behind"
    echo "PASS: $signal ended scripts/run $n, Korvel, Xvfb and x11vnc"
}

start 1
first=$(port_of 1)
start 2
second=$(port_of 2)
[ "$second" -gt "$first" ] || fail "the second VNC server took port $second, the first $first"
grep -q "Port $first is taken" "$work/out2" || [ "$first" -ne 5900 ] ||
    fail "the second script did not say that port 5900 was taken"
echo "PASS: two at once on ports $first and $second"
stop_with 2 TERM
stop_with 1 INT
start 3
port_of 3 >/dev/null
stop_with 3 HUP
