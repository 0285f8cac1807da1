// SPDX-License-Identifier: GPL-3.0-or-later
// The table of pictures built into the program, which the build writes from the PNG
// files; pictures.h is how the rest of the program reaches them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A picture built into the program as its pixels (tools/pixels writes them from the
// PNG files when the program is built): nothing is decoded while the program runs.
struct PicturePixels {
    std::string_view name; // the file name without ".png": "500", "icon-64"
    int width;
    int height;
    bool alpha;                  // 32-bit ARGB; else 32-bit RGB
    const std::uint32_t* pixels; // width * height values, row by row
};

// Every picture of the program, in the source that the build makes.
std::span<const PicturePixels> BuiltInPictures();
