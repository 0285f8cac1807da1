#include "platform/qt/pictures.h"

#include "platform/gdi.h"

#include <QImageReader>

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

TBitmap LoadBitmap(int resId) {
    // Only the header is read here: a picture is decoded and converted when it is
    // first drawn, so the start-up pays for the pictures of the first view alone.
    const QSize size = QImageReader(PicturePath(resId)).size();
    if (!size.isValid())
        return TBitmap{};
    return TBitmap{resId, size.width(), size.height()};
}
