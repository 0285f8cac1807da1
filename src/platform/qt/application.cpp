#include "platform/frame.h"
#include "platform/qt/frame_window.h"
#include "platform/qt/runtime_dir.h"

#include <QApplication>

int TApplication::Run() {
    const RuntimeDir runtimeDir;
    int argc = 1;
    char name[] = "korvel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));

    InitMainWindow();
    TDecoratedFrame* frame = GetMainWindow();
    if (!frame)
        return 1;
    QtFrameWindow window(*frame);
    window.ShowMaximized();
    return QApplication::exec();
}
