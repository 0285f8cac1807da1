// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPainter;
class QWidget;

// SVG export and printing need Qt's SVG and print support libraries, which cost a start
// of the program the better part of a millisecond to load and link. They live in a
// module of their own, korvel-print.so, loaded the first time a view is written as SVG
// or printed; the program and the module share this header.

// How the module draws the view: a call back into the program, with an active painter
// and the area to fit the view into.
struct ViewPainter {
    void* context;
    void (*paint)(void* context, QPainter& painter, QSizeF area);
};

enum class PrintOutcome {
    Printed,
    Cancelled,
    Failed
};

struct PrintModule {
    // Draws the view as an SVG drawing of the given size (in view pixels, CSS pixels at
    // 96 dots per inch) into device; false when the drawing could not be made.
    bool (*writeSvg)(QIODevice& device, QSize size, const QString& title,
                     const QString& description, const ViewPainter& view);
    // Asks for a printer with Qt's print dialog (which can also print to a PDF file,
    // fileName unless the user picks another), over parent, and prints the view on one
    // landscape page, fitted to it.
    PrintOutcome (*print)(QWidget* parent, const QString& document, const QString& fileName,
                          const ViewPainter& view);
    // Qt's print preview dialog of that page, over parent, which prints from there.
    void (*preview)(QWidget* parent, const QString& document, const QString& fileName,
                    const ViewPainter& view);
};

// The module's one entry point.
extern "C" const PrintModule* korvel_print_module();

// The loaded module, or null with the reason in *reason. Loaded once, from the program's
// library folder when installed, else from beside the program.
const PrintModule* LoadPrintModule(QString* reason);
