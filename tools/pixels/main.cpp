// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the program's pictures into it as pixels: reads each PNG file and writes a C++
// source with its pixels, as QImage decodes them, so that the program never decodes a
// picture while it runs.
//
//   korvel_pixels OUTPUT.cpp PICTURE.png...
//
// Each picture is named after its file without ".png". Opaque pictures are written as
// 32-bit RGB, pictures with transparent pixels as 32-bit ARGB, one 32-bit value a pixel.
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

constexpr int kValuesPerLine = 8;

QByteArray Source(const QStringList& files, QString& error) {
    QByteArray pixels;
    QByteArray table;
    int index = 0;
    for (const QString& file : files) {
        QImage image(file);
        if (image.isNull()) {
            error = file + QStringLiteral(": not a picture that can be read");
            return {};
        }
        if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
            image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
        const bool alpha = image.format() == QImage::Format_ARGB32;
        pixels += QStringLiteral("// %1, %2 x %3\nconstexpr std::uint32_t k%4[] = {")
                      .arg(QFileInfo(file).fileName())
                      .arg(image.width())
                      .arg(image.height())
                      .arg(index)
                      .toUtf8();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, ++count) {
                pixels += count % kValuesPerLine == 0 ? "\n    " : " ";
                pixels +=
                    QByteArray("0x") + QByteArray::number(row[x], 16).rightJustified(8, '0') + ',';
            }
        }
        pixels += "\n};\n\n";
        table += QStringLiteral("    {\"%1\", %2, %3, %4, k%5},\n")
                     .arg(QFileInfo(file).completeBaseName())
                     .arg(image.width())
                     .arg(image.height())
                     .arg(alpha ? QStringLiteral("true") : QStringLiteral("false"))
                     .arg(index)
                     .toUtf8();
        ++index;
    }
    return QByteArray("// Made by korvel_pixels when the program is built; do not edit.\n"
                      "#include \"platform/qt/canvas/picture_pixels.h\"\n\n"
                      "#include <cstdint>\n\n"
                      "namespace {\n\n") +
           pixels + "constexpr PicturePixels kPictures[] = {\n" + table +
           "};\n\n} // namespace\n\n"
           "std::span<const PicturePixels> BuiltInPictures() { return kPictures; }\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: korvel_pixels OUTPUT.cpp PICTURE.png...\n", stderr);
        return 2;
    }
    QStringList files;
    for (int i = 2; i < argc; ++i)
        files << QString::fromLocal8Bit(argv[i]);
    QString error;
    const QByteArray source = Source(files, error);
    if (source.isEmpty()) {
        std::fprintf(stderr, "korvel_pixels: %s\n", qPrintable(error));
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit()) {
        std::fprintf(stderr, "korvel_pixels: %s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
