// SPDX-License-Identifier: GPL-3.0-or-later
// The colours, points and rectangles the views draw with, as plain values without a
// toolkit.
#pragma once

#include <cstdint>

// A 24-bit colour. The named constants keep the view code readable next to the
// colour table the views are laid out with.
struct TColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr TColor() = default;
    constexpr TColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : r(red), g(green), b(blue) {}

    friend constexpr bool operator==(TColor, TColor) = default;

    static const TColor Black;
    static const TColor Gray;
    static const TColor LtGray;
    static const TColor LtRed;
    static const TColor LtBlue;
    static const TColor White;
};

inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::Gray{128, 128, 128};
inline constexpr TColor TColor::LtGray{192, 192, 192};
inline constexpr TColor TColor::LtRed{255, 0, 0};
inline constexpr TColor TColor::LtBlue{0, 0, 255};
inline constexpr TColor TColor::White{255, 255, 255};

struct TPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(TPoint, TPoint) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(TRect, TRect) = default;
};
