#pragma once

#include <QWidget>

class QtWindowHost;

// The client area on screen. Painting only copies the canvas: uncovering or resizing
// the window never runs the program's drawing code.
class CanvasWidget final : public QWidget {
  public:
    CanvasWidget(QtWindowHost& host, QWidget* parent);
    QtWindowHost& Host() const { return host_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QtWindowHost& host_;
    bool shown_ = false;
};
