#pragma once

#include <QImage>
#include <QString>

// Where a picture is compiled into the program: ":/pictures/<id>.png".
QString PicturePath(int resId);
QString PicturePath(const char* name);

// The picture with a resource id in the canvas's pixel format, converted once and kept
// for the run; nullptr when the program has no such picture.
const QImage* CachedPicture(int resId);
