// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/pictures.h"

#include "data/draw_window.h"

TBitmap hUKMap;
TBitmap hLOGO;
TBitmap hUEFACUP;
TBitmap hCUPKLEIN;
std::array<TBitmap, kTeams> hVlag;

void LoadPictures() {
    hUKMap = LoadBitmap(kMapBitmap);
    hLOGO = LoadBitmap(kLogoBitmap);
    hUEFACUP = LoadBitmap(kTrophyBitmap);
    hCUPKLEIN = LoadBitmap(kSmallCupBitmap);
    for (int i = 0; i < kTeams; ++i)
        hVlag[i] = LoadBitmap(kFirstFlagBitmap + i);
}

// The emblem, which the standings and the schedule both show: between the group
// tables and the knock-out tree, and between the schedule's two columns.
void TDrawWindow::TekenLogos() {
    TClientDC dc(*this);
    dc.CopyBitmap(hLOGO, 300, 70);
}
