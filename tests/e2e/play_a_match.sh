#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, driven by keyboard and mouse as a user
# would: close the welcome box, open the schedule, click the first match, enter
# 2-1, save, leave. Then the results file must hold exactly those 93 bytes and
# the program must have ended with status 0.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh" "${1:?usage: play_a_match.sh path/to/korvel}"

cd "$work"
start_korvel
frame_focused
enter_first_result 2 1

# File > Save results, then File > Exit.
xdotool key --clearmodifiers alt+f s
wait_for 10 test -f korvel.dat || fail "korvel.dat was not written"
xdotool key --clearmodifiers alt+f e
wait_for_end
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"

# Match 0: score1 2, score2 1, played; the other thirty matches three zero bytes each.
expected="020101$(printf '00%.0s' $(seq 90))"
actual=$(od -An -v -tx1 korvel.dat | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "korvel.dat holds $actual"
[ "$(stat -c %s korvel.dat)" -eq 93 ] || fail "korvel.dat is not 93 bytes"
echo "PASS: entered 2-1 for match 0, saved 93 bytes, exit status 0"
