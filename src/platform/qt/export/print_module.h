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

// The version of the interface below: what PrintModule holds and in which order, and
// what its functions take. Raised with every change to either; the program uses a module
// only when the module carries the program's version.
inline constexpr int kPrintModuleVersion = 1;

struct PrintModule {
    // kPrintModuleVersion as the module was built. First in every version, so that it
    // can be read whatever the rest holds.
    int version;
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

// The loaded module, or null with the reason in *reason. Loaded once, with every symbol
// resolved at once; from beside the program when it runs in the build tree it was built
// in, else from the library folder it was installed for.
const PrintModule* LoadPrintModule(QString* reason);

// Why the module in file, whose entry point gave module, cannot be used; empty when it
// can.
QString PrintModuleRefusal(const QString& file, const PrintModule* module);
