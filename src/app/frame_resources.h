// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's resources as constant tables: menus, status-bar hints, accelerators, extra
// keys and the button bar.
#pragma once

#include "platform/frame.h"

#include <array>
#include <span>

// Menu 100: the menu bar, a separator between each two popups.
std::span<const MenuItem> MainMenu();
// String table 101..127: the status-bar hints, keyed by command id.
std::span<const HintString> HintStrings();
// Accelerator table 100: Alt+F9 leaves.
std::span<const Accelerator> Accelerators();
// Keys beside the menus: F1 help, Ctrl+S save, Ctrl+Q exit, Ctrl+P print, Ctrl+E export.
std::span<const FrameShortcut> FrameShortcuts();
// The button bar, left to right: buttons and 6-pixel gaps.
std::span<const TGadget> ButtonBar();
