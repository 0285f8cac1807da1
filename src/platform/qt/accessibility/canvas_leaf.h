// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every accessible part drawn on the canvas: its lines, the notes it speaks,
// and the headers and cells of its tables.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// Where a rectangle of the canvas stands on the screen; empty once the canvas is gone.
inline QRect OnScreen(const QWidget* canvas, const QRect& rect) {
    return canvas ? QRect(canvas->mapToGlobal(rect.topLeft()), rect.size()) : QRect();
}

// A part of the canvas that cannot be changed, hidden while the canvas is.
inline QAccessible::State ReadOnlyOn(const QWidget* canvas) {
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !canvas || !canvas->isVisible();
    return state;
}

// What every accessible thing drawn on the canvas shares: it lives as long as the canvas,
// belongs to the canvas's window, is the canvas's child unless it says otherwise, has no
// children, and its text cannot be changed.
class CanvasLeaf : public QAccessibleInterface {
  public:
    explicit CanvasLeaf(QWidget* canvas) : canvas_(canvas) {}

    bool isValid() const override { return !canvas_.isNull(); }
    QAccessibleInterface* parent() const override {
        return canvas_ ? QAccessible::queryAccessibleInterface(canvas_) : nullptr;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return canvas_ ? canvas_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    QPointer<QWidget> canvas_;
};
