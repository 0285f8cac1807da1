// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"

TDrawWindow::TDrawWindow(TWindow* parent)
    : TWindow(parent, nullptr), fileOps_(&FileOps::Posix()),
      keeper_(RecoveryPlaces::ForWorkingFolder()) {}

TDrawWindow::~TDrawWindow() = default;

std::unique_ptr<TWindow> TDrawWindow::CopyForPainting() const {
    auto copy = std::make_unique<TDrawWindow>(nullptr);
    static_cast<Tournament&>(*copy) = State();
    copy->FirstTime = 0; // started up: painting it opens no welcome box
    copy->WedstrijdNummer = WedstrijdNummer;
    return copy;
}

void TDrawWindow::WedstrijdSchema() { Wedstrijd = ScheduledGames(); }
