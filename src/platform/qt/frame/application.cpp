// SPDX-License-Identifier: GPL-3.0-or-later
// TApplication::Run for Qt: checks for a display, starts the application, builds the frame
// window and watches for the ways the program can end without the user closing it.
#include "platform/frame.h"
#include "platform/qt/frame/frame_window.h"
#include "platform/qt/session/ending.h"
#include "platform/qt/session/runtime_dir.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

int TApplication::Run() {
    // Without a display Qt would abort in its plugin loader with advice that does not
    // apply; a platform asked for by name is the user's to judge.
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
        std::fputs("korvel: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
                   "unset); korvel --export and korvel --text need none\n",
                   stderr);
        return 1;
    }
    const RuntimeDir runtimeDir;
    int argc = 1;
    char name[] = "korvel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    // The desktop entry's name: on Wayland it is the window's app id, by which the
    // desktop finds the launcher and icon that go with the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.korvel.Korvel"));
    // The program brings every picture it shows; the boxes take Qt's own icons rather
    // than searching the desktop's icon themes on disk, which costs tens of
    // milliseconds at start-up where large themes are installed.
    QIcon::setThemeSearchPaths({QStringLiteral(":/no-icon-themes")});

    InitMainWindow();
    TDecoratedFrame* frame = GetMainWindow();
    if (!frame)
        return 1;
    QtFrameWindow window(*frame);
    const EndingWatch ending(frame->Client(), window.Host());
    window.ShowMaximized();
    return QApplication::exec();
}
