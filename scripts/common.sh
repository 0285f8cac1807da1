# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts: package installation and the environment Qt wants.
# shellcheck shell=bash

KORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building Korvel needs, and what running it needs on top of the build: Qt's
# platform plugins for X11 (qt6-qpa-plugins) and for Wayland without X (qt6-wayland).
KORVEL_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins
                       qt6-wayland libgl-dev libxcb1-dev fonts-dejavu-core)
KORVEL_TEST_PACKAGES=(googletest libgtest-dev xvfb xauth xdotool x11-utils x11vnc imagemagick clang-format libbenchmark-dev
                      desktop-file-utils appstream libxml2-utils dpkg-dev groff-base poppler-utils
                      at-spi2-core python3-pyatspi dbus-x11 sway wtype grim
                      orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox)

# Installs the Debian packages that are not installed yet; does nothing when all are.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Qt warns when XDG_RUNTIME_DIR is unset, as it is under CI and over ssh. A folder
# made here belongs to the script: remove_runtime_dir, from its exit trap, removes it.
KORVEL_OWN_RUNTIME_DIR=""
ensure_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/korvel-runtime.XXXXXX")
        chmod 700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
        KORVEL_OWN_RUNTIME_DIR=$XDG_RUNTIME_DIR
    fi
}
remove_runtime_dir() {
    [ -n "$KORVEL_OWN_RUNTIME_DIR" ] && rm -rf "$KORVEL_OWN_RUNTIME_DIR"
    KORVEL_OWN_RUNTIME_DIR=""
    return 0
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

# A private X server on a free display number with one screen of the size given
# (WIDTHxHEIGHT), for Qt's xcb platform: sets DISPLAY and xvfb_pid (the caller ends it
# with stop_private_x_server); fails when the server does not report its display within
# 20 s or does not answer on it. Its messages go to the file named second, or nowhere.
# It runs as a job of its own, so that under set -m a Ctrl+C at the terminal reaches the
# script and not the server. Without -noreset the server resets each time its last
# client leaves, and a client connecting during the reset (Korvel right after xdpyinfo
# or the accessibility bus launcher let go) is turned away.
start_private_x_server() {
    local size=${1:?start_private_x_server needs the screen size, WIDTHxHEIGHT}
    local log=${2:-/dev/null} reported display=""
    reported=$(mktemp "${TMPDIR:-/tmp}/korvel-display.XXXXXX") || return 1
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$reported" >"$log" 2>&1 &
    xvfb_pid=$!
    local deadline=$((SECONDS + 20))
    until [ -s "$reported" ] && read -r display <"$reported" && [ -n "$display" ]; do
        if [ $SECONDS -gt $deadline ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            rm -f "$reported"
            return 1
        fi
        sleep 0.05
    done
    rm -f "$reported"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    # A client may only start once the server takes connections on that display.
    if command -v xdpyinfo >/dev/null; then
        wait_for 10 xdpyinfo || return 1
    fi
}

# Ends the private X server and waits until it is gone, so that the display number
# and its sockets are free again before the next server may take them.
stop_private_x_server() {
    [ -n "${xvfb_pid:-}" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait_for 5 eval '! kill -0 "$xvfb_pid"' || kill -KILL "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}
