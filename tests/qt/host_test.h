// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the Qt host share: a script that answers modal windows as they
// open, ways to run the event loop until something has happened, the result dialog's
// controls by id, and the fixture that builds the program's frame around its window.
#pragma once

#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "platform/qt/frame/frame_window.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

// Answers modal windows as they open. Each step runs from the event queue, not from
// the polling timer, so a step that opens another modal window (OK pressed, the dialog
// answers with a box) leaves the timer free to answer that one too. A window whose step
// is still running is not answered again.
class ModalScript {
  public:
    using Step = std::function<void(QWidget&)>;

    ModalScript();

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // Answers every further window the same way; for boxes that come in numbers.
    void Always(Step step) { always_ = std::move(step); }
    bool Done() const { return steps_.empty(); }

  private:
    void Poll();

    QTimer poll_;
    std::deque<Step> steps_;
    Step always_;
    bool queued_ = false;
    std::vector<QWidget*> running_;
};

QAbstractButton* BoxButton(QWidget& box, QMessageBox::StandardButton which);

// A step that checks the window is the box with this caption and presses a button.
ModalScript::Step Press(QString caption, QMessageBox::StandardButton which);

// Runs the event loop until the condition holds (or gives up after a while).
bool RunUntil(const std::function<bool()>& condition, int ms = 10000);

// Runs the event loop until the events posted so far have been delivered, and those
// they post in turn, a handful of steps deep (a request that queues a render, the render
// that queues the canvas's repaint). A test that proves something did not happen waits
// for this, not for a while: it is over as soon as the thing would have happened.
bool RunPostedEvents();

// The result dialog's controls by their template ids.
QLineEdit* Edit(QWidget& dialog, int id);
QPushButton* Button(QWidget& dialog, int id);
void Type(QWidget& dialog, int id, const char* text);

// Counts the paint events of a widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget);
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override;
};

class HostTest : public ::testing::Test {
  protected:
    HostTest();

    TDrawWindow& Client() { return static_cast<TDrawWindow&>(app_.GetMainWindow()->Client()); }

    void Show();

    // Runs the program's main loop until it ends; a test that never ends it gets 99.
    static int RunMainLoop(std::function<void()> start);

    TDrawApp app_;
    std::unique_ptr<QtFrameWindow> window_;
};
