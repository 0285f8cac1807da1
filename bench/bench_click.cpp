// SPDX-License-Identifier: GPL-3.0-or-later
// A click on a match line of the schedule until the result dialog is up, as a user
// enters a score: the hit test, the dialog built from its template and shown. Timed
// from the mouse press to the moment the dialog's Show event reaches it, and apart
// from that to the moment its first paint has been done and the event loop is free
// again (the dialog on screen). The dialog is then cancelled, outside the measurement.
#include "frame.h"
#include "tournaments.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// The schedule's left column has one group match per 15-pixel line.
constexpr int kLineHeight = 15;
constexpr int kMatchClicked = 3;
constexpr int kGiveUpMs = 5000;

enum class Until {
    Shown,
    Painted
};

// Watches every event of the application for the first modal dialog to appear.
class DialogWatch final : public QObject {
  public:
    explicit DialogWatch(Until until) : until_(until) {
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [this] { GiveUp(); });
    }

    void Arm() {
        shown_.reset();
        end_.reset();
        dialog_ = nullptr;
        cancelQueued_ = false;
        gaveUp_ = false;
        guard_.start(kGiveUpMs);
    }
    bool Complete() const { return end_.has_value() && !gaveUp_; }
    Clock::time_point End() const { return *end_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (cancelQueued_ || (event->type() != QEvent::Show && event->type() != QEvent::Paint))
            return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog)
            return false;
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = Clock::now();
            dialog_ = dialog;
            if (until_ == Until::Shown) {
                end_ = shown_;
                QueueCancel();
            }
        } else if (event->type() == QEvent::Paint && dialog == dialog_) {
            // Runs once the paint and its flush are over and the loop is idle again.
            QueueCancel([this] { end_ = Clock::now(); });
        }
        return false;
    }

  private:
    void QueueCancel(std::function<void()> before = [] {}) {
        cancelQueued_ = true;
        QDialog* dialog = dialog_;
        QTimer::singleShot(0, dialog, [this, dialog, before] {
            before();
            guard_.stop();
            Cancel(*dialog);
        });
    }

    static void Cancel(QDialog& dialog) {
        // The dialog's own Cancel button: the template's control with the id IDCANCEL.
        if (auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("control2")))
            cancel->click();
        else
            dialog.reject();
    }

    void GiveUp() {
        gaveUp_ = true;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }

    Until until_;
    QTimer guard_;
    std::optional<Clock::time_point> shown_;
    std::optional<Clock::time_point> end_;
    QDialog* dialog_ = nullptr;
    bool cancelQueued_ = false;
    bool gaveUp_ = false;
};

void ClickToResultDialog(benchmark::State& state, Until until) {
    BenchFrame frame;
    if (!frame.Shown()) {
        state.SkipWithError("the frame did not show");
        return;
    }
    TDrawWindow& client = frame.Client();
    FullTournament(client);
    client.SchermType = 1;
    frame.Render();
    QCoreApplication::processEvents();

    QWidget* canvas = frame.Window().Canvas();
    const QPoint matchLine(100, kMatchClicked * kLineHeight + kLineHeight / 2);
    DialogWatch watch(until);
    qApp->installEventFilter(&watch);
    for (auto _ : state) {
        watch.Arm();
        const Clock::time_point start = Clock::now();
        // Returns when the dialog has closed: the press runs it modally.
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, matchLine);
        if (!watch.Complete()) {
            state.SkipWithError("the click did not bring up the result dialog");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(watch.End() - start).count());
        // The repaint the closed dialog asked for, outside the measurement.
        frame.Window().RunPendingRenders();
        QCoreApplication::processEvents();
    }
    qApp->removeEventFilter(&watch);
    if (client.MoetSaven != 0 || client.WedstrijdNummer != kMatchClicked)
        state.SkipWithError("the click did not select the match, or Cancel stored a result");
}

BENCHMARK_CAPTURE(ClickToResultDialog, shown, Until::Shown)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClickToResultDialog, painted, Until::Painted)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
