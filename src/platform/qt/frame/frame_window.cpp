// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the frame window, sizes it to the views, scrolls the canvas on a small screen,
// asks the client before a close, and maximises the window (or fills the screen where no
// window manager will).
#include "platform/qt/frame/frame_window.h"

#include "platform/qt/canvas/canvas_widget.h"
#include "platform/qt/frame/frame_bars.h"
#include "platform/qt/frame/lazy_icon.h"
#include "platform/qt/frame/window_manager.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <string>

namespace {

QIcon FrameIcon(int iconId) {
    // A window needs no more than 64 pixels; the 256-pixel icon is for launchers,
    // which find it installed, and is not built into the program.
    return LazyIcon({std::to_string(iconId), "icon-64"});
}

// Room left around a window of normal size for the window manager's title bar and
// borders, so that all of the window is on screen when it is not maximised.
constexpr QSize kDecorationRoom(48, 64);

} // namespace

class QtFrameWindow::MainWindow final : public QMainWindow {
  public:
    MainWindow(TDecoratedFrame& frame, QtWindowHost& host) : client_(frame.Client()) {
        setObjectName(QStringLiteral("frame"));
        setWindowTitle(QString::fromStdString(frame.Title()));
        setWindowIcon(FrameIcon(frame.IconId()));
        // The bars are fixed: no menu for hiding them.
        setContextMenuPolicy(Qt::PreventContextMenu);

        auto* status = new QStatusBar(this);
        status->setObjectName(QStringLiteral("statusBar"));
        setStatusBar(status);

        auto* bar = new QMenuBar(this);
        bar->setObjectName(QStringLiteral("menuBar"));
        setMenuBar(bar);
        commands_ = BuildMenuBar(*bar, frame, *status);

        if (frame.ControlBar()) {
            auto* buttons = new QToolBar(QStringLiteral("Buttons"), this);
            buttons->setObjectName(QStringLiteral("buttonBar"));
            buttons->setMovable(false);
            buttons->setFloatable(false);
            buttons->setIconSize(QSize(kButtonGlyphSize, kButtonGlyphSize));
            buttons->toggleViewAction()->setEnabled(false);
            addToolBar(Qt::TopToolBarArea, buttons);
            BuildButtonBar(*buttons, frame, *status);
            buttons_ = buttons;
        }

        // On a screen smaller than the views the canvas scrolls. The area has no frame
        // and no focus of its own: where the views fit, the window is as without it.
        auto* scroller = new QScrollArea(this);
        scroller->setObjectName(QStringLiteral("canvasScroller"));
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setFocusPolicy(Qt::NoFocus);
        scroller->setWidgetResizable(true);
        canvas_ = new CanvasWidget(host, scroller);
        canvas_->setMinimumSize(Canvas::kWidth, Canvas::kHeight);
        scroller->setWidget(canvas_);
        setCentralWidget(scroller);
    }

    // The bars above and below the views at their full size: the window's own size.
    QSize NaturalSize() const {
        const int barsWidth = buttons_ ? buttons_->sizeHint().width() : 0;
        const int barsHeight = menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                               (buttons_ ? buttons_->sizeHint().height() : 0);
        return {std::max(Canvas::kWidth, barsWidth), Canvas::kHeight + barsHeight};
    }

    QToolBar* Buttons() const { return buttons_; }
    QWidget* Canvas() const { return canvas_; }
    QAction* Command(int id) const {
        const auto found = commands_.find(id);
        return found == commands_.end() ? nullptr : found->second;
    }

  protected:
    // The close box asks the client; a quit request from the program ends the loop
    // without coming here.
    void closeEvent(QCloseEvent* event) override {
        if (!client_.CanClose()) {
            event->ignore();
            return;
        }
        event->accept();
        QCoreApplication::exit(0);
    }

  private:
    TWindow& client_;
    std::map<int, QAction*> commands_;
    QToolBar* buttons_ = nullptr;
    QWidget* canvas_ = nullptr;
};

QtFrameWindow::QtFrameWindow(TDecoratedFrame& frame)
    : host_(frame.Client()), window_(std::make_unique<MainWindow>(frame, host_)),
      shortcuts_(std::make_unique<FrameShortcuts>(*window_, frame, host_)) {
    host_.Attach(window_->Canvas(), window_.get());
}

QtFrameWindow::~QtFrameWindow() = default;

void QtFrameWindow::ShowMaximized() {
    if (const QScreen* screen = window_->screen()) {
        const QRect available = screen->availableGeometry();
        if (WindowManagerMaximises()) {
            // The size the window returns to when it is no longer maximised: its own,
            // as far as the screen holds it with its title bar, centred.
            QRect normal(QPoint(),
                         window_->NaturalSize().boundedTo(
                             (available.size() - kDecorationRoom).expandedTo(QSize(1, 1))));
            normal.moveCenter(available.center());
            window_->setGeometry(normal);
        } else {
            // Nobody else maximises the window.
            window_->setGeometry(available);
        }
    }
    window_->showMaximized();
    window_->activateWindow();
}

QMainWindow& QtFrameWindow::Window() const { return *window_; }
QMenuBar* QtFrameWindow::MenuBar() const { return window_->menuBar(); }
QToolBar* QtFrameWindow::ButtonBar() const { return window_->Buttons(); }
QStatusBar* QtFrameWindow::StatusBar() const { return window_->statusBar(); }
QWidget* QtFrameWindow::Canvas() const { return window_->Canvas(); }
QAction* QtFrameWindow::MenuAction(int commandId) const { return window_->Command(commandId); }

void QtFrameWindow::RunPendingRenders() {
    // Each render may queue one more (the first paint does); a handful always suffices.
    for (int i = 0; i < 8 && host_.RenderPending(); ++i)
        host_.RenderNow();
}
