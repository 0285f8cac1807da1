// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures by name or resource id: as images over the built-in pixels, as
// sizes, and in the canvas's pixel format for drawing.
#pragma once

#include <QImage>
#include <QSize>

#include <string_view>

// A picture built into the program, by file name without ".png" ("500", "icon-64"):
// an image that shows the program's own pixels, without a copy; a null image when the
// program has no such picture.
QImage PictureImage(std::string_view name);

// The size of a picture built into the program; an invalid size when there is none.
QSize PictureSize(std::string_view name);

// The picture with a resource id in the canvas's pixel format, kept for the run;
// nullptr when the program has no such picture.
const QImage* CachedPicture(int resId);
