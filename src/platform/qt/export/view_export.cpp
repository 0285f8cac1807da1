// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a copy of the window (the window itself where none can be made) with a host that
// shows nothing and answers every box unseen; PDF is written here, SVG and printing go
// through the print module, and a file is replaced in one step or not at all.
#include "platform/qt/export/view_export.h"

#include "platform/files.h"

#include "platform/qt/canvas/canvas.h"
#include "platform/qt/canvas/canvas_surface.h"
#include "platform/qt/canvas/painter_target.h"
#include "platform/qt/export/print_module.h"
#include "platform/window.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <span>

namespace {

constexpr const char* kCreator = "Korvel";

// The toolkit while a view is drawn for export or print: surfaces on the target, and
// nothing shown, sounded or scheduled. A question would be answered as a box closed
// without a choice.
class ExportHost final : public WindowHost {
  public:
    explicit ExportHost(PaintTarget& target) : target_(target) {}
    int MessageBox(std::string_view, std::string_view, unsigned style) override {
        switch (style & MB_BUTTONMASK) {
        case MB_OK:
            return IDOK;
        case MB_YESNO:
            return IDNO;
        default:
            return IDCANCEL;
        }
    }
    void MessageBeep() override {}
    void Invalidate() override {}
    void PostQuitMessage(int) override {}
    int ExecuteDialog(TDialog&) override { return IDCANCEL; }
    std::unique_ptr<Surface> OpenClientSurface() override {
        return std::make_unique<CanvasSurface>(nullptr, target_);
    }
    void ShowHelp(std::string_view) override {}

  private:
    PaintTarget& target_;
};

// Lends a window a host for one paint, and gives its own back however the paint ends.
class LentHost {
  public:
    LentHost(TWindow& window, WindowHost& host) : window_(window), own_(window.Host()) {
        window_.SetHost(&host);
    }
    ~LentHost() { window_.SetHost(own_); }
    LentHost(const LentHost&) = delete;
    LentHost& operator=(const LentHost&) = delete;

  private:
    TWindow& window_;
    WindowHost* own_;
};

// Draws a copy of the window where it can make one, so that the window itself is neither
// borrowed nor changed; a window that cannot be copied lends itself for the paint.
void DrawOn(TWindow& window, PaintTarget& target) {
    const std::unique_ptr<TWindow> copy = window.CopyForPainting();
    TWindow& painted = copy ? *copy : window;
    ExportHost host(target);
    const LentHost lent(painted, host);
    const QSize area = ViewArea();
    painted.Paint(true, TRect{0, 0, area.width(), area.height()});
}

QString Title(const QString& path) {
    return QStringLiteral("Korvel: %1").arg(QFileInfo(path).completeBaseName());
}

void PaintWindow(void* window, QPainter& painter, QSizeF area) {
    PaintView(*static_cast<TWindow*>(window), painter, area);
}

ViewPainter PainterOf(TWindow& window) { return ViewPainter{&window, PaintWindow}; }

bool WriteSvg(TWindow& window, QIODevice& file, const QString& name, QString& reason) {
    const PrintModule* module = LoadPrintModule(&reason);
    return module && module->writeSvg(file, ViewArea(), Title(name), QString::fromLatin1(kCreator),
                                      PainterOf(window));
}

bool WritePdf(TWindow& window, QIODevice& file, const QString& name) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QString::fromLatin1(kCreator));
    pdf.setTitle(Title(name));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintView(window, painter, pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    return painter.end();
}

} // namespace

// The window's whole canvas: a team's page writes its qualification line past x = 640.
QSize ViewArea() { return QSize(Canvas::kWidth, Canvas::kHeight); }

QImage RenderView(TWindow& window, int scale) {
    Canvas canvas(ViewArea(), scale);
    DrawOn(window, canvas);
    canvas.EndPainting();
    return canvas.Image().copy();
}

void PaintView(TWindow& window, QPainter& painter, QSizeF area) {
    const QSizeF view = ViewArea();
    const qreal scale = std::min(area.width() / view.width(), area.height() / view.height());
    painter.save();
    painter.translate((area.width() - view.width() * scale) / 2,
                      (area.height() - view.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), view));
    // The white of the window behind the view, as on screen.
    painter.fillRect(QRectF(QPointF(0, 0), view), Qt::white);
    PainterTarget target(painter);
    DrawOn(window, target);
    painter.restore();
}

QString ExportView(TWindow& window, const QByteArray& path, PictureType format, int scale,
                   const FileOps& ops) {
    // Drawn whole in memory first: the file is then written in one step, as a save
    // is, so a full disk or a failing device leaves the previous file as it was.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    const QString name = QFile::decodeName(path);
    bool drawn = false;
    QString unwritten = QStringLiteral("the picture could not be drawn");
    switch (format) {
    case PictureType::Png:
        drawn = RenderView(window, scale).save(&file, "PNG");
        break;
    case PictureType::Svg:
        drawn = WriteSvg(window, file, name, unwritten);
        break;
    case PictureType::Pdf:
        drawn = WritePdf(window, file, name);
        break;
    }
    if (!drawn || file.data().isEmpty())
        return unwritten;
    const QByteArray& bytes = file.data();
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    // Only a regular file takes a picture: a device, FIFO or socket is not replaced.
    if (!WriteFileAtomically(path.constData(), data, ops, Replace::RegularOnly))
        return errno == EINVAL ? QStringLiteral("it is not a regular file")
                               : QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

QString ExportView(TWindow& window, const QByteArray& path, PictureType format, int scale) {
    return ExportView(window, path, format, scale, FileOps::Posix());
}

QString ExportView(TWindow& window, const QString& path, PictureType format, int scale) {
    return ExportView(window, QFile::encodeName(path), format, scale, FileOps::Posix());
}

QString ExportView(TWindow& window, const QString& path, PictureType format, int scale,
                   const FileOps& ops) {
    return ExportView(window, QFile::encodeName(path), format, scale, ops);
}

PrintOutcome PrintView(TWindow& window, QWidget* parent, const QString& fileName, QString& reason) {
    const PrintModule* module = LoadPrintModule(&reason);
    if (!module)
        return PrintOutcome::Failed;
    const PrintOutcome outcome =
        module->print(parent, QString::fromLatin1(kCreator), fileName, PainterOf(window));
    if (outcome == PrintOutcome::Failed)
        reason = QStringLiteral("the printer failed");
    return outcome;
}

bool PreviewView(TWindow& window, QWidget* parent, const QString& fileName, QString& reason) {
    const PrintModule* module = LoadPrintModule(&reason);
    if (!module)
        return false;
    module->preview(parent, QString::fromLatin1(kCreator), fileName, PainterOf(window));
    return true;
}
