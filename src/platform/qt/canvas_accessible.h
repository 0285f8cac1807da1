// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
