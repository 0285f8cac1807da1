#include "platform/frame.h"

#include <QApplication>

int TApplication::Run() {
    int argc = 1;
    char name[] = "korvel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    InitMainWindow();
    return 0;
}

TBitmap LoadBitmap(int resId) { return TBitmap{resId, 0, 0}; }
