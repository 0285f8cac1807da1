// SPDX-License-Identifier: GPL-3.0-or-later
// The frame window's menu bar and button bar, built from the program's frame description.
#pragma once

#include "platform/frame.h"

#include <map>

class QAction;

// The button glyphs are drawn at this size; given up front, it lets the icons be
// decoded when the bar is first painted rather than while it is being built.
inline constexpr int kButtonGlyphSize = 20;

class QMainWindow;
class QMenuBar;
class QStatusBar;
class QToolBar;

// The menu bar from the frame's menu: every command sends its id to the client, shows
// its hint in the status bar while highlighted, and asks the client's command enablers
// for its check mark and state each time its menu opens. The frame's accelerators
// become shortcuts of their commands. Returns the command actions by id.
std::map<int, QAction*> BuildMenuBar(QMenuBar& bar, const TDecoratedFrame& frame,
                                     QStatusBar& status);

// The button bar from the frame's control bar: a glyph button per command,
// fixed gaps for the separators.
void BuildButtonBar(QToolBar& bar, const TDecoratedFrame& frame, QStatusBar& status);
