// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the views draw (map, emblem, trophy, cup, flags): their resource ids and
// the handles loaded once for the run.
#pragma once

#include "data/tables.h"
#include "platform/gdi.h"

#include <array>

// Picture resource ids.
inline constexpr int kMapBitmap = 500;
inline constexpr int kLogoBitmap = 502;
inline constexpr int kTrophyBitmap = 503;
inline constexpr int kSmallCupBitmap = 520;
inline constexpr int kFirstFlagBitmap = 601; // + team index

// The pictures the views copy, loaded once at start-up and kept for the run.
extern TBitmap hUKMap;
extern TBitmap hLOGO;
extern TBitmap hUEFACUP;
extern TBitmap hCUPKLEIN;
extern std::array<TBitmap, kTeams> hVlag;

void LoadPictures();
