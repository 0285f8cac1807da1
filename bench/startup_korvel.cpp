// SPDX-License-Identifier: GPL-3.0-or-later
// Korvel started as a user starts it, for timing the whole process: the program's own
// main, followed from outside its code by an event filter that Qt installs as the
// application object is made. It answers the welcome box once the box has been drawn,
// and ends the run when the canvas has been put on screen after the render that
// follows the box. Nothing in the program itself knows it is being timed.
//
// With KORVEL_STARTUP_TRACE set it writes to stderr when each step was reached,
// counted from the moment the program's code starts (after the dynamic loader).
#include "app/draw_app.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kGiveUpMs = 20000;
constexpr int kGaveUpStatus = 3;

const auto kLoaded = std::chrono::steady_clock::now();
const bool kTrace = std::getenv("KORVEL_STARTUP_TRACE") != nullptr;

void Trace(const char* step) {
    if (!kTrace)
        return;
    const std::chrono::duration<double, std::milli> since =
        std::chrono::steady_clock::now() - kLoaded;
    std::fprintf(stderr, "%8.2f ms  %s\n", since.count(), step);
}

// The end of the process as far as the program's code goes: every destructor has run.
struct TraceExit {
    ~TraceExit() { Trace("main returned, everything destroyed"); }
} traceExit;

class StartupDriver final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            if (!watchdog_)
                Trace("frame built, shown");
            StartWatchdog();
            if (qobject_cast<QDialog*>(watched))
                Trace("welcome box shown");
            break;
        case QEvent::Paint:
            if (auto* box = qobject_cast<QDialog*>(watched); box && box->isModal() && !answered_) {
                Trace("welcome box painted");
                AnswerOnceDrawn(*box);
            } else if (IsCanvas(watched) && !ending_) {
                Trace("canvas painted");
                if (renderAfterBoxQueued_)
                    EndOnceShown();
            }
            break;
        case QEvent::MetaCall:
            // The render loop queues its renders as calls on the canvas widget; the first
            // one queued after the box is the render that shows the loaded results.
            if (IsCanvas(watched)) {
                Trace("render starts");
                if (answered_)
                    renderAfterBoxQueued_ = true;
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    static bool IsCanvas(const QObject* object) {
        return object->objectName() == QLatin1String("canvas");
    }

    void StartWatchdog() {
        if (watchdog_)
            return;
        watchdog_ = new QTimer(this);
        watchdog_->setSingleShot(true);
        QObject::connect(watchdog_, &QTimer::timeout, [] {
            std::fputs("korvel_startup: the first view did not come up; giving up\n", stderr);
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            QCoreApplication::exit(kGaveUpStatus);
        });
        watchdog_->start(kGiveUpMs);
    }

    // The box's paint is still running now; it is answered from the event loop after it.
    void AnswerOnceDrawn(QDialog& box) {
        answered_ = true;
        QTimer::singleShot(0, &box, [&box] {
            Trace("welcome box answered");
            auto* messageBox = qobject_cast<QMessageBox*>(&box);
            if (QPushButton* button = messageBox ? messageBox->defaultButton() : nullptr)
                button->click();
            else
                box.accept();
        });
    }

    void EndOnceShown() {
        Trace("first view on screen again: ending");
        ending_ = true;
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }

    QTimer* watchdog_ = nullptr;
    bool answered_ = false;
    bool renderAfterBoxQueued_ = false;
    bool ending_ = false;
};

void InstallStartupDriver() {
    Trace("application object made");
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new StartupDriver(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartupDriver)

int main() {
    Trace("main");
    TDrawApp app;
    return app.Run();
}
