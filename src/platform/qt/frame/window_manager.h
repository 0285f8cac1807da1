// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a window manager will act on a request to maximise a window. On X11 that is
// one that announces itself on the root window, as every EWMH window manager does; a
// bare X server (a test's, a VNC server's) has none, and a window stays as it was put.
// Other platforms always place windows themselves.
bool WindowManagerMaximises();
