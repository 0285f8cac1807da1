// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class TWindow;

// The kinds of picture a view is written as.
enum class PictureType {
    Png,
    Svg,
    Pdf
};

// The picture type a file name asks for by its extension (.png, .svg or .pdf, in any
// case), or none. The one check of a picture's type: the command line, the export
// dialog and the writer all ask it.
inline std::optional<PictureType> PictureTypeOf(std::string_view path) {
    constexpr std::array<std::pair<std::string_view, PictureType>, 3> kExtensions{{
        {".png", PictureType::Png},
        {".svg", PictureType::Svg},
        {".pdf", PictureType::Pdf},
    }};
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (const auto& [extension, type] : kExtensions)
        if (path.size() >= extension.size() &&
            std::equal(extension.begin(), extension.end(), path.end() - extension.size(),
                       [&](char wanted, char given) { return wanted == lower(given); }))
            return type;
    return std::nullopt;
}

// Writes a picture of the window's current view to path; the extension names the
// format: .png (the view's pixels as the window shows them), .svg or .pdf (drawings
// with their text kept as text, the PDF one A4 landscape page). Needs no display.
// A failure leaves no file behind. Returns an empty text, or the system's reason.
// A PNG picture has scale pixels (1 to 4) for each of the window's. Each toolkit
// implementation defines it.
std::string ExportViewFile(TWindow& window, const std::string& path, int scale = 1);
