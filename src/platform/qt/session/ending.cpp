// SPDX-License-Identifier: GPL-3.0-or-later
// The signal and fault handlers, the pipe that hands a signal to the main loop, the exit()
// hook for a lost display, and the answer to the session manager's request to save.
#include "platform/qt/session/ending.h"

#include "platform/qt/frame/qt_host.h"
#include "platform/unsaved_keeper.h"
#include "platform/window.h"

#include <QGuiApplication>
#include <QObject>
#include <QSessionManager>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Signals whose default is to end the process: each ends the main loop as TERM does.
constexpr std::array kEndingSignals{SIGTERM, SIGINT,  SIGHUP,    SIGQUIT,  SIGUSR1, SIGUSR2,
                                    SIGPIPE, SIGALRM, SIGVTALRM, SIGPROF,  SIGIO,   SIGPWR,
                                    SIGXCPU, SIGSYS,  SIGTRAP,   SIGSTKFLT};
// A fault in the program itself: the results are written, best effort, and the signal
// then goes to whoever handled it before (the system, or a sanitizer that reports it).
constexpr std::array kCrashSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// What a handler may reach: the pipe between the handlers and the main loop (the one
// thing a handler may safely do besides writing the keeper's image), and the keeper.
std::array<int, 2> signalPipe{-1, -1};
std::atomic<UnsavedKeeper*> keeper{nullptr};
std::vector<std::pair<int, struct sigaction>> previous;

extern "C" void OnSignal(int number) {
    const int saved = errno;
    // Written here, at once, so that a main loop held up elsewhere loses nothing.
    if (UnsavedKeeper* const k = keeper.load())
        k->Keep();
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: a full pipe already holds a signal for the loop.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

extern "C" void OnCrash(int number, siginfo_t* info, void*) {
    if (UnsavedKeeper* const k = keeper.load())
        k->Keep();
    for (const auto& [signal, action] : previous)
        if (signal == number)
            ::sigaction(number, &action, nullptr);
    // A fault comes back when the instruction runs again; a signal sent is sent again.
    if (info == nullptr || info->si_code <= 0)
        ::raise(number);
}

// Qt ends the process through exit() when the display connection breaks; the main
// loop never returns then, and the watch is still in place.
extern "C" void OnExit() {
    if (UnsavedKeeper* const k = keeper.load())
        k->Keep();
}

void ClosePipe() {
    for (int& fd : signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

int RealTimeSignals() { return SIGRTMAX - SIGRTMIN + 1; }

} // namespace

EndingWatch::EndingWatch(TWindow& client, QtWindowHost& host) : client_(client), host_(host) {
    session_ = QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
        [this](QSessionManager& manager) { CommitData(manager); }, Qt::DirectConnection);
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    keeper.store(client_.Keeper());
    static const bool hooked = std::atexit(&OnExit) == 0;
    (void)hooked;
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    auto install = [](int number, const struct sigaction& with) {
        struct sigaction old {};
        if (::sigaction(number, &with, &old) == 0)
            previous.emplace_back(number, old);
    };
    for (const int number : kEndingSignals)
        install(number, action);
    for (int i = 0; i < RealTimeSignals(); ++i)
        install(SIGRTMIN + i, action);
    struct sigaction crash {};
    crash.sa_sigaction = &OnCrash;
    sigemptyset(&crash.sa_mask);
    crash.sa_flags = SA_SIGINFO | SA_NODEFER | SA_RESETHAND;
    for (const int number : kCrashSignals)
        install(number, crash);
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { SignalArrived(); });
}

EndingWatch::~EndingWatch() {
    QObject::disconnect(session_);
    if (!notifier_)
        return;
    // The main loop has returned: how the program ends from here is the user's choice.
    keeper.store(nullptr);
    for (const auto& [number, action] : previous)
        ::sigaction(number, &action, nullptr);
    previous.clear();
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
