// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class TWindow;

// Writes a picture of the window's current view to path; the extension names the
// format: .png (the view's pixels as the window shows them), .svg or .pdf (drawings
// with their text kept as text, the PDF one A4 landscape page). Needs no display.
// A failure leaves no file behind. Returns an empty text, or the system's reason.
// A PNG picture has scale pixels (1 to 4) for each of the window's. Each toolkit
// implementation defines it.
std::string ExportViewFile(TWindow& window, const std::string& path, int scale = 1);
