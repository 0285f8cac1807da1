// SPDX-License-Identifier: GPL-3.0-or-later
// Export and print of the current view: a picture in memory, a drawing on any painter, a
// PNG, SVG or PDF file written in one step, and Qt's print dialog and preview.
#pragma once

#include "platform/export.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;
class TWindow;
struct FileOps;
enum class PrintOutcome;

// The area the views are laid out in: a picture of a view shows exactly this.
QSize ViewArea();

// The window's current view, drawn through the same surfaces as on screen by a copy the
// window makes for painting (TWindow::CopyForPainting), so the window itself is neither
// borrowed nor changed. A window that cannot be copied paints itself, on a host lent for
// the paint: boxes, beeps and repaint requests from inside it are answered unseen, so
// export and print never stop to ask, and the window's own host is given back however
// the paint ends.
//
// RenderView gives the canvas pixels, exactly what the window's canvas holds, or at a
// scale above 1 that many pixels for each (the picture a screen of that scale shows).
QImage RenderView(TWindow& window, int scale = 1);
// PaintView draws on an active painter, text as text, scaled to fit and centred in area.
void PaintView(TWindow& window, QPainter& painter, QSizeF area);

// Writes the current view to a file in one step: a failure leaves no file behind and
// the previous file, if any, untouched. A PNG picture has scale pixels for each view
// pixel. The path is the file's name as the system takes it, in bytes; links are
// followed as a save follows them, and only a regular file is replaced. Returns an
// empty text, or what went wrong.
// Tests give other file operations to make the write fail.
QString ExportView(TWindow& window, const QByteArray& path, PictureType format, int scale = 1);
QString ExportView(TWindow& window, const QByteArray& path, PictureType format, int scale,
                   const FileOps& ops);
// The same for a name as the file dialog gives it.
QString ExportView(TWindow& window, const QString& path, PictureType format, int scale = 1);
QString ExportView(TWindow& window, const QString& path, PictureType format, int scale,
                   const FileOps& ops);
// Asks for a printer with Qt's print dialog over parent and prints the current view on
// one landscape page, fitted to it; printing to a file offers fileName. On failure,
// reason says what went wrong.
PrintOutcome PrintView(TWindow& window, QWidget* parent, const QString& fileName, QString& reason);
// Qt's print preview of the view, with its own print button; false, with the reason,
// when it could not be shown.
bool PreviewView(TWindow& window, QWidget* parent, const QString& fileName, QString& reason);
