// SPDX-License-Identifier: GPL-3.0-or-later
// How the dialogs turn what the user typed into a number (scores, a time zone's offset).
#pragma once

#include <cstdint>
#include <string_view>

// Reads text the way every dialog reads it: leading white space skipped, an
// optional sign, then digits up to the first non-digit; no digits give 0. Values
// beyond 32 bits saturate instead of overflowing.
std::int32_t TextToNumber(std::string_view text);
