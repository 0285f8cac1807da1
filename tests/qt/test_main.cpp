// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt tests run headless in a QApplication of their own, each in an empty working
// directory, under a watchdog: a modal window that nobody answers fails the test
// instead of hanging it.
#include "platform/qt/session/runtime_dir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

namespace {

constexpr qint64 kTestTimeLimitMs = 20000;
constexpr int kWatchdogExitStatus = 99;

class Watchdog final : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo&) override {
        clock_.start();
        gaveUp_ = false;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { clock_.invalidate(); }

    // Runs from a timer, so whenever any event loop of a test runs.
    void Check() {
        if (!clock_.isValid() || clock_.elapsed() < kTestTimeLimitMs)
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "modal window \"" << modal->windowTitle().toStdString()
                          << "\" left open; the watchdog closes it";
            modal->close();
            return;
        }
        if (!gaveUp_) {
            gaveUp_ = true;
            ADD_FAILURE() << "event loop still running after " << kTestTimeLimitMs << " ms";
            QCoreApplication::exit(kWatchdogExitStatus);
        }
    }

  private:
    QElapsedTimer clock_;
    bool gaveUp_ = false;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const RuntimeDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The program reads and writes its results file in the working directory.
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return 2;

    auto* watchdog = new Watchdog; // owned by the listener list
    ::testing::UnitTest::GetInstance()->listeners().Append(watchdog);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [watchdog] { watchdog->Check(); });
    watch.start(100);

    return RUN_ALL_TESTS();
}
