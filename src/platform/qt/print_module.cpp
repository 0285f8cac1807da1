// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: everything here runs only once the program has loaded it.
#include "platform/qt/print_module.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRect>
#include <QSvgGenerator>

namespace {

bool WriteSvg(QIODevice& device, QSize size, const QString& title, const QString& description,
              const ViewPainter& view) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    // At 96 dots per inch a view pixel is a CSS pixel: the drawing opens at its own size.
    svg.setResolution(96);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(description);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    view.paint(view.context, painter, size);
    return painter.end();
}

PrintOutcome Print(QWidget* parent, const QString& document, const ViewPainter& view) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(document);
    printer.setCreator(document);
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Print the view"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted)
            return PrintOutcome::Cancelled;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    view.paint(view.context, painter,
               printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

constexpr PrintModule kModule{WriteSvg, Print};

} // namespace

extern "C" __attribute__((visibility("default"))) const PrintModule* korvel_print_module() {
    return &kModule;
}
