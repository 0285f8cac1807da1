// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ending.h"

#include "platform/qt/qt_host.h"
#include "platform/window.h"

#include <QGuiApplication>
#include <QObject>
#include <QSessionManager>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// The pipe between the signal handler and the main loop: the one thing a handler
// may safely do is write to it.
std::array<int, 2> signalPipe{-1, -1};
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void OnSignal(int number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: a full pipe already holds a signal for the loop.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void ClosePipe() {
    for (int& fd : signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

EndingWatch::EndingWatch(TWindow& client, QtWindowHost& host) : client_(client), host_(host) {
    session_ = QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
        [this](QSessionManager& manager) { CommitData(manager); }, Qt::DirectConnection);
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { SignalArrived(); });
}

EndingWatch::~EndingWatch() {
    QObject::disconnect(session_);
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    notifier_.reset();
    ClosePipe();
}

void EndingWatch::SignalArrived() {
    unsigned char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    // The same ending twice would write the same results twice; once is enough.
    if (ending_)
        return;
    ending_ = true;
    host_.EndNow(client_.EndAtOnce());
}

void EndingWatch::CommitData(QSessionManager& manager) {
    bool asked = false;
    const bool stay = !client_.EndSession([&manager, &asked] {
        asked = manager.allowsInteraction();
        return asked;
    });
    if (stay)
        manager.cancel();
    if (asked)
        manager.release();
}
