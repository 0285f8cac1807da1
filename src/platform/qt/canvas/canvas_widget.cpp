// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas widget's events: a paint copies the canvas and whitens the rest, a move to a
// screen of another scale asks for a new render, and the first show asks for the first.
#include "platform/qt/canvas/canvas_widget.h"

#include "platform/qt/accessibility/canvas_accessible.h"
#include "platform/qt/frame/qt_host.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

CanvasWidget::CanvasWidget(QtWindowHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("canvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A Tab stop as well as a click's: the keyboard reaches the view, and the reader with
    // it. The canvas draws no focus mark, so the focus changes no pixel.
    setFocusPolicy(Qt::StrongFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    const Canvas& canvas = host_.GetCanvas();
    const QImage& image = canvas.Image();
    const QRect area(QPoint(), canvas.Size());
    QPainter painter(this);
    const QRect exposed = event->rect();
    const QRect fromCanvas = exposed & area;
    if (!fromCanvas.isEmpty()) {
        if (canvas.PixelRatio() == 1) {
            painter.drawImage(fromCanvas.topLeft(), image, fromCanvas);
        } else {
            // Device pixel for device pixel; the painter clips it to what is exposed.
            painter.setClipRect(fromCanvas);
            painter.drawImage(QRect(area), image);
            painter.setClipping(false);
        }
    }
    // The canvas holds all that the views draw; beyond it the window is plain white.
    for (const QRect& rest : QRegion(exposed).subtracted(QRegion(area)))
        painter.fillRect(rest, Qt::white);
    painter.end();
    // Moved to a screen of another scale: drawn again at the new one.
    if (devicePixelRatioF() != canvas.PixelRatio())
        host_.Invalidate();
    host_.CanvasShown();
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        host_.LeftButtonDown(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Home and Ctrl+End as well as Home and End: a reader says the line it lands on
    // after the first two, where after the others it says only a letter.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool toAnEnd = event->key() == Qt::Key_Home || event->key() == Qt::Key_End;
    if ((mods == Qt::NoModifier || (toAnEnd && mods == Qt::ControlModifier)) &&
        CanvasCaretKey(this, event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CanvasWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The client area is drawn for the first time when it first appears.
    if (!shown_) {
        shown_ = true;
        host_.Invalidate();
    }
}
