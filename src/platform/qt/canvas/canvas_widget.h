// SPDX-License-Identifier: GPL-3.0-or-later
// The widget that shows the canvas in the frame window; clicks go to the window's host,
// and the screen reader's caret keys to the canvas's accessible face.
#pragma once

#include <QWidget>

class QtWindowHost;

// The client area on screen. Painting only copies the canvas and whitens the rest:
// uncovering or resizing the window never runs the program's drawing code.
class CanvasWidget final : public QWidget {
  public:
    CanvasWidget(QtWindowHost& host, QWidget* parent);
    QtWindowHost& Host() const { return host_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The canvas draws no focus mark: gaining or losing the focus repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

  private:
    QtWindowHost& host_;
    bool shown_ = false;
};
