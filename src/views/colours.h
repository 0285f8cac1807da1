// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the views share beyond the basic ones, above all each group's colour.
#pragma once

#include "data/tables.h"
#include "platform/color.h"

#include <array>

inline constexpr TColor kOlive{128, 128, 0};
inline constexpr TColor kGreen{0, 128, 0};
inline constexpr TColor kDarkYellow{192, 192, 0};

// Group A olive, B light red, C light blue, D green: headings, group matches and
// the teams that came out of a group all wear it.
inline constexpr std::array<TColor, 4> kGroupColour{kOlive, TColor::LtRed, TColor::LtBlue, kGreen};

constexpr TColor GroupColourOfTeam(int team) { return kGroupColour[GroupOf(team)]; }
