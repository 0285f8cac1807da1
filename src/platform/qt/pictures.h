// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <string_view>

// Where a picture is compiled into the program: ":/pictures/<id>.png".
QString PicturePath(int resId);
QString PicturePath(const char* name);

// The size of a picture compiled into the program, by file name without ".png"
// ("500", "icon-64"), known when the program was built: no file is opened. An invalid
// size when the program has no such picture.
QSize PictureSize(std::string_view name);

// The picture with a resource id in the canvas's pixel format, converted once and kept
// for the run; nullptr when the program has no such picture.
const QImage* CachedPicture(int resId);
