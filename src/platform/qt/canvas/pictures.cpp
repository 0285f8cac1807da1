// SPDX-License-Identifier: GPL-3.0-or-later
// Finds pictures among the built-in ones, keeps each in the canvas's format once it is
// first drawn, and gives the views their bitmaps (LoadBitmap of gdi.h) with their sizes.
#include "platform/qt/canvas/pictures.h"

#include "platform/gdi.h"
#include "platform/qt/canvas/picture_pixels.h"

#include <string>
#include <unordered_map>

namespace {

const PicturePixels* Find(std::string_view name) {
    for (const PicturePixels& picture : BuiltInPictures())
        if (picture.name == name)
            return &picture;
    return nullptr;
}

// The program's one cache: every picture in the canvas format, so that copying it while
// drawing is a plain blit. Opaque pictures are in that format already and are shown
// from the program's own pixels; the others are converted once. A picture that is
// missing is kept as a null image, so it is looked for only once.
std::unordered_map<int, QImage>& Pictures() {
    static std::unordered_map<int, QImage> pictures;
    return pictures;
}

const QImage& Picture(int resId) {
    auto& pictures = Pictures();
    auto found = pictures.find(resId);
    if (found == pictures.end()) {
        QImage image = PictureImage(std::to_string(resId));
        if (!image.isNull())
            image = image.convertToFormat(QImage::Format_RGB32);
        found = pictures.emplace(resId, std::move(image)).first;
    }
    return found->second;
}

} // namespace

QImage PictureImage(std::string_view name) {
    const PicturePixels* picture = Find(name);
    if (!picture)
        return QImage();
    // Read-only: the image never writes to the program's pixels, a change makes a copy.
    return QImage(reinterpret_cast<const uchar*>(picture->pixels), picture->width, picture->height,
                  picture->width * qsizetype(sizeof(std::uint32_t)),
                  picture->alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

QSize PictureSize(std::string_view name) {
    const PicturePixels* picture = Find(name);
    return picture ? QSize(picture->width, picture->height) : QSize();
}

const QImage* CachedPicture(int resId) {
    const QImage& image = Picture(resId);
    return image.isNull() ? nullptr : &image;
}

TBitmap LoadBitmap(int resId) {
    const QSize size = PictureSize(std::to_string(resId));
    if (!size.isValid())
        return TBitmap{};
    return TBitmap{resId, size.width(), size.height()};
}
