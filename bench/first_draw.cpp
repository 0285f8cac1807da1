// SPDX-License-Identifier: GPL-3.0-or-later
// The first render of every page in a frame just built, as a user meets it: the frame
// shown with the 1996 results, left alone until it has painted its pages ahead in idle
// time, then each page (the standings, the schedule, the map, the sixteen team pages)
// rendered once and timed. Prints one line per page, "first draw <page> <µs>".
//
// With --memory it then also prints the resident memory with the window maximised, at
// 5000 x 5000 pixels and maximised again ("rss <state> MiB <value>"). With --cold it
// renders the pages as soon as the frame is on screen, before they are painted ahead:
// what the first renders cost without the warm-up.
#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "platform/qt/frame/frame_window.h"
#include "platform/qt/session/runtime_dir.h"
#include "tournaments.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kSettleMs = 300;
constexpr int kLargeWindow = 5000;

double ResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    const bool memory = argc > 1 && std::strcmp(argv[1], "--memory") == 0;
    const bool cold = argc > 1 && std::strcmp(argv[1], "--cold") == 0;
    const RuntimeDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return 2;

    TDrawApp app;
    app.InitMainWindow();
    auto& client = static_cast<TDrawWindow&>(app.GetMainWindow()->Client());
    client.FirstTime = 0;
    FullTournament(client);
    QtFrameWindow window(*app.GetMainWindow());
    window.ShowMaximized();
    if (!QTest::qWaitForWindowExposed(&window.Window()) ||
        (!cold && !QTest::qWaitFor([&] { return window.Host().WarmedUp(); }, kWaitMs))) {
        std::fputs("korvel_first_draw: the frame did not show and settle\n", stderr);
        return 1;
    }

    struct Page {
        std::string name;
        int view;
        int team;
    };
    std::vector<Page> pages{{"standings", 0, 0}, {"schedule", 1, 0}, {"map", 2, 0}};
    for (int team = 0; team < kTeams; ++team)
        pages.push_back({"team" + std::to_string(team), 3, team});
    for (const Page& page : pages) {
        client.SchermType = page.view;
        client.TeamToShow = page.team;
        const int before = window.RenderCount();
        QElapsedTimer timer;
        timer.start();
        window.Host().Invalidate();
        window.RunPendingRenders();
        const qint64 ns = timer.nsecsElapsed();
        if (window.RenderCount() != before + 1) {
            std::fputs("korvel_first_draw: a page did not render exactly once\n", stderr);
            return 1;
        }
        std::printf("first draw %s %.1f\n", page.name.c_str(), ns / 1000.0);
        QCoreApplication::processEvents();
    }

    if (memory) {
        client.SchermType = 0;
        client.Invalidate();
        QTest::qWait(kSettleMs);
        std::printf("rss maximised MiB %.1f\n", ResidentMiB());
        QMainWindow& frame = window.Window();
        const QRect maximised = frame.geometry();
        frame.setWindowState(Qt::WindowNoState);
        frame.setGeometry(QRect(maximised.topLeft(), QSize(kLargeWindow, kLargeWindow)));
        QTest::qWait(kSettleMs);
        std::printf("rss %dx%d MiB %.1f\n", frame.width(), frame.height(), ResidentMiB());
        frame.setGeometry(maximised);
        QTest::qWait(kSettleMs);
        std::printf("rss shrunk MiB %.1f\n", ResidentMiB());
    }
    return 0;
}
