#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as a user meets it, with no display: every usage error gives status 2
# and one line saying what is wrong; export and text work from the 1996 results and
# never touch korvel.dat; a file that cannot be written gives status 1 and no file.
# Checks read "A && B || fail": fail when either part does not hold.
# Without ImageMagick or poppler-utils it ends with status 77, which CTest counts as skipped.
# shellcheck disable=SC2015
set -uo pipefail
korvel=$(realpath "$1")
version=$2
other_version=$(realpath "$3")
for tool in identify pdftotext; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs korvel with the arguments; leaves the status, standard output and error.
run() {
    "$korvel" "$@" >out.txt 2>err.txt
    status=$?
}

# The 1996 scores, three bytes per match: score1, score2, played.
scores=(1 1 1 1 2 0 1 1 0 0 0 1 2 1 0 1 1 0 0 2 1 0 2 1 0 2 1 1 0 3 3 0 3 1 1 2 1 0 1 4
        0 3 0 3 3 3 0 0 0 0 1 0 2 1 1 0 0 1 0 1 2 1)
for ((i = 0; i < ${#scores[@]}; i += 2)); do
    printf '%b' "\\$(printf %03o "${scores[i]}")\\$(printf %03o "${scores[i + 1]}")\\001"
done >korvel.dat
[ "$(stat -c %s korvel.dat)" = 93 ] || fail "the test's korvel.dat is not 93 bytes"
cp korvel.dat korvel.dat.before

# arguments | what the one line on standard error says
usage_errors=(
    "--bogus|unknown option 'bogus'"
    "-x|unknown option 'x'"
    "stray|unexpected argument 'stray'"
    "--export|missing value after '--export'"
    "--export standings|--export needs a view and a file"
    "--export standings a.png b.png|unexpected argument 'b.png'"
    "--export nowhere x.png|unknown view 'nowhere'"
    "--export team:Holland x.png|unknown team 'Holland'"
    "--export team:16 x.png|unknown team '16'"
    "--export team:-1 x.png|unknown team '-1'"
    "--export team:2147483648 x.png|unknown team '2147483648'"
    "--export standings x.jpg|cannot tell the picture type of 'x.jpg'"
    "--export standings x|cannot tell the picture type of 'x'"
    "--export standings x.png.jpg|cannot tell the picture type of 'x.png.jpg'"
    "--export standings png|cannot tell the picture type of 'png'"
    "--text --export map x.png|--export, --text and --chances do not go together"
    "--chances --text|--export, --text and --chances do not go together"
    "--time-zone 100|--results and --time-zone go with --export, --text or --chances"
    "--results korvel.dat|--results and --time-zone go with --export, --text or --chances"
    "--runs 5|--runs, --seed and --format go with --chances"
    "--text --format csv|--runs, --seed and --format go with --chances"
    "--chances --runs 0|--runs takes a number of tournaments from 1"
    "--chances --runs 1e6|--runs takes a number of tournaments from 1"
    "--chances --runs 1000000001|--runs takes a number of tournaments from 1"
    "--chances --seed -1|--seed takes a whole number"
    "--chances --format xml|--format takes text or csv"
    "--scale 2|--scale goes with --export to a .png file"
    "--text --scale 2|--scale goes with --export to a .png file"
    "--export standings --scale 2 x.svg|--scale goes with --export to a .png file"
    "--export standings --scale 2 x.png.pdf|--scale goes with --export to a .png file"
    "--export standings --scale 5 x.png|--scale takes a whole number from 1 to 4, not '5'"
    "--export standings --scale 0 x.png|--scale takes a whole number from 1 to 4, not '0'"
    "--export standings --scale 1.5 x.png|--scale takes a whole number from 1 to 4, not '1.5'"
    "--export standings --scale 2x x.png|--scale takes a whole number from 1 to 4, not '2x'"
    "--time-zone abc --text|cannot read the time zone 'abc': give +HHMM, -HHMM or +H:MM"
    "--time-zone +2 --text|cannot read the time zone '+2'"
    "--time-zone +1260 --text|cannot read the time zone '+1260'"
    "--time-zone -14:01 --text|cannot read the time zone '-14:01'"
    "--time-zone +2:0 --text|cannot read the time zone '+2:0'"
)
for row in "${usage_errors[@]}"; do
    IFS='|' read -r arguments message <<<"$row"
    # shellcheck disable=SC2086
    run $arguments
    [ "$status" = 2 ] || fail "korvel $arguments: status $status, not 2"
    [ "$(wc -l <err.txt)" = 1 ] || fail "korvel $arguments: not one line: $(cat err.txt)"
    grep -qF -- "$message" err.txt || fail "korvel $arguments: '$(cat err.txt)' lacks '$message'"
    [ ! -s out.txt ] || fail "korvel $arguments: wrote to standard output"
    [ ! -e x.png ] && [ ! -e x.jpg ] || fail "korvel $arguments: wrote a file"
done

# An empty value is a wrong value, not the default.
for option in --runs --seed --format; do
    run --chances "$option" ''
    [ "$status" = 2 ] && grep -qF -- "$option takes" err.txt ||
        fail "korvel --chances $option '': status $status, $(cat err.txt)"
done

run --help
[ "$status" = 0 ] && grep -qF -- "--export VIEW FILE" out.txt || fail "--help: $status"
run --version
[ "$status" = 0 ] && grep -qxF "korvel $version" out.txt || fail "--version: $status $(cat out.txt)"

# arguments | file | what it must carry
exports=(
    "--export standings s.png|s.png|720x480"
    "--export standings --scale 2 z.png|z.png|1440x960"
    "--export standings --scale 2 Z.PNG|Z.PNG|1440x960"
    "--export map M.Svg|M.Svg|</svg>"
    "--scale 4 --export map c.png|c.png|2880x1920"
    "--export standings t.pdf|t.pdf|semifinales"
    "--export team:England t.svg|t.svg|>England</text>"
    "--export team:croatia c.svg|c.svg|>Croatia</text>"
    "--time-zone -700 --export schedule z.svg|z.svg|>700</text>"
    "--time-zone -7:00 --export schedule z.svg|z.svg|>700</text>"
    "--export team:Denmark t.svg|t.svg|>Danmark</text>"
    "--export team:ROMANIA c.svg|c.svg|>Romenia</text>"
    "--export MAP m.png|m.png|720x480"
    "--export team:+09 t.svg|t.svg|>Czech Rep.</text>"
    "--export standings --scale +3 z.png|z.png|2160x1440"
    "--export schedule s.pdf|s.pdf|Switzerland"
    "--export map m.pdf|m.pdf|Wembley, Londen"
)
for row in "${exports[@]}"; do
    IFS='|' read -r arguments file carried <<<"$row"
    # shellcheck disable=SC2086
    run $arguments
    [ "$status" = 0 ] || fail "korvel $arguments: status $status: $(cat err.txt)"
    case "$file" in
    *.png | *.PNG) shown=$(identify -format '%wx%h' "$file" 2>&1) ;;
    *.pdf) shown=$(pdftotext "$file" - 2>&1) ;;
    *) shown=$(cat "$file") ;;
    esac
    grep -qF -- "$carried" <<<"$shown" || fail "korvel $arguments: $file lacks '$carried'"
done

run --text
[ "$status" = 0 ] || fail "--text: status $status"
for line in "England           3  2  1  0    7  +5 (7-2)" \
    "  Spain           - England         0-0" \
    "European Champion 1996: Germany"; do
    grep -qxF -- "$line" out.txt || fail "--text lacks '$line'"
done

grep -qxF "  Czech Rep. above Italy on their match: 2-1" out.txt ||
    fail "--text lacks the head-to-head decision of group C"
run --export "team:Czech Republic" t.png
[ "$status" = 0 ] || fail "team:Czech Republic, the Teams menu's name: status $status"

# The chances from every result: Germany champion and England out, for sure; the same
# seed gives the same table; with the group stage alone the eight quarter-finalists are
# through for sure, and no chance left open is printed as 0% or 100%.
run --chances --runs 2000 --format csv
[ "$status" = 0 ] || fail "--chances: status $status $(cat err.txt)"
for line in "Germany,C,100%,0%,100%,100%,100%,100%,champion" "England,A,100%,0%,100%,100%,0%,0%,out"; do
    grep -qxF -- "$line" out.txt || fail "--chances lacks '$line': $(cat out.txt)"
done
head -c 72 korvel.dat >groups.dat
head -c 93 /dev/zero | tail -c 21 >>groups.dat
run --chances --runs 3000 --seed 7 --results groups.dat
cp out.txt chances.txt
run --chances --runs 3000 --seed 7 --results groups.dat
cmp -s out.txt chances.txt || fail "--chances: the same seed gave another table"
[ "$(grep -c ' through$' out.txt)" = 8 ] && [ "$(grep -c ' out$' out.txt)" = 8 ] ||
    fail "--chances after the group stage: not 8 through and 8 out: $(cat out.txt)"
# A quarter-finalist is sure of its group place and the quarter-final, and of nothing after.
awk '/ through$/ { n = 0; for (i = 1; i <= NF; ++i) n += $i ~ /^(0|100)%$/; if (n != 3) bad = 1 }
     END { exit bad }' out.txt || fail "--chances printed an open chance as certain: $(cat out.txt)"
rm groups.dat chances.txt

# Knock-out slots stay empty until the match that fills them is played, as in the tree.
head -c 93 /dev/zero >zero.dat
run --text --results zero.dat
[ "$status" = 0 ] && grep -qxF "  winner of semi-final 2 - winner of semi-final 1" out.txt &&
    grep -qxF "  Bulgaria        - England         " out.txt ||
    fail "--text with no match played: $(sed -n '/^Final/,$p' out.txt)"
rm zero.dat

# Standard output that takes nothing is a failure, said on standard error.
for arguments in --help --text; do
    "$korvel" $arguments >/dev/full 2>err.txt
    status=$?
    [ "$status" = 1 ] && grep -qF "No space left on device" err.txt ||
        fail "korvel $arguments >/dev/full: status $status $(cat err.txt)"
done

# A file name is bytes, whatever their encoding.
run --export standings $'bad-\xff.png'
[ "$status" = 0 ] && [ -s $'bad-\xff.png' ] || fail "a name that is not UTF-8: $status $(cat err.txt)"
rm -f $'bad-\xff.png'

# Without a display the window cannot open: one line that says so, status 1.
run
[ "$status" = 1 ] && [ "$(wc -l <err.txt)" = 1 ] && grep -qF -- "--export" err.txt ||
    fail "no display: status $status $(cat err.txt)"

run --text --results missing.dat
[ "$status" = 1 ] && grep -qF "missing.dat: No such file or directory" err.txt ||
    fail "--results missing.dat: $status $(cat err.txt)"

# A pipe or a folder in the results file's place is refused at once, not read forever.
mkdir piped && mkfifo piped/korvel.dat
(cd piped && timeout 20 "$korvel" --text >/dev/null 2>../err.txt)
status=$?
[ "$status" = 1 ] && grep -qiF "korvel.dat: not a regular file" err.txt ||
    fail "a pipe as korvel.dat: $status $(cat err.txt)"
rm -r piped

# A file that cannot be written: status 1 with the reason, and nothing left behind.
run --export standings no-folder/s.png
[ "$status" = 1 ] && grep -qF "No such file or directory" err.txt ||
    fail "unwritable file: $status $(cat err.txt)"
mkdir taken.png
run --export standings taken.png
[ "$status" = 1 ] || fail "a folder in the way: status $status"
# A pipe or a device behind the name is not replaced by a picture.
mkfifo pipe.svg && ln -s /dev/null null.pdf
for name in pipe.svg null.pdf; do
    run --export standings "$name"
    [ "$status" = 1 ] && grep -qF "not a regular file" err.txt || fail "$name: $status $(cat err.txt)"
done
[ -p pipe.svg ] && [ -c /dev/null ] || fail "the pipe or /dev/null was replaced"
rm pipe.svg null.pdf

# The program without its module: SVG is refused with the reason and leaves no file, and
# PNG and PDF, which need no module, are still written. Outside its build tree the
# program is as if installed and does not take the module beside it.
mkdir alone && cp "$korvel" "$(dirname "$korvel")/korvel-print.so" alone/
(cd alone && ./korvel --export map m.svg >/dev/null 2>../err.txt)
status=$?
[ "$status" = 1 ] && grep -qF "korvel-print.so was not found" err.txt && [ ! -e alone/m.svg ] ||
    fail "SVG without the module: $status $(cat err.txt)"
(cd alone && ./korvel --export map m.png && ./korvel --export map m.pdf) 2>err.txt &&
    [ -s alone/m.png ] && [ -s alone/m.pdf ] || fail "PNG and PDF without the module: $(cat err.txt)"
rm -r alone
# A module of another version is refused, by its version, before anything in it is called.
cp "$korvel" "$other_version/korvel"
"$other_version/korvel" --export map m.svg >out.txt 2>err.txt
status=$?
rm "$other_version/korvel"
[ "$status" = 1 ] && grep -qF "is version" err.txt && [ ! -e m.svg ] ||
    fail "SVG with a module of another version: $status $(cat err.txt)"

cmp -s korvel.dat korvel.dat.before || fail "korvel.dat changed"
for left in * .[!.]*; do
    case "$left" in
    korvel.dat | korvel.dat.before | out.txt | err.txt | taken.png | [stczm].png | [stczm].svg | \
        [stczm].pdf | Z.PNG | M.Svg | '.[!.]*') ;;
    *) fail "file left behind: $left" ;;
    esac
done

# A display that is set but gone does not stop an export.
DISPLAY=:97 "$korvel" --export map gone.png 2>err.txt || fail "with a gone display: $(cat err.txt)"
rm -f gone.png

[ "$failures" = 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
