// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/frame/qt_host.h"

#include "platform/dialog.h"
#include "platform/qt/accessibility/canvas_accessible.h"
#include "platform/qt/canvas/canvas_surface.h"
#include "platform/qt/canvas/utf8.h"
#include "platform/qt/canvas/warm_surface.h"
#include "platform/qt/frame/template_dialog.h"
#include "platform/qt/help/help_viewer.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kRefocusDelayMs = 100;
// The pages are painted ahead a moment after the first view is on screen, and, while a
// render or a modal window keeps the program busy, tried again a little later.
constexpr int kWarmUpDelayMs = 50;
constexpr int kWarmUpRetryMs = 200;

QMessageBox::Icon BoxIcon(unsigned style) {
    switch (style & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

struct BoxButton {
    QMessageBox::StandardButton button;
    int answer;
};

// A box's buttons in the order they show; the last one is also what Escape and the
// close box answer (OK alone, Cancel, No), so a box closed without a choice refuses.
struct BoxButtons {
    BoxButton first;
    BoxButton second; // button NoButton when the box has one button
};

BoxButtons ButtonsOf(unsigned style) {
    switch (style & MB_BUTTONMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    default:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::NoButton, 0}};
    }
}

} // namespace

QtWindowHost::QtWindowHost(TWindow& client)
    : client_(client), canvas_(QSize(Canvas::kWidth, Canvas::kHeight)) {
    client_.SetHost(this);
}

QtWindowHost::~QtWindowHost() {
    if (client_.Host() == this)
        client_.SetHost(nullptr);
    canvas_.EndPainting();
}

void QtWindowHost::Attach(QWidget* canvasWidget, QWidget* frame) {
    widget_ = canvasWidget;
    frame_ = frame;
    InstallCanvasAccessibility();
    // The view is where the keyboard starts, so that a reader reads it first.
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

void QtWindowHost::StartReading() {
    if (drawn_)
        return;
    drawn_ = std::make_unique<DrawnItems>();
    Invalidate();
}

void QtWindowHost::Invalidate() {
    pending_ = true;
    if (!rendering_)
        Post();
}

void QtWindowHost::Post() {
    if (posted_ || !widget_)
        return;
    posted_ = true;
    QMetaObject::invokeMethod(
        widget_,
        [this] {
            posted_ = false;
            RenderNow();
        },
        Qt::QueuedConnection);
}

void QtWindowHost::RenderNow() {
    // A render in progress picks the request up when it ends.
    if (rendering_ || !pending_)
        return;
    Render();
}

void QtWindowHost::Render() {
    pending_ = false;
    rendering_ = true;
    ++renders_;
    // The canvas has as many pixels as the screen shows it with.
    if (widget_)
        canvas_.SetPixelRatio(widget_->devicePixelRatioF());
    canvas_.Clear();
    if (!drawn_ && QAccessible::isActive())
        drawn_ = std::make_unique<DrawnItems>();
    if (drawn_)
        drawn_->Begin();
    const QSize size = canvas_.Size();
    client_.Paint(true, TRect{0, 0, size.width(), size.height()});
    canvas_.EndPainting();
    rendering_ = false;
    if (drawn_) {
        drawn_->End(client_.Reading());
        AnnounceCanvas(widget_);
    }

    if (widget_)
        widget_->update();
    if (pending_)
        Post();
}

void QtWindowHost::LeftButtonDown(QPoint point) {
    client_.HandleLButtonDown(0, TPoint{point.x(), point.y()});
}

std::unique_ptr<Surface> QtWindowHost::OpenClientSurface() {
    if (warming_)
        return std::make_unique<WarmSurface>(canvas_);
    return std::make_unique<CanvasSurface>(this, canvas_);
}

void QtWindowHost::CanvasShown() {
    if (!warmedUp_ && !warmUpQueued_ && renders_ > 0 && !rendering_ && !pending_)
        QueueWarmUp(kWarmUpDelayMs);
}

void QtWindowHost::QueueWarmUp(int delayMs) {
    if (!widget_)
        return;
    warmUpQueued_ = true;
    QTimer::singleShot(delayMs, widget_, [this] { WarmUpStep(); });
}

void QtWindowHost::WarmUpStep() {
    warmUpQueued_ = false;
    if (warmedUp_ || ending_)
        return;
    if (rendering_ || pending_ || openSurfaces_ > 0 || QApplication::activeModalWidget()) {
        QueueWarmUp(kWarmUpRetryMs);
        return;
    }
    warming_ = true;
    const bool more = client_.PaintAhead(warmUpStep_++);
    warming_ = false;
    if (more)
        QueueWarmUp(0);
    else
        warmedUp_ = true;
}

void QtWindowHost::SurfaceClosed() {
    // Drawing outside a render (a command drawing straight away) shows when its last
    // surface closes; a render shows when it ends.
    if (--openSurfaces_ == 0 && !rendering_ && canvas_.Painting()) {
        canvas_.EndPainting();
        if (widget_)
            widget_->update();
    }
}

void QtWindowHost::ShowPartialCanvas() {
    if (!rendering_)
        return;
    canvas_.EndPainting();
    if (widget_)
        widget_->update();
}

QWidget* QtWindowHost::ModalParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return frame_;
}

// Without a window manager the keyboard focus stays on the root window when a modal
// window closes, and the frame's menu keys would do nothing. The frame (or the dialog
// still open underneath) asks for the focus back at once, and once more a moment later:
// X drops a focus request stamped earlier than its own revert to the root window, and
// the toolkit's latest time stamp may still be older than that revert.
void QtWindowHost::ReactivateAfterModal() {
    // Back in the frame, the view has the keyboard, so that a screen reader reads it.
    auto activate = [frame = frame_, canvas = widget_] {
        QWidget* next = QApplication::activeModalWidget();
        if (!next)
            next = frame;
        if (next && next->isVisible())
            next->activateWindow();
        if (next == frame && canvas && canvas->isVisible())
            canvas->setFocus(Qt::OtherFocusReason);
    };
    activate();
    if (frame_) {
        QTimer::singleShot(kRefocusDelayMs, frame_, [activate] {
            if (!QGuiApplication::focusWindow())
                activate();
        });
    }
}

int QtWindowHost::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
    const BoxButtons buttons = ButtonsOf(style);
    if (ending_)
        return buttons.second.button != QMessageBox::NoButton ? buttons.second.answer
                                                              : buttons.first.answer;
    // A page painted ahead shows nothing, and no box either.
    if (warming_)
        return buttons.first.answer;
    ShowPartialCanvas();
    QMessageBox box(BoxIcon(style), FromUtf8(caption), FromUtf8(text), QMessageBox::NoButton,
                    ModalParent());
    box.setTextFormat(Qt::PlainText);
    // Selectable text would be laid out through a text document: a cost at every box
    // (the welcome box is on the start-up path) for nothing a user needs.
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    QPushButton* first = box.addButton(buttons.first.button);
    QPushButton* second = nullptr;
    if (buttons.second.button != QMessageBox::NoButton)
        second = box.addButton(buttons.second.button);
    box.setDefaultButton(first);
    box.setEscapeButton(second ? second : first);
    // A button never shown takes Escape and the close box, so the box looks the same.
    QPushButton* unanswered = nullptr;
    if ((style & MB_ESCAPEUNANSWERED) != 0) {
        unanswered = box.addButton(QMessageBox::Cancel);
        unanswered->hide();
        box.setEscapeButton(unanswered);
    }
    box.exec();

    const int answer = unanswered && box.clickedButton() == unanswered ? IDCANCEL
                       : box.clickedButton() == first || !second       ? buttons.first.answer
                                                                       : buttons.second.answer;
    ReactivateAfterModal();
    return answer;
}

void QtWindowHost::MessageBeep() { QApplication::beep(); }

void QtWindowHost::PostQuitMessage(int status) { QCoreApplication::exit(status); }

void QtWindowHost::EndNow(int status) {
    ending_ = true;
    // Every event loop ends, a modal window's own as well as the main one.
    QCoreApplication::exit(status);
}

int QtWindowHost::ExecuteDialog(TDialog& dialog) {
    if (ending_)
        return IDCANCEL;
    ShowPartialCanvas();
    const int result = RunTemplateDialog(dialog, ModalParent());
    ReactivateAfterModal();
    return result;
}

void QtWindowHost::Announce(std::string_view text) {
    if (!drawn_ || !widget_)
        return;
    SayAfterRender(widget_, FromUtf8(text));
    if (!pending_ && !rendering_)
        AnnounceCanvas(widget_);
}

void QtWindowHost::ShowHelp(std::string_view file) {
    // Without its frame (only while the frame is being deleted) the program is ending,
    // and there is no window to show help beside.
    if (ending_ || !frame_)
        return;
    if (!help_)
        help_ = new HelpViewer(*this, *frame_);
    help_->Open(FromUtf8(file));
}

void QtWindowHost::ShowStatus(std::string_view text) {
    // Long enough to read; the menus' and buttons' hints take the bar back after it.
    constexpr int kShownMs = 8000;
    if (QStatusBar* bar = frame_ ? frame_->findChild<QStatusBar*>() : nullptr)
        bar->showMessage(FromUtf8(text), kShownMs);
}
