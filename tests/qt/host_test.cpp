// SPDX-License-Identifier: GPL-3.0-or-later
// The helpers the tests of the Qt host share (host_test.h).
#include "host_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

ModalScript::ModalScript() {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start(10);
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || queued_ ||
        std::find(running_.begin(), running_.end(), modal) != running_.end())
        return;
    Step step;
    if (!steps_.empty()) {
        step = std::move(steps_.front());
        steps_.pop_front();
    } else if (always_) {
        step = always_;
    } else {
        ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\"";
        step = [](QWidget& w) { w.close(); };
    }
    queued_ = true;
    QTimer::singleShot(0, modal, [this, modal, step] {
        queued_ = false;
        running_.push_back(modal);
        step(*modal);
        running_.pop_back();
    });
}

QAbstractButton* BoxButton(QWidget& box, QMessageBox::StandardButton which) {
    auto* messageBox = qobject_cast<QMessageBox*>(&box);
    return messageBox ? messageBox->button(which) : nullptr;
}

ModalScript::Step Press(QString caption, QMessageBox::StandardButton which) {
    return [caption, which](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), caption);
        QAbstractButton* button = BoxButton(box, which);
        if (!button) {
            ADD_FAILURE() << "no such button in \"" << caption.toStdString() << "\"";
            box.close();
            return;
        }
        button->click();
    };
}

bool RunUntil(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

namespace {

// An event that posts itself again behind what was posted before it, at the lowest
// priority, so that it comes after a widget's repaint too, until its steps are done.
class Marker final : public QObject {
  public:
    static constexpr QEvent::Type kType = QEvent::User;
    static constexpr int kSteps = 8;

    void Post() {
        // The event queue owns the event; one still queued goes with its receiver.
        QCoreApplication::postEvent(this, new QEvent(kType), Qt::LowEventPriority);
    }
    bool Delivered() const { return steps_ == kSteps; }

  protected:
    bool event(QEvent* event) override {
        if (event->type() != kType)
            return QObject::event(event);
        if (++steps_ < kSteps)
            Post();
        return true;
    }

  private:
    int steps_ = 0;
};

} // namespace

bool RunPostedEvents() {
    Marker marker;
    marker.Post();
    // Each step is one pass of the loop; none waits for more events to come.
    const QDeadlineTimer deadline(10000);
    while (!marker.Delivered() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return marker.Delivered();
}

QLineEdit* Edit(QWidget& dialog, int id) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}

QPushButton* Button(QWidget& dialog, int id) {
    return dialog.findChild<QPushButton*>(QStringLiteral("control%1").arg(id));
}

void Type(QWidget& dialog, int id, const char* text) {
    QLineEdit* edit = Edit(dialog, id);
    ASSERT_NE(edit, nullptr) << "edit " << id;
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

PaintCounter::PaintCounter(QWidget& widget) { widget.installEventFilter(this); }

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++count;
    return false;
}

HostTest::HostTest() {
    app_.InitMainWindow();
    Client().FirstTime = 0;
    window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
}

void HostTest::Show() {
    window_->ShowMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_->Window()));
}

int HostTest::RunMainLoop(std::function<void()> start) {
    QTimer::singleShot(0, std::move(start));
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(15000);
    return QApplication::exec();
}
