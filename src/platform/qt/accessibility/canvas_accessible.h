// SPDX-License-Identifier: GPL-3.0-or-later
// The screen reader's entry points for the canvas: installing its accessible face, telling
// a listening reader what a render or a command changed, and the keys of the reader's caret.
#pragma once

class QString;
class QWidget;

// The canvas as screen readers see it: a document named after the view, whose
// children are what the last render left visible (see ReadingOrder), and whose
// match lines on the schedule are buttons that open the result dialog.
//
// Nothing is recorded until the accessibility layer asks for the canvas: the factory
// is only a function pointer until then, and renders stay as they are.
void InstallCanvasAccessibility();

// Called after each render that was recorded: rebuilds the children and tells a
// listening reader what changed.
void AnnounceCanvas(QWidget* canvas);

// What the canvas last told a reader in a notification (empty for nothing yet).
QString LastSaid(QWidget* canvas);

// What a command changed, said to a listening reader once the render it asked for has
// run (at once with the next render, if none is pending).
void SayAfterRender(QWidget* canvas, const QString& text);

// Up, Down, Home, End, Page Up and Page Down move the reader's caret over the lines of
// the canvas; Enter and Space press a match line. False when no reader listens or the
// key is not one of these.
bool CanvasCaretKey(QWidget* canvas, int key);
