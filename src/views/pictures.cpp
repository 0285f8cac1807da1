// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the views' pictures at start-up, and draws the emblem.
#include "views/pictures.h"

#include "views/draw.h"

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

void DrawEmblem(TWindow& target) {
    TClientDC dc(target);
    dc.CopyBitmap(hLOGO, 300, 70);
}
