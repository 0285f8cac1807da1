// SPDX-License-Identifier: GPL-3.0-or-later
// Signals, faults, a lost display and the end of the desktop session: how the program
// keeps the user's unsaved results when it ends without being closed.
#pragma once

#include <QMetaObject>
#include <QSocketNotifier>

#include <memory>

class QSessionManager;
class QtWindowHost;
class TWindow;

// The ways the program ends without the user closing it: every signal whose default
// is to end the process, a fault, the display connection's loss (Qt's exit()) and the
// desktop session ending. A signal's handler writes the client's kept image of what
// would be lost (async-signal-safe calls only) and its number to a pipe; the main loop
// reads it and ends with status 1. A fault goes on, after the image is written, to its
// previous handler; an exit() from inside the main loop writes the image too. At most
// one watch exists at a time; it restores the signals' previous handling when it goes.
class EndingWatch final {
  public:
    EndingWatch(TWindow& client, QtWindowHost& host);
    ~EndingWatch();
    EndingWatch(const EndingWatch&) = delete;
    EndingWatch& operator=(const EndingWatch&) = delete;

    // False when the pipe or a handler could not be set up; the signals then end
    // the program the system's way.
    bool Watching() const { return notifier_ != nullptr; }

  private:
    void SignalArrived();
    void CommitData(QSessionManager& manager);

    TWindow& client_;
    QtWindowHost& host_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QMetaObject::Connection session_;
    bool ending_ = false;
};
