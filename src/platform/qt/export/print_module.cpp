// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: everything here runs only once the program has loaded it.
#include "platform/qt/export/print_module.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

void SetUp(QPrinter& printer, const QString& document, const QString& fileName) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(document);
    printer.setCreator(document);
    // The dialog offers printing to this file in the working folder. Where a printer is
    // set up the dialog still starts on it, as it would without the file.
    printer.setOutputFileName(fileName);
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFormat(QPrinter::NativeFormat);
}

bool PaintPage(QPrinter& printer, const ViewPainter& view) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    view.paint(view.context, painter,
               printer.pageLayout().paintRectPixels(printer.resolution()).size());
    return painter.end();
}

PrintOutcome Print(QWidget* parent, const QString& document, const QString& fileName,
                   const ViewPainter& view) {
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document, fileName);
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Print the view"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted)
            return PrintOutcome::Cancelled;
    }
    return PaintPage(printer, view) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void Preview(QWidget* parent, const QString& document, const QString& fileName,
             const ViewPainter& view) {
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document, fileName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&view](QPrinter* shown) { PaintPage(*shown, view); });
    dialog.exec();
}

constexpr PrintModule kModule{kPrintModuleVersion, WriteSvg, Print, Preview};

} // namespace

extern "C" __attribute__((visibility("default"))) const PrintModule* korvel_print_module() {
    return &kModule;
}
