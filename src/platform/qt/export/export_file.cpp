// SPDX-License-Identifier: GPL-3.0-or-later
// Export from the command line: ExportViewFile (platform/export.h) with Qt, starting an
// offscreen application when none runs, so no display is needed.
#include "platform/export.h"
#include "platform/qt/export/view_export.h"
#include "platform/qt/session/runtime_dir.h"

#include <QGuiApplication>

#include <optional>

std::string ExportViewFile(TWindow& window, const std::string& path, int scale) {
    const RuntimeDir runtimeDir;
    int argc = 1;
    char name[] = "korvel";
    char* argv[] = {name, nullptr};
    std::optional<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        // Drawing off screen needs no display, and a display that is set but gone
        // would stop the export.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app.emplace(argc, argv);
    }
    const QByteArray file(path.data(), static_cast<qsizetype>(path.size()));
    const std::optional<PictureType> format = PictureTypeOf(path);
    if (!format)
        return "the file name ends in neither .png, .svg nor .pdf";
    return ExportView(window, file, *format, scale).toLocal8Bit().toStdString();
}
