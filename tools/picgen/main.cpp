// SPDX-License-Identifier: GPL-3.0-or-later
// picgen: draws every picture Korvel loads and writes them as PNG files named after their
// resource ids. Run through scripts/pictures; the output must not change between runs.
#include "picgen.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace picgen {

QImage canvas(QSize size, const QColor& fill) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

} // namespace picgen

namespace {

using namespace picgen;

// Resource ids of the button flags, in team-index order (England first).
constexpr int kFlagGlyphIds[kTeamCount] = {117, 125, 111, 123, 124, 113, 121, 118,
                                           119, 115, 120, 122, 116, 112, 126, 114};

int fail(const QString& message) {
    std::fprintf(stderr, "picgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed: pictures are painted into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Draws Korvel's pictures."));
    cli.addHelpOption();
    const QCommandLineOption dataOpt(QStringLiteral("data"),
                                     QStringLiteral("Folder with the coastline data."),
                                     QStringLiteral("dir"));
    const QCommandLineOption outOpt(QStringLiteral("out"),
                                    QStringLiteral("Folder to write the pictures to."),
                                    QStringLiteral("dir"));
    const QCommandLineOption sheetOpt(
        QStringLiteral("sheet"), QStringLiteral("Contact sheet to write."), QStringLiteral("file"));
    const QCommandLineOption fontOpt(
        QStringLiteral("fonts"), QStringLiteral("Folder with DejaVuSans*.ttf."),
        QStringLiteral("dir"), QStringLiteral("/usr/share/fonts/truetype/dejavu"));
    const QCommandLineOption compareOpt(
        QStringLiteral("compare"),
        QStringLiteral("Folder of pictures to compare pixel for pixel with the drawn ones."),
        QStringLiteral("dir"));
    const QCommandLineOption compareSheetOpt(
        QStringLiteral("compare-sheet"),
        QStringLiteral("Contact sheet to compare pixel for pixel with the drawn one."),
        QStringLiteral("file"));
    cli.addOptions({dataOpt, outOpt, sheetOpt, fontOpt, compareOpt, compareSheetOpt});
    cli.process(app);
    if (!cli.isSet(dataOpt) || !cli.isSet(outOpt))
        return fail(QStringLiteral("--data and --out are required"));
    const bool comparing = cli.isSet(compareOpt) || cli.isSet(compareSheetOpt);

    QString error;
    if (!loadFonts(cli.value(fontOpt), &error))
        return fail(error);

    std::vector<Picture> pictures;
    const QImage map = drawMap(cli.value(dataOpt), &error);
    if (map.isNull())
        return fail(error);
    pictures.push_back({QStringLiteral("500"), map});
    pictures.push_back({QStringLiteral("502"), drawEmblem()});
    pictures.push_back({QStringLiteral("503"), drawCup(QSize(115, 190))});
    pictures.push_back({QStringLiteral("520"), drawCup(QSize(30, 50))});
    for (int t = 0; t < kTeamCount; ++t)
        pictures.push_back({QString::number(601 + t), drawFlag(Team(t))});
    for (int id = 101; id <= 108; ++id)
        pictures.push_back({QString::number(id), drawCommandGlyph(id)});
    // The button flags in resource-id order, which is easier to review.
    for (int id = 111; id <= 126; ++id) {
        for (int t = 0; t < kTeamCount; ++t) {
            if (kFlagGlyphIds[t] == id)
                pictures.push_back({QString::number(id), drawFlagGlyph(Team(t))});
        }
    }
    pictures.push_back({QStringLiteral("150"), drawIcon(32)});
    pictures.push_back({QStringLiteral("icon-64"), drawIcon(64)});
    pictures.push_back({QStringLiteral("icon-256"), drawIcon(256)});

    const QDir out(cli.value(outOpt));
    if (!out.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));
    for (Picture& pic : pictures) {
        pic.name += QStringLiteral(".png");
        const QString file = out.filePath(pic.name);
        if (!writePicture(pic.image, file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    const QImage sheet =
        cli.isSet(sheetOpt) || cli.isSet(compareSheetOpt) ? contactSheet(pictures) : QImage();
    if (cli.isSet(sheetOpt)) {
        const QString file = cli.value(sheetOpt);
        QDir().mkpath(QFileInfo(file).path());
        if (!writePicture(sheet, file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    if (!comparing)
        return 0;
    // Every difference is reported, not only the first, so one run shows the whole change.
    bool same = true;
    if (cli.isSet(compareOpt)) {
        const QDir tree(cli.value(compareOpt));
        for (const Picture& pic : pictures)
            same = matchesFile(pic.image, tree.filePath(pic.name)) && same;
    }
    if (cli.isSet(compareSheetOpt))
        same = matchesFile(sheet, cli.value(compareSheetOpt)) && same;
    return same ? 0 : 3;
}
