// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction, and the schedule it starts from.
#include "app/window/draw_window.h"

TDrawWindow::TDrawWindow(TWindow* parent)
    : TWindow(parent, nullptr), fileOps_(&FileOps::Posix()),
      keeper_(RecoveryPlaces::ForWorkingFolder(kUnsavedFile)) {}

TDrawWindow::~TDrawWindow() = default;

void TDrawWindow::WedstrijdSchema() { Wedstrijd = ScheduledGames(); }
