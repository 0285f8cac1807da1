#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, ended the hard ways. First: enter 2-1 for the
# first match, leave it unsaved and send SIGTERM; the program must end with status 1,
# leave korvel.dat as it was and keep the result in korvel.dat.unsaved. Started again,
# it offers the result back; Yes, Save and Exit put it in korvel.dat. Second: a FIFO
# named korvel.dat must not hold the start up: the welcome box shows, then the box
# that says the file cannot be read. Third: the X server dies with a result typed; the
# result is kept, and the next start on a new server restores it. Fourth: SIGUSR1 in a
# folder where no file can be created keeps the result in the state folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh" "${1:?usage: unsaved_on_signal.sh path/to/korvel}"

hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
# Writes the bytes given in hexadecimal to a file.
unhex() { printf "$(sed 's/../\\x&/g' <<<"$1")" >"$2"; }

mkdir "$work/signal" "$work/fifo" "$work/display" "$work/readonly"
export XDG_STATE_HOME="$work/state"
cd "$work/signal"

# Saved earlier: match 4 ended 3-3.
saved="000000000000000000000000030301$(printf '00%.0s' $(seq 78))"
unhex "$saved" korvel.dat
cp korvel.dat saved.dat
start_korvel
frame_focused
enter_first_result 2 1

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
frame_focused
[ ! -e korvel.dat.unsaved ] || fail "korvel.dat.unsaved is still there"
xdotool key --clearmodifiers alt+f s
wait_for 10 bash -c "[ \"\$(od -An -v -tx1 korvel.dat | tr -d ' \n')\" = $expected ]" ||
    fail "the restored result was not saved: korvel.dat holds $(hex korvel.dat)"
xdotool key --clearmodifiers alt+f e
wait_for_end
[ "$status" -eq 0 ] || fail "exit status $status after saving, expected 0"
echo "PASS: SIGTERM kept 2-1 in korvel.dat.unsaved, korvel.dat unchanged, restored and saved"

# A FIFO in place of korvel.dat: the welcome box as quickly as without one.
cd "$work/fifo"
mkfifo korvel.dat
start_korvel
answer_box "Results file not read"
kill -TERM "$korvel_pid"
wait_for_end
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM with nothing unsaved, expected 0"
[ -p korvel.dat ] || fail "korvel.dat is no longer the FIFO"
echo "PASS: a FIFO as korvel.dat: welcome box after $welcome_ms ms," \
    "then the box that says it cannot be read"

# The display goes away with a result typed: Qt ends the process through exit().
cd "$work/display"
start_korvel
frame_focused
enter_first_result 4 0
kill -KILL "$xvfb_pid"
wait_for_end
[ "$status" -ne 0 ] || fail "status 0 after the X server died with a result unsaved"
[ "$(hex korvel.dat.unsaved | cut -c1-6)" = 040001 ] ||
    fail "korvel.dat.unsaved after the X server died: $(hex korvel.dat.unsaved 2>&1)"
xvfb_pid=""
start_private_x_server 1280x800 || fail "the second Xvfb did not start"
start_korvel
answer_box "Unsaved results"
frame_focused
xdotool key --clearmodifiers alt+f s
wait_for 10 bash -c "[ \"\$(od -An -v -tx1 korvel.dat | tr -d ' \n' | cut -c1-6)\" = 040001 ]" ||
    fail "the restored result was not saved after the X server died"
xdotool key --clearmodifiers alt+f e
wait_for_end
echo "PASS: the X server killed with 4-0 typed: kept, restored on a new server and saved"

# SIGUSR1 in a folder that takes no file: kept in the state folder. Root writes in any
# folder, so root runs this Korvel as user nobody.
cd "$work/readonly"
chmod 555 .
mkdir -p "$XDG_STATE_HOME"
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "SKIP: no setpriv to act as an ordinary user"; exit 0; }
    chmod 711 "$work" && chown 65534:65534 "$XDG_STATE_HOME"
    printf '#!/bin/sh\nexec setpriv --reuid=65534 --regid=65534 --clear-groups %q "$@"\n' \
        "$korvel" >"$work/as-nobody" && chmod 755 "$work/as-nobody"
    korvel="$work/as-nobody"
fi
start_korvel
frame_focused
enter_first_result 1 3
kill -USR1 "$korvel_pid"
wait_for_end
[ "$status" -eq 1 ] || fail "exit status $status after SIGUSR1 with a result unsaved, expected 1"
[ ! -e korvel.dat.unsaved ] || fail "korvel.dat.unsaved written in a read-only folder"
kept=$(find "$XDG_STATE_HOME/korvel" -name 'readonly-*.unsaved')
[ -n "$kept" ] && [ "$(hex "$kept" | cut -c1-6)" = 010301 ] ||
    fail "no result in the state folder after SIGUSR1: $(ls -R "$XDG_STATE_HOME" 2>&1)"
start_korvel
answer_box "Unsaved results"
frame_focused
[ ! -e "$kept" ] || fail "$kept is still there after Yes"
kill -TERM "$korvel_pid"
wait_for_end
echo "PASS: SIGUSR1 in a read-only folder kept 1-3 in the state folder; restored at the next start"
