#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package the way a user would, into a fresh Debian 12 root
# made by debootstrap, with apt resolving its dependencies from the mirror; then
# starts the installed program from its desktop entry in an empty directory, as an
# ordinary user, under Xvfb, and drives it: the window, the help file from
# /usr/share/korvel, saving korvel.dat into that directory, leaving. Last it
# removes the package again. Takes several minutes and needs root; not part of CI.
#
#   tests/package/install_test.sh [path/to/korvel_VERSION_ARCH.deb]
#
# Without an argument it builds the package with scripts/package first. Screenshots
# and logs go to build-package/install-test/. When no Debian root can be made here
# (no debootstrap, no mirror, no mount or chroot allowed) it says so and installs
# the package onto this machine instead; KORVEL_INSTALL_TEST=host asks for that.
# KEEP=1 keeps the root file system for a look afterwards.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

if [ "$(id -u)" -ne 0 ]; then
    echo "install_test.sh needs root: debootstrap, mount, chroot and apt-get do" >&2
    exit 2
fi

mirror=${KORVEL_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security_mirror=${KORVEL_DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
mode=${KORVEL_INSTALL_TEST:-chroot}

# What the test runs on this machine; it installs none of it itself.
needed=(debootstrap lintian desktop-file-utils appstream xvfb xauth xdotool x11-utils imagemagick)
missing=()
for pkg in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: install first: apt-get install ${missing[*]}" >&2
    exit 77
fi

deb=${1:-}
[ -n "$deb" ] || deb=$("$KORVEL_ROOT/scripts/package")
deb=$(realpath "$deb")
[ -f "$deb" ] || { echo "no such package: $deb" >&2; exit 2; }

artifacts="$KORVEL_ROOT/build-package/install-test"
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.log
work=$(mktemp -d "${TMPDIR:-/tmp}/korvel-install.XXXXXX")
target="$work/root"
xvfb_pid="" korvel_pid="" host_installed=""

passed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -display "$DISPLAY" -window root "$artifacts/failure.png" 2>/dev/null &&
            echo "screenshot: $artifacts/failure.png" >&2
    fi
    echo "install test: $passed passed, 1 failed"
    exit 1
}

# Everything mounted below $work, deepest first. Lazily when busy: the mount then
# disappears as soon as its last user has gone.
unmount_all() {
    local m
    findmnt -rn -o TARGET | grep -F "$work/" | sort -r | while read -r m; do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
}

cleanup() {
    set +e
    [ -n "$korvel_pid" ] && kill "$korvel_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    # Anything still running inside the root (started by this test, through
    # apt or the program) would hold its mounts.
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$target" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    unmount_all
    if [ -n "$host_installed" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq korvel >/dev/null
    fi
    if [ "${KEEP:-0}" = 1 ]; then
        echo "kept: $work" >&2
    elif findmnt -rn -o TARGET | grep -qF "$work/"; then
        # Deleting through a mount that is still there would delete the host's files.
        echo "not removing $work: something is still mounted below it" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Runs a command as root in the Debian root, with a clean environment.
in_target() {
    chroot "$target" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

# A fresh Debian 12 with nothing but the minimal base and apt, able to reach the
# mirror and its security updates as an installed system would.
make_root() {
    echo "debootstrap --variant=minbase bookworm (a few minutes)" >&2
    local cache="$KORVEL_ROOT/build-package/debootstrap-cache"
    mkdir -p "$cache"
    debootstrap --variant=minbase --cache-dir="$cache" bookworm "$target" "$mirror" \
        >"$artifacts/debootstrap.log" 2>&1 || return 1
    cat >"$target/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security_mirror bookworm-security main
EOF
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    mount -t proc proc "$target/proc" || return 1
    mount -t sysfs sysfs "$target/sys" || return 1
    # rslave: unmounting these later must not unmount the host's own /dev/pts or /dev/shm.
    mount --rbind /dev "$target/dev" && mount --make-rslave "$target/dev" || return 1
    # The X server runs out here; the program inside reaches it through its socket.
    mkdir -p /tmp/.X11-unix "$target/tmp/.X11-unix"
    chmod 1777 /tmp/.X11-unix
    mount --bind /tmp/.X11-unix "$target/tmp/.X11-unix" || return 1
    in_target apt-get update -qq >"$artifacts/apt-update.log" 2>&1
}

where="a fresh Debian 12 root (debootstrap)"
[ "$mode" = host ] && where="this machine (asked for with KORVEL_INSTALL_TEST=host)"
if [ "$mode" = chroot ]; then
    mkdir -p "$target"
    if make_root; then
        pass "fresh Debian 12 root by debootstrap in $target"
    else
        echo "NOTE: could not make a Debian root here (see $artifacts/debootstrap.log);" \
            "installing the package onto this machine instead" >&2
        unmount_all
        mode=host
        where="this machine (fallback: no Debian root could be made here)"
    fi
fi
if [ "$mode" = host ]; then
    target=""
    in_target() { env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"; }
    if ! dpkg-query -W -f='${Status}' korvel 2>/dev/null | grep -q "install ok installed"; then
        host_installed=1
    fi
    apt-get update -qq
fi

# The package itself: lintian finds what Debian's policy says about it.
if lintian --tag-display-limit 0 "$deb" >"$artifacts/lintian.log" 2>&1 &&
    ! grep -qE '^[EW]: ' "$artifacts/lintian.log"; then
    pass "lintian: no errors or warnings"
else
    cat "$artifacts/lintian.log" >&2
    fail "lintian"
fi

# Installed as a user would, but without recommended packages: the package's own
# dependencies must be enough to run it.
package=/tmp/korvel.deb
[ "$mode" = host ] && package="$work/korvel.deb"
cp "$deb" "$target$package"
in_target apt-get install -y --no-install-recommends "$package" \
    >"$artifacts/apt-install.log" 2>&1 || { tail -20 "$artifacts/apt-install.log" >&2; fail "apt-get install"; }
[ "$(in_target dpkg-query -W -f='${Status}' korvel)" = "install ok installed" ] ||
    fail "dpkg does not know korvel as installed"
pass "apt-get install ./$(basename "$deb") resolved its dependencies from the mirror"

# The print module, in the multiarch library folder the program finds from its place.
module=$(in_target dpkg -L korvel | grep '^/usr/lib/.*/korvel/korvel-print\.so$' || true)
[ -n "$module" ] || fail "the print module is not in a library folder of the package"

# Every file where desktops, man and the program itself look for it.
expected=(
    /usr/bin/korvel
    "$module"
    /usr/share/korvel/korvel.hlp
    /usr/share/korvel/README.TXT
    /usr/share/applications/nl.korvel.Korvel.desktop
    /usr/share/metainfo/nl.korvel.Korvel.metainfo.xml
    /usr/share/man/man6/korvel.6.gz
    /usr/share/doc/korvel/copyright
    /usr/share/doc/korvel/changelog.gz
)
for file in "${expected[@]}"; do
    [ -f "$target$file" ] || fail "$file is not installed"
done
[ -x "$target/usr/bin/korvel" ] || fail "/usr/bin/korvel is not executable"
gzip -t "$target/usr/share/man/man6/korvel.6.gz" || fail "the man page is not a valid gzip file"
pass "installed: ${expected[*]}"

missing=$(in_target ldd /usr/bin/korvel "$module" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
[ -n "$(find "$target/usr/lib" -path '*qt6/plugins/platforms/libqxcb.so' -print -quit)" ] ||
    fail "Qt's X11 platform plugin is not installed"
pass "every library the program needs is there, and Qt's X11 platform plugin"

# SVG export goes through the module, which the installed program finds from its place.
in_target sh -c 'cd /tmp && korvel --export map m.svg && grep -q "</svg>" m.svg && rm m.svg' ||
    fail "the installed program does not write SVG"
pass "the installed program finds its module and writes SVG"

desktop="$target/usr/share/applications/nl.korvel.Korvel.desktop"
metainfo="$target/usr/share/metainfo/nl.korvel.Korvel.metainfo.xml"
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }

# The icon the desktop entry names, in each size, with the size its folder says.
icon=$(entry Icon)
for size in 32 64 256; do
    png="$target/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon named '$icon'"
    actual=$(identify -format '%wx%h' "$png")
    [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done
pass "icon '$icon' in 32x32, 64x64 and 256x256"

out=$(desktop-file-validate "$desktop" 2>&1) || true
grep -qE ': (error|warning):' <<<"$out" && fail "desktop-file-validate: $out"
pass "desktop-file-validate on the installed desktop entry"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
pass "appstreamcli validate --no-net on the installed metainfo"

# An ordinary user starts the program from an empty directory, with the command
# the desktop entry gives (less its field codes, which a launcher fills in).
if [ "$mode" = chroot ]; then
    in_target useradd --create-home --shell /bin/sh player
    home=/home/player
    in_target install -d -o player -g player "$home/euro96"
    as_user=(chroot --userspec=player:player "$target")
else
    home=$work/home
    mkdir -p "$home/euro96"
    as_user=()
fi
[ -z "$(ls -A "$target$home/euro96")" ] || fail "the start directory is not empty"
command=$(entry Exec | sed -E 's/ ?%[fFuUdDnNickvm]//g')
[ -n "$command" ] || fail "the desktop entry has no Exec"

# The X server runs on this machine; the root sees its socket through /tmp/.X11-unix.
start_private_x_server 1280x800 || fail "Xvfb did not start"
# Korvel runs without XDG_RUNTIME_DIR here, as it would from a bare session.
"${as_user[@]}" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" LANG=C.UTF-8 \
    DISPLAY="$DISPLAY" /bin/sh -c "cd $home/euro96 && exec $command" \
    >"$artifacts/korvel.log" 2>&1 &
korvel_pid=$!

# The main window and its welcome box, both called Korvel.
wait_for 60 bash -c "[ \"\$(xdotool search --onlyvisible --name '^Korvel$' | wc -l)\" -ge 2 ]" || {
    cat "$artifacts/korvel.log" >&2
    fail "no window named Korvel appeared"
}
sleep 1
import -window root "$artifacts/welcome.png"
pass "'$command' opened its window and the welcome box"

xdotool key --clearmodifiers Return
wait_for 10 bash -c '[ "$(xdotool search --onlyvisible --name "^Korvel$" | wc -l)" -eq 1 ]' ||
    fail "the welcome box did not close"
sleep 1
main=$(xdotool search --onlyvisible --name '^Korvel$' | head -n 1)
import -window root "$artifacts/korvel-installed.png"
# A window that came up but drew nothing (no fonts, no pictures) is nearly one colour.
colours=$(convert "$artifacts/korvel-installed.png" -format %k info:)
[ "$colours" -ge 32 ] || fail "the window shows only $colours colours"
pass "the main window drew the standings ($colours colours): $artifacts/korvel-installed.png"

# Docks tie a window to its desktop entry by WM_CLASS.
wm_class=$(xprop -id "$main" WM_CLASS | sed -E 's/.*= //; s/"//g; s/, / /')
wm_entry=$(entry StartupWMClass)
[ -n "$wm_entry" ] || fail "the desktop entry has no StartupWMClass (window's WM_CLASS: $wm_class)"
grep -qw -- "$wm_entry" <<<"$wm_class" ||
    fail "StartupWMClass $wm_entry is not the window's WM_CLASS ($wm_class)"
pass "WM_CLASS $wm_class matches the desktop entry's StartupWMClass"

# Help > Help reads korvel.hlp from /usr/share/korvel: the start directory has none.
xdotool key --clearmodifiers alt+h
sleep 0.5
xdotool key h
help_window() { xdotool search --onlyvisible --name '^Korvel Help$' | head -n 1; }
wait_for 10 help_window || fail "Help > Help opened nothing"
sleep 1
# Without the help file the same title comes on a small message box instead.
eval "$(xdotool getwindowgeometry --shell "$(help_window)")"
[ "$HEIGHT" -ge 300 ] || fail "Help > Help showed a ${WIDTH}x${HEIGHT} box, not the help text"
import -window root "$artifacts/help.png"
pass "Help > Help shows the installed help file (${WIDTH}x${HEIGHT})"

# File > Save results writes korvel.dat into the start directory, File > Exit leaves.
xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key s
dat="$target$home/euro96/korvel.dat"
wait_for 10 test -f "$dat" || fail "korvel.dat was not written in the start directory"
[ "$(stat -c %s "$dat")" -eq 93 ] || fail "korvel.dat is $(stat -c %s "$dat") bytes, not 93"
pass "File > Save results wrote korvel.dat (93 bytes) in the start directory"
sleep 0.3
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key e
wait_for 15 bash -c "! kill -0 $korvel_pid" || fail "Korvel did not exit"
status=0
wait "$korvel_pid" || status=$?
korvel_pid=""
[ "$status" -eq 0 ] || fail "Korvel exited with status $status"
pass "File > Exit ended the program with status 0"

# apt-get remove takes the program away and leaves the user's results alone.
in_target apt-get remove -y korvel >"$artifacts/apt-remove.log" 2>&1 || fail "apt-get remove korvel"
host_installed=""
for file in "${expected[@]}"; do
    [ ! -e "$target$file" ] || fail "$file is still there after apt-get remove"
done
[ ! -e "$target/usr/share/korvel" ] || fail "/usr/share/korvel is still there after apt-get remove"
[ -f "$dat" ] || fail "apt-get remove took the user's korvel.dat"
pass "apt-get remove korvel removed the program and kept korvel.dat"

echo "Tested on $where. Screenshots: $artifacts/"
echo "install test: $passed passed, 0 failed"
