// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/pictures.h"

#include "picture_sizes.h"
#include "platform/gdi.h"

#include <string>
#include <unordered_map>

QString PicturePath(int resId) { return QStringLiteral(":/pictures/%1.png").arg(resId); }

QString PicturePath(const char* name) {
    return QStringLiteral(":/pictures/%1.png").arg(QString::fromLatin1(name));
}

namespace {

// The program's one cache: every picture is converted to the canvas format once, so
// that copying it while drawing is a plain blit. A picture that is missing is kept
// as a null image, so it is looked for only once.
std::unordered_map<int, QImage>& Pictures() {
    static std::unordered_map<int, QImage> pictures;
    return pictures;
}

const QImage& Picture(int resId) {
    auto& pictures = Pictures();
    auto found = pictures.find(resId);
    if (found == pictures.end()) {
        QImage image(PicturePath(resId));
        if (!image.isNull())
            image = image.convertToFormat(QImage::Format_RGB32);
        found = pictures.emplace(resId, std::move(image)).first;
    }
    return found->second;
}

} // namespace

const QImage* CachedPicture(int resId) {
    const QImage& image = Picture(resId);
    return image.isNull() ? nullptr : &image;
}

QSize PictureSize(std::string_view name) {
    for (const PictureSizeEntry& entry : kPictureSizes)
        if (entry.name == name)
            return QSize(entry.width, entry.height);
    return QSize();
}

TBitmap LoadBitmap(int resId) {
    // Nothing is read here: a picture is decoded and converted when it is first drawn
    // (or warmed up once the first view is on screen).
    const QSize size = PictureSize(std::to_string(resId));
    if (!size.isValid())
        return TBitmap{};
    return TBitmap{resId, size.width(), size.height()};
}
